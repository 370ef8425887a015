// Input dispatch between the control panel and the game.
#include "app/eventos.h"

#include <GL/freeglut.h>
#include <imgui.h>
#include <backends/imgui_impl_glut.h>

#include "app/escolha.h"
#include "app/globais.h"
#include "app/janela.h"
#include "app/painel.h"
#include "app/rota_rato.h"

namespace {

RotaRato rota;

void eventoRato(int botao, int estado, int x, int y) {
    const Encaminhamento e = rota.evento(botao, estado, painelCobre(x, y));
    if (e.reter)
        ImGui_ImplGLUT_MotionFunc(x, y);
    else
        ImGui_ImplGLUT_MouseFunc(botao, estado, x, y);
    if (e.destino == Destino::Cena) mouseCallback(botao, estado, x, y);
    glutPostRedisplay();
}

void eventoMovimento(int x, int y) {
    ImGui_ImplGLUT_MotionFunc(x, y);
    glutPostRedisplay();
}

void eventoMovimentoPassivo(int x, int y) {
    ImGui_ImplGLUT_MotionFunc(x, y);
    passiveMotionCallback(x, y);
}

void eventoTeclado(unsigned char tecla, int x, int y) {
    ImGui_ImplGLUT_KeyboardFunc(tecla, x, y);
    keyboardCallback(tecla, x, y);
}

void eventoRedimensiona(int w, int h) {
    ImGui_ImplGLUT_ReshapeFunc(w, h);
    reshapeCallback(w, h);
}

}  // namespace

void registaEventos() {
    glutReshapeFunc(eventoRedimensiona);
    glutKeyboardFunc(eventoTeclado);
    glutMouseFunc(eventoRato);
    glutMotionFunc(eventoMovimento);
    glutPassiveMotionFunc(eventoMovimentoPassivo);
    // The game has no use for these; the panel still wants to know a key went up.
    glutKeyboardUpFunc(ImGui_ImplGLUT_KeyboardUpFunc);
    glutSpecialFunc(ImGui_ImplGLUT_SpecialFunc);
    glutSpecialUpFunc(ImGui_ImplGLUT_SpecialUpFunc);
}

void libertaRetidos() {
    const unsigned mascara = rota.novoFrame();
    const ImVec2 pos = ImGui::GetIO().MousePos;
    for (int b = 0; b < 3; ++b) {
        if (mascara & (1u << b)) ImGui_ImplGLUT_MouseFunc(b, GLUT_UP, int(pos.x), int(pos.y));
    }
}
