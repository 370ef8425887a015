#include "game/partida.h"

#include "game/animacao.h"
#include "game/desfazer.h"
#include "game/destinos.h"
#include "game/globais.h"
#include "game/refazer.h"
#include "game/sugestao.h"
#include "game/turno.h"
#include "game/veredicto.h"

void poePosicaoInicial() {
    copyBoard(casas, casasIniciais);
    buildPieces();
    initBoardTexts();
    jogadas1 = jogadas2 = 0;
    animando = 0;
    faseAnim = 1;
    animX = animY = destX = destY = 0.0;
    largaSelecao();
}

void comecaPartida() {
    poePosicaoInicial();
    historico.clear();
    nJogadas = 0;
    selecionou = false;
    selX = selY = 0.0;
    filmeEmCurso = false;
    faseFilme = 1;
    indiceFilme = 0;
    largaDesfazer();
    limpaDestinos();
    anotaVeredicto(VeredictoJogada::nenhum);
    avisoJogadaPC = false;
    esqueceRefazer();
    esqueceSugestao();
}
