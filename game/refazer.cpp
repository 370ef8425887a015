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
}

bool podeRefazer() {
    const bool vezDoJogador = modo == 1 || (modo == 2 && jogador == 1);
    return vezDoJogador && !porRefazer.empty() && porRefazer.back().lado == jogador && !animando &&
           !filmeActivo() && !undoArmado;
}

void refazJogada() {
    if (!podeRefazer()) return;
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
