// Reading the rules server's replies: whether a move was accepted, the board it sends
// back, and the end-of-game verdict. Pure text work, so tests and fuzzers call it directly.
#pragma once

// True when the zero-terminated `texto` is a board: optional white space, "[", eight lists of eight digits
// 0 to 2, "]", optional white space. Anything else ("erro", a cut reply) is no answer.
bool isBoardReply(const char* texto);

// Two players: the reply differs from the board sent. `ans` is read as a 512-byte buffer.
bool judgeMoveTwoPlayers(const char tabuleiro[512], const char ans[512]);
// Player against computer, the player's move; the line-feed counts line the reply up with
// a board that may carry the line breaks of earlier replies.
bool judgeMovePlayerVsComputer(const char tabuleiro[512], const char ans[512], int passagensPC);

// Two players: rebuilds `tabuleiro` from the brackets, commas and digits among the first
// 147 characters of the reply, dropping its line breaks.
void takeBoardFromReply(const char ans[512], char tabuleiro[512]);

// The number at the start of an end-of-game reply (white space skipped); 0 when none.
int readOutcome(const char* ans1);
