// The status area's texts: the game, whose turn, the score and clock, the last verdict.
// Pure text work on a snapshot of the game, so tests compose them directly.
#pragma once
#include "game/veredicto.h"

struct Situacao {
    int modo = 0, nivel = 0, jogador = 1, material = 0;
    int vitorias1 = 0, vitorias2 = 0;
    int relogio[4] = {0, 0, 0, 0};
    bool semLigacao = false;
    bool jogoEmEspera = false;  // a saved game waits for the rules server
    VeredictoJogada veredicto = VeredictoJogada::nenhum;
    const char* textoVeredicto = "";
    bool filme = false;
    bool fimDeJogo = false;  // the end banner shows
    int jogadaFilme = 0, totalFilme = 0;
};

enum class Tom { neutro, bom, mau, espera };

struct LinhasEstado {
    char jogo[96];
    char vez[96];
    char placar[96];
    char aviso[192];
    Tom tom;
};

LinhasEstado compoeEstado(const Situacao& s);

// The game as it is now, read from the program-wide state.
Situacao situacaoActual();

// "peças escuras" or "peças claras": the look of side `lado`'s pieces in `material`.
const char* corDasPecas(int lado, int material);
