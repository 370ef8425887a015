// Reading and writing board texts square by square. Every reply after the first starts
// with the CR LF that ended the one before, so texts are read for their squares, never by
// position.
#pragma once
#include <string>

// Past spaces, tabs and line breaks.
const char* saltaEspacos(const char* p);

// The 64 squares of a board text, row by row: the first 64 digits 0 to 2 after its first
// "[", within its 512 bytes. False when the text holds fewer.
bool boardSquares(const char texto[512], char casas[64]);

// The same squares as the sides on them, indexed [column][row] like casas, with the side
// numbers of the requests (digit 1 or 2), 0 for an empty square.
bool leTabuleiro(const char* texto, int lados[8][8]);

// The board text of 64 squares, row by row, in its compact form of 145 characters.
std::string textoCompacto(const char casas[64]);

// Side 1 starts on the squares with x + y >= 11 and side 2 on those with x + y <= 3; each
// side's goal is the other's start.
bool noCampoDePartida(int lado, int x, int y);
bool noCampoDeChegada(int lado, int x, int y);
