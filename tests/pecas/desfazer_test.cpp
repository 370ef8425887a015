// Undo in both game modes that allow it, driven tick by tick as the window's timers do.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/desfazer.h"
#include "jogo_teste.h"

using namespace jogo_teste;

namespace {

struct Momento {
    Posicao casas;
    std::string tabuleiro;
};

Momento agora() { return {posicao(), tabuleiro}; }

// Undo and animation timers side by side until both are idle.
void correDesfazer(int limite = 2000) {
    for (int i = 0; i < limite && (undoArmado || animando); ++i) {
        undoStep(0);
        moveTick();
    }
}

class Desfazer : public ::testing::Test {
protected:
    void SetUp() override { reiniciaJogo(1); }
};

TEST_F(Desfazer, TwoPlayersTakesBackOneMovePerPress) {
    joga(3, 0, 4, 0);
    const Momento antesSegunda = agora();
    joga(7, 4, 6, 3);
    const Momento antesTerceira = agora();
    joga(4, 0, 5, 0);
    xi = yi = 0;  // a piece picked, no square yet: it would start from the wrong square

    undoStep(1);
    EXPECT_EQ(xi, -1);
    EXPECT_EQ(animando, 1);
    EXPECT_GT(acabaAnimacao(), 0);
    EXPECT_EQ(posicao(), antesTerceira.casas);
    EXPECT_EQ(std::string(tabuleiro), antesTerceira.tabuleiro);
    EXPECT_EQ(jogador, 1);
    EXPECT_EQ(jogadas1, 1);
    EXPECT_EQ(jogadas2, 1);

    undoStep(1);
    acabaAnimacao();
    EXPECT_EQ(posicao(), antesSegunda.casas);
    EXPECT_EQ(std::string(tabuleiro), antesSegunda.tabuleiro);
    EXPECT_EQ(jogador, 2);
    EXPECT_EQ(jogadas1, 1);
    EXPECT_EQ(jogadas2, 0);
    EXPECT_EQ(nJogadas, 1);
    EXPECT_EQ(historico.size(), 1u);
    EXPECT_EQ(pecas[3].x, 4.0);  // the piece of the first move stays where it went
}

TEST_F(Desfazer, TwoPlayersIgnoresPressesWithNothingToTakeBack) {
    undoStep(1);
    EXPECT_EQ(animando, 0);
    joga(3, 0, 4, 0);
    animando = 1;
    undoStep(1);
    EXPECT_EQ(historico.size(), 1u);
    animando = 0;
}

TEST_F(Desfazer, TwoPlayersTurnsTheTurningCamera) {
    rodaCamara = 1;
    joga(3, 0, 4, 0);
    joga(7, 4, 6, 3);
    undoStep(1);
    EXPECT_EQ(camara, 0);
    acabaAnimacao();
    undoStep(1);
    EXPECT_EQ(camara, 1);
}

TEST_F(Desfazer, AgainstTheComputerTakesBackBothMoves) {
    reiniciaJogo(2);
    joga(3, 0, 4, 0);
    joga(7, 4, 6, 3, true);
    const Momento antesTerceira = agora();
    joga(2, 1, 3, 1);
    const Momento antesComputador = agora();
    joga(6, 5, 5, 4, true);
    ASSERT_EQ(jogador, 1);

    undoStep(1);
    bool viuComputadorDesfeito = false;
    for (int i = 0; i < 2000 && (undoArmado || animando); ++i) {
        undoStep(0);
        moveTick();
        viuComputadorDesfeito |= !animando && posicao() == antesComputador.casas;
    }
    EXPECT_TRUE(viuComputadorDesfeito);  // the computer's piece goes back first
    EXPECT_EQ(posicao(), antesTerceira.casas);
    EXPECT_EQ(std::string(tabuleiro), antesTerceira.tabuleiro);
    EXPECT_EQ(jogador, 1);
    EXPECT_EQ(historico.size(), 2u);
    EXPECT_EQ(nJogadas, 2);
    EXPECT_EQ(jogadas1, 1);
    EXPECT_EQ(jogadas2, 1);

    // And once more, back to the start.
    undoStep(1);
    correDesfazer();
    EXPECT_EQ(posicao(), posicaoInicial());
    EXPECT_EQ(nJogadas, 0);
    EXPECT_EQ(jogadas1, 0);
    EXPECT_EQ(jogadas2, 0);
}

TEST_F(Desfazer, AgainstTheComputerWaitsForItsAnswer) {
    reiniciaJogo(2);
    joga(3, 0, 4, 0);  // the computer has not answered yet
    const Momento antes = agora();
    undoStep(1);
    correDesfazer();
    EXPECT_EQ(posicao(), antes.casas);
    EXPECT_EQ(historico.size(), 1u);
    EXPECT_EQ(jogador, 2);

    // The computer began this game: one record only.
    reiniciaJogo(2);
    jogador = 2;
    joga(7, 4, 6, 3, true);
    undoStep(1);
    correDesfazer();
    EXPECT_EQ(historico.size(), 1u);
    EXPECT_EQ(casas[6][3], 2);

    // Its piece still moving.
    joga(3, 0, 4, 0);
    jogador = 2;
    joga(6, 5, 5, 4, true);
    animX = 5;
    animY = 4;
    destX = 6;
    destY = 6;
    animando = 1;
    undoStep(1);
    EXPECT_EQ(undoArmado, 0);
    animando = 0;
}

TEST_F(Desfazer, DoesNothingInOtherModes) {
    joga(3, 0, 4, 0);
    joga(7, 4, 6, 3);
    for (int m : {0, -1, 3}) {
        modo = m;
        undoStep(1);
        correDesfazer();
        EXPECT_EQ(historico.size(), 2u) << m;
        EXPECT_EQ(undoArmado, 0);
    }
}

}  // namespace
