#include "game/jogo_teste.h"

#include <cstring>

#include "game/animacao.h"
#include "game/fim_jogo.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/partida.h"
#include "game/selecao.h"
#include "game/turno.h"

namespace cantos_teste {

std::int64_t relogioLigacao = 1'000'000;
std::int64_t leRelogioLigacao() { return relogioLigacao; }

void estadoInicialDoJogo() {
    comecaPartida();
    modo = id(Modo::nenhum);
    nivel = 0;
    jogador = 1;
    std::memset(msg, 0, sizeof msg);
    vitorias1 = vitorias2 = passagensPC = 0;
    placar.setPontos1(0);
    placar.setPontos2(0);
    camara = id(Camara::menu);
    camaraActual = id(Camara::jogador1);
    rodaCamara = 0;
    avisoSemLigacao = false;
    dispensaFimDeJogo();
}

void terminaAnimacao() {
    for (int tick = 0; animando && tick < 2000; ++tick) moveTick();
}

static void poe(char destino[tamanhoTexto], const std::string& texto) {
    std::memset(destino, 0, tamanhoTexto);
    std::strncpy(destino, texto.c_str(), tamanhoTexto - 1);
}

void poeTabuleiro(const std::string& texto) { poe(tabuleiro, texto); }
void poeTabuleiroPC(const std::string& texto) { poe(tabuleiroPC, texto); }

std::string casasComoTexto() {
    std::string t = "[";
    for (int y = 0; y < 8; ++y) {
        t += y ? ",[" : "[";
        for (int x = 0; x < 8; ++x) {
            int lado = casas[x][y];
            t += x ? "," : "";
            t += static_cast<char>('0' + (lado == 0 ? 0 : 3 - lado));
        }
        t += "]";
    }
    return t + "]";
}

std::string semQuebras(const char* texto) {
    std::string t;
    for (const char* p = texto; *p; ++p)
        if (*p != '\r' && *p != '\n') t += *p;
    return t;
}

int nomeDaPeca(int x, int y) {
    for (std::size_t k = 0; k < pecas.size(); ++k)
        if (pecas[k].x == x && pecas[k].y == y) return nomeDe(Escolha::daPeca(static_cast<int>(k)));
    return 0;
}

std::string jogaPeloRato(int x0, int y0, int x1, int y1) {
    return calado([&] {
        handlePick(nomeDaPeca(x0, y0));
        handlePick(nomeDe(Escolha::daCasa(x1, y1)));
        turnStep();
        terminaAnimacao();
    });
}

}  // namespace cantos_teste
