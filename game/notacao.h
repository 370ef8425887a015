// The squares as a player reads them: columns a to h from left to right and rows 1 to 8
// from near to far, both as seen from "Camara Jogador 1". Jog1 starts around h1 and heads
// for a8; Jog2 the other way round.
#pragma once
#include <string>

#include "game/historico.h"

// "a8" for column 0, row 0; "h1" for column 7, row 7. "?" off the board.
std::string nomeDaCasaLida(int x, int y);

// "g2–f3": from and to of a move.
std::string textoDaJogada(int xi, int yi, int xf, int yf);

// One line of the move list: number, side, from and to, e.g. "12. Jog1 g2–f3".
std::string linhaDaJogada(int numero, const mov& m);
