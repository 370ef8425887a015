// SGX loading from bytes: the document, the depth guard, the reading of every section and
// the building and linking of the objects, without a GL context (nothing is drawn). After
// any input the loaded scene must be one the frame can draw: every child a live object of
// the scene and no group among its own descendants, since drawing recurses down the graph.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "fuzz/comum.h"
#include "sgx/globais.h"
#include "sgx/sgx.h"

namespace {

// Every scenery starts from the program's start-up state; what one input leaves behind
// (limits and root carry over between files) would make findings depend on run order.
void estadoInicial() {
    clearScene();
    sceneTextures.clear();
    sceneGlobals = globalsElement{};
    sceneView = viewElement{};
    doublesided = 0;
    local = 0;
}

void verificaGrafo() {
    std::unordered_set<const Objecto*> vivos;
    for (const auto& o : sceneObjects) {
        exige(o != nullptr, "empty slot in the object list");
        vivos.insert(o.get());
    }
    enum class Estado { novo, emCurso, feito };
    std::unordered_map<const Composto*, Estado> estado;
    struct Passo {
        const Composto* grupo;
        std::size_t slot;
    };
    for (const auto& o : sceneObjects) {
        const auto* inicio = dynamic_cast<const Composto*>(o.get());
        if (!inicio || estado[inicio] != Estado::novo) continue;
        std::vector<Passo> caminho{{inicio, 0}};
        estado[inicio] = Estado::emCurso;
        while (!caminho.empty()) {
            const Composto* grupo = caminho.back().grupo;
            const std::size_t slot = caminho.back().slot++;
            if (slot == grupo->getChildren().size()) {
                estado[grupo] = Estado::feito;
                caminho.pop_back();
                continue;
            }
            const Objecto* filho = grupo->getChildren()[slot];
            if (!filho) continue;
            exige(vivos.count(filho), "group '%s' keeps a child that is not in the scene",
                  grupo->getId().c_str());
            const auto* sub = dynamic_cast<const Composto*>(filho);
            if (!sub) continue;
            Estado& e = estado[sub];
            exige(e != Estado::emCurso, "group '%s' is among its own descendants",
                  sub->getId().c_str());
            if (e == Estado::novo) {
                e = Estado::emCurso;
                caminho.push_back({sub, 0});
            }
        }
    }
}

}  // namespace

// AddressSanitizer's strstr measures the whole rest of the text on every call, which turns
// the depth count's linear walk quadratic: a 100000-deep file takes seconds instead of
// microseconds. Without the sanitizer strstr stops at its match, so nothing real is hidden.
extern "C" const char* __asan_default_options() { return "intercept_strstr=0"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    silenciaConsola();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t size) {
    estadoInicial();
    const bool carregou = loadSceneText(reinterpret_cast<const char*>(d), size, "fuzz.sgx");
    if (carregou) {
        verificaGrafo();
        // The limits read bound what was kept (a negative or missing limit keeps none).
        exige(static_cast<long long>(sceneLights.size()) <=
                  (sceneGlobals.maxlights > 0 ? sceneGlobals.maxlights : 0),
              "%zu lights kept, limit %d", sceneLights.size(), sceneGlobals.maxlights);
        exige(static_cast<long long>(sceneMaterials.size()) <=
                  (sceneGlobals.maxmaterials > 0 ? sceneGlobals.maxmaterials : 0),
              "%zu materials kept, limit %d", sceneMaterials.size(), sceneGlobals.maxmaterials);
        exige(static_cast<long long>(sceneTextures.size()) <=
                  (sceneGlobals.maxtextures > 0 ? sceneGlobals.maxtextures : 0),
              "%zu textures kept, limit %d", sceneTextures.size(), sceneGlobals.maxtextures);
    } else {
        exige(sceneObjects.empty(), "a refused file left objects behind");
    }
    estadoInicial();
    return 0;
}
