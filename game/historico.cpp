// Finding the move between two board texts. The server's replies may start with the line
// breaks of the reply before, so both texts are read from their first "[".
#include "game/historico.h"

#include <cstring>

namespace {

constexpr int tamanho = 512;

int primeiroColchete(const char texto[tamanho]) {
    for (int i = 0; i < tamanho; ++i)
        if (texto[i] == '[') return i;
    return 0;
}

bool ehCasa(char c) { return c == '0' || c == '1' || c == '2'; }

// Where square (x, y) stands in a board text; -1 when the text holds no such square.
int posicaoDaCasa(const char texto[tamanho], int x, int y) {
    if (x < 0 || x > 7 || y < 0 || y > 7) return -1;
    int falta = 8 * y + x;
    for (int i = primeiroColchete(texto); i < tamanho && texto[i] != '\0'; ++i)
        if (ehCasa(texto[i]) && falta-- == 0) return i;
    return -1;
}

}  // namespace

std::array<int, 4> findMove(const char a[512], const char b[512]) {
    std::array<int, 4> numeros{-1, -1, -1, -1};
    int i = primeiroColchete(a);
    int j = primeiroColchete(b);
    int x = 0, y = 0;
    // A text ends at its terminator: bytes after it are left over from older replies and
    // would count as squares past the end of the board.
    for (; i < tamanho && j < tamanho && a[i] != '\0' && b[j] != '\0'; ++i, ++j) {
        char ch = a[i];
        if (!ehCasa(ch)) continue;
        if (b[j] != ch) {
            // An empty square that changed is where the piece went; any other is where it left.
            if (ch == '0') {
                numeros[2] = x;
                numeros[3] = y;
            } else {
                numeros[0] = x;
                numeros[1] = y;
            }
        }
        if (++x == 8) {
            x = 0;
            ++y;
        }
    }
    return numeros;
}

void stripLineFeeds(const char src[512], char dst[512]) {
    int k = 0;
    for (int i = 0; i < tamanho; ++i)
        if (src[i] != '\n') dst[k++] = src[i];
    // A source with no line feed fills all 512 bytes; the terminator then takes the last.
    dst[k < tamanho ? k : tamanho - 1] = '\0';
}

void boardBeforeMove(const mov& m, char destino[512]) {
    std::memcpy(destino, m.tabuleiro, tamanho);
    int origem = posicaoDaCasa(destino, m.xi, m.yi);
    int alvo = posicaoDaCasa(destino, m.xf, m.yf);
    if (origem < 0 || alvo < 0) return;
    // Only a board after the move has the origin empty and the destination taken.
    if (destino[origem] == '0' && destino[alvo] != '0') {
        destino[origem] = destino[alvo];
        destino[alvo] = '0';
    }
}
