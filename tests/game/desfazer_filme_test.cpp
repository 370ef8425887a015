// Undo and the replay film over games played as the window plays them: picks, the real turn
// step against the real rules server, and the 20 ms timers run side by side.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/animacao.h"
#include "game/com_servidor.h"
#include "game/desfazer.h"
#include "game/globais.h"
#include "game/jogo_teste.h"
#include "game/selecao.h"
#include "game/tabuleiros.h"
#include "game/turno.h"

using namespace cantos_teste;

namespace {

// What a player sees and what the next request sends.
struct Momento {
    std::string casas, tabuleiro, tabuleiroPC;
    int jogador, jogadas1, jogadas2, passagensPC;
    bool operator==(const Momento& o) const {
        return casas == o.casas && tabuleiro == o.tabuleiro && tabuleiroPC == o.tabuleiroPC &&
               jogador == o.jogador && jogadas1 == o.jogadas1 && jogadas2 == o.jogadas2 &&
               passagensPC == o.passagensPC;
    }
};

Momento agora() {
    return {casasComoTexto(), semQuebras(tabuleiro), semQuebras(tabuleiroPC), jogador,
            jogadas1, jogadas2, passagensPC};
}

void esperaComputador() {
    calado([] {
        for (int i = 0; i < 10 && modo == 2 && jogador == 2; ++i) {
            turnStep();
            terminaAnimacao();
        }
    });
}

// The window's timers until Undo is done; the positions seen at rest on the way.
std::vector<std::string> correDesfazer() {
    std::vector<std::string> vistas;
    for (int i = 0; i < 2000 && (undoArmado || animando); ++i) {
        undoStep(0);
        moveTick();
        if (!animando) vistas.push_back(casasComoTexto());
    }
    EXPECT_FALSE(undoArmado || animando);
    return vistas;
}

void desfaz() {
    undoStep(1);
    correDesfazer();
}

// The film to its end; each record's position checked as it is reached.
void correFilme(const std::vector<std::string>& depois) {
    int visto = 0;
    for (int i = 0; i < 100000 && filmeActivo(); ++i) {
        replayStep(0);
        moveTick();
        if (indiceFilme > visto && indiceFilme <= static_cast<int>(depois.size())) {
            visto = indiceFilme;
            ASSERT_EQ(casasComoTexto(), depois[static_cast<std::size_t>(visto - 1)]) << "record " << visto;
        }
    }
    ASSERT_FALSE(filmeActivo());
}

using Desfazer = ComServidor;
using Filme = ComServidor;

TEST_F(Desfazer, TwoPlayersTakesBackOneMovePerPressAndJudgesTheNextMoveFromThere) {
    calado([] { handlePick(501); });
    ASSERT_NE(jogaPeloRato(7, 4, 6, 3).find("Jogada Valida!"), std::string::npos);
    const Momento depoisPrimeira = agora();
    jogaPeloRato(0, 3, 1, 4);
    const Momento depoisSegunda = agora();
    jogaPeloRato(6, 5, 5, 4);
    ASSERT_EQ(nJogadas, 3);
    rodaCamara = 1;

    desfaz();
    EXPECT_EQ(agora(), depoisSegunda);
    EXPECT_EQ(camara, 1);  // the turning camera looks at the side to move again
    desfaz();
    EXPECT_EQ(agora(), depoisPrimeira);
    EXPECT_EQ(camara, 0);
    EXPECT_EQ(nJogadas, 1);

    EXPECT_NE(jogaPeloRato(0, 0, 5, 5).find("Jogada Invalida!"), std::string::npos);
    EXPECT_NE(jogaPeloRato(0, 3, 1, 4).find("Jogada Valida!"), std::string::npos);
    EXPECT_EQ(agora().casas, depoisSegunda.casas);
}

TEST_F(Desfazer, AComputersMoveTakenBackWithTwoPlayersGivesTheBoardBeforeIt) {
    calado([] { handlePick(504), handlePick(502); });
    jogaPeloRato(7, 4, 6, 3);
    const Momento antesDoComputador = agora();
    esperaComputador();
    ASSERT_EQ(nJogadas, 2);
    calado([] { handlePick(501); });

    desfaz();
    EXPECT_EQ(agora().casas, antesDoComputador.casas);
    EXPECT_EQ(agora().tabuleiro, antesDoComputador.casas);
    EXPECT_EQ(agora().tabuleiroPC, antesDoComputador.casas);
    EXPECT_EQ(jogador, 2);
    EXPECT_NE(jogaPeloRato(0, 0, 5, 5).find("Jogada Invalida!"), std::string::npos);
    EXPECT_NE(jogaPeloRato(0, 3, 1, 4).find("Jogada Valida!"), std::string::npos);
}

TEST_F(Desfazer, AgainstTheComputerTakesBackItsMoveThenThePlayers) {
    calado([] { handlePick(504), handlePick(502); });
    jogaPeloRato(7, 4, 6, 3);
    undoStep(1);  // the computer has not answered: nothing to take back yet
    EXPECT_EQ(undoArmado, 0);
    esperaComputador();
    const Momento depoisDoComputador = agora();
    jogaPeloRato(6, 5, 5, 4);
    const std::string antesDoComputador = casasComoTexto();
    esperaComputador();
    ASSERT_EQ(nJogadas, 4);

    undoStep(1);
    std::vector<std::string> vistas = correDesfazer();
    ASSERT_FALSE(vistas.empty());
    EXPECT_EQ(vistas.front(), antesDoComputador);  // its piece goes back first
    EXPECT_EQ(agora().casas, depoisDoComputador.casas);
    EXPECT_EQ(agora().tabuleiro, depoisDoComputador.casas);
    EXPECT_EQ(agora().tabuleiroPC, depoisDoComputador.casas);
    EXPECT_EQ(jogador, 1);
    EXPECT_EQ(nJogadas, 2);

    EXPECT_NE(jogaPeloRato(7, 7, 3, 3).find("Jogada Invalida!"), std::string::npos);
    desfaz();
    EXPECT_EQ(casasComoTexto(), tabuleiroInicialTexto);
    EXPECT_EQ(nJogadas, 0);
    EXPECT_EQ(jogadas1 + jogadas2, 0);
}

TEST_F(Desfazer, DoesNothingWithoutAGameOrBetweenComputers) {
    desfaz();
    EXPECT_EQ(casasComoTexto(), tabuleiroInicialTexto);
    calado([] { handlePick(505), handlePick(503); });
    calado([] {
        for (int i = 0; i < 4; ++i) turnStep(), terminaAnimacao();
    });
    ASSERT_EQ(nJogadas, 2);
    const Momento antes = agora();
    desfaz();
    EXPECT_EQ(agora(), antes);
    EXPECT_EQ(nJogadas, 2);
}

TEST_F(Filme, PlaysEveryRecordFromTheStartThenTheGameGoesOn) {
    calado([] { handlePick(504), handlePick(502); });
    std::vector<std::string> depois;
    for (auto [x0, y0, x1, y1] : {std::array<int, 4>{7, 4, 6, 3}, {6, 5, 5, 4}, {5, 6, 4, 5}}) {
        jogaPeloRato(x0, y0, x1, y1);
        depois.push_back(casasComoTexto());
        esperaComputador();
        depois.push_back(casasComoTexto());
    }
    ASSERT_EQ(nJogadas, 6);
    const Momento antes = agora();

    replayStep(1);
    EXPECT_EQ(casasComoTexto(), tabuleiroInicialTexto);
    for (int i = 0; i < 100; ++i) replayStep(0), moveTick();
    ASSERT_GT(indiceFilme, 0);
    undoStep(1);  // waits for the film
    EXPECT_EQ(undoArmado, 0);
    replayStep(1);  // a second press starts it again, the moving piece dropped
    EXPECT_EQ(indiceFilme, 0);
    EXPECT_EQ(casasComoTexto(), tabuleiroInicialTexto);
    correFilme(depois);
    EXPECT_EQ(agora(), antes);
    EXPECT_EQ(nJogadas, 6);

    for (int i = 0; i < 200; ++i) replayStep(0), moveTick();  // later ticks replay nothing
    EXPECT_EQ(agora(), antes);
    EXPECT_NE(jogaPeloRato(7, 7, 3, 3).find("Jogada Invalida!"), std::string::npos);
    EXPECT_NE(jogaPeloRato(4, 5, 3, 4).find("Jogada Valida"), std::string::npos);
    esperaComputador();
    EXPECT_EQ(nJogadas, 8);
}

TEST_F(Filme, NothingToPlayOrBetweenComputers) {
    replayStep(1);
    EXPECT_FALSE(filmeActivo());
    calado([] { handlePick(504), handlePick(503); });
    calado([] {
        for (int i = 0; i < 4; ++i) turnStep(), terminaAnimacao();
    });
    const Momento antes = agora();
    replayStep(1);
    replayStep(0);
    EXPECT_FALSE(filmeActivo());
    EXPECT_EQ(agora(), antes);
}

}  // namespace
