// The application textures and the scenery switch.
#include "app/temas.h"

#include "app/globais.h"
#include "scene/globais.h"
#include "sgx/globais.h"
#include "sgx/sgx.h"

// Side 1 wears the dark pieces (even names), side 2 the light ones (odd names).
const TexturaAplicacao texturasAplicacao[numTexturasAplicacao] = {
    {"casa.bmp", 101},          {"placar.bmp", 102},        {"wood.bmp", 103},
    {"metal.bmp", 104},         {"tab.bmp", 105},           {"furtab.bmp", 125},
    {"steeltab.bmp", 135},      {"menu.bmp", 107},          {"madeirabranca.bmp", 109},
    {"madeirapreta.bmp", 108},  {"pelebranca.bmp", 111},    {"pelepreta.bmp", 110},
    {"whitesteel.bmp", 113},    {"blacksteel.bmp", 112},    {"pelolado.bmp", 123},
    {"steelside.bmp", 133},
};

void loadApplicationTextures() {
    // A file that cannot be read still gets its name defined, from the last image read.
    for (const TexturaAplicacao& t : texturasAplicacao) {
        imagemTextura.load(t.ficheiro);
        imagemTextura.makeTexture(t.nome);
    }
}

void loadSceneTextures() {
    for (const textureElement& entrada : sceneTextures) loadSceneTexture(entrada);
}

bool mudaAmbiente() {
    if (ambienteCarregado == ambiente) return false;
    ambienteCarregado = ambiente;
    clearScene();
    loadScene(ambiente);
    loadSceneTextures();
    return true;
}
