// The turn step driven headless against the real rules server: moves judged, recorded,
// counted and animated in the three modes, game ends, the menu, and exchanges that fail.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/globais.h"
#include "game/historico.h"
#include "game/jogo_teste.h"
#include "game/julgamento.h"
#include "game/ligacao.h"
#include "game/tabuleiros.h"
#include "game/turno.h"
#include "game/veredicto.h"
#include "support/servidor_falso.h"
#include "support/servidor_regras.h"
#include "game/com_servidor.h"

using namespace cantos_teste;

namespace {

const std::string& inicial = tabuleiroInicialTexto;

// One request: up to its ".\n" (a board for the computer comes after a line feed).
std::string lePedido(int fd) {
    std::string pedido;
    for (char c; recv(fd, &c, 1, 0) == 1;) {
        pedido += c;
        if (pedido.size() >= 2 && pedido.compare(pedido.size() - 2, 2, ".\n") == 0) break;
    }
    return pedido;
}

void escolhe(int x0, int y0, int x1, int y1) {
    xi = x0, yi = y0, xf = x1, yf = y1;
}

// One turn step with its console output.
std::string passo() {
    testing::internal::CaptureStdout();
    turnStep();
    return testing::internal::GetCapturedStdout();
}

using Turno = ComServidor;


TEST_F(Turno, TwoPlayersValidMoveIsRecordedCountedAndAnimated) {
    menuChoice(501);
    rodaCamara = 1;
    escolhe(7, 4, 6, 3);
    EXPECT_EQ(passo(), "\n1\nJogada Valida!\nJogadas:\nJogador1: 1\nJogador2: 0\n");
    EXPECT_EQ(std::string(msg), "validaJogada(7,4,6,3," + inicial + ",1).\n");

    ASSERT_EQ(historico.size(), 1u);
    const mov& m = historico[0];
    EXPECT_EQ((std::array<int, 4>{m.xi, m.xf, m.yi, m.yf}), (std::array<int, 4>{7, 6, 4, 3}));
    EXPECT_EQ(std::string(m.tabuleiro), inicial);
    EXPECT_EQ(m.jogador, 1);
    EXPECT_EQ(nJogadas, 1);
    EXPECT_EQ(std::string(tabuleiro), comJogada(inicial, 7, 4, 6, 3));
    EXPECT_EQ(jogador, 2);
    EXPECT_EQ(camara, 0);
    EXPECT_EQ(xi, -1);
    EXPECT_EQ(yf, -1);

    // The animation runs from the timer; no turn is taken meanwhile.
    ASSERT_EQ(animando, 1);
    escolhe(0, 3, 1, 4);
    EXPECT_EQ(passo(), "");
    terminaAnimacao();
    EXPECT_EQ(casasComoTexto(), std::string(tabuleiro));

    // The second reply on the connection starts with CR LF; the board drops it.
    EXPECT_EQ(passo(), "\n2\nJogada Valida!\nJogadas:\nJogador1: 1\nJogador2: 1\n");
    EXPECT_EQ(std::string(tabuleiro), comJogada(comJogada(inicial, 7, 4, 6, 3), 0, 3, 1, 4));
    EXPECT_EQ(camara, 1);
    terminaAnimacao();
    EXPECT_EQ(casasComoTexto(), std::string(tabuleiro));
}

TEST_F(Turno, TwoPlayersInvalidOrIncompleteMovesChangeNothing) {
    menuChoice(501);
    escolhe(7, 4, -1, -1);
    EXPECT_EQ(passo(), "");
    EXPECT_EQ(xi, 7);  // the player goes on picking

    escolhe(7, 7, 3, 3);
    EXPECT_EQ(passo(), "Jogada Invalida!\n");
    EXPECT_EQ(xi, -1);
    EXPECT_TRUE(historico.empty());
    EXPECT_EQ(jogador, 1);
    EXPECT_EQ(animando, 0);
    EXPECT_EQ(std::string(tabuleiro), inicial);

    // Also with the CR LF of an earlier reply in front, and for the other side.
    escolhe(7, 4, 6, 3);
    passo();
    terminaAnimacao();
    escolhe(0, 0, 5, 5);
    EXPECT_EQ(passo(), "Jogada Invalida!\n");
    EXPECT_EQ(jogador, 2);
    EXPECT_EQ(nJogadas, 1);
}

TEST_F(Turno, PlayerAgainstComputerTakesTheComputersMoveFromTheFourthReply) {
    menuChoice(502);
    EXPECT_EQ(modo, 0);  // no level chosen yet
    menuChoice(504);
    menuChoice(502);
    ASSERT_EQ(modo, 2);

    escolhe(7, 4, 6, 3);
    EXPECT_EQ(passo(), "Jogada Valida\nJogadas:\nJogador1: 1\nJogador2: 0\n");
    EXPECT_EQ(jogador, 2);
    EXPECT_EQ(std::string(tabuleiroPC).substr(0, 1), "\n");
    EXPECT_EQ(semQuebras(tabuleiroPC), comJogada(inicial, 7, 4, 6, 3));
    terminaAnimacao();

    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(passo(), "");
        EXPECT_EQ(nJogadas, 1);
    }
    EXPECT_EQ(std::string(msg), "obtemJogadaPC1(2,\n" + comJogada(inicial, 7, 4, 6, 3) + ").\n");
    EXPECT_EQ(passo(), "Jogadas:\nJogador1: 1\nJogador2: 1\n");
    ASSERT_EQ(nJogadas, 2);
    EXPECT_EQ(jogador, 1);
    EXPECT_EQ(passagensPC, 4);
    const mov& pc = historico.back();
    EXPECT_EQ(pc.jogador, 2);
    EXPECT_EQ(semQuebras(pc.tabuleiro), semQuebras(tabuleiro));
    EXPECT_EQ(std::string(tabuleiro).find('\n'), std::string::npos);
    EXPECT_TRUE(isBoardReply(tabuleiro));
    EXPECT_EQ(animX, pc.xi);
    EXPECT_EQ(destY, pc.yf);
    terminaAnimacao();
    EXPECT_EQ(casasComoTexto(), semQuebras(tabuleiro));

