// Move history records and the board-text comparison that finds a move.
#pragma once
#include <array>

struct mov {
    int xi;
    int xf;
    int yi;
    int yf;
    char tabuleiro[512];  // board before a player's move, after a computer's move
    int jogador;
};

// Move that turns board text a into b: {xi, yi, xf, yf}, -1 for a square not found.
std::array<int, 4> findMove(const char a[512], const char b[512]);

// Copies the 512 bytes of src into dst without line feeds, zero-terminated.
void stripLineFeeds(const char src[512], char dst[512]);

// The board before the recorded move, whichever board the record holds: a player's record
// is copied as it is, a computer's has its piece put back on the origin square.
void boardBeforeMove(const mov& m, char destino[512]);
