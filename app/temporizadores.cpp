// Timer wrappers: the game's steppers take no clock; GLUT re-arms them here while they run.
#include "app/temporizadores.h"

#include <chrono>

#include <GL/freeglut.h>

#include "app/camaras.h"
#include "app/globais.h"
#include "app/redesenho.h"
#include "game/animacao.h"
#include "game/desfazer.h"
#include "game/globais.h"
#include "game/ids.h"

std::uint64_t pedidosRelogio = 0;

namespace {

constexpr unsigned esperaReligacaoMs = 250;

struct Cadeia {
    bool armada = false;
    bool (*temTrabalho)();
    void (*passo)();
    void (*temporizador)(int);
};

unsigned periodo() { return unsigned(intervalo); }

// A piece also moves on after an interrupted animation left its phase behind: the ticks
// that follow bring the phase back to the start, as they always did.
bool pecaPorMover() { return animando != 0 || faseAnim != 1; }
// Only the Undo against the computer steps on its own; between two players a press is all.
bool desfazerEmCurso() { return modo == id(Modo::contraComputador) && undoArmado != 0; }

void passoCamara() { cameraStep(tickMilissegundos()); }
void passoDesfazer() { undoStep(0); }
void passoFilme() { replayStep(0); }

void moveTimer(int);
void cameraTimer(int);
void undoTimer(int);
void replayTimer(int);

Cadeia cadeias[] = {
    {false, pecaPorMover, moveTick, moveTimer},
    {false, cameraARodar, passoCamara, cameraTimer},
    {false, desfazerEmCurso, passoDesfazer, undoTimer},
    {false, filmeActivo, passoFilme, replayTimer},
};

void corre(Cadeia& c) {
    c.armada = false;
    c.passo();
    redesenha();
    armaTemporizadores();
}

void moveTimer(int) { corre(cadeias[0]); }
void cameraTimer(int) { corre(cadeias[1]); }
void undoTimer(int) { corre(cadeias[2]); }
void replayTimer(int) { corre(cadeias[3]); }

// Milliseconds to the next whole second of the calendar clock the scoreboard reads, and a
// little over, so the frame surely sees the new second.
unsigned ateProximoSegundo() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return unsigned(1000 - ms % 1000) + 5;
}

void relogioTimer(int) {
    ++pedidosRelogio;
    redesenha();
    glutTimerFunc(ateProximoSegundo(), relogioTimer, 0);
}

bool religacaoArmada = false;

void religacaoTimer(int) {
    religacaoArmada = false;
    redesenha();
}

}  // namespace

void armaTemporizadores() {
    for (Cadeia& c : cadeias) {
        if (c.armada || !c.temTrabalho()) continue;
        c.armada = true;
        glutTimerFunc(periodo(), c.temporizador, 0);
    }
}

void iniciaRelogio() { glutTimerFunc(ateProximoSegundo(), relogioTimer, 0); }

void esperaReligacao() {
    if (religacaoArmada) return;
    religacaoArmada = true;
    glutTimerFunc(esperaReligacaoMs, religacaoTimer, 0);
}

void undoCallback(int id) { undoStep(id); }

void replayCallback(int id) { replayStep(id); }
