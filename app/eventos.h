// The one dispatcher GLUT calls for input and reshape: the panel sees every event first.
#pragma once

// Registers the dispatcher's routines with GLUT for the current window.
void registaEventos();

// Once the panel's controls of a frame are done: hands it the mouse events it may now have.
void libertaRetidos();

// Where the panel last saw the left button go down, in window pixels: it measures a drag
// that began between two of its frames from there.
void posicaoUltimaPressao(float& x, float& y);
