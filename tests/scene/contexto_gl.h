// One hidden GLUT window per test program, so GL tests run against a real context.
#pragma once
#include <GL/freeglut.h>

namespace teste {

inline void garanteContextoGl(int largura = 64, int altura = 64) {
    static bool criado = false;
    if (criado) return;
    criado = true;
    int argc = 1;
    char nome[] = "teste-cena";
    char* argv[] = {nome, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DEPTH | GLUT_DOUBLE);
    glutInitWindowSize(largura, altura);
    glutCreateWindow(nome);
}

}  // namespace teste