    // The player's next moves are judged against a board that starts with a CR.
    escolhe(7, 7, 3, 3);
    EXPECT_EQ(passo(), "Jogada Invalida!\n");
    escolhe(6, 5, 5, 4);
    EXPECT_EQ(passo(), "Jogada Valida\nJogadas:\nJogador1: 2\nJogador2: 1\n");
    terminaAnimacao();
    EXPECT_EQ(casasComoTexto(), semQuebras(tabuleiro));
    // Past the warm-up the computer answers at once.
    EXPECT_EQ(passo(), "Jogadas:\nJogador1: 2\nJogador2: 2\n");
    EXPECT_EQ(nJogadas, 4);
}

TEST_F(Turno, ComputerAgainstComputerTakesTheThirdReplyAndKeepsBothBoardsInStep) {
    menuChoice(503);
    EXPECT_EQ(modo, 0);
    menuChoice(505);
    menuChoice(503);
    ASSERT_EQ(modo, 3);
    EXPECT_EQ(passagensPC, 0);

    EXPECT_EQ(passo(), "");
    EXPECT_EQ(passo(), "");
    EXPECT_EQ(nJogadas, 0);
    EXPECT_EQ(std::string(msg), "obtemJogadaPC2(1,\n" + inicial + ").\n");
    EXPECT_EQ(passo(), "Jogadas:\nJogador1: 1\nJogador2: 0\n");
    EXPECT_EQ(jogador, 2);
    terminaAnimacao();
    EXPECT_EQ(passo(), "Jogadas:\nJogador1: 1\nJogador2: 1\n");
    terminaAnimacao();
    EXPECT_EQ(nJogadas, 2);
    EXPECT_EQ(historico[0].jogador, 1);
    EXPECT_EQ(historico[1].jogador, 2);
    EXPECT_EQ(casasComoTexto(), semQuebras(tabuleiroPC));
    EXPECT_EQ(casasComoTexto(), semQuebras(tabuleiro));
}

// Side 1 (the text's digit 1) has nine pieces in its goal and one a step away.
const std::string quaseVitoria1 =
    "[[1,1,1,0,1,0,0,0],[1,1,1,0,0,0,0,0],[1,1,0,0,0,0,0,0],[1,0,0,0,0,0,0,0],"
    "[0,0,0,0,0,0,0,2],[0,0,0,0,0,0,2,2],[0,0,0,0,0,2,2,2],[0,0,0,0,2,2,2,2]]";

