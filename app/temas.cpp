// The application textures and the scenery switch.
#include "app/temas.h"

#include <vector>

#include <GL/gl.h>

#include "app/globais.h"
#include "scene/globais.h"
#include "sgx/globais.h"
#include "sgx/sgx.h"
#include "game/traducao.h"

// The menu's picture has words, so each language has its own, which the catalogue names.
// Side 1 wears the dark pieces (even names), side 2 the light ones (odd names).
const TexturaAplicacao texturasAplicacao[numTexturasAplicacao] = {
    {"casa.bmp", 101},          {"placar.bmp", 102},        {"wood.bmp", 103},
    {"metal.bmp", 104},         {"tab.bmp", 105},           {"furtab.bmp", 125},
    // TRANSLATORS: the menu's picture with this language's words, which the texture
    // generator paints (tools/texturas_jogo.cpp); menu.bmp when it paints none.
    {"steeltab.bmp", 135},      {N_("menu.bmp"), 107},      {"madeirabranca.bmp", 109},
    {"madeirapreta.bmp", 108},  {"pelebranca.bmp", 111},    {"pelepreta.bmp", 110},
    {"whitesteel.bmp", 113},    {"blacksteel.bmp", 112},    {"pelolado.bmp", 123},
    {"steelside.bmp", 133},
};

void loadApplicationTextures() {
    // A file that cannot be read still gets its name defined, from the last image read.
    for (const TexturaAplicacao& t : texturasAplicacao) {
        const char* noIdioma = _(t.ficheiro);
        // A language whose picture is missing still gets the source's.
        if (noIdioma == t.ficheiro || !imagemTextura.load(noIdioma)) imagemTextura.load(t.ficheiro);
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

unsigned int nomeAcimaDosFixos(const std::function<unsigned int()>& gera) {
    std::vector<GLuint> ocupados;
    GLuint nome = 0;
    for (int tentativa = 0; tentativa < 300 && nome <= ultimoNomeFixo; ++tentativa) {
        if (nome != 0) ocupados.push_back(nome);
        nome = gera();
    }
    if (!ocupados.empty()) glDeleteTextures(GLsizei(ocupados.size()), ocupados.data());
    return nome > ultimoNomeFixo ? nome : 0;
}
