// The window: opening it as the program does, its small callbacks, and the 3D viewport
// left free by the panel.
#pragma once

struct AreaVista {
    int x, y, largura, altura;  // GL window coordinates, origin bottom left
};

// The window minus the panel strip along the bottom and the status strip along the top
// (dropped when the window is too low for both); never less than one pixel high.
AreaVista areaVista(int largura, int altura);

// GLUT, the 550 x 550 window titled with argv[0], its display and input routines, the panel
// and the pieces. The scenery and the textures wait for preparaDesenho, so the settings can
// choose the scenery first.
void abreJanela(int& argc, char** argv);
// The GL state, the chosen scenery, every texture and the panel's font.
void preparaDesenho();

// Asks the GL to swap at most once a screen refresh, where it offers a way to; no harm where
// it does not.
void pedeSincroniaVertical();
// True when the space-separated `lista` (a GLX extension string) names `nome`.
bool temExtensao(const char* lista, const char* nome);
// The scale of texts and panel for a window of that size on a screen of that density
// (0 when unknown): 1 up to about 640 x 560, then in quarter steps, at most 3.
float escalaDaJanela(int largura, int altura, float pontosPorPolegada);

void reshapeCallback(int w, int h);
void keyboardCallback(unsigned char key, int x, int y);
void passiveMotionCallback(int x, int y);
