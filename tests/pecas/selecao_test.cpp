// Choosing the nearest hit and decoding pick names into the move under way.
#include <gtest/gtest.h>

#include <vector>

#include "game/desfazer.h"
#include "game/ids.h"
#include "game/selecao.h"
#include "jogo_teste.h"

using namespace jogo_teste;

namespace {

class Selecao : public ::testing::Test {
protected:
    void SetUp() override { reiniciaJogo(1); }

    // The picked name, or -1 when nothing was handed on; printed lines go to `saida`.
    int escolhe(int count, std::vector<unsigned int> registos) {
        registos.resize(tamanhoSelecao, 0u);
        xf = -1;
        ::testing::internal::CaptureStdout();
        processHits(count, registos.data());
        saida = ::testing::internal::GetCapturedStdout();
        return xf == -1 ? -1 : 100 + 10 * xf + yf;
    }

    std::string saida;
};

TEST_F(Selecao, NearestNamedHitWins) {
    EXPECT_EQ(escolhe(2, {1, 500, 600, 111, 1, 100, 200, 122}), 122);
    EXPECT_EQ(escolhe(2, {1, 100, 600, 111, 1, 500, 200, 122}), 111);
    // Equal depth: the record drawn first.
    EXPECT_EQ(escolhe(2, {1, 100, 200, 111, 1, 100, 200, 122}), 111);
    // Depths are unsigned: the top bit set means far, not negative.
    EXPECT_EQ(escolhe(2, {1, 0x80000000u, 0, 111, 1, 0x7fffffffu, 0, 122}), 122);
    // Only the first name of a record counts.
    EXPECT_EQ(escolhe(1, {2, 100, 200, 133, 144}), 133);
    EXPECT_EQ(saida, "Resposta133\n");
}

TEST_F(Selecao, UnnamedRecordsAreSkipped) {
    // The scoreboard carries no name, however near it is.
    EXPECT_EQ(escolhe(2, {0, 1, 2, 1, 900, 950, 155}), 155);
    EXPECT_EQ(escolhe(1, {0, 1, 2}), -1);
    selecionou = false;
    // No hits, and an overflowed buffer.
    EXPECT_EQ(escolhe(0, {1, 100, 200, 111}), -1);
    EXPECT_EQ(escolhe(-1, {1, 100, 200, 111}), -1);
    EXPECT_EQ(saida, "");
    EXPECT_FALSE(selecionou);
}

TEST_F(Selecao, RecordsNeverReadPastTheBuffer) {
    // A record claiming more names than the buffer holds, and a count beyond its records.
    EXPECT_EQ(escolhe(1, {1000, 1, 2, 111}), -1);
    EXPECT_EQ(escolhe(1000, {1, 100, 200, 111}), 111);
}

TEST_F(Selecao, SquareNamesDecode) {
    ::testing::internal::CaptureStdout();
    handlePick(157);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Resposta157\n");
    EXPECT_TRUE(selecionou);
    EXPECT_EQ(xf, 5);
    EXPECT_EQ(yf, 7);
    EXPECT_EQ(destX, 5.0);
    EXPECT_EQ(destY, 7.0);
    EXPECT_EQ(selX, 5.0);
    EXPECT_EQ(selY, 7.0);
    EXPECT_EQ(xi, -1);
    ::testing::internal::CaptureStdout();
    handlePick(100);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(xf, 0);
    EXPECT_EQ(yf, 0);
}

TEST_F(Selecao, PieceNamesSetTheOriginOnly) {
    ::testing::internal::CaptureStdout();
    handlePick(144);
    anima(3, 0, 4, 1);  // piece 4 now stands elsewhere
    handlePick(4);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(xi, 4);
    EXPECT_EQ(yi, 1);
    EXPECT_EQ(animX, 4.0);
    EXPECT_EQ(animY, 1.0);
    EXPECT_EQ(selX, 4.0);
    EXPECT_EQ(xf, 4);  // the earlier destination stays
    EXPECT_EQ(yf, 4);
}

TEST_F(Selecao, NamesOffTheBoardChooseNothing) {
    ::testing::internal::CaptureStdout();
    handlePick(199);
    handlePick(180);
    handlePick(21);
    handlePick(0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Resposta199\nResposta180\nResposta21\nResposta0\n");
    EXPECT_EQ(xf, -1);
    EXPECT_EQ(xi, -1);
    EXPECT_EQ(modo, 1);
}

TEST_F(Selecao, NothingIsChosenWhileAPieceMovesOrTheFilmPlays) {
    animando = 1;
    ::testing::internal::CaptureStdout();
    handlePick(1);
    handlePick(157);
    handlePick(504);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Resposta1\nResposta157\nResposta504\n");
    EXPECT_TRUE(selecionou);
    EXPECT_EQ(xi, -1);
    EXPECT_EQ(xf, -1);
    EXPECT_EQ(nivel, 1);
    animando = 0;

    historico.push_back(mov{3, 4, 0, 1, {}, 1});  // one record for the film to play
    nJogadas = 1;
    replayStep(1);
    ASSERT_TRUE(filmeActivo());
    ::testing::internal::CaptureStdout();
    handlePick(157);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(xf, -1);
}

TEST_F(Selecao, MenuCameraTurnsToTheSideThatPicks) {
    jogador = 2;
    camara = 9;
    ::testing::internal::CaptureStdout();
    handlePick(20);
    EXPECT_EQ(camara, 2);
    EXPECT_EQ(camaraActual, 2);
    camara = 4;
    handlePick(1);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(camara, 4);
}

// The drawing makes names with nomeDe and the picking reads them with leNome: each of the
// 91 things named reads back as itself, and no other number reads as anything.
TEST(NomesDeEscolha, EveryNameTheDrawingMakesReadsBackAsItsThing) {
    int nomeados = 0;
    for (long nome = -2; nome < 1000; ++nome) {
        const Escolha e = leNome(nome);
        if (e.alvo == Alvo::nada) continue;
        ++nomeados;
        EXPECT_EQ(nomeDe(e), nome);
    }
    EXPECT_EQ(nomeados, 1 + numeroPecas + 64 + 1 + 5);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) {
            const Escolha e = leNome(nomeDe(Escolha::daCasa(x, y)));
            EXPECT_TRUE(e.alvo == Alvo::casa && e.x == x && e.y == y);
        }
    EXPECT_EQ(nomeDe(Escolha::daCasa(8, 0)), -1);
    EXPECT_EQ(nomeDe(Escolha::daPeca(numeroPecas)), -1);
}

TEST_F(Selecao, MenuNamesReachTheMenu) {
    nivel = 0;
    ::testing::internal::CaptureStdout();
    handlePick(505);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Resposta505\nNivel de dificuldade: 2!\n");
    EXPECT_EQ(nivel, 2);
}

}  // namespace
