#include "game/tabuleiro_texto.h"

#include <cstddef>

namespace {

constexpr std::size_t tamanhoMaximo = 512;

}  // namespace

bool leTabuleiro(const char* texto, int lados[8][8]) {
    int k = 0;
    for (std::size_t i = 0; i < tamanhoMaximo && texto[i] != '\0'; ++i) {
        const char c = texto[i];
        if (c < '0' || c > '2') continue;
        if (k == 64) return false;
        lados[k % 8][k / 8] = c - '0';
        ++k;
    }
    return k == 64;
}

bool noCampoDePartida(int lado, int x, int y) { return lado == 1 ? x + y >= 11 : x + y <= 3; }

bool noCampoDeChegada(int lado, int x, int y) { return noCampoDePartida(lado == 1 ? 2 : 1, x, y); }
