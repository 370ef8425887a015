// The twenty pieces and the lift-slide-set-down animation, counted tick by tick.
#include <gtest/gtest.h>

#include "jogo_teste.h"

using namespace jogo_teste;

namespace {

class Animacao : public ::testing::Test {
protected:
    void SetUp() override { reiniciaJogo(1); }
};

TEST_F(Animacao, BuildPiecesFollowsTheStartingPosition) {
    buildPieces();  // twice: the list is emptied, not appended to
    ASSERT_EQ(pecas.size(), 20u);
    for (std::size_t i = 0; i < 20; ++i) {
        const Peca& p = pecas[i];
        EXPECT_EQ(p.lado, i < 10 ? 1 : 2) << i;
        EXPECT_EQ(p.altura, 0.0);
        EXPECT_EQ(casasIniciais[int(p.y)][int(p.x)], p.lado) << i;
    }
    // Pick name 1 is the first piece, name 20 the last.
    EXPECT_EQ(pecas[0].x, 0.0);
    EXPECT_EQ(pecas[0].y, 0.0);
    EXPECT_EQ(pecas[19].x, 7.0);
    EXPECT_EQ(pecas[19].y, 7.0);
    EXPECT_EQ(pecas[19].lado, 2);
    // Row by row, column by column.
    EXPECT_EQ(pecas[3].x, 3.0);
    EXPECT_EQ(pecas[4].y, 1.0);
}

// Sums of 0.1 are not exact, so a count may differ by one tick from square to square; these
// are the squares near the starting corner.
TEST_F(Animacao, TicksFromRest) {
    EXPECT_EQ(anima(1, 1, 2, 2), 32);  // one square diagonal
    reiniciaJogo(1);
    EXPECT_EQ(anima(3, 0, 4, 0), 28);  // along a row
    reiniciaJogo(1);
    EXPECT_EQ(anima(0, 3, 0, 4), 27);  // along a column
    reiniciaJogo(1);
    EXPECT_EQ(anima(3, 0, 5, 2), 43);  // two-square jump
    pecas.assign(1, Peca(2, 4, 0.0, 4));
    EXPECT_EQ(anima(4, 4, 2, 2), 42);  // two-square jump, both decreasing
}

TEST_F(Animacao, PieceEndsOnTargetAndBoardFollows) {
    ASSERT_EQ(pecas[5].x, 1.0);
    ASSERT_EQ(pecas[5].y, 1.0);
    animX = animY = 1;
    destX = destY = 2;
    animando = 1;
    moveTick();  // the board array takes the new position at once
    EXPECT_EQ(casas[1][1], 0);
    EXPECT_EQ(casas[2][2], 1);
    acabaAnimacao();
    const Peca& p = pecas[5];
    EXPECT_EQ(p.x, 2.0);
    EXPECT_EQ(p.y, 2.0);
    EXPECT_NEAR(p.altura, -0.1, 1e-9);
    EXPECT_EQ(selX, 2.0);
    EXPECT_EQ(selY, 2.0);
    EXPECT_EQ(faseAnim, 1);
    // A piece moved again starts from its set-down height: one lift tick more.
    EXPECT_EQ(anima(2, 2, 3, 3), 33);
}

TEST_F(Animacao, EveryTargetIsReachedFromEveryStart) {
    for (int sx = 0; sx < 8; ++sx)
        for (int sy = 0; sy < 8; ++sy)
            for (int tx = 0; tx < 8; ++tx)
                for (int ty = 0; ty < 8; ++ty) {
                    if (sx == tx && sy == ty) continue;
                    pecas.assign(1, Peca(2, sx, 0.0, sy));
                    for (auto& coluna : casas)
                        for (int& c : coluna) c = 0;
                    casas[sx][sy] = 2;
                    animX = sx;
                    animY = sy;
                    destX = tx;
                    destY = ty;
                    animando = 1;
                    int ticks = 0;
                    while (animando && ticks < 200) {
                        // Sliding never lands exactly on the target: the tolerance ends it.
                        if (faseAnim == 2) {
                            ASSERT_FALSE(pecas[0].x == tx && pecas[0].y == ty)
                                << sx << sy << " -> " << tx << ty;
                        }
                        moveTick();
                        ++ticks;
                    }
                    ASSERT_EQ(animando, 0) << sx << sy << " -> " << tx << ty;
                    ASSERT_EQ(pecas[0].x, tx);
                    ASSERT_EQ(pecas[0].y, ty);
                    ASSERT_EQ(casas[tx][ty], 2);
                    ASSERT_EQ(casas[sx][sy], 0);
                }
}

TEST_F(Animacao, NothingToMoveEndsAtOnce) {
    const Posicao antes = posicao();
    // An empty square.
    animX = 4;
    animY = 4;
    destX = 5;
    destY = 5;
    animando = 1;
    moveTick();
    EXPECT_EQ(animando, 0);
    EXPECT_EQ(faseAnim, 1);
    EXPECT_EQ(posicao(), antes);
    // The squares a computer reply with no change leaves behind.
    animX = animY = destX = destY = -1;
    animando = 1;
    moveTick();
    EXPECT_EQ(animando, 0);
    // A piece with nowhere on the board to go stays where it is.
    animX = animY = 0;
    destX = 8;
    destY = -1;
    animando = 1;
    moveTick();
    EXPECT_EQ(animando, 0);
    EXPECT_EQ(posicao(), antes);
    EXPECT_EQ(pecas[0].altura, 0.0);
}

TEST_F(Animacao, PieceSentToItsOwnSquareIsSetDown) {
    EXPECT_GT(anima(0, 0, 0, 0), 0);
    EXPECT_EQ(pecas[0].x, 0.0);
    EXPECT_EQ(pecas[0].y, 0.0);
    EXPECT_EQ(casas[0][0], 1);
}

}  // namespace
