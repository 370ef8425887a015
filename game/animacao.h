// The twenty pieces, the board array and the lift-slide-set-down animation.
#pragma once

// Empties pecas and rebuilds it from casasIniciais.
void buildPieces();
void copyBoard(int destino[8][8], const int origem[8][8]);
// One 20 ms tick of the move animation.
void moveTick();
