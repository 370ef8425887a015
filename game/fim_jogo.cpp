#include "game/fim_jogo.h"

#include <cstdio>

#include "game/destinos.h"
#include "game/globais.h"
#include "game/pedidos.h"
#include "game/tabuleiro_texto.h"
#include "game/traducao.h"
#include "game/turno.h"

namespace {

constexpr int jogadaCasa = 30;
constexpr int jogadaDistancia = 100;

bool metaCheia(const int lados[8][8], int lado) {
    int dentro = 0;
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            if (lados[x][y] == lado) {
                if (!noCampoDeChegada(lado, x, y)) return false;
                ++dentro;
            }
    return dentro == 10;
}

bool algumaEmCasa(const int lados[8][8], int lado) {
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            if (lados[x][y] == lado && noCampoDePartida(lado, x, y)) return true;
    return false;
}

// The pieces drawn from the board's sides: a piece's look is the other number (the side
// that starts on the top-left corner wears side 1's look).
std::vector<Peca> pecasDe(const int lados[8][8]) {
    std::vector<Peca> p;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (lados[x][y] != 0) p.emplace_back(outro(lados[x][y]), x, 0.0, y);
    return p;
}

}  // namespace

// The server's rules in their order; a side that won without a full goal camp before move
// 100 can only have left the other without a move.
RazaoFim razaoDoFim(const int lados[8][8], int lado, int n, bool venceu, bool outroPodeJogar) {
    if (venceu) {
        if (metaCheia(lados, lado)) return RazaoFim::metaCheia;
        return n >= jogadaDistancia && outroPodeJogar ? RazaoFim::distancia : RazaoFim::semJogadas;
    }
    if (n >= jogadaCasa && algumaEmCasa(lados, lado)) return RazaoFim::ficouEmCasa;
    return n >= jogadaDistancia ? RazaoFim::distancia : RazaoFim::desconhecida;
}

void guardaFimDeJogo(int r, int m, const char* tab) {
    FimDeJogo& f = fimDeJogo;
    int lados[8][8];
    const bool legivel = leTabuleiro(tab, lados);
    f.vencedor = r == 0 ? outro(jogador) : jogador;
    // From move 100 on a win is by distance unless the other side had no move left: only
    // the server can tell.
    const bool aDistancia = r != 0 && m + 1 >= jogadaDistancia;
    const bool outroPodeJogar = !aDistancia || !legivel || temJogadas(outro(jogador), tab);
    f.razao = legivel ? razaoDoFim(lados, jogador, m + 1, r != 0, outroPodeJogar) : RazaoFim::desconhecida;
    f.camara = camara;
    f.pecas = legivel ? pecasDe(lados) : pecas;
    char casas[64];
    f.posicao = boardSquares(tab, casas) ? textoCompacto(casas) : std::string();
    f.temUltima = ultimaJogada(f.ultima);
    f.activo = true;
    limpaDestinos();
    anotaVeredicto(VeredictoJogada::nenhum);
}

void mostraFimDeJogo(int vencedor, RazaoFim razao, int camaraVista, const std::string& posicao,
                     bool temUltima, const int ultima[4]) {
    int lados[8][8];
    if (!leTabuleiro(posicao.c_str(), lados)) return;
    FimDeJogo& f = fimDeJogo;
    f.activo = true;
    f.vencedor = vencedor;
    f.razao = razao;
    f.camara = camaraVista;
    f.pecas = pecasDe(lados);
    f.posicao = posicao;
    f.temUltima = temUltima;
    for (int k = 0; k < 4; ++k) f.ultima[k] = ultima[k];
}

void dispensaFimDeJogo() {
    // What the next start shows is what the player saw last: the menu, now.
    if (fimDeJogo.activo) ++alteracoesJogo;
    fimDeJogo.activo = false;
    fimDeJogo.pecas.clear();
    fimDeJogo.posicao.clear();
}

void textoFimDeJogo(const FimDeJogo& f, char* titulo, char* razao, int tamanho) {
    const int perdedor = outro(f.vencedor);
    std::snprintf(titulo, tamanho, _("Jog%d venceu!"), f.vencedor);
    switch (f.razao) {
    case RazaoFim::metaCheia:
        std::snprintf(razao, tamanho, _("Todas as peças de Jog%d chegaram ao canto oposto."),
                      f.vencedor);
        break;
    case RazaoFim::semJogadas:
        std::snprintf(razao, tamanho, _("Jog%d ficou sem jogadas."), perdedor);
        break;
    case RazaoFim::ficouEmCasa:
        std::snprintf(razao, tamanho, _("Jog%d ainda tinha uma peça no canto de partida à 30.ª jogada."),
                      perdedor);
        break;
    case RazaoFim::distancia:
        std::snprintf(razao, tamanho, _("À 100.ª jogada, as peças de Jog%d estavam mais perto da meta."),
                      f.vencedor);
        break;
    default:
        std::snprintf(razao, tamanho, _("O servidor de regras deu o jogo por terminado."));
        break;
    }
}
