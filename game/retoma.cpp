// A saved game is only as good as the rules server says: every move is sent again with
// validaJogada, in order, and must give the board the move makes.
#include "game/retoma.h"

#include <cstdio>

#include "game/animacao.h"
#include "game/globais.h"
#include "game/julgamento.h"
#include "game/pedidos.h"
#include "game/partida.h"
#include "game/turno.h"

namespace {

using Casas = std::string;  // 64 digits, row by row

Casas casasDe(const char* texto) {
    char c[64];
    return boardSquares(texto, c) ? Casas(c, 64) : Casas();
}

std::string comoTexto(const Casas& c) { return textoCompacto(c.data()); }

enum class Veredicto { legal, ilegal, semResposta };

Veredicto pergunta(const JogadaGuardada& m, const Casas& antes, Casas& depois) {
    const RespostaTabuleiro r = validaJogada({m.xi, m.yi, m.xf, m.yf}, comoTexto(antes).c_str(), m.lado);
    switch (r.estado) {
    case Resposta::feita:
        depois = casasDe(r.tabuleiro);
        return Veredicto::legal;
    case Resposta::recusada:
        return Veredicto::ilegal;
    default:
        // A server that does not answer the question is no judge of the file.
        return Veredicto::semResposta;
    }
}

void poePecas(const JogoGuardado& j) {
    copyBoard(casas, casasIniciais);
    buildPieces();
    for (const JogadaGuardada& m : j.jogadas) {
        for (Peca& p : pecas)
            if (p.x == m.xi && p.y == m.yi) {
                p.x = m.xf;
                p.y = m.yf;
                break;
            }
        casas[m.xf][m.yf] = casas[m.xi][m.yi];
        casas[m.xi][m.yi] = 0;
    }
}

void tomaJogo(const JogoGuardado& j, const std::vector<Casas>& antes) {
    comecaPartida();
    for (std::size_t k = 0; k < j.jogadas.size(); ++k) {
        const JogadaGuardada& m = j.jogadas[k];
        mov r{m.xi, m.xf, m.yi, m.yf, {}, m.lado};
        std::snprintf(r.tabuleiro, sizeof r.tabuleiro, "%s", comoTexto(antes[k]).c_str());
        historico.push_back(r);
    }
    nJogadas = static_cast<int>(historico.size());
    setBoardTexts(comoTexto(antes.back()).c_str());
    poePecas(j);
    modo = j.modo, nivel = j.nivel, jogador = j.jogador;
    jogadas1 = j.jogadas1, jogadas2 = j.jogadas2;
    vitorias1 = j.vitorias1, vitorias2 = j.vitorias2;
    placar.setPontos1(vitorias1);
    placar.setPontos2(vitorias2);
    camara = j.camara, camaraActual = j.camaraActual;
    passagensPC = j.passagensPC;
}

}  // namespace

Retoma retomaJogo(const JogoGuardado& j, std::string& erro) {
    std::vector<Casas> posicoes{casasDe(tabuleiroInicial)};
    for (std::size_t k = 0; k < j.jogadas.size(); ++k) {
        Casas depois;
        switch (pergunta(j.jogadas[k], posicoes.back(), depois)) {
        case Veredicto::semResposta:
            erro = "no answer from the rules server";
            return Retoma::semServidor;
        case Veredicto::ilegal:
            erro = "move " + std::to_string(k + 1) + " is not legal";
            return Retoma::invalido;
        case Veredicto::legal:
            posicoes.push_back(depois);
        }
    }
    if (posicoes.back() != casasDe(j.posicao.c_str())) {
        erro = "the moves do not end on the saved position";
        return Retoma::invalido;
    }
    if (j.modo == -1 || j.modo == 0) {
        // No game was in progress: only the scoreboard carries over.
        if (!j.jogadas.empty()) {
            erro = "moves saved with no game in progress";
            return Retoma::invalido;
        }
    }
    tomaJogo(j, posicoes);
    return Retoma::retomado;
}
