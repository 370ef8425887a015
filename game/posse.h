// Which window keeps the saved game. Two windows of the game may run at once; only the first
// reads and writes the saved game, so neither overwrites the other's.
#pragma once
#include <string>

// Start-up, before the saved game is read: takes the lock on the state folder (flock on
// pastaEstado()/trinco, held until the program ends) and sets donoDoJogo. When another
// window holds it, says once on the console that this window does not save its game.
// Clears the temporary files crashed runs left in the state and settings folders. True when
// this window keeps the saved game, or when there is no state folder to keep it in.
bool tomaPosseDoJogo();

// The lock file: pastaEstado()/trinco.
std::string ficheiroTrinco();
