// The move list "Jogadas" at the right of the view: the game's moves in order, read as
// number, side, from and to (columns a–h, rows 1–8).
#pragma once

// Draws it inside the panel's frame, when shown and a game is in view.
void desenhaListaJogadas();

// True when window point (x, y), from the top left, lay on the list in its last frame.
bool listaCobre(int x, int y);
