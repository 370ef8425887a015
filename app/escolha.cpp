// The selection pass behind every pick.
#include "app/escolha.h"

#include <ctime>

#include <GL/gl.h>
#include <GL/glu.h>

#include "app/camaras.h"
#include "app/desenho.h"
#include "app/globais.h"
#include "game/globais.h"
#include "game/selecao.h"

namespace {

bool botoes[3] = {false, false, false};  // left, middle, right held
int ratoX = 0, ratoY = 0;

}  // namespace

int selectionPass(double x, double yGL) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(tamanhoSelectBuf, selectBuf);
    glRenderMode(GL_SELECT);
    glInitNames();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(x, yGL, 1.0, 1.0, viewport);
    instanteRelogio = std::time(nullptr);
    drawGameScene(GL_SELECT);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glFlush();
    return glRenderMode(GL_RENDER);
}

void mouseCallback(int button, int state, int x, int y) {
    if (button >= 0 && button < 3) botoes[button] = (state == 0);
    ratoX = x;
    ratoY = y;
    if (!botoes[0] || botoes[1] || botoes[2]) return;
    notaEstado.clear();
    // The click that ends the end banner picks nothing: the menu comes back under it.
    if (fimDeJogo.activo) return dispensaFimDeJogo();
    // The status area is no part of the view.
    if (ratoY < alturaDoEstado()) return;
    // The square under the cursor now is not the one the player aimed at a moment ago.
    if (cameraARodar()) {
        notaEstado = "A câmara está a rodar: escolha quando parar";
        return;
    }
    // The viewport sits above the panel strip, so window rows are counted on the whole
    // window's height for the pick to land under the cursor.
    const int hits = selectionPass(ratoX, alturaJanela - ratoY);
    processHits(hits, selectBuf);
}

void escolheNome(int nome) {
    notaEstado.clear();
    if (fimDeJogo.activo) return dispensaFimDeJogo();
    handlePick(nome);
}
