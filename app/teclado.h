// The keyboard: arrows move a square cursor over the board and Enter or Space picks under
// it; on the menu 1, 2, 3 choose the mode and F1, F2 the level; the panel's actions have
// letters (app/accoes.cpp). Every key takes the path its click takes.
#pragma once

// A character key other than Escape (which ends the game, in keyboardCallback).
void teclaNormal(unsigned char tecla);
// A GLUT special key: arrows, F1, F2, F11.
void teclaEspecial(int tecla);

// The camera the view shows now: the finished game's while the end banner is up.
int camaraEmVista();
// The menu picture is what the view shows.
bool menuEmVista();
