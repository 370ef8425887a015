// Redo through the real turn step: random games played by picks against the real rules
// server, k moves taken back with Undo and played again with Refazer, and the game comes
// back exactly as it was: board texts, history, counts and the saved game on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "game/animacao.h"
#include "game/com_servidor.h"
#include "game/desfazer.h"
#include "game/ficheiros.h"
#include "game/globais.h"
#include "game/jogo_teste.h"
#include "game/persistencia.h"
#include "game/refazer.h"
#include "game/selecao.h"
#include "game/sugestao.h"
#include "game/tabuleiro_texto.h"
#include "game/turno.h"
#include "support/pasta_temporaria.h"

using namespace cantos_teste;

namespace {

struct Foto {
    std::string tabuleiro, tabuleiroPC, casas, gravado;
    std::vector<std::string> historia;
    int jogador, jogadas1, jogadas2;
    bool operator==(const Foto& o) const {
        return tabuleiro == o.tabuleiro && tabuleiroPC == o.tabuleiroPC && casas == o.casas &&
               gravado == o.gravado && historia == o.historia && jogador == o.jogador &&
               jogadas1 == o.jogadas1 && jogadas2 == o.jogadas2;
    }
};

std::ostream& operator<<(std::ostream& s, const Foto& f) { return s << f.gravado; }

Foto foto() {
    guardaJogoSeMudou();
    std::string gravado;
    leFicheiro(ficheiroJogo(), gravado);
    Foto f{semQuebras(tabuleiro), semQuebras(tabuleiroPC), casasComoTexto(), gravado, {},
           jogador, jogadas1, jogadas2};
    for (const mov& m : historico)
        f.historia.push_back(std::to_string(m.jogador) + " " + std::to_string(m.xi) +
                             std::to_string(m.yi) + std::to_string(m.xf) + std::to_string(m.yf) +
                             " " + semQuebras(m.tabuleiro));
    return f;
}

int conta(const std::string& em, const std::string& texto) {
    int n = 0;
    for (auto p = em.find(texto); p != std::string::npos; p = em.find(texto, p + 1)) ++n;
    return n;
}

void esperaComputador() {
    for (int i = 0; i < 10 && modo == 2 && jogador == 2; ++i) {
        turnStep();
        terminaAnimacao();
    }
}

// A random legal move of the side to move, found through the hints of a picked piece and
// played by picking the square, as the window plays it.
bool jogaAoAcaso(std::mt19937& sorte) {
    std::vector<int> minhas;
    int lados[8][8];
    if (!leTabuleiro(tabuleiro, lados)) return false;
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            if (lados[x][y] == jogador) minhas.push_back(10 * x + y);
    std::shuffle(minhas.begin(), minhas.end(), sorte);
    for (int q : minhas) {
        handlePick(nomeNaCasa(q / 10, q % 10));
        std::vector<int> alvos;
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y)
                if (destinosMarcados[x][y]) alvos.push_back(10 * x + y);
        if (alvos.empty()) continue;
        const int a = alvos[sorte() % alvos.size()];
        handlePick(nomeNaCasa(a / 10, a % 10));
        const int antes = nJogadas;
        turnStep();
        terminaAnimacao();
        esperaComputador();
        return nJogadas > antes;
    }
    return false;
}

void desfaz() {
    undoStep(1);
    for (int i = 0; i < 2000 && (undoArmado || animando); ++i) {
        undoStep(0);
        moveTick();
    }
}

void refaz() {
    refazJogada();
    turnStep();
    terminaAnimacao();
    esperaComputador();
}

class Refazer : public ComServidor {
protected:
    PastaTemporaria pasta_{"XDG_STATE_HOME"};
};

