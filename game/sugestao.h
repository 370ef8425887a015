// "Sugestão": the move the computer would play for the side to move, asked of the rules
// server's level-2 search and shown, never played: the player still makes the move.
#pragma once

#include "game/globais.h"

// Asks for the suggestion when a player is to move, with nothing moving and no film. True
// when the server named a move; false when no player is to move or no move came back (the
// window then says there is none).
bool pedeSugestao();

// The suggestion while it still fits the game in view, or nullptr: it goes with the first
// move, Undo, Redo, film or new game, since it was asked for one position and side.
const Sugestao* sugestaoEmVista();

// Drops it (a new game, the menu).
void esqueceSugestao();
