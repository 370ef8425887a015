// The keyboard's square cursor: where the arrow keys take it, as seen from the camera in
// view. Pure arithmetic on the camera's numbers, so tests call it without a window.
#pragma once

enum class Seta { cima, baixo, esquerda, direita };

// One step on the board for each arrow: (column, row) changes.
struct Passo {
    int dx = 0, dy = 0;
};

// The screen's up and right as directions on the board for camera `camara` (the values of
// the "Camara" list, 4 the menu), the player eye `olho` and the free camera's `rotacao`:
// "up" goes away from the viewer, "right" to the viewer's right.
struct EixosVista {
    Passo cima, direita;
};
EixosVista eixosDaVista(int camara, const float olho[3], const float rotacao[16]);

// The step an arrow makes in that view.
Passo passoDaSeta(Seta s, const EixosVista& e);

// The cursor after one arrow: it stays on the board.
void moveCursor(int& x, int& y, Passo p);
