// The small window callbacks and the 3D viewport left free by the panel.
#pragma once

struct AreaVista {
    int x, y, largura, altura;  // GL window coordinates, origin bottom left
};

// The window minus the panel strip along the bottom and the status strip along the top
// (dropped when the window is too low for both); never less than one pixel high.
AreaVista areaVista(int largura, int altura);

// The scale of texts and panel for a window of that size on a screen of that density
// (0 when unknown): 1 up to about 640 x 560, then in quarter steps, at most 3.
float escalaDaJanela(int largura, int altura, float pontosPorPolegada);

void reshapeCallback(int w, int h);
void keyboardCallback(unsigned char key, int x, int y);
void idleCallback();
void passiveMotionCallback(int x, int y);
