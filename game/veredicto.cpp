#include "game/veredicto.h"

#include <cstdio>

#include "game/destinos.h"
#include "game/globais.h"
#include "game/tabuleiro_texto.h"
#include "game/traducao.h"

namespace {

void escreve(const char* frase) {
    std::snprintf(textoVeredicto, sizeof textoVeredicto, "%s", frase);
}

}  // namespace

void explicaRecusa(const char* tab, int jogador, int xi, int yi, char* texto, std::size_t tamanho) {
    int lados[8][8];
    const bool naCasa = xi >= 0 && xi < 8 && yi >= 0 && yi < 8 && leTabuleiro(tab, lados);
    const char* porque = _("essa peça não chega a essa casa");
    if (naCasa && lados[xi][yi] == 0) porque = _("a casa escolhida está vazia");
    if (naCasa && lados[xi][yi] != 0 && lados[xi][yi] != jogador)
        porque = _("essa peça é do adversário");
    std::snprintf(texto, tamanho, _("Jogada inválida: %s"), porque);
}

void anotaVeredicto(VeredictoJogada v) {
    ultimoVeredicto = v;
    switch (v) {
    case VeredictoJogada::jogadaValida:
        escreve(_("Jogada válida"));
        break;
    case VeredictoJogada::jogadaInvalida:
        explicaRecusa(tabuleiro, jogador, xi, yi, textoVeredicto, sizeof textoVeredicto);
        break;
    case VeredictoJogada::escolhaNivel:
        escreve(_("Escolha primeiro o nível"));
        break;
    case VeredictoJogada::jogadaPCInvalida:
        escreve(_("A jogada do computador não se entende"));
        break;
    case VeredictoJogada::respostaInvalida:
        escreve(_("Resposta inválida do servidor de regras"));
        break;
    default:
        escreve("");
        break;
    }
    if (v == VeredictoJogada::jogadaValida || v == VeredictoJogada::jogadaInvalida) limpaDestinos();
}
