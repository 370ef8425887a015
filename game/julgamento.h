// Reading the rules server's replies: whether a move was accepted, the board it sends
// back, and the end-of-game verdict. Pure text work, so tests and fuzzers call it directly.
#pragma once
#include "game/tabuleiro_texto.h"

// True when the zero-terminated `texto` is a board: optional white space, "[", eight lists of eight digits
// 0 to 2, "]", optional white space. Anything else ("erro", a cut reply) is no answer.
bool isBoardReply(const char* texto);

// Two players: rebuilds `tabuleiro` from the brackets, commas and digits among the first
// 147 characters of the reply, dropping its line breaks.
void takeBoardFromReply(const char ans[512], char tabuleiro[512]);

// The number at the start of an end-of-game reply (white space skipped); 0 when none.
int readOutcome(const char* ans1);
