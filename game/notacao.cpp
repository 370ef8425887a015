#include "game/notacao.h"

std::string nomeDaCasaLida(int x, int y) {
    if (x < 0 || x > 7 || y < 0 || y > 7) return "?";
    // Row 0 is the far edge seen from Jog1's camera: it reads 8.
    return std::string(1, char('a' + x)) + char('1' + (7 - y));
}

std::string textoDaJogada(int xi, int yi, int xf, int yf) {
    return nomeDaCasaLida(xi, yi) + "–" + nomeDaCasaLida(xf, yf);
}

std::string linhaDaJogada(int numero, const mov& m) {
    return std::to_string(numero) + ". Jog" + std::to_string(m.jogador) + " " +
           textoDaJogada(m.xi, m.yi, m.xf, m.yf);
}
