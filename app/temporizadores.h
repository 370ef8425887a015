// The 20 ms GLUT timers of the game: piece moves, and the Undo and film steppers.
#pragma once

void moveTimer(int value);
// The "Undo" and "Filme do jogo" buttons: one step with 1 now, then a stepper with 0
// every `intervalo`. Each button has one stepper, started by its first press.
void undoCallback(int id);
void replayCallback(int id);
