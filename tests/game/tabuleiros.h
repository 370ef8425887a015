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
inline std::string comJogada(const std::string& antes, int xi, int yi, int xf, int yf) {
    std::string t = antes;
    t.replace(posicaoCasa(xf, yf), 1, 1, antes.at(posicaoCasa(xi, yi)));
    t.replace(posicaoCasa(xi, yi), 1, 1, '0');
    return t;
}

}  // namespace cantos_teste
