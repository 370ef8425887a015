// Turn flow: judging moves with the rules server, computer moves, game ends.
#pragma once

extern const char tabuleiroInicial[];  // the initial board text

// The other side.
int outro(int lado);
// Drops a half-made move selection (xi..yf back to -1). Whatever moves pieces without the
// player must drop it: a selection left behind would be sent, or animated, as a move.
void largaSelecao();

// Sets tabuleiro and tabuleiroPC to their initial texts (start-up).
void initBoardTexts();
// Both board texts take one position: tabuleiro the text as given, tabuleiroPC a line
// feed and the same text, as the two kinds of request send them.
void setBoardTexts(const char* texto);
// One step of the game, run once per frame after the scene is drawn.
void turnStep();
// True when turnStep would talk to the rules server now: the computer's turn, or a player's
// move chosen and not yet judged, with no piece moving and no film playing.
bool turnoPorDar();
// Back to the starting position after a game end.
void resetGame();
// The menu and clock picks 500 to 505.
void menuChoice(int name);
// With "RodaCamara" on, turns the view to the camera of side `lado`.
void rodaParaOLado(int lado);
// Restarts the scoreboard clock (digits to 0, mark to the last time read).
void restartClock();
