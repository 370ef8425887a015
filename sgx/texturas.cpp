// The "textures" section.
#include <cstdio>
#include <unordered_set>

#include "sgx/atributos.h"
#include "sgx/leitura.h"

namespace {

// The four attributes in order; false at the first missing or unreadable one.
bool lerEntrada(const TiXmlElement* e, textureElement& entrada) {
    const char* id = e->Attribute("id");
    if (!id) return false;
    const char* file = e->Attribute("file");
    if (!file) return false;
    if (queryFloat(e, "length_s", entrada.length_s) || queryFloat(e, "length_t", entrada.length_t))
        return false;
    entrada.id = id;
    entrada.file = file;
    return true;
}

}  // namespace

std::vector<textureElement> parseTextures(const TiXmlElement* sgx) {
    std::vector<textureElement> tabela;
    const TiXmlElement* textures = sgx->FirstChildElement("textures");
    if (!textures) {
        std::printf("textures not found\n");
        return tabela;
    }
    // Texture names count the entries read, repeated ids included, so a repeat leaves a
    // gap in the names; sceneries may rely on a texture's name from its place in the file.
    int lidas = 0;
    std::unordered_set<std::string> ids;
    for (const TiXmlElement* e = textures->FirstChildElement();
         e && lidas < sceneGlobals.maxtextures; e = e->NextSiblingElement()) {
        if (e->ValueStr() != "texture") {
            std::printf("Unknown element!\n");
            continue;
        }
        textureElement entrada;
        if (!lerEntrada(e, entrada)) {
            std::printf("Error parsing texture\n");
            continue;
        }
        entrada.textureName = lidas + 1;
        if (ids.insert(entrada.id).second) tabela.push_back(entrada);
        ++lidas;
    }
    return tabela;
}
