#include "game/volta_menu.h"

#include "game/desfazer.h"
#include "game/destinos.h"
#include "game/fim_jogo.h"
#include "game/globais.h"
#include "game/turno.h"
#include "game/veredicto.h"

void voltaAoMenu() {
    // The film would put its saved game back after its last move.
    filmeEmCurso = false;
    faseFilme = 1;
    largaDesfazer();
    resetGame();
    selecionou = false;
    camara = 4;
    limpaDestinos();
    dispensaFimDeJogo();
    anotaVeredicto(VeredictoJogada::nenhum);
}
