// Input dispatch between the control panel and the game.
#include "app/eventos.h"

#include <GL/freeglut.h>
#include <imgui.h>
#include <backends/imgui_impl_glut.h>

#include "app/escolha.h"
#include "app/globais.h"
#include "app/janela.h"
#include "app/painel.h"
#include "app/redesenho.h"
#include "app/rota_rato.h"
#include "app/teclado.h"

namespace {

RotaRato rota;
FilaRato fila;
float pressaoX = 0.0f, pressaoY = 0.0f;

void aplica(const EventoRato& e) {
    if (!e.botao) {
        ImGui_ImplGLUT_MotionFunc(e.x, e.y);
        return;
    }
    ImGui_ImplGLUT_MouseFunc(e.qual, e.estado, e.x, e.y);
    if (e.qual == GLUT_LEFT_BUTTON && e.estado == GLUT_DOWN) {
        pressaoX = float(e.x);
        pressaoY = float(e.y);
    }
}

void paraPainel(const EventoRato& e) {
    if (fila.aplicarJa(e)) aplica(e);
}

void eventoRato(int botao, int estado, int x, int y) {
    const Destino destino = rota.evento(botao, estado, painelCobre(x, y));
    if (botao >= 0 && botao < 3)
        paraPainel({true, botao, estado, x, y});
    else
        ImGui_ImplGLUT_MouseFunc(botao, estado, x, y);  // the wheel: the panel has no use for it
    if (destino == Destino::Cena) mouseCallback(botao, estado, x, y);
    pedeQuadro();
}

void eventoMovimento(int x, int y) {
    paraPainel({false, 0, 0, x, y});
    pedeQuadro();
}

void eventoMovimentoPassivo(int x, int y) {
    paraPainel({false, 0, 0, x, y});
    passiveMotionCallback(x, y);
}

void eventoTeclado(unsigned char tecla, int x, int y) {
    ImGui_ImplGLUT_KeyboardFunc(tecla, x, y);
    keyboardCallback(tecla, x, y);
    pedeQuadro();
}

void eventoTeclaLargada(unsigned char tecla, int x, int y) {
    ImGui_ImplGLUT_KeyboardUpFunc(tecla, x, y);
    pedeQuadro();
}

void eventoEspecialLargada(int tecla, int x, int y) {
    ImGui_ImplGLUT_SpecialUpFunc(tecla, x, y);
    pedeQuadro();
}

void eventoEspecial(int tecla, int x, int y) {
    ImGui_ImplGLUT_SpecialFunc(tecla, x, y);
    teclaEspecial(tecla);
    pedeQuadro();
}

void eventoRedimensiona(int w, int h) {
    ImGui_ImplGLUT_ReshapeFunc(w, h);
    reshapeCallback(w, h);
    pedeQuadro();
}

}  // namespace

void registaEventos() {
    glutReshapeFunc(eventoRedimensiona);
    glutKeyboardFunc(eventoTeclado);
    glutMouseFunc(eventoRato);
    glutMotionFunc(eventoMovimento);
    glutPassiveMotionFunc(eventoMovimentoPassivo);
    // The panel still wants to know a key went up.
    glutKeyboardUpFunc(eventoTeclaLargada);
    glutSpecialFunc(eventoEspecial);
    glutSpecialUpFunc(eventoEspecialLargada);
}

void libertaRetidos() {
    // Reaching the panel only now, they are input for the next frame.
    for (const EventoRato& e : fila.novoFrame()) {
        aplica(e);
        pedeQuadro();
    }
}

void posicaoUltimaPressao(float& x, float& y) {
    x = pressaoX;
    y = pressaoY;
}
