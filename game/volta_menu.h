// The way back to the menu from anywhere in a game.
#pragma once

// Ends the game in progress without counting it: the film and an armed undo stop, the
// pieces go back, the hints and the end banner go, and the menu shows. The win counts
// and the side to begin stay as they are.
void voltaAoMenu();
