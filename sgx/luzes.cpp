// The "illumination" section: the lighting flags, the global colours and the lights.
#include <cstdio>
#include <unordered_set>

#include "sgx/atributos.h"
#include "sgx/leitura.h"

namespace {

void lerCor(const TiXmlElement* pai, const char* nome, float cor[4], const char* erro) {
    if (readColour(pai, nome, cor))
        std::printf("Values were successfully obtained\n");
    else
        std::printf("%s", erro);
}

void lerFlags(const TiXmlElement* illumination) {
    if (queryInt(illumination, "doublesided", doublesided) ||
        queryInt(illumination, "local", local))
        std::printf("Error parsing light\n");
    else
        std::printf("Values were successfully obtained\n");
}

// A position that fails part-way is passed over in silence, keeping the earlier values.
void lerPosicao(const TiXmlElement* light, float posicao[4]) {
    const TiXmlElement* p = light->FirstChildElement("position");
    if (!p) return;
    static const char* const nomes[4] = {"x", "y", "z", "w"};
    for (int i = 0; i < 4; ++i)
        if (queryFloat(p, nomes[i], posicao[i])) return;
    std::printf("Values were successfully obtained\n");
}

}  // namespace

std::vector<lightElements> parseLights(const TiXmlElement* sgx) {
    std::vector<lightElements> tabela;
    const TiXmlElement* illumination = sgx->FirstChildElement("illumination");
    if (!illumination) {
        std::printf("illumination not found\n");
        return tabela;
    }
    // One working record serves every light in turn, as with the materials; it also
    // carries the global colours into every entry.
    lightElements W;
    std::unordered_set<std::string> ids;
    lerFlags(illumination);
    lerCor(illumination, "ambient", W.globalAmbient, "Error parsing ambient light \n");
    lerCor(illumination, "background", W.background, "Error parsing background light \n");

    const TiXmlElement* lights = illumination->FirstChildElement("lights");
    if (!lights) {
        std::printf("lights not found\n");
        return tabela;
    }
    for (const TiXmlElement* e = lights->FirstChildElement("light");
         e && sceneGlobals.maxlights > 0; e = e->NextSiblingElement("light")) {
        const char* id = e->Attribute("id");
        if (id) W.id = id;
        if (queryInt(e, "enabled", W.enabled))
            std::printf("Error parsing Light_object \n");
        else
            std::printf("Values were successfully obtained\n");
        lerPosicao(e, W.position);
        lerCor(e, "ambient", W.ambient, "Error parsing ambient light \n");
        lerCor(e, "diffuse", W.diffuse, "Error parsing diffuse light \n");
        lerCor(e, "specular", W.specular, "Error parsing specular light \n");

        if (static_cast<int>(tabela.size()) >= sceneGlobals.maxlights) break;
        if (!id) {
            std::printf("Error parsing light\n");
            continue;
        }
        if (ids.insert(W.id).second) tabela.push_back(W);
    }
    return tabela;
}
