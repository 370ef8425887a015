// The status area's texts: the game, whose turn, the score and clock, the last verdict.
// Pure text work on a snapshot of the game, so tests compose them directly.
#pragma once
#include "game/veredicto.h"

struct Situacao {
    int modo = 0, nivel = 0, jogador = 1, material = 0;
    int vitorias1 = 0, vitorias2 = 0;
    int relogio[4] = {0, 0, 0, 0};
    bool semLigacao = false;
    bool semGravar = false;  // another window keeps the saved game
    bool jogoEmEspera = false;  // a saved game waits for the rules server
    VeredictoJogada veredicto = VeredictoJogada::nenhum;
    const char* textoVeredicto = "";
    bool filme = false;
    bool fimDeJogo = false;  // the end banner shows
    int jogadaFilme = 0, totalFilme = 0;
    bool menu = false;       // the menu picture is in view
    int jogadaDaVez = 0;     // the number the side to move's next move will have
    // The suggestion: 0 none, 1 asked and named (in `textoSugestao`), 2 asked, none came.
    int sugestao = 0;
    char textoSugestao[24] = "";
    const char* nota = "";   // what the last panel action said
};

enum class Tom { neutro, bom, mau, espera, sugestao };

struct LinhasEstado {
    char jogo[96];
    char vez[160];
    char placar[96];
    char aviso[192];
    Tom tom;
};

LinhasEstado compoeEstado(const Situacao& s);

// The game as it is now, read from the program-wide state.
Situacao situacaoActual();

// "peças escuras" or "peças claras": the look of side `lado`'s pieces in `material`.
const char* corDasPecas(int lado, int material);
