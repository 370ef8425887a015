// Reading a board text square by square, for what the window shows about a position.
#pragma once

// The sides on the squares of a board text, indexed [column][row] like casas, with the
// side numbers of the requests (digit 1 or 2), 0 for an empty square. The 64 digits are
// taken in order, whatever line breaks stand around them. False when there are not 64.
bool leTabuleiro(const char* texto, int lados[8][8]);

// Side 1 starts on the squares with x + y >= 11 and side 2 on those with x + y <= 3; each
// side's goal is the other's start.
bool noCampoDePartida(int lado, int x, int y);
bool noCampoDeChegada(int lado, int x, int y);