void confereJogoReposto() {
    EXPECT_EQ(modo, -1);
    EXPECT_EQ(nivel, -1);
    EXPECT_EQ(std::string(tabuleiro), inicial);
    EXPECT_EQ(std::string(tabuleiroPC), "\n" + inicial);
    EXPECT_TRUE(historico.empty());
    EXPECT_EQ(nJogadas, 0);
    EXPECT_EQ(camara, 4);
    EXPECT_EQ(animando, 0);
    EXPECT_EQ(jogadas1 + jogadas2, 0);
    EXPECT_EQ((std::array<int, 4>{xi, yi, xf, yf}), (std::array<int, 4>{-1, -1, -1, -1}));
    EXPECT_EQ(casasComoTexto(), inicial);
}

TEST_F(Turno, AWinningMoveEndsTheGameAndTheOtherSideStartsTheNext) {
    menuChoice(501);
    poeTabuleiro(quaseVitoria1);
    jogadas1 = 20;
    escolhe(4, 0, 3, 0);
    EXPECT_EQ(passo(), "\n1\nJogada Valida!\nJogo terminado!\n");
    EXPECT_EQ(vitorias1, 1);
    EXPECT_EQ(vitorias2, 0);
    EXPECT_EQ(placar.pontos1, 1);
    EXPECT_EQ(jogador, 2);
    confereJogoReposto();

    // Modes need a level again; two players do not.
    menuChoice(502);
    EXPECT_EQ(modo, -1);
    menuChoice(501);
    EXPECT_EQ(modo, 1);
}

TEST_F(Turno, ALosingMoveCountsAWinForTheOtherSide) {
    // By its thirtieth move a side must have left its home camp.
    menuChoice(501);
    jogadas1 = 29;
    escolhe(7, 4, 6, 3);
    EXPECT_EQ(passo(), "\n1\nJogada Valida!\nJogo terminado!\n");
    EXPECT_EQ(vitorias1, 0);
    EXPECT_EQ(vitorias2, 1);
    EXPECT_EQ(placar.pontos2, 1);
    EXPECT_EQ(jogador, 2);
    confereJogoReposto();
}

// Side 2 (digit 2) has nine pieces in its goal and one a step away.
const std::string quaseVitoria2 =
    "[[1,1,1,1,0,0,0,0],[1,1,1,0,0,0,0,0],[1,1,0,0,0,0,0,0],[1,0,0,0,0,0,0,0],"
    "[0,0,0,0,0,0,2,0],[0,0,0,0,0,0,2,2],[0,0,0,0,0,2,2,2],[0,0,0,0,2,2,2,2]]";

TEST_F(Turno, TheComputersWinningMoveEndsTheGameInBothComputerModes) {
    menuChoice(504);
    menuChoice(502);
    jogador = 2;
    passagensPC = 3;
    poeTabuleiroPC("\n" + quaseVitoria2);
    EXPECT_EQ(passo(), "v1 = 0 | v2 = 1\nJogo terminado!\n");
    EXPECT_EQ(jogador, 1);
    EXPECT_EQ(placar.pontos2, 1);
    confereJogoReposto();

    // In mode 3 the coordinates the computer's move left behind are cleared too.
    menuChoice(504);
    menuChoice(503);
    jogador = 2;
    passagensPC = 2;
    poeTabuleiroPC("\n" + quaseVitoria2);
    EXPECT_EQ(passo(), "Jogo terminado!\n");
    EXPECT_EQ(vitorias2, 2);
    EXPECT_EQ(jogador, 1);
    confereJogoReposto();
}

TEST_F(Turno, AComputerReplyThatIsNoMoveIsNotRecordedAndSaidOnce) {
    // Side 2 fills its goal, where its pieces may not leave: it has no move at all.
    const std::string bloqueado =
        "[[1,1,1,1,0,0,0,0],[1,1,1,0,0,0,0,0],[1,1,0,0,0,0,0,0],[1,0,0,0,0,0,0,0],"
        "[0,0,0,0,0,0,0,2],[0,0,0,0,0,0,2,2],[0,0,0,0,0,2,2,2],[0,0,0,0,2,2,2,2]]";
    menuChoice(504);
    menuChoice(503);
    jogador = 2;
    passagensPC = 2;
    poeTabuleiroPC("\n" + bloqueado);
    EXPECT_EQ(passo(), "Jogada do computador invalida!\n");
    EXPECT_EQ(passo(), "");
    EXPECT_TRUE(historico.empty());
    EXPECT_EQ(animando, 0);
    EXPECT_EQ(jogador, 2);
    EXPECT_EQ(semQuebras(tabuleiroPC), bloqueado);
}

