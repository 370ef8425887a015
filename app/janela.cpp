// Window callbacks: size, keys, idle redraws.
#include "app/janela.h"

#include <cstdlib>

#include <GL/freeglut.h>

#include "app/globais.h"
#include "game/ligacao.h"
#include "game/persistencia.h"

AreaVista areaVista(int largura, int altura) {
    const int painel = altura > alturaPainel ? alturaPainel : altura - 1;
    const int livre = altura - painel;
    return {0, painel, largura, livre > 0 ? livre : 1};
}

void reshapeCallback(int w, int h) {
    larguraJanela = w;
    alturaJanela = h;
    const AreaVista a = areaVista(w, h);
    glViewport(a.x, a.y, a.largura, a.altura);
    aspecto = float(a.largura) / float(a.altura);
    glutPostRedisplay();
}

void keyboardCallback(unsigned char key, int, int) {
    if (key != 27) return;
    guardaJogoAoSair();
    quitServer();
    std::exit(0);
}

void idleCallback() {
    if (glutGetWindow() != janelaPrincipal) glutSetWindow(janelaPrincipal);
    glutPostRedisplay();
}

void passiveMotionCallback(int, int) { glutPostRedisplay(); }
