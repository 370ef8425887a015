// Window callbacks: size, keys, idle redraws.
#include "app/janela.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <GL/freeglut.h>

#include "app/globais.h"
#include "app/teclado.h"
#include "game/ligacao.h"
#include "game/persistencia.h"

AreaVista areaVista(int largura, int altura) {
    const int painel = altura > alturaDoPainel() ? alturaDoPainel() : altura - 1;
    const int estado = altura - painel > 2 * alturaDoEstado() ? alturaDoEstado() : 0;
    const int livre = altura - painel - estado;
    return {0, painel, largura, livre > 0 ? livre : 1};
}

float escalaDaJanela(int largura, int altura, float pontosPorPolegada) {
    // The panel was laid out for 550 x 550; a larger window grows it in quarter steps, and
    // a high-density screen at least by its density.
    float e = std::min(float(largura) / 640.0f, float(altura) / 560.0f);
    if (pontosPorPolegada >= 144.0f) e = std::max(e, pontosPorPolegada / 96.0f);
    e = std::floor(e * 4.0f) / 4.0f;
    return std::clamp(e, 1.0f, 3.0f);
}

namespace {

float pontosPorPolegada() {
    const int mm = glutGet(GLUT_SCREEN_WIDTH_MM), px = glutGet(GLUT_SCREEN_WIDTH);
    return mm > 0 ? float(px) * 25.4f / float(mm) : 0.0f;
}

}  // namespace

void reshapeCallback(int w, int h) {
    larguraJanela = w;
    alturaJanela = h;
    escalaJanela = escalaDaJanela(w, h, pontosPorPolegada());
    const AreaVista a = areaVista(w, h);
    glViewport(a.x, a.y, a.largura, a.altura);
    aspecto = float(a.largura) / float(a.altura);
    glutPostRedisplay();
}

void keyboardCallback(unsigned char key, int, int) {
    if (key != 27) return teclaNormal(key);
    guardaJogoAoSair();
    quitServer();
    std::exit(0);
}

void idleCallback() {
    if (glutGetWindow() != janelaPrincipal) glutSetWindow(janelaPrincipal);
    glutPostRedisplay();
}

void passiveMotionCallback(int, int) { glutPostRedisplay(); }
