// The small window callbacks and the 3D viewport left free by the panel.
#pragma once

struct AreaVista {
    int x, y, largura, altura;  // GL window coordinates, origin bottom left
};

// The window minus the panel strip along the bottom; never less than one pixel high.
AreaVista areaVista(int largura, int altura);

void reshapeCallback(int w, int h);
void keyboardCallback(unsigned char key, int x, int y);
void idleCallback();
void passiveMotionCallback(int x, int y);
