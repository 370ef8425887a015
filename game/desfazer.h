// Undo and the replay film, stepped every 20 ms by the window's timers.
#pragma once

// A press calls it with 1, each 20 ms tick with 0.
void undoStep(int id);
void replayStep(int id);
// True while the replay film is playing: the turn step, picks and Undo wait.
bool filmeActivo();
// Drops an Undo half done, pressed or under way, and restarts the animation's phases.
void largaDesfazer();
