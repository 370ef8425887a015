// Routing of mouse buttons between the control panel and the 3D view.
#include "app/rota_rato.h"

#include "app/globais.h"

bool sobrePainel(int y, int alturaJanela) { return y >= alturaJanela - alturaPainel; }

bool dentroDe(const ZonaPainel& z, int x, int y) {
    return x >= z.x0 && x < z.x1 && y >= z.y0 && y < z.y1;
}

Encaminhamento RotaRato::evento(int botao, int estado, bool noPainel) {
    const Destino aqui = noPainel ? Destino::Painel : Destino::Cena;
    if (botao < 0 || botao >= numBotoes) return {aqui, false};
    if (estado == 0) {
        destino[botao] = aqui;
        premidoNesteFrame[botao] = true;
        retido[botao] = false;  // a new press outdates a release still held
        return {aqui, false};
    }
    const bool reter = premidoNesteFrame[botao];
    if (reter) retido[botao] = true;
    return {destino[botao], reter};
}

unsigned RotaRato::novoFrame() {
    unsigned mascara = 0;
    for (int b = 0; b < numBotoes; ++b) {
        if (retido[b]) mascara |= 1u << b;
        retido[b] = false;
        premidoNesteFrame[b] = false;
    }
    return mascara;
}