TEST_F(Refazer, UndoingKMovesAndRedoingThemGivesTheGameBackInRandomGames) {
    std::mt19937 sorte(20261208);
    for (int jogo = 0; jogo < 6; ++jogo) {
        const bool contraPC = jogo % 2 == 1;
        SCOPED_TRACE("game " + std::to_string(jogo) + (contraPC ? " against the computer" : ""));
        estadoInicialDoJogo();
        calado([&] { contraPC ? (handlePick(504), handlePick(502)) : handlePick(501); });
        const int jogadas = 6 + int(sorte() % 10);
        calado([&] {
            for (int i = 0; i < jogadas; ++i) ASSERT_TRUE(jogaAoAcaso(sorte)) << "move " << i;
        });
        if (HasFatalFailure()) return;
        const Foto antes = foto();
        const int porPressao = contraPC ? 2 : 1;
        const int k = 1 + int(sorte() % (nJogadas / porPressao));
        const std::string consola = calado([&] {
            for (int i = 0; i < k; ++i) desfaz();
            ASSERT_EQ(nJogadas, int(antes.historia.size()) - k * porPressao);
            for (int i = 0; i < k; ++i) refaz();
        });
        EXPECT_EQ(foto(), antes) << "after undoing and redoing " << k;
        EXPECT_TRUE(porRefazer.empty());
        // Each redone move was judged by the server as any move is.
        const std::string juizo = contraPC ? "Jogada Valida\n" : "Jogada Valida!\n";
        EXPECT_EQ(conta(consola, juizo), k);
    }
}

TEST_F(Refazer, ANewMoveDropsWhatIsLeftToRedoAndRedoWaitsForItsSide) {
    calado([] { handlePick(501); });
    jogaPeloRato(7, 4, 6, 3);
    jogaPeloRato(0, 3, 1, 4);
    const Foto depoisDeDuas = foto();
    calado([] { desfaz(); desfaz(); });
    ASSERT_EQ(porRefazer.size(), 2u);
    // What was said of the moves taken back, and the square picked for them, went with them.
    EXPECT_EQ(ultimoVeredicto, VeredictoJogada::nenhum);
    EXPECT_FALSE(selecionou);
    calado(refaz);
    EXPECT_EQ(nJogadas, 1);
    EXPECT_EQ(porRefazer.size(), 1u);
    calado(refaz);
    EXPECT_EQ(foto(), depoisDeDuas);

    calado([] { desfaz(); });
    ASSERT_NE(jogaPeloRato(1, 2, 2, 3).find("Jogada Valida!"), std::string::npos);  // not the one taken back
    EXPECT_TRUE(porRefazer.empty());
    const Foto outra = foto();
    calado(refaz);
    EXPECT_EQ(foto(), outra) << "nothing left to redo";

    calado([] { desfaz(); });
    jogaPeloRato(0, 0, 5, 5);
    ASSERT_EQ(ultimoVeredicto, VeredictoJogada::jogadaInvalida);
    calado([] { handlePick(nomeNaCasa(7, 5)); });  // a piece picked: no move yet
    EXPECT_EQ(ultimoVeredicto, VeredictoJogada::nenhum) << "the refusal belonged to the move before";
    EXPECT_EQ(porRefazer.size(), 1u);
    replayStep(1);
    calado(refaz);
    EXPECT_EQ(nJogadas, 1) << "no redo while the film plays";
}

TEST_F(Refazer, ASuggestionNamesALegalMoveAndMovesNothing) {
    calado([] { handlePick(504), handlePick(502); });
    const Foto antes = foto();
    ASSERT_TRUE(pedeSugestao());
    const Sugestao* s = sugestaoEmVista();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(foto(), antes);
    EXPECT_EQ(nJogadas, 0);
    // The player plays it: the server takes it, and the suggestion goes with the move.
    const std::string consola = jogaPeloRato(s->xi, s->yi, s->xf, s->yf);
    EXPECT_NE(consola.find("Jogada Valida"), std::string::npos) << consola;
    EXPECT_EQ(sugestaoEmVista(), nullptr);
    // On the computer's turn there is none to ask for.
    EXPECT_FALSE(pedeSugestao());
    calado(esperaComputador);
    EXPECT_TRUE(pedeSugestao());
    calado([] { desfaz(); });
    EXPECT_EQ(sugestaoEmVista(), nullptr) << "Undo changed the position it was for";
}

}  // namespace
