// Board texts for the game's tests.
#pragma once
#include <string>

namespace cantos_teste {

inline const std::string tabuleiroInicialTexto =
    "[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],"
    "[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]]";

// Where the digit of column x, row y stands in a board text.
inline std::size_t posicaoCasa(int x, int y) { return 2 + 18 * y + 2 * x; }

// The board with the piece on (xi, yi) moved to (xf, yf).
inline std::string comJogada(std::string t, int xi, int yi, int xf, int yf) {
    t[posicaoCasa(xf, yf)] = t[posicaoCasa(xi, yi)];
    t[posicaoCasa(xi, yi)] = '0';
    return t;
}

}  // namespace cantos_teste
