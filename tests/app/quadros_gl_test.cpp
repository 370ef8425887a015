// Frames on demand in the real window, through GLUT's own loop: quiet at rest, the steppers
// still at their 20 ms, and the computer's game going on with no input.
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "app/cenario_teste.h"
#include "app/globais.h"
#include "app/janela.h"
#include "app/redesenho.h"
#include "app/temporizadores.h"
#include "game/desfazer.h"
#include "game/globais.h"
#include "game/ligacao.h"
#include "game/selecao.h"
#include "game/turno.h"
#include "game/volta_menu.h"
#include "support/servidor_regras.h"

namespace {

double agoraMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// What glutMainLoop does between its sleeps, for `ms` or until `fim` holds.
template <class F>
bool corre(double ms, F fim) {
    const double limite = agoraMs() + ms;
    while (agoraMs() < limite) {
        glutMainLoopEvent();
        if (fim()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return fim();
}

void corre(double ms) {
    corre(ms, [] { return false; });
}

// Frames drawn over `ms` that the clock's second did not ask for.
long quadrosSemRelogio(double ms) {
    const auto quadros = quadrosDesenhados;
    const auto relogio = pedidosRelogio;
    corre(ms);
    return long(quadrosDesenhados - quadros) - long(pedidosRelogio - relogio);
}

int nomeDaPecaEm(int x, int y) {
    for (std::size_t i = 0; i < pecas.size(); ++i)
        if (pecas[i].x == x && pecas[i].y == y) return int(i) + 1;
    return 0;
}

// The fewest 20 ms steps of a one-square move: it lifts past 1.0 and sets down below 0 by
// tenths, sliding at least once in between.
constexpr int passosMinimos = 11 + 1 + 11;

class Quadros : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        pasta = teste::pastaCenarios();
        ASSERT_FALSE(pasta.empty());
        ASSERT_EQ(chdir(pasta.c_str()), 0);
        int argc = 1;
        char nome[] = "quadros";
        char* argv[] = {nome, nullptr};
        abreJanela(argc, argv);
        preparaDesenho();
        iniciaRelogio();
        initBoardTexts();
        if (cantos_teste::servidorDisponivel()) {
            servidor = std::make_unique<cantos_teste::ServidorRegras>();
            if (servidor->inicia()) {
                setServerPortForTests(servidor->porta());
                connectServer();
            }
        }
        // The window is shown, sized and drawn, and the panel has settled.
        corre(1500);
    }
    static void TearDownTestSuite() {
        if (servidor) quitServer();
        servidor.reset();
        teste::apagaPastaCenarios(pasta);
    }
    void TearDown() override {
        intervalo = 20.0;
        voltaAoMenu();
        corre(300);
    }
    bool comServidor() const { return servidor && serverConnected(); }

    static inline std::string pasta;
    static inline std::unique_ptr<cantos_teste::ServidorRegras> servidor;
};

TEST_F(Quadros, AtRestOnlyTheClocksSecondDrawsAndInputDrawsAFewFrames) {
    EXPECT_LE(quadrosSemRelogio(2000), 0) << "frames at rest on the menu";
    const auto relogio = pedidosRelogio;
    corre(1100);
    EXPECT_GE(pedidosRelogio - relogio, 1u) << "the clock's second changes once a second";

    const auto antes = quadrosDesenhados;
    passiveMotionCallback(100, 100);
    corre(500);
    EXPECT_GE(quadrosDesenhados - antes, 1u);
    EXPECT_LE(quadrosSemRelogio(1000), 0) << "once the panel has settled";
}

TEST_F(Quadros, APlayersMoveAndTheFilmRunAtTheirStepsWithNoFurtherInput) {
    if (!comServidor()) GTEST_SKIP() << "needs the rules server";
    handlePick(501);
    handlePick(nomeDaPecaEm(4, 7));
    handlePick(100 + 10 * 3 + 6);
    pedeQuadro();  // as the click's own event does
    // Only the frame the click asked for runs the turn step: the move is judged, and the
    // piece lifts, slides and sets down on the timer's steps alone.
    ASSERT_TRUE(corre(10000, [] { return animando != 0; })) << "the move was never judged";
    const double inicio = agoraMs();
    const auto quadros = quadrosDesenhados;
    ASSERT_TRUE(corre(20000, [] { return animando == 0; }));
    EXPECT_GE(agoraMs() - inicio, passosMinimos * intervalo * 0.9);
    EXPECT_GE(quadrosDesenhados - quadros, 5u) << "the steps are drawn";
    EXPECT_EQ(nJogadas, 1);
    EXPECT_GT(nomeDaPecaEm(3, 6), 0) << "the piece stands on its new square";

    replayCallback(1);
    const double filme = agoraMs();
    ASSERT_TRUE(corre(20000, [] { return !filmeActivo(); })) << "the film never ended";
    EXPECT_GE(agoraMs() - filme, passosMinimos * intervalo * 0.9);
    EXPECT_LE(quadrosSemRelogio(1000), 0) << "quiet again, waiting for Jog2";
}

TEST_F(Quadros, TheComputersGameGoesOnWithNoInput) {
    if (!comServidor()) GTEST_SKIP() << "needs the rules server";
    handlePick(504);
    handlePick(503);
    pedeQuadro();
    // The period of the steps does not matter here, only that nothing waits for a click.
    intervalo = 1.0;
    EXPECT_TRUE(corre(60000, [] { return nJogadas >= 6; })) << nJogadas << " moves";
    EXPECT_TRUE(modo == 3 || fimDeJogo.activo);
}

// Extension strings are space-separated names, some of which begin with others.
TEST(Extensoes, OnlyAWholeNameCounts) {
    const char* lista = "GLX_ARB_create_context GLX_EXT_swap_control_tear GLX_MESA_swap_control";
    EXPECT_TRUE(temExtensao(lista, "GLX_MESA_swap_control"));
    EXPECT_TRUE(temExtensao(lista, "GLX_ARB_create_context"));
    EXPECT_FALSE(temExtensao(lista, "GLX_EXT_swap_control"));
    EXPECT_FALSE(temExtensao(lista, "swap_control"));
    EXPECT_FALSE(temExtensao(nullptr, "GLX_MESA_swap_control"));
}

}  // namespace
