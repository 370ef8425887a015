// Picking with the mouse: the selection pass over the game scene.
#pragma once

// The window system's mouse button callback for the 3D view.
void mouseCallback(int button, int state, int x, int y);

// Draws the game scene in selection mode into the one-pixel region at window point
// (x, yGL), yGL counted from the bottom; returns the hit count (negative on overflow)
// with the records in selectBuf.
int selectionPass(double x, double yGL);

// What a pick of `nome` does, as the keyboard makes it: the end banner goes first, as a
// click takes it away; otherwise the name goes to the game's pick handling.
void escolheNome(int nome);
