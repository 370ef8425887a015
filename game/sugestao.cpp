#include "game/sugestao.h"

#include <cstdio>
#include <cstring>

#include "game/desfazer.h"
#include "game/destinos.h"
#include "game/julgamento.h"
#include "game/ligacao.h"

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
    const std::string antes = textoCompacto(casas);
    char pedido[tamanhoTexto];
    const int n = std::snprintf(pedido, sizeof pedido, "obtemJogadaPC2(%d,%s).\n", jogador,
                                antes.c_str());
    char resposta[tamanhoTexto] = {};
    if (n < 0 || n >= static_cast<int>(sizeof pedido) || !sendMessage(pedido, n) ||
        !receiveReply(resposta, sizeof resposta) || !isBoardReply(resposta))
        return false;
    char depois[tamanhoTexto] = {};
    std::snprintf(depois, sizeof depois, "%s", resposta);
    const std::array<int, 4> q = findMove(antes.c_str(), depois);
    for (int v : q)
        if (v < 0 || v > 7) return false;
    sugestao.xi = q[0], sugestao.yi = q[1], sugestao.xf = q[2], sugestao.yf = q[3];
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
