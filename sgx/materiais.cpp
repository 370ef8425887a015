// The "materials" section.
#include <cstdio>
#include <unordered_set>

#include "sgx/atributos.h"
#include "sgx/leitura.h"

std::vector<materialElement> parseMaterials(const TiXmlElement* sgx) {
    std::vector<materialElement> tabela;
    const TiXmlElement* materials = sgx->FirstChildElement("materials");
    if (!materials) {
        std::printf("materials not found\n");
        return tabela;
    }
    // One working record for the whole file: a colour that fails part-way keeps what the
    // material before left in it, and authors may rely on that.
    materialElement W;
    std::unordered_set<std::string> ids;  // taken so far: the first material with an id wins
    struct Grupo {
        const char* nome;
        float* cor;
        const char* erro;
    };
    const Grupo grupos[4] = {{"emission", W.emission, "Error parsing emission \n"},
                             {"ambient", W.ambient, "Error parsing ambient \n"},
                             {"diffuse", W.diffuse, "Error parsing diffuse \n"},
                             {"specular", W.specular, "Error parsing specular \n"}};

    for (const TiXmlElement* e = materials->FirstChildElement("material");
         e && sceneGlobals.maxmaterials > 0; e = e->NextSiblingElement("material")) {
        const char* id = e->Attribute("id");
        if (id) W.id = id;
        for (const Grupo& g : grupos) {
            if (readColour(e, g.nome, g.cor))
                std::printf("Values were successfully obtained\n");
            else
                std::printf("%s", g.erro);
        }
        const TiXmlElement* shininess = e->FirstChildElement("shininess");
        if (shininess && !queryFloat(shininess, "value", W.shininess))
            std::printf("Values were successfully obtained\n");

        if (static_cast<int>(tabela.size()) >= sceneGlobals.maxmaterials) break;
        if (!id) {
            std::printf("Error parsing material\n");
            continue;
        }
        if (ids.insert(W.id).second) tabela.push_back(W);
    }
    return tabela;
}
