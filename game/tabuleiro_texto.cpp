#include "game/tabuleiro_texto.h"

namespace {

constexpr int tamanho = 512;

}  // namespace

const char* saltaEspacos(const char* p) {
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') ++p;
    return p;
}

bool boardSquares(const char texto[512], char casas[64]) {
    int i = 0;
    while (i < tamanho && texto[i] != '\0' && texto[i] != '[') ++i;
    int k = 0;
    for (; i < tamanho && texto[i] != '\0' && k < 64; ++i)
        if (texto[i] >= '0' && texto[i] <= '2') casas[k++] = texto[i];
    return k == 64;
}

bool leTabuleiro(const char* texto, int lados[8][8]) {
    char casas[64];
    if (!boardSquares(texto, casas)) return false;
    for (int k = 0; k < 64; ++k) lados[k % 8][k / 8] = casas[k] - '0';
    return true;
}

std::string textoCompacto(const char casas[64]) {
    std::string t = "[";
    for (int y = 0; y < 8; ++y) {
        t += y ? ",[" : "[";
        for (int x = 0; x < 8; ++x) {
            if (x) t += ',';
            t += casas[8 * y + x];
        }
        t += ']';
    }
    return t + "]";
}

bool noCampoDePartida(int lado, int x, int y) { return lado == 1 ? x + y >= 11 : x + y <= 3; }

bool noCampoDeChegada(int lado, int x, int y) { return noCampoDePartida(lado == 1 ? 2 : 1, x, y); }
