#include <GL/gl.h>

#include <cstdio>
#include <unordered_map>
#include <utility>

#include "scene/globais.h"
#include "scene/objecto.h"

namespace {

// The look of a scene whose root leaves its material open.
void resetToDefault(materialElement& m) {
    const float tinted[4] = {0.0f, 0.6f, 0.6f, 0.6f};
    for (int i = 0; i < 4; ++i) {
        m.emission[i] = 0.0f;
        m.ambient[i] = tinted[i];
        m.diffuse[i] = tinted[i];
        m.specular[i] = tinted[i];
    }
    m.shininess = 128.0f;
    m.id = "default";
}

}  // namespace

Composto::Composto(std::string id, materialElement& material, textureElement& texture, bool clear,
                   std::vector<std::string> childIds)
    : Objecto(std::move(id), material, texture, clear),
      children(childIds.size(), nullptr),
      childIds(std::move(childIds)) {}

IndiceObjectos indexObjects(const ListaObjectos& objects) {
    // Later objects overwrite earlier ones, so a shared id resolves to the last of them.
    IndiceObjectos porId;
    for (const auto& object : objects)
        if (object) porId[object->getId()] = object.get();
    return porId;
}

void Composto::linkChildren(const ListaObjectos& objects) { linkChildren(indexObjects(objects)); }

void Composto::linkChildren(const IndiceObjectos& porId) {
    for (size_t j = 0; j < childIds.size(); ++j) {
        auto encontrado = porId.find(childIds[j]);
        if (encontrado != porId.end()) children[j] = encontrado->second;
    }
}

void Composto::draw() {
    if (drawStack.empty() && material->id == "null") resetToDefault(*material);
    pushEntry();
    beginTexture();
    placeAndApplyMaterial();
    for (Objecto* child : children)
        if (child) child->draw();
    finishDraw();
}

void breakCycles(const ListaObjectos& objects, const std::string& rootId) {
    // Iterative depth-first walk: a slot leading back to a group still on the path closes a
    // cycle. Iterative so that a long chain of groups cannot exhaust the call stack. The
    // walk starts from the root objects, so the slot cut is the one that closes a cycle as
    // the scene is drawn, never a link from the root into the scene.
    enum class Estado { novo, emCurso, feito };
    std::unordered_map<const Objecto*, Estado> estado;
    struct Passo {
        Composto* grupo;
        size_t slot;
    };
    std::vector<Objecto*> ordem;
    for (const auto& o : objects)
        if (o->getId() == rootId) ordem.push_back(o.get());
    for (const auto& o : objects)
        if (o->getId() != rootId) ordem.push_back(o.get());
    for (Objecto* raiz : ordem) {
        auto* inicio = dynamic_cast<Composto*>(raiz);
        if (!inicio || estado[inicio] != Estado::novo) continue;
        std::vector<Passo> caminho{{inicio, 0}};
        estado[inicio] = Estado::emCurso;
        while (!caminho.empty()) {
            Passo& passo = caminho.back();
            if (passo.slot == passo.grupo->getChildren().size()) {
                estado[passo.grupo] = Estado::feito;
                caminho.pop_back();
                continue;
            }
            const size_t slot = passo.slot++;
            Composto* grupo = passo.grupo;
            auto* filho = dynamic_cast<Composto*>(grupo->getChildren()[slot]);
            if (!filho) continue;
            Estado& e = estado[filho];
            if (e == Estado::emCurso) {
                std::printf("Cycle in scene graph at '%s'\n", grupo->getId().c_str());
                grupo->clearChild(slot);
            } else if (e == Estado::novo) {
                e = Estado::emCurso;
                caminho.push_back({filho, 0});  // invalidates `passo`, not used after this
            }
        }
    }
}
