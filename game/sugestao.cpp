#include "game/sugestao.h"

#include <cstring>

#include "game/desfazer.h"
#include "game/destinos.h"
#include "game/pedidos.h"
#include "game/tabuleiro_texto.h"

namespace {

bool emRepouso() { return jogadorAJogar() && !animando && !filmeActivo() && !undoArmado; }

}  // namespace

bool pedeSugestao() {
    sugestao = Sugestao{};
    char casas[64];
    if (!emRepouso() || !boardSquares(tabuleiro, casas)) return false;
    sugestao.pedida = true;
    sugestao.jogador = jogador;
    std::memcpy(sugestao.casas, casas, sizeof casas);
    Jogada j;
    if (!sugereJogada(textoCompacto(casas).c_str(), jogador, j)) return false;
    sugestao.xi = j.xi, sugestao.yi = j.yi, sugestao.xf = j.xf, sugestao.yf = j.yf;
    sugestao.temJogada = true;
    return true;
}

const Sugestao* sugestaoEmVista() {
    char casas[64];
    if (!sugestao.pedida || sugestao.jogador != jogador || !emRepouso() ||
        !boardSquares(tabuleiro, casas) || std::memcmp(casas, sugestao.casas, sizeof casas) != 0)
        return nullptr;
    return &sugestao;
}

void esqueceSugestao() { sugestao = Sugestao{}; }
