// Whole-program play: the built game, the real rules server and mouse clicks from xdotool.
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/cenario_teste.h"
#include "app/programa_teste.h"
#include "e2e/intermediario.h"
#include "e2e/janela_teste.h"
#include "e2e/mesa.h"
#include "support/servidor_regras.h"

namespace {

using namespace mesa;

constexpr int portaJogo = 60070;

// Program, rules server and the relay between them, in a folder of sceneries.
class Jogo : public e2e::JanelaDoJogo {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
        if (!cantos_teste::servidorDisponivel()) GTEST_SKIP() << "needs swipl";
        servidor = std::make_unique<cantos_teste::ServidorRegras>();
        ASSERT_TRUE(servidor->inicia());
        relay = std::make_unique<cantos_teste::Intermediario>(portaJogo, servidor->porta());
        if (!relay->aEscutar()) GTEST_SKIP() << "port " << portaJogo << " is taken";
        abreJogo("connect()");
    }

    void TearDown() override {
        cantos.reset();
        relay.reset();
        servidor.reset();
        teste::apagaPastaCenarios(pasta);
    }

    void sai() {
        saiComEscape();
        for (int i = 0; i < 40 && relay->pedidos().find("quit.\n") == std::string::npos; ++i)
            teste::dorme(50);
        EXPECT_NE(relay->pedidos().find("quit.\n"), std::string::npos) << "quit never reached";
    }

    std::unique_ptr<cantos_teste::ServidorRegras> servidor;
    std::unique_ptr<cantos_teste::Intermediario> relay;
};

TEST_F(Jogo, TwoPlayersMoveWithTheMouseAndIllegalMovesAreRefused) {
    escolhe(itemMenu(4.8, 2.25), 501);

    // Side 1 moves first: the piece in the corner of row 7 steps to the left.
    escolhe(cabeca(camaraLivre(), 4, 7), 17);
    escolhe(casaVazia(camaraJogador(), 3, 7), 137);
    ASSERT_TRUE(cantos->esperaSaida("Jogada Valida!\n")) << cantos->saida();
    EXPECT_NE(relay->pedidos().find("validaJogada(4,7,3,7,"), std::string::npos);
    teste::dorme(1500);  // the piece lifts, slides and sets down
    escolhe(casaVazia(camaraJogador(), 4, 7), 147);
    escolhe(corpo(camaraJogador(), 3, 7), 17);

    // Side 2 tries to run across the board.
    escolhe(cabeca(camaraJogador(), 0, 3), 10);
    escolhe(casaVazia(camaraJogador(), 2, 6), 126);
    EXPECT_TRUE(cantos->esperaSaida("Jogada Invalida!\n")) << cantos->saida();

    // A click on the panel is the panel's: nothing is picked.
    const int picks = teste::Programa::conta(cantos->saida(), "Resposta");
    clica(cantoDoPainel);
    teste::dorme(300);
    EXPECT_EQ(teste::Programa::conta(cantos->saida(), "Resposta"), picks);
    sai();
}

TEST_F(Jogo, AgainstTheComputerWithUndoAndTheFilm) {
    escolhe(itemMenu(2.3, 8.95), 504);
    EXPECT_TRUE(cantos->esperaSaida("Nivel de dificuldade: 1!\n"));
    escolhe(itemMenu(4.8, 4.05), 502);

    escolhe(cabeca(camaraLivre(), 4, 7), 17);
    escolhe(casaVazia(camaraJogador(), 3, 7), 137);
    ASSERT_TRUE(cantos->esperaSaida("Jogada Valida\n"))
        << cantos->saida() << "\nsent:\n" << relay->pedidos();
    // The computer answers on a later frame.
    for (int i = 0; i < 100 && relay->pedidos().find("obtemJogadaPC1(2,") == std::string::npos;
         ++i)
        teste::dorme(100);
    EXPECT_NE(relay->pedidos().find("obtemJogadaPC1(2,"), std::string::npos) << relay->pedidos();
    teste::dorme(3000);

    clica(botaoFilme);
    teste::dorme(4000);  // both moves again from the start
    escolhe(corpo(camaraJogador(), 3, 7), 17);

    clica(botaoUndo);
    teste::dorme(3500);  // the computer's move back, then the player's
    escolhe(corpo(camaraJogador(), 4, 7), 17);
    escolhe(casaVazia(camaraJogador(), 3, 7), 137);
    sai();
}

// Escape mid-game, and the next start shows the same game: the fourth move is judged from
// the position the first three left.
TEST_F(Jogo, AGameLeftWithEscapeIsThereAtTheNextStart) {
    escolhe(itemMenu(4.8, 2.25), 501);
    escolhe(cabeca(camaraLivre(), 4, 7), 17);
    escolhe(casaVazia(camaraJogador(), 3, 7), 137);
    ASSERT_TRUE(cantos->esperaSaida("Jogada Valida!\n", 1)) << cantos->saida();
    teste::dorme(1500);
    escolhe(cabeca(camaraJogador(), 0, 3), 10);
    escolhe(casaVazia(camaraJogador(), 0, 4), 104);
    ASSERT_TRUE(cantos->esperaSaida("Jogada Valida!\n", 2)) << cantos->saida();
    teste::dorme(1500);
    escolhe(corpo(camaraJogador(), 3, 7), 17);
    escolhe(casaVazia(camaraJogador(), 2, 7), 127);
    ASSERT_TRUE(cantos->esperaSaida("Jogada Valida!\n", 3)) << cantos->saida();
    teste::dorme(1500);
    sai();

    cantos = std::make_unique<teste::Programa>(pasta);  // the same HOME
    janela = teste::procuraJanela();
    ASSERT_FALSE(janela.empty());
    ASSERT_TRUE(cantos->esperaSaida("Jogo retomado")) << cantos->saida();
    teste::dorme(500);
    escolhe(cabeca(camaraJogador(), 0, 4), 10);
    escolhe(casaVazia(camaraJogador(), 0, 5), 105);
    EXPECT_TRUE(cantos->esperaSaida("Jogada Valida!\n")) << cantos->saida();
    EXPECT_NE(relay->pedidos().find("validaJogada(0,4,0,5,"), std::string::npos);
    sai();
}

}  // namespace
