#include "app/teclado.h"

#include <GL/freeglut.h>

#include "app/accoes.h"
#include "app/cursor.h"
#include "app/escolha.h"
#include "app/globais.h"
#include "game/globais.h"
#include "game/selecao.h"

namespace {

constexpr unsigned char enter = 13, espaco = ' ';

// Menu keys and the names of the menu items they stand for.
int nomeDoMenu(int tecla) {
    switch (tecla) {
    case '1': return 501;
    case '2': return 502;
    case '3': return 503;
    case tecladoEspecial + GLUT_KEY_F1: return 504;
    case tecladoEspecial + GLUT_KEY_F2: return 505;
    default: return 0;
    }
}

void tecla(int t) {
    if (menuEmVista() && nomeDoMenu(t) != 0) return escolheNome(nomeDoMenu(t));
    const Accao a = accaoDaTecla(t);
    if (a != Accao::nenhuma) executa(a);
}

void seta(Seta s) {
    if (menuEmVista()) return;
    if (cursor.visivel)
        moveCursor(cursor.x, cursor.y, passoDaSeta(s, eixosDaVista(camaraEmVista(), olho, rotacao)));
    cursor.visivel = true;
}

}  // namespace

int camaraEmVista() { return fimDeJogo.activo ? fimDeJogo.camara : camara; }

bool menuEmVista() { return camaraEmVista() == 4 && !fimDeJogo.activo; }

// The dispatcher that calls these asks for the frame that shows what a key changed.
void teclaNormal(unsigned char t) {
    if (t != enter && t != espaco) {
        tecla(t);
    } else if (fimDeJogo.activo) {
        escolheNome(0);
    } else if (!menuEmVista()) {
        cursor.visivel = true;
        escolheNome(nomeNaCasa(cursor.x, cursor.y));
    }
}

void teclaEspecial(int t) {
    switch (t) {
    case GLUT_KEY_UP: seta(Seta::cima); break;
    case GLUT_KEY_DOWN: seta(Seta::baixo); break;
    case GLUT_KEY_LEFT: seta(Seta::esquerda); break;
    case GLUT_KEY_RIGHT: seta(Seta::direita); break;
    default:
        tecla(tecladoEspecial + t);
    }
}
