#include "game/camara_jogo.h"

#include "game/globais.h"
#include "game/ids.h"
#include "game/turno.h"

void alternaRodaCamara() {
    if (camara == id(Camara::menu)) return;
    if (rodaCamara == 1) {
        rodaCamara = 0;
        return;
    }
    rodaCamara = 1;
    if (jogador == 1 || jogador == 2) {
        camara = id(camaraDoLado(jogador));
        camaraActual = id(camaraDoLado(outro(jogador)));
    }
}
