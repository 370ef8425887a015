// The replay film: every record played from the starting position, then the game goes on.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "game/desfazer.h"
#include "game/turno.h"
#include "jogo_teste.h"

using namespace jogo_teste;

namespace {

struct Estado {
    std::string tabuleiro, tabuleiroPC;
    int jogador, jogadas1, jogadas2, passagensPC;
    bool operator==(const Estado& o) const {
        return tabuleiro == o.tabuleiro && tabuleiroPC == o.tabuleiroPC && jogador == o.jogador &&
               jogadas1 == o.jogadas1 && jogadas2 == o.jogadas2 && passagensPC == o.passagensPC;
    }
};

Estado estado() { return {tabuleiro, tabuleiroPC, jogador, jogadas1, jogadas2, passagensPC}; }

// Random moves of the side to move onto empty squares; the position after each one.
std::vector<Posicao> jogaAoAcaso(int quantas, unsigned semente, bool contraComputador) {
    std::mt19937 gerador(semente);
    std::vector<Posicao> depois;
    for (int n = 0; n < quantas; ++n) {
        std::vector<int> minhas, vazias;
        for (int k = 0; k < 64; ++k) {
            const int c = casas[k / 8][k % 8];
            if (c == 0) vazias.push_back(k);
            if (c == jogador) minhas.push_back(k);
        }
        const int de = minhas[gerador() % minhas.size()];
        const int para = vazias[gerador() % vazias.size()];
        joga(de / 8, de % 8, para / 8, para % 8, contraComputador && jogador == 2);
        depois.push_back(posicao());
    }
    return depois;
}

// Film and animation timers side by side; checks each record's position as it is reached.
void correFilme(const std::vector<Posicao>& depois) {
    int visto = 0;
    for (int i = 0; i < 100000 && filmeActivo(); ++i) {
        replayStep(0);
        moveTick();
        if (indiceFilme > visto && indiceFilme <= static_cast<int>(depois.size())) {
            visto = indiceFilme;
            ASSERT_EQ(posicao(), depois[visto - 1]) << "record " << visto;
        }
    }
    ASSERT_FALSE(filmeActivo());
}

class Filme : public ::testing::Test {
protected:
    void SetUp() override { reiniciaJogo(1); }
};

TEST_F(Filme, PlaysEveryRecordFromTheStartAndGivesTheGameBack) {
    const auto depois = jogaAoAcaso(25, 7, false);
    xi = 2;  // half a selection made before the press
    const Estado antes = estado();
    const std::size_t registos = historico.size();

    replayStep(1);
    EXPECT_TRUE(filmeActivo());
    EXPECT_EQ(posicao(), posicaoInicial());
    EXPECT_EQ(pecas[3].x, 3.0);
    EXPECT_EQ(std::string(tabuleiro), tabuleiroInicial);
    EXPECT_EQ(jogadas1 + jogadas2 + passagensPC, 0);
    EXPECT_EQ(xi, -1);
    correFilme(depois);

    EXPECT_EQ(posicao(), depois.back());
    EXPECT_EQ(historico.size(), registos);
    EXPECT_TRUE(estado() == antes);

    // The game goes on from the position shown: a move and its undo.
    jogaAoAcaso(1, 99, false);
    undoStep(1);
    acabaAnimacao();
    EXPECT_EQ(posicao(), depois.back());
    EXPECT_TRUE(estado() == antes);
}

TEST_F(Filme, AgainstTheComputerKeepsItsPasses) {
    reiniciaJogo(2);
    const auto depois = jogaAoAcaso(12, 11, true);
    passagensPC = 9;
    const Estado antes = estado();
    replayStep(1);
    correFilme(depois);
    EXPECT_TRUE(estado() == antes);
    EXPECT_EQ(posicao(), depois.back());
}

TEST_F(Filme, PressDuringTheFilmRestartsIt) {
    const auto depois = jogaAoAcaso(8, 3, false);
    const Estado antes = estado();
    replayStep(1);
    for (int i = 0; i < 100; ++i) {
        replayStep(0);
        moveTick();
    }
    ASSERT_TRUE(filmeActivo());
    ASSERT_GT(indiceFilme, 0);
    replayStep(1);  // mid-move: the moving piece is dropped with the rest
    EXPECT_EQ(indiceFilme, 0);
    EXPECT_EQ(posicao(), posicaoInicial());
    correFilme(depois);
    EXPECT_TRUE(estado() == antes);
    EXPECT_EQ(posicao(), depois.back());
}

TEST_F(Filme, UndoWaitsForTheFilm) {
    const auto depois = jogaAoAcaso(4, 5, false);
    replayStep(1);
    undoStep(1);
    EXPECT_EQ(historico.size(), 4u);
    correFilme(depois);
    undoStep(1);
    EXPECT_EQ(historico.size(), 3u);
}

TEST_F(Filme, PendingUndoAgainstTheComputerIsDropped) {
    reiniciaJogo(2);
    const auto depois = jogaAoAcaso(4, 13, true);
    const Estado antes = estado();
    undoStep(1);
    undoStep(0);
    moveTick();  // the computer's piece is on its way back
    replayStep(1);
    correFilme(depois);
    for (int i = 0; i < 200; ++i) undoStep(0), moveTick();
    EXPECT_TRUE(estado() == antes);
    EXPECT_EQ(posicao(), depois.back());
    EXPECT_EQ(historico.size(), 4u);
}

TEST_F(Filme, NothingToPlayOrComputerAgainstComputer) {
    const Estado antes = estado();
    replayStep(1);
    EXPECT_FALSE(filmeActivo());
    EXPECT_TRUE(estado() == antes);
    EXPECT_EQ(posicao(), posicaoInicial());

    jogaAoAcaso(3, 1, false);
    const Posicao depois = posicao();
    modo = 3;
    replayStep(1);
    replayStep(0);
    EXPECT_FALSE(filmeActivo());
    EXPECT_EQ(posicao(), depois);
}

TEST_F(Filme, TicksAfterTheFilmReplayNothing) {
    const auto depois = jogaAoAcaso(3, 2, false);
    replayStep(1);
    correFilme(depois);
    jogaAoAcaso(1, 9, false);  // a new record the film never saw
    const Posicao agora = posicao();
    for (int i = 0; i < 200; ++i) replayStep(0), moveTick();
    EXPECT_EQ(posicao(), agora);
}

}  // namespace
