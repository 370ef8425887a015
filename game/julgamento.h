// Reading the rules server's replies: whether a move was accepted, the board it sends
// back, and the end-of-game verdict. Pure text work, so tests and fuzzers call it directly.
#pragma once

// True when the zero-terminated `texto` is a board: optional white space, "[", eight lists of eight digits
// 0 to 2, "]", optional white space. Anything else ("erro", a cut reply) is no answer.
bool isBoardReply(const char* texto);

// The 64 squares of a board text, row by row: the first 64 digits 0 to 2 after its first
// "[", within its 512 bytes. False when the text holds fewer.
bool boardSquares(const char texto[512], char casas[64]);
// A move was made: the reply's squares differ from those of the board sent. Line breaks
// and anything before the first "[" do not count, so the verdict holds whatever replies
// came before on the connection. False when either text is no board.
bool boardChanged(const char tabuleiro[512], const char ans[512]);

// Two players: rebuilds `tabuleiro` from the brackets, commas and digits among the first
// 147 characters of the reply, dropping its line breaks.
void takeBoardFromReply(const char ans[512], char tabuleiro[512]);

// The number at the start of an end-of-game reply (white space skipped); 0 when none.
int readOutcome(const char* ans1);
