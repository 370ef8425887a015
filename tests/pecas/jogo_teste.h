// Shared set-up for the pieces tests: a fresh game state and animations run to their end.
#pragma once
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "game/animacao.h"
#include "game/globais.h"

namespace jogo_teste {

using Posicao = std::vector<int>;  // casas flattened [column][row]

inline Posicao posicao() { return Posicao(&casas[0][0], &casas[0][0] + 64); }

inline Posicao posicaoInicial() {
    return Posicao(&casasIniciais[0][0], &casasIniciais[0][0] + 64);
}

// A board text that names the position, so a test can tell positions apart by their text.
inline std::string textoDaPosicao() {
    std::string t = "[";
    for (int y = 0; y < 8; ++y) {
        t += y ? ",[" : "[";
        for (int x = 0; x < 8; ++x) t += std::string(x ? "," : "") + char('0' + casas[x][y]);
        t += "]";
    }
    return t + "]";
}

inline void poeTexto(char destino[tamanhoTexto], const std::string& texto) {
    std::memset(destino, 0, tamanhoTexto);
    std::memcpy(destino, texto.c_str(), texto.size());
}

inline void reiniciaJogo(int modoDeJogo) {
    copyBoard(casas, casasIniciais);
    buildPieces();
    historico.clear();
    nJogadas = 0;
    modo = modoDeJogo;
    nivel = 1;
    jogador = 1;
    xi = yi = xf = yf = -1;
    jogadas1 = jogadas2 = 0;
    passagensPC = 0;
    animando = 0;
    faseAnim = 1;
    animX = animY = destX = destY = 0.0;
    selecionou = false;
    camara = 4;
    camaraActual = 1;
    rodaCamara = 0;
    faseUndo = 1;
    undoArmado = undoRetira = 0;
    faseFilme = 1;
    indiceFilme = 0;
    filmeEmCurso = false;
    poeTexto(tabuleiro, textoDaPosicao());
    poeTexto(tabuleiroPC, "\n" + textoDaPosicao());
}

// Runs the animation to its end; the number of ticks it took, or -1 if it never ended.
inline int acabaAnimacao(int limite = 1000) {
    for (int ticks = 1; ticks <= limite; ++ticks) {
        moveTick();
        if (!animando) return ticks;
    }
    return -1;
}

inline int anima(int deX, int deY, int paraX, int paraY) {
    animX = deX;
    animY = deY;
    destX = paraX;
    destY = paraY;
    animando = 1;
    return acabaAnimacao();
}

}  // namespace jogo_teste
