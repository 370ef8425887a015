// Undo and the replay film: both play recorded moves through the piece animation.
#include "game/desfazer.h"

#include <cstring>

#include "game/animacao.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/partida.h"
#include "game/refazer.h"
#include "game/turno.h"
#include "game/veredicto.h"

namespace {

void anima(int deX, int deY, int paraX, int paraY) {
    animX = deX;
    animY = deY;
    destX = paraX;
    destY = paraY;
    animando = 1;
}

void descontaJogada(int lado) {
    if (lado == 1)
        --jogadas1;
    else
        --jogadas2;
}

// Both board texts go back to the position before the move, whoever made it: a
// computer's record holds the board after its move.
void voltaAntesDe(const mov& m) {
    char antes[tamanhoTexto];
    boardBeforeMove(m, antes);
    setBoardTexts(antes);
}

void retiraUltimo() {
    guardaParaRefazer(historico.back());
    descontaJogada(historico.back().jogador);
    historico.pop_back();
    --nJogadas;
    ++alteracoesJogo;
}

// What the window said of the move and the square picked for it belong to that move: with
// the move taken back, they go too.
void esqueceJogadaDesfeita() {
    largaSelecao();
    selecionou = false;
    anotaVeredicto(VeredictoJogada::nenhum);
}

void desfazDoisJogadores() {
    if (historico.empty() || animando) return;
    const mov& m = historico.back();
    jogador = m.jogador;
    anima(m.xf, m.yf, m.xi, m.yi);
    voltaAntesDe(m);
    // The turning camera looks from the side whose move was taken back.
    rodaParaOLado(m.jogador);
    esqueceJogadaDesfeita();
    retiraUltimo();
}

// A press slides the computer's piece back first; the next tick sees that animation running
// and moves to the second phase, which waits for it and slides the player's piece back.
void armaDesfazerContraComputador() {
    // Only with the computer's answer in, and never over a moving piece: otherwise the
    // pieces slid back would not be the last two moves.
    if (jogador != 1 || historico.size() < 2 || animando || undoArmado) return;
    undoArmado = 1;
    faseUndo = 1;
    undoRetira = 1;
    esqueceJogadaDesfeita();
}

void passoContraComputador() {
    if (faseUndo == 1) {
        if (historico.empty()) return;
        if (!animando && undoArmado) {
            const mov& m = historico.back();
            anima(m.xf, m.yf, m.xi, m.yi);
        } else {
            faseUndo = 2;
        }
        return;
    }
    if (historico.size() >= 2 && !animando && undoArmado) {
        const mov& m = historico[historico.size() - 2];
        jogador = m.jogador;
        anima(m.xf, m.yf, m.xi, m.yi);
        voltaAntesDe(m);
        undoArmado = 0;
        if (undoRetira) {
            retiraUltimo();
            retiraUltimo();
            undoRetira = 0;
        }
    }
}

void guardaEstado() {
    EstadoJogo& e = estadoAntesFilme;
    std::memcpy(e.tabuleiro, tabuleiro, tamanhoTexto);
    std::memcpy(e.tabuleiroPC, tabuleiroPC, tamanhoTexto);
    e.jogador = jogador;
    e.jogadas1 = jogadas1;
    e.jogadas2 = jogadas2;
    e.passagensPC = passagensPC;
}

void repoeEstado() {
    const EstadoJogo& e = estadoAntesFilme;
    std::memcpy(tabuleiro, e.tabuleiro, tamanhoTexto);
    std::memcpy(tabuleiroPC, e.tabuleiroPC, tamanhoTexto);
    jogador = e.jogador;
    jogadas1 = e.jogadas1;
    jogadas2 = e.jogadas2;
    passagensPC = e.passagensPC;
}

void comecaFilme() {
    // A restart keeps the state of the first press: the one in play now is the film's own.
    if (!filmeEmCurso) guardaEstado();
    filmeEmCurso = true;
    // The film rebuilds the position from the records alone, so whatever was moving or half
    // undone is dropped: the last record played gives the position back.
    largaDesfazer();
    indiceFilme = 0;
    poePosicaoInicial();
    passagensPC = 0;
    faseFilme = 1;
}

void acabaFilme() {
    repoeEstado();
    filmeEmCurso = false;
    faseFilme = 1;
}

int registosPorTocar() { return static_cast<int>(historico.size()) - indiceFilme; }

}  // namespace

void undoStep(int id) {
    if (filmeEmCurso) return;
    if (modo == ::id(Modo::doisJogadores)) {
        if (id != 0) desfazDoisJogadores();
    } else if (modo == ::id(Modo::contraComputador)) {
        if (id != 0) armaDesfazerContraComputador();
        passoContraComputador();
    }
}

void replayStep(int id) {
    if (id != 0 && modo != ::id(Modo::computadores)) comecaFilme();
    if (!filmeEmCurso) return;
    if (faseFilme == 1) {
        if (!animando && registosPorTocar() > 0) {
            const mov& m = historico[static_cast<std::size_t>(indiceFilme)];
            anima(m.xi, m.yi, m.xf, m.yf);
        }
        faseFilme = 2;
    } else {
        if (!animando) {
            ++indiceFilme;
            faseFilme = 1;
        }
    }
    if (!animando && registosPorTocar() <= 0) acabaFilme();
}

bool filmeActivo() { return filmeEmCurso; }

void largaDesfazer() {
    faseAnim = 1;
    undoArmado = 0;
    undoRetira = 0;
    faseUndo = 1;
}
