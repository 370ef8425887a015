// The "globals" section: the limits and the root. Its values outlive the file, so a
// scenery whose globals fail is read with the limits of the one before.
#include <cstdio>

#include "sgx/atributos.h"
#include "sgx/leitura.h"

void parseGlobals(const TiXmlElement* sgx) {
    const TiXmlElement* globals = sgx->FirstChildElement("globals");
    if (!globals) {
        std::printf("globals not found\n");
        return;
    }
    const char* const nomes[4] = {"maxlights", "maxtextures", "maxmaterials", "maxobjects"};
    int* const campos[4] = {&sceneGlobals.maxlights, &sceneGlobals.maxtextures,
                            &sceneGlobals.maxmaterials, &sceneGlobals.maxobjects};
    for (int i = 0; i < 4; ++i)
        if (queryInt(globals, nomes[i], *campos[i])) {
            std::printf("Error parsing globals\n");
            return;
        }
    const char* root = globals->Attribute("root");
    if (!root) {
        std::printf("Error parsing globals\n");
        return;
    }
    sceneGlobals.root = root;
    std::printf("global attributes: %i %i %i %i %s\n", sceneGlobals.maxlights,
                sceneGlobals.maxtextures, sceneGlobals.maxmaterials, sceneGlobals.maxobjects,
                sceneGlobals.root.c_str());
}
