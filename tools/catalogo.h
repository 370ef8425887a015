// Every texture the game reads, by file name, with the routine that paints it.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "tools/imagem.h"

struct Textura {
    std::string ficheiro;
    std::function<Imagem()> pintar;
};

// The textures of the game itself (the menu once per language), then those the sceneries name.
const std::vector<Textura>& catalogo();

// Writes every texture into `pasta`; prints and counts the files it could not write.
int gravarTodas(const std::string& pasta);

// Filled by texturas_jogo.cpp and texturas_cenarios.cpp.
void juntarTexturasJogo(std::vector<Textura>& lista);
void juntarTexturasCenarios(std::vector<Textura>& lista);
