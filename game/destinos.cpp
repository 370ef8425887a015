// The hints come from the server's own move generation: the client never judges a move.
#include "game/destinos.h"

#include <cstring>

#include "game/desfazer.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/pedidos.h"
#include "game/tabuleiro_texto.h"

namespace {

bool coordenada(char c) { return c >= '0' && c <= '7'; }

// One "[x,y]" with single digits 0 to 7; the character after it, or nullptr. Read in order,
// so that a reply cut short stops at its end.
const char* leQuadrado(const char* p, int& x, int& y) {
    if (p[0] != '[' || !coordenada(p[1]) || p[2] != ',' || !coordenada(p[3]) || p[4] != ']')
        return nullptr;
    x = p[1] - '0';
    y = p[3] - '0';
    return p + 5;
}

const char* leLista(const char* p, bool marcados[8][8]) {
    if (*p++ != '[') return nullptr;
    if (*p == ']') return p + 1;
    for (;;) {
        int x = 0, y = 0;
        p = leQuadrado(p, x, y);
        if (!p) return nullptr;
        marcados[x][y] = true;
        if (*p == ']') return p + 1;
        if (*p++ != ',') return nullptr;
    }
}

}  // namespace

bool jogadorAJogar() {
    return modo == id(Modo::doisJogadores) || (modo == id(Modo::contraComputador) && jogador == 1);
}

bool leDestinos(const char* resposta, bool marcados[8][8]) {
    std::memset(marcados, 0, sizeof(bool) * 64);
    const char* fim = leLista(saltaEspacos(resposta), marcados);
    if (fim && *saltaEspacos(fim) == '\0') return true;
    std::memset(marcados, 0, sizeof(bool) * 64);
    return false;
}

void limpaDestinos() { std::memset(destinosMarcados, 0, sizeof destinosMarcados); }

void mostraDestinos(int x, int y) {
    limpaDestinos();
    char casas[64];
    if (!ajudas || !jogadorAJogar() || filmeActivo()) return;
    if (x < 0 || x > 7 || y < 0 || y > 7 || !boardSquares(tabuleiro, casas)) return;
    if (casas[8 * y + x] != '0' + jogador) return;
    pedeDestinos(x, y, casas, destinosMarcados);
}

bool ultimaJogada(int quadrados[4]) {
    if (historico.empty() || filmeActivo()) return false;
    const mov& m = historico.back();
    const int q[4] = {m.xi, m.yi, m.xf, m.yf};
    for (int i = 0; i < 4; ++i) {
        if (q[i] < 0 || q[i] > 7) return false;
        quadrados[i] = q[i];
    }
    return true;
}