TEST_F(Turno, MenuChoicesAndTheClockButton) {
    digitosRelogio[0] = 3;
    digitosRelogio[3] = 9;
    agoraRelogio = 1234;
    menuChoice(500);
    EXPECT_EQ(digitosRelogio[0] + digitosRelogio[3], 0);
    EXPECT_EQ(marcaRelogio, 1234);

    testing::internal::CaptureStdout();
    menuChoice(505);
    menuChoice(504);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Nivel de dificuldade: 2!\nNivel de dificuldade: 1!\n");
    EXPECT_EQ(nivel, 1);

    // A mode chosen mid-game goes on from the current position.
    menuChoice(501);
    escolhe(7, 4, 6, 3);
    passo();
    terminaAnimacao();
    passagensPC = 7;
    menuChoice(503);
    EXPECT_EQ(modo, 3);
    EXPECT_EQ(camara, 9);
    EXPECT_EQ(passagensPC, 0);
    EXPECT_EQ(nJogadas, 1);
    EXPECT_EQ(jogador, 2);
}

TEST_F(Turno, NothingHappensWhileTheFilmPlays) {
    menuChoice(501);
    escolhe(7, 4, 6, 3);
    filmeEmCurso = true;
    EXPECT_EQ(passo(), "");
    EXPECT_TRUE(historico.empty());
    EXPECT_EQ(xi, 7);
    filmeEmCurso = false;
    EXPECT_NE(passo(), "");
    EXPECT_EQ(nJogadas, 1);
}

TEST_F(Turno, WithoutAServerNothingIsJudgedAndThePlayerIsToldOnce) {
    liga(portaLivre());
    menuChoice(501);
    escolhe(7, 4, 6, 3);
    std::string saida = passo();
    EXPECT_NE(saida.find("Sem ligacao ao servidor de regras!\n"), std::string::npos);
    EXPECT_EQ(saida.find("Jogada"), std::string::npos);
    EXPECT_EQ(xi, -1);  // the selection is dropped
    escolhe(7, 4, 6, 3);
    EXPECT_EQ(passo(), "");  // within the second: no reconnection, no second warning
    relogioLigacao += 1000;
    escolhe(7, 4, 6, 3);
    saida = passo();
    EXPECT_NE(saida.find("Client: connect() - Failed to connect.\n"), std::string::npos);
    EXPECT_EQ(saida.find("Sem ligacao"), std::string::npos);
    EXPECT_TRUE(historico.empty());
    EXPECT_EQ(jogador, 1);
    EXPECT_EQ(jogadas1 + vitorias1 + vitorias2, 0);
    EXPECT_EQ(modo, 1);

    // The computer's turn is asked for again, and no warm-up pass is spent meanwhile.
    menuChoice(504);
    menuChoice(503);
    for (int i = 0; i < 5; ++i) passo();
    EXPECT_EQ(passagensPC, 0);
    EXPECT_TRUE(historico.empty());
}

TEST_F(Turno, ABoardReplyThatIsNoBoardIsNotJudged) {
    menuChoice(501);
    poeTabuleiro("[[9]]");
    escolhe(7, 4, 6, 3);
    EXPECT_EQ(passo(), "Sem ligacao ao servidor de regras!\n");
    EXPECT_TRUE(historico.empty());
    EXPECT_EQ(jogador, 1);
    EXPECT_EQ(xi, -1);
}

// A server that answers something other than the question asked: each forged reply is
// refused with the message, nothing of it is applied, the selection is dropped, and the
// next good reply is played as usual.
std::string casaPosta(std::string t, int x, int y, char c) {
    t.replace(posicaoCasa(x, y), 1, 1, c);
    return t;
}

