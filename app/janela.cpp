// The window: opening it, vertical sync, size, keys, motion.
#include "app/janela.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include <GL/freeglut.h>
#include <GL/glx.h>

#include "app/eventos.h"
#include "app/frame.h"
#include "app/globais.h"
#include "app/graficos.h"
#include "app/memoria.h"
#include "app/painel.h"
#include "app/redesenho.h"
#include "game/animacao.h"
#include "game/globais.h"
#include "app/teclado.h"
#include "game/ligacao.h"
#include "game/persistencia.h"

AreaVista areaVista(int largura, int altura) {
    const int painel = altura > alturaDoPainel() ? alturaDoPainel() : altura - 1;
    const int estado = altura - painel > 2 * alturaDoEstado() ? alturaDoEstado() : 0;
    const int livre = altura - painel - estado;
    return {0, painel, largura, livre > 0 ? livre : 1};
}

void abreJanela(int& argc, char** argv) {
    // Before the GL takes any memory; whatever draws the program's window draws it alike.
    guardaMemoriaLibertada();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(550, 550);
    glutInitWindowPosition(200, 200);
    janelaPrincipal = glutCreateWindow(argv[0]);
    // Closing the window must still reach the quit request after the loop.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
    glutDisplayFunc(displayCallback);
    registaEventos();
    iniciaPainel();
    buildPieces();
    // The board array starts as the pieces stand: picking names only its empty squares.
    copyBoard(casas, casasIniciais);
}

void preparaDesenho() {
    ambienteCarregado = ambiente;
    initGraphics();
    // After the program's own textures exist, so the font is unlikely to want their names.
    criaTexturaFonte();
}

bool temExtensao(const char* lista, const char* nome) {
    const std::size_t n = std::strlen(nome);
    if (lista == nullptr || n == 0) return false;
    for (const char* p = lista; (p = std::strstr(p, nome)) != nullptr; p += n) {
        const bool inicio = p == lista || p[-1] == ' ';
        const bool fim = p[n] == ' ' || p[n] == '\0';
        if (inicio && fim) return true;
    }
    return false;
}

void pedeSincroniaVertical() {
    Display* d = glXGetCurrentDisplay();
    const GLXDrawable janela = glXGetCurrentDrawable();
    if (d == nullptr || janela == 0) return;
    const char* lista = glXQueryExtensionsString(d, DefaultScreen(d));
    const auto funcao = [](const char* nome) {
        return glXGetProcAddress(reinterpret_cast<const GLubyte*>(nome));
    };
    if (temExtensao(lista, "GLX_EXT_swap_control")) {
        using Ext = void (*)(Display*, GLXDrawable, int);
        if (auto f = reinterpret_cast<Ext>(funcao("glXSwapIntervalEXT"))) return f(d, janela, 1);
    }
    using Intervalo = int (*)(int);
    for (const char* ext : {"GLX_MESA_swap_control", "GLX_SGI_swap_control"}) {
        if (!temExtensao(lista, ext)) continue;
        const char* nome = ext[4] == 'M' ? "glXSwapIntervalMESA" : "glXSwapIntervalSGI";
        if (auto f = reinterpret_cast<Intervalo>(funcao(nome)); f && f(1) == 0) return;
    }
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

void passiveMotionCallback(int, int) { pedeQuadro(); }
