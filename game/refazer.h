// Redo: after Undo, the moves taken back are played again one press at a time, each sent
// to the rules server and judged, animated, recorded and saved as any move is.
#pragma once

#include "game/historico.h"

// Undo took `m` back: it becomes the next move to redo.
void guardaParaRefazer(const mov& m);
// A move of side `lado` was recorded: the next move to redo when it is that one, and
// otherwise a new line of play that drops everything left to redo.
void anotaJogadaFeita(int lado, int xi, int yi, int xf, int yf);
// Nothing left to redo (a game that ends, starts or is resumed).
void esqueceRefazer();

// True when a press would redo a move now: a player's turn with a move of that side to
// redo, nothing moving, no film and no Undo under way.
bool podeRefazer();
// The "Refazer" press: the next undone move becomes the move under way, which the next
// turn step judges. Against the computer its undone answer follows.
void refazJogada();
// For the computer's turn: the undone answer to play instead of asking, if a redo press
// brought one. False when there is none.
bool respostaPorRefazer(int& xi, int& yi, int& xf, int& yf);