TEST(RespostasForjadas, AReplyThatIsNotTheMoveAskedForIsRefusedAndTheGameGoesOn) {
    const std::string feita = comJogada(inicial, 7, 4, 6, 3);
    const struct {
        const char* caso;
        int modo;
        std::string forjada, boa;
    } casos[] = {
        {"an extra piece", 1, casaPosta(feita, 3, 3, '1'), feita},
        {"a piece of the other side moved", 1, comJogada(inicial, 0, 3, 1, 4), feita},
        {"two pieces moved", 1, comJogada(feita, 7, 5, 6, 4), feita},
        {"a reply naming another move", 1, comJogada(inicial, 6, 5, 5, 4), feita},
        {"the destination filled by the other side", 1, casaPosta(casaPosta(inicial, 7, 4, '0'), 6, 3, '2'), feita},
        {"a computer move for the wrong side", 2, feita, comJogada(inicial, 0, 3, 1, 4)},
        {"a computer move with an extra piece", 2, casaPosta(comJogada(inicial, 0, 3, 1, 4), 4, 4, '2'),
         comJogada(inicial, 0, 3, 1, 4)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const std::string respostas[] = {c.forjada, c.boa};
        ServidorFalso falso([&](int fd) {
            std::size_t proxima = 0;
            for (std::string pedido; !(pedido = lePedido(fd)).empty();) {
                const std::string r = pedido.rfind("verificaTerminacao", 0) == 0 ? "1" : respostas[proxima++ % 2];
                send(fd, (r + ".\r\n").data(), r.size() + 3, MSG_NOSIGNAL);
            }
        });
        estadoInicialDoJogo();
        setLinkClockForTests(leRelogioLigacao);
        relogioLigacao += 60000;
        setServerPortForTests(falso.porta());
        calado([] { connectServer(); });
        if (c.modo == 1) {
            menuChoice(501);
            escolhe(7, 4, 6, 3);
        } else {
            calado([] { menuChoice(504), menuChoice(502); });
            jogador = 2;
            passagensPC = 3;
        }
        const std::string antes = casasComoTexto();
        EXPECT_EQ(passo(), "Resposta inválida do servidor de regras\n");
        EXPECT_EQ(ultimoVeredicto, VeredictoJogada::respostaInvalida);
        EXPECT_EQ(casasComoTexto(), antes);
        EXPECT_EQ(semQuebras(tabuleiro), inicial);
        EXPECT_EQ(semQuebras(tabuleiroPC), inicial);
        EXPECT_TRUE(historico.empty());
        EXPECT_EQ(animando, 0);
        EXPECT_EQ(jogadas1 + jogadas2, 0);
        EXPECT_EQ(xi, -1);
        EXPECT_EQ(xf, -1);

        if (c.modo == 1) escolhe(7, 4, 6, 3);
        passo();
        terminaAnimacao();
        EXPECT_EQ(nJogadas, 1);
        EXPECT_EQ(casasComoTexto(), c.boa);
        closeServer();
        setLinkClockForTests(nullptr);
        setServerPortForTests(portaServidor);
    }
}

TEST_F(Turno, TheGameGoesOnWhenAKilledServerComesBack) {
    ServidorRegras proprio;
    ASSERT_TRUE(proprio.inicia());
    liga(proprio.porta());
    menuChoice(504);
    menuChoice(503);
    for (int i = 0; i < 3; ++i) passo();
    terminaAnimacao();
    ASSERT_EQ(nJogadas, 1);

    proprio.mata();
    std::string saida = passo() + passo();
    EXPECT_NE(saida.find("Sem ligacao ao servidor de regras!\n"), std::string::npos);
    EXPECT_EQ(nJogadas, 1);
    EXPECT_EQ(jogador, 2);

    ASSERT_TRUE(proprio.inicia());
    relogioLigacao += 1000;
    saida = passo();
    EXPECT_NE(saida.find("Connected\n"), std::string::npos);
    EXPECT_NE(saida.find("Jogadas:\nJogador1: 1\nJogador2: 1\n"), std::string::npos);
    EXPECT_EQ(nJogadas, 2);
    terminaAnimacao();
    EXPECT_EQ(casasComoTexto(), semQuebras(tabuleiroPC));
    EXPECT_TRUE(avisoSemLigacao == false);
}

}  // namespace
