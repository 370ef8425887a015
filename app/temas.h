// Themes: the application's own textures and the scenery chosen under "Ambiente".
#pragma once

#include <functional>

// Texture names up to this one are fixed: 1 to 100 the scenery's, 101 to 135 the program's own.
constexpr unsigned int ultimoNomeFixo = 135;

// A texture name above the fixed ones, from `gera` (which makes a texture and gives its name),
// or 0. glGenTextures may hand out a fixed name before the program defines that texture; such
// names are held until a free one above them turns up, then given back.
unsigned int nomeAcimaDosFixos(const std::function<unsigned int()>& gera);

struct TexturaAplicacao {
    const char* ficheiro;
    unsigned int nome;
};
constexpr int numTexturasAplicacao = 16;
extern const TexturaAplicacao texturasAplicacao[numTexturasAplicacao];

// Defines the sixteen application textures under their fixed names 101 to 135.
void loadApplicationTextures();
// Defines every texture of the loaded scenery, in table order.
void loadSceneTextures();
// Loads the scenery of `ambiente` when it differs from the one loaded; true when it did.
bool mudaAmbiente();
