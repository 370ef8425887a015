// Where a picked piece can go, as the rules server says: the hints the board marks.
#pragma once

// Reads a destinos reply "[[x,y],...]" (white space allowed around it) into `marcados`,
// indexed [column][row]. False, with nothing marked, for anything else ("erro", a cut reply).
bool leDestinos(const char* resposta, bool marcados[8][8]);

// After the player picked the piece on (x, y): when hints are on and a player of the side
// that owns it is to move, asks the server where it can go and marks those squares.
// Otherwise, or when the server gives no list, nothing is marked.
void mostraDestinos(int x, int y);

// A player is to move, in a game where a player moves.
bool jogadorAJogar();

// Drops the marks.
void limpaDestinos();

// The last move's two squares {xi, yi, xf, yf}; false when no move was made yet in this game.
bool ultimaJogada(int quadrados[4]);
