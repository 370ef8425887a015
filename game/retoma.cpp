// A saved game is only as good as the rules server says: every move is sent again with
// validaJogada, in order, and must give the board the move makes.
#include "game/retoma.h"

#include <cstdio>

#include "game/animacao.h"
#include "game/fim_jogo.h"
#include "game/globais.h"
#include "game/ids.h"
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
    const FimGuardado& f = j.fim;
    dispensaFimDeJogo();
    if (f.activo)
        mostraFimDeJogo(f.vencedor, static_cast<RazaoFim>(f.razao), f.camara, f.posicao, f.temUltima, f.ultima);
}

// What the file says of itself: the sides take turns from the first mover on, the side to
// move and the counts follow from the moves, and moves belong to a game in progress.
bool eUmJogo(const JogoGuardado& j, std::string& erro) {
    const bool emJogo = modoDeJogo(j.modo);
    if (!emJogo && !j.jogadas.empty()) return erro = "moves saved with no game in progress", false;
    if (emJogo && j.fim.activo) return erro = "an end banner over a game in progress", false;
    int feitas[3] = {0, 0, 0};
    for (std::size_t k = 0; k < j.jogadas.size(); ++k) {
        const int lado = j.jogadas[k].lado;
        if (k > 0 && lado != outro(j.jogadas[k - 1].lado))
            return erro = "move " + std::to_string(k + 1) + " is out of turn", false;
        ++feitas[lado];
    }
    if (!j.jogadas.empty() && j.jogador != outro(j.jogadas.back().lado))
        return erro = "the side to move does not follow from the moves", false;
    if (j.jogadas1 != feitas[1] || j.jogadas2 != feitas[2])
        return erro = "the move counts do not follow from the moves", false;
    return true;
}

}  // namespace

Retoma retomaJogo(const JogoGuardado& j, std::string& erro) {
    if (!eUmJogo(j, erro)) return Retoma::invalido;
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
    if (!j.jogadas.empty()) {
        // The last move is asked about as the turn step asked: a game the rules have ended
        // was never left in progress.
        const JogadaGuardada& ultima = j.jogadas.back();
        const int antes = (ultima.lado == 1 ? j.jogadas1 : j.jogadas2) - 1;
        Desfecho d;
        int r;
        if (!verificaTerminacao(ultima.lado, antes, comoTexto(posicoes.back()).c_str(), d, r)) {
            erro = "no answer from the rules server";
            return Retoma::semServidor;
        }
        if (d != Desfecho::continua) {
            erro = "the game had already ended";
            return Retoma::invalido;
        }
    }
    tomaJogo(j, posicoes);
    return Retoma::retomado;
}
