#include "game/volta_menu.h"

#include "game/desfazer.h"
#include "game/destinos.h"
#include "game/fim_jogo.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/turno.h"
#include "game/veredicto.h"

void voltaAoMenu() {
    resetGame();
    camara = id(Camara::menu);
    dispensaFimDeJogo();
    // The saved game follows: the next start shows the menu, not the game left.
    ++alteracoesJogo;
}
