// The turning camera's swing, the shared frustum and the "RodaCamara" button.
#include <gtest/gtest.h>

#include "app/camaras.h"
#include "app/globais.h"
#include "game/globais.h"

namespace {

class Camaras : public ::testing::Test {
protected:
    void SetUp() override {
        volta = Volta{};
        olho[0] = 2.5f;
        olho[1] = 7.0f;
        olho[2] = 10.0f;
        camara = 4;
        camaraActual = 1;
        rodaCamara = 0;
        jogador = 1;
    }
};

TEST_F(Camaras, TurnFromSide1ToSide2PassesBesideTheBoardAndEndsOnTarget) {
    const std::uint32_t inicio = 5000;
    EXPECT_FALSE(cameraTurnStep(1, 0, inicio));
    EXPECT_FLOAT_EQ(olho[2], 10.0f) << "the first step only starts the turn";

    EXPECT_FALSE(cameraTurnStep(1, 0, inicio + 1000));
    EXPECT_NEAR(olho[0], -2.5f, 1e-4);
    EXPECT_NEAR(olho[2], 2.5f, 1e-4);
    EXPECT_FLOAT_EQ(olho[1], 7.0f);

    EXPECT_TRUE(cameraTurnStep(1, 0, inicio + 2000));
    EXPECT_FLOAT_EQ(olho[0], 2.5f);
    EXPECT_FLOAT_EQ(olho[2], -2.5f);
    EXPECT_EQ(volta.estado, 0);

    cameraTurnStep(0, 1, 0);  // and back, over the other side
    cameraTurnStep(0, 1, 1000);
    EXPECT_NEAR(olho[0], 7.5f, 1e-4);
    EXPECT_NEAR(olho[2], 2.5f, 1e-4);
}

TEST_F(Camaras, TurnSurvivesTheTickWrapping) {
    const std::uint32_t inicio = 0xFFFFFF00u;
    cameraTurnStep(1, 0, inicio);
    EXPECT_FALSE(cameraTurnStep(1, 0, inicio + 1000u));  // wraps past zero
    EXPECT_NEAR(olho[2], 2.5f, 1e-4);
}

TEST_F(Camaras, TimerTurnsOnlyBetweenThePlayerCameras) {
    camara = 0;  // "Camara Jogador 2" while the eye stands on side 1
    cameraStep(100);
    cameraStep(1100);
    EXPECT_EQ(camaraActual, 1);
    EXPECT_NEAR(olho[2], 2.5f, 1e-4);
    cameraStep(2100);
    EXPECT_EQ(camaraActual, 0);
    EXPECT_FLOAT_EQ(olho[2], -2.5f);

    camara = 9;  // the free camera never turns
    cameraStep(9000);
    EXPECT_EQ(camaraActual, 0);
}

TEST_F(Camaras, ChoosingPlayer1RightAfterStartUpDoesNotTurn) {
    camara = 1;
    cameraStep(100);
    cameraStep(3000);
    EXPECT_EQ(volta.estado, 0);
    EXPECT_FLOAT_EQ(olho[2], 10.0f);
}

TEST_F(Camaras, AbandonedTurnIsResumedAndEndsAtOnceWhenItsTimeIsOver) {
    camara = 0;
    cameraStep(1000);
    cameraStep(1500);
    camara = 9;  // switched away mid-turn
    cameraStep(1600);
    EXPECT_EQ(volta.estado, 1);
    const float zAbandonado = olho[2];

    camara = 0;
    cameraStep(10000);  // long after the old start
    EXPECT_EQ(camaraActual, 0);
    EXPECT_FLOAT_EQ(olho[2], -2.5f);
    EXPECT_NE(zAbandonado, olho[2]);
}

TEST(Frustum, ExtentsFollowTheAspectRatio) {
    const Frustum f = frustumCamara(2.0f);
    EXPECT_FLOAT_EQ(f.esquerda, -0.08f);
    EXPECT_FLOAT_EQ(f.direita, 0.08f);
    EXPECT_FLOAT_EQ(f.baixo, -0.04f);
    EXPECT_FLOAT_EQ(f.cima, 0.04f);
    EXPECT_FLOAT_EQ(f.perto, 0.1f);
    EXPECT_FLOAT_EQ(f.longe, 50.0f);
}

TEST_F(Camaras, RodaCamaraIsIgnoredOnTheMenu) {
    rodaCamaraCallback(1);
    EXPECT_EQ(rodaCamara, 0);
    EXPECT_EQ(camara, 4);
}

TEST_F(Camaras, RodaCamaraTurnsTowardsTheSideToMoveAndSwitchesOff) {
    camara = 9;
    jogador = 2;
    rodaCamaraCallback(1);
    EXPECT_EQ(rodaCamara, 1);
    EXPECT_EQ(camara, 0);
    EXPECT_EQ(camaraActual, 1);

    rodaCamaraCallback(1);
    EXPECT_EQ(rodaCamara, 0);
    EXPECT_EQ(camara, 0) << "switching off leaves the view where it is";

    jogador = 1;
    rodaCamaraCallback(1);
    EXPECT_EQ(camara, 1);
    EXPECT_EQ(camaraActual, 0);
}

}  // namespace
