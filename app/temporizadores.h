// The GLUT timers: the 20 ms steppers (piece moves, the turning camera, Undo and the film),
// the scoreboard clock's second, and the wait for the rules server to be tried again. Each
// stepper's timer runs only while its stepper has work, and asks for a frame at every step.
#pragma once
#include <cstdint>

// Arms the timer of every stepper that has work and is not armed yet; the end of each frame
// calls it, since frames run what starts them (turn step, panel, picks).
void armaTemporizadores();

// Starts the clock's timer: a frame whenever the shown second changes.
void iniciaRelogio();
// Frames the clock has asked for, for tests: at rest, the only frames drawn.
extern std::uint64_t pedidosRelogio;

// One frame a little later, for a step waiting on the rules server while the link is down.
void esperaReligacao();

// The "Undo" and "Filme do jogo" buttons: one step with 1 now, then the stepper with 0
// every `intervalo` while it has work. Further presses start no second stepper.
void undoCallback(int id);
void replayCallback(int id);
