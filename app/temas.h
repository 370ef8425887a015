// Themes: the application's own textures and the scenery chosen under "Ambiente".
#pragma once

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
