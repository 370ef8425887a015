// The "objects" section: shapes and groups with their references and matrices, and
// the linking of groups to their children. Object reading prints nothing.
#include <algorithm>
#include <unordered_set>

#include "scene/objecto.h"
#include "sgx/geometria.h"
#include "sgx/leitura.h"

namespace {

// The object being read: its own records, and the references that start on them and
// may move to table entries.
struct Leitura {
    std::unique_ptr<materialElement> proprioMaterial = std::make_unique<materialElement>();
    std::unique_ptr<textureElement> propriaTextura = std::make_unique<textureElement>();
    materialElement* material;
    textureElement* textura;
    materialElement* const meuMaterial;
    textureElement* const minhaTextura;
    bool clear = false;
    Matriz matriz = identidade();

    Leitura()
        : material(proprioMaterial.get()),
          textura(propriaTextura.get()),
          meuMaterial(proprioMaterial.get()),
          minhaTextura(propriaTextura.get()) {}
};

// An "id" that is missing counts as "empty": no reference at all.
std::string idDaReferencia(const TiXmlElement* e) {
    const char* id = e->Attribute("id");
    return id ? id : "empty";
}

void lerTextura(const TiXmlElement* e, Leitura& o) {
    const std::string t = idDaReferencia(e);
    if (t == "empty") return;
    if (t == "null" || t == "clear") {
        // Marked on the object's own record, even after an earlier reference moved
        // away from it: marking a table entry would change every object using it.
        o.textura = o.minhaTextura;
        o.textura->id = t;
        o.textura->length_s = o.textura->length_t = 1.0f;
        if (t == "clear") o.clear = true;
    }
    for (textureElement& entrada : sceneTextures)
        if (entrada.id == t) o.textura = &entrada;
}

void lerMaterial(const TiXmlElement* e, Leitura& o) {
    const std::string t = idDaReferencia(e);
    if (t == "empty") return;
    for (materialElement& entrada : sceneMaterials)
        if (entrada.id == t) o.material = &entrada;
    if (t == "null") {
        o.material = o.meuMaterial;  // as with textures: never mark a table entry
        o.material->id = "null";
    }
}

// The records made for the object go to the first object built from it; should an
// element build twice, the second shares them, and both live in sceneObjects together.
void acrescenta(std::unique_ptr<Objecto> objecto, Leitura& o) {
    if (!objecto) return;
    std::copy(o.matriz.begin(), o.matriz.end(), objecto->matrix);
    if (o.proprioMaterial)
        objecto->keepRecords(std::move(o.proprioMaterial), std::move(o.propriaTextura));
    sceneObjects.push_back(std::move(objecto));
}

void lerFilhos(const TiXmlElement* children, objectElements& D) {
    for (const TiXmlElement* c = children->FirstChildElement(); c; c = c->NextSiblingElement()) {
        const char* id = c->Attribute("id");
        if (id) D.childIds.push_back(id);
    }
}

void lerObjecto(const TiXmlElement* O, objectElements& D, Leitura& o) {
    for (const TiXmlElement* P = O->FirstChildElement(); P; P = P->NextSiblingElement()) {
        const std::string& nome = P->ValueStr();
        if (nome == "texture") {
            lerTextura(P, o);
        } else if (nome == "material") {
            lerMaterial(P, o);
        } else if (nome == "transformations") {
            for (const TiXmlElement* t = P->FirstChildElement(); t; t = t->NextSiblingElement())
                applyTransformation(t, o.matriz);
        } else if (nome == "geometry" && D.type == "simple") {
            D.childIds.clear();
            const char* tipo = P->Attribute("type");
            parseGeometry(P, tipo ? tipo : "", D);
            acrescenta(buildShape(D, *o.material, *o.textura, o.clear), o);
        } else if (nome == "children" && D.type == "compound") {
            D.values.clear();
            D.geometryType.clear();
            // Appended to what the working record holds: a second "children" element
            // in one object extends the first list.
            lerFilhos(P, D);
            acrescenta(std::make_unique<Composto>(D.id, *o.material, *o.textura, o.clear,
                                                  D.childIds),
                       o);
        }
    }
}

}  // namespace

std::vector<objectElements> parseObjects(const TiXmlElement* sgx) {
    std::vector<objectElements> registos;
    const TiXmlElement* objects = sgx->FirstChildElement("objects");
    if (!objects) return registos;
    objectElements D;
    std::unordered_set<std::string> ids;  // of the records, so long files stay linear
    for (const TiXmlElement* O = objects->FirstChildElement(); O; O = O->NextSiblingElement()) {
        Leitura o;
        const char* id = O->Attribute("id");
        const char* type = O->Attribute("type");
        if (!id || !type) break;
        D.id = id;
        D.type = type;
        lerObjecto(O, D, o);
        // Compared unsigned: a negative limit sets none. The object just read is built
        // already and stays.
        if (registos.size() >= static_cast<unsigned>(sceneGlobals.maxobjects)) break;
        if (ids.insert(D.id).second) registos.push_back(D);
        D.childIds.clear();
        D.geometryType.clear();
    }
    return registos;
}

void linkObjects() {
    // One index for the whole list: every group looking its children up in the list
    // itself would make a long scenery quadratic to link.
    const IndiceObjectos porId = indexObjects(sceneObjects);
    for (const std::unique_ptr<Objecto>& objecto : sceneObjects) {
        if (auto* grupo = dynamic_cast<Composto*>(objecto.get()))
            grupo->linkChildren(porId);
        else
            objecto->linkChildren(sceneObjects);
    }
    breakCycles(sceneObjects, sceneGlobals.root);
}
