// Frames on demand: the window draws when something may have changed, and otherwise sleeps
// in GLUT's loop. Input, the steppers' timers, the clock and the frame itself ask here.
#pragma once
#include <cstdint>

// Input arrived: a frame now, and the few after it the panel needs to settle (a button acts
// on the frame after its release; a window the panel opens shows one frame late).
void pedeQuadro();

// A frame, if the window is still there: timers also fire on the way out of the loop, after
// the window has closed.
void redesenha();

// What the frame draws from, reduced to one number: a frame that changes it (the turn step,
// a panel control, the ball spinning) asks for the next one. The clock's digits are left out:
// they change while the frame draws, and the same frame shows them.
std::uint64_t retratoDoJogo();

// Once a frame is on screen. `mudou`: it changed what frames show. Arms the steppers that
// have work, and asks for the next frame when the game wants one.
void depoisDoQuadro(bool mudou);
