// Whole computer-against-computer games driven headless against the real rules server:
// every game ends with a winner, the scoreboard counts the winners, and the history, the
// board text and the board array agree after every move.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "game/globais.h"
#include "game/jogo_teste.h"
#include "game/ligacao.h"
#include "game/tabuleiros.h"
#include "game/turno.h"
#include "support/servidor_regras.h"

using namespace cantos_teste;

namespace {

struct Figuras {
    int jogos = 0;
    int jogadas = 0;
    int vitorias[3] = {0, 0, 0};
    double esperaMaximaMs = 0.0;
};

// Plays one game to its end; false if it never ends.
bool jogaUmJogo(int nivelJogo, Figuras& f) {
    const int limitePassos = 1000;  // both sides together may make at most 200 moves
    int antes1 = vitorias1, antes2 = vitorias2;
    testing::internal::CaptureStdout();
    menuChoice(nivelJogo == 1 ? 504 : 505);
    menuChoice(503);
    testing::internal::GetCapturedStdout();
    for (int passos = 0; modo == 3 && passos < limitePassos; ++passos) {
        int registos = nJogadas;
        auto inicio = std::chrono::steady_clock::now();
        testing::internal::CaptureStdout();
        turnStep();
        std::string saida = testing::internal::GetCapturedStdout();
        std::chrono::duration<double, std::milli> espera = std::chrono::steady_clock::now() - inicio;
        if (espera.count() > f.esperaMaximaMs) f.esperaMaximaMs = espera.count();
        EXPECT_EQ(saida.find("invalida"), std::string::npos) << saida;
        EXPECT_EQ(saida.find("Sem ligacao"), std::string::npos) << saida;
        if (modo != 3) break;
        terminaAnimacao();
        if (nJogadas > registos) {
            ++f.jogadas;
            EXPECT_EQ(static_cast<std::size_t>(nJogadas), historico.size());
            EXPECT_EQ(semQuebras(historico.back().tabuleiro), semQuebras(tabuleiroPC));
            EXPECT_EQ(casasComoTexto(), semQuebras(tabuleiroPC));
            EXPECT_EQ(semQuebras(tabuleiro), casasComoTexto());
        }
    }
    if (modo != -1) return false;
    ++f.jogos;
    ++f.jogadas;  // the final move
    EXPECT_EQ(vitorias1 + vitorias2, antes1 + antes2 + 1);
    ++f.vitorias[vitorias1 > antes1 ? 1 : 2];
    EXPECT_EQ(placar.pontos1, vitorias1);
    EXPECT_EQ(placar.pontos2, vitorias2);
    EXPECT_EQ((std::array<int, 4>{xi, yi, xf, yf}), (std::array<int, 4>{-1, -1, -1, -1}));
    EXPECT_TRUE(historico.empty());
    EXPECT_EQ(casasComoTexto(), tabuleiroInicialTexto);
    return true;
}

void jogaVarios(int nivelJogo, int quantos) {
    if (!servidorDisponivel()) GTEST_SKIP() << "rules server not available";
    ServidorRegras servidor;
    ASSERT_TRUE(servidor.inicia());
    estadoInicialDoJogo();
    setServerPortForTests(servidor.porta());
    testing::internal::CaptureStdout();
    bool ligado = connectServer();
    testing::internal::GetCapturedStdout();
    ASSERT_TRUE(ligado);

    Figuras f;
    for (int i = 0; i < quantos; ++i) ASSERT_TRUE(jogaUmJogo(nivelJogo, f)) << "game " << i;
    EXPECT_EQ(vitorias1, f.vitorias[1]);
    EXPECT_EQ(vitorias2, f.vitorias[2]);
    std::printf("level %d: %d games, %d moves, side 1 won %d, side 2 won %d, "
                "longest turn step %.1f ms\n",
                nivelJogo, f.jogos, f.jogadas, f.vitorias[1], f.vitorias[2], f.esperaMaximaMs);
    closeServer();
    setServerPortForTests(portaServidor);
}

TEST(Soak, TwentyGamesAtLevelOne) { jogaVarios(1, 20); }

TEST(Soak, TenGamesAtLevelTwo) { jogaVarios(2, 10); }

}  // namespace
