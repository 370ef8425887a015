// Routing of mouse buttons between the control panel and the 3D view.
#include "app/rota_rato.h"

#include "app/globais.h"

bool sobrePainel(int y, int alturaJanela) { return y >= alturaJanela - alturaDoPainel(); }

bool dentroDe(const ZonaPainel& z, int x, int y) {
    return x >= z.x0 && x < z.x1 && y >= z.y0 && y < z.y1;
}

Destino RotaRato::evento(int botao, int estado, bool noPainel) {
    const Destino aqui = noPainel ? Destino::Painel : Destino::Cena;
    if (botao < 0 || botao >= numBotoes) return aqui;
    if (estado == 0) destino[botao] = aqui;
    return destino[botao];
}

bool FilaRato::aplicarJa(const EventoRato& e) {
    const bool largar = e.botao && e.estado != 0;
    const bool botaoValido = e.botao && e.qual >= 0 && e.qual < numBotoes;
    if (fila.empty() && !largar && !(botaoValido && mudou[e.qual])) {
        if (botaoValido) mudou[e.qual] = true;
        return true;
    }
    fila.push_back(e);
    return false;
}

std::vector<EventoRato> FilaRato::novoFrame() {
    std::vector<EventoRato> agora;
    for (bool& m : mudou) m = false;
    while (!fila.empty()) {
        const EventoRato& e = fila.front();
        if (e.botao && e.qual >= 0 && e.qual < numBotoes) {
            if (mudou[e.qual]) break;
            mudou[e.qual] = true;
        }
        agora.push_back(e);
        fila.pop_front();
    }
    return agora;
}
