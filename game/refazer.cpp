#include "game/refazer.h"

#include "game/desfazer.h"
#include "game/globais.h"
#include "game/turno.h"

void guardaParaRefazer(const mov& m) { porRefazer.push_back({m.jogador, m.xi, m.yi, m.xf, m.yf}); }

void anotaJogadaFeita(int lado, int xi, int yi, int xf, int yf) {
    if (porRefazer.empty()) return;
    const JogadaGuardada& j = porRefazer.back();
    if (j.lado == lado && j.xi == xi && j.yi == yi && j.xf == xf && j.yf == yf) {
        porRefazer.pop_back();
        return;
    }
    esqueceRefazer();
}

void esqueceRefazer() {
    porRefazer.clear();
    refazPC = false;
    refazEmEspera = 0;
}

void largaRefazerEmEspera() { refazEmEspera = 0; }

bool podeRefazer() {
    const bool vezDoJogador = modo == 1 || (modo == 2 && jogador == 1);
    return vezDoJogador && !porRefazer.empty() && porRefazer.back().lado == jogador && !animando &&
           !filmeActivo() && !undoArmado;
}

namespace {

// A redo already set as the move under way waits for the turn step to send it.
bool refazPorEnviar() {
    if (porRefazer.empty()) return false;
    const JogadaGuardada& j = porRefazer.back();
    return xi == j.xi && yi == j.yi && xf == j.xf && yf == j.yf;
}

}  // namespace

void refazJogada() {
    // Pressed again before the last redo was played to its end: it waits its turn.
    // The move being played is no longer to redo, unless it waits to be sent.
    const bool ocupado = animando || refazPorEnviar() || refazPC;
    const int restam = static_cast<int>(porRefazer.size()) - (refazPorEnviar() || refazPC ? 1 : 0);
    if (ocupado && !filmeActivo() && refazEmEspera < restam) {
        ++refazEmEspera;
        return;
    }
    if (!podeRefazer() || refazPorEnviar()) return;
    const JogadaGuardada& j = porRefazer.back();
    xi = j.xi, yi = j.yi, xf = j.xf, yf = j.yf;
    // Undo took the computer's answer back with the player's move: both come back.
    refazPC = modo == 2 && porRefazer.size() >= 2 && porRefazer[porRefazer.size() - 2].lado == 2;
}

bool respostaPorRefazer(int& pxi, int& pyi, int& pxf, int& pyf) {
    if (!refazPC || porRefazer.empty() || porRefazer.back().lado != 2) return false;
    const JogadaGuardada& j = porRefazer.back();
    pxi = j.xi, pyi = j.yi, pxf = j.xf, pyf = j.yf;
    return true;
}

void retomaRefazer() {
    if (porRefazer.empty()) refazEmEspera = 0;
    if (refazEmEspera == 0 || !podeRefazer() || refazPorEnviar()) return;
    --refazEmEspera;
    refazJogada();
}
