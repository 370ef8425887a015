// Timer wrappers: the game's steppers take no clock, GLUT re-arms them here.
#include "app/temporizadores.h"

#include <GL/freeglut.h>

#include "app/globais.h"
#include "game/animacao.h"
#include "game/desfazer.h"

namespace {

bool cadeiaUndo = false;
bool cadeiaFilme = false;

unsigned periodo() { return unsigned(intervalo); }

void undoTimer(int) {
    undoStep(0);
    glutTimerFunc(periodo(), undoTimer, 0);
}

void replayTimer(int) {
    replayStep(0);
    glutTimerFunc(periodo(), replayTimer, 0);
}

}  // namespace

void moveTimer(int) {
    moveTick();
    glutTimerFunc(periodo(), moveTimer, 0);
}

// Further presses do not start more steppers: parallel chains would only run the
// stepper faster.
void undoCallback(int id) {
    undoStep(id);
    if (cadeiaUndo) return;
    cadeiaUndo = true;
    glutTimerFunc(periodo(), undoTimer, 0);
}

void replayCallback(int id) {
    replayStep(id);
    if (cadeiaFilme) return;
    cadeiaFilme = true;
    glutTimerFunc(periodo(), replayTimer, 0);
}
