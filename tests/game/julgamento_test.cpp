// Judging the rules server's replies as the turn step does, with the line breaks that
// every reply after the first carries in front.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/julgamento.h"
#include "game/tabuleiros.h"

using cantos_teste::comJogada;
using cantos_teste::tabuleiroInicialTexto;

namespace {

struct Texto {
    char b[512] = {};
    explicit Texto(const std::string& s) { std::strncpy(b, s.c_str(), sizeof b - 1); }
};

const std::string depoisDaJogada = comJogada(tabuleiroInicialTexto, 7, 4, 6, 3);

TEST(IsBoardReply, AcceptsBoardsWithLineBreaksAroundThemOnly) {
    EXPECT_TRUE(isBoardReply(tabuleiroInicialTexto.c_str()));
    EXPECT_TRUE(isBoardReply(("\r\n" + depoisDaJogada).c_str()));
    EXPECT_TRUE(isBoardReply(("\r" + depoisDaJogada + " \r\n").c_str()));

    EXPECT_FALSE(isBoardReply(""));
    EXPECT_FALSE(isBoardReply("\r\nerro"));
    EXPECT_FALSE(isBoardReply(tabuleiroInicialTexto.substr(0, 100).c_str()));
    std::string tres = tabuleiroInicialTexto;
    tres[cantos_teste::posicaoCasa(4, 4)] = '3';
    EXPECT_FALSE(isBoardReply(tres.c_str()));
    std::string seteLinhas = "[" + tabuleiroInicialTexto.substr(19);
    EXPECT_FALSE(isBoardReply(seteLinhas.c_str()));
    EXPECT_FALSE(isBoardReply((tabuleiroInicialTexto + "x").c_str()));
    EXPECT_FALSE(isBoardReply((tabuleiroInicialTexto + tabuleiroInicialTexto).c_str()));
}

TEST(JudgeTwoPlayers, TheUnchangedBoardIsRefusedWithOrWithoutLineBreaks) {
    Texto tab(tabuleiroInicialTexto);
    EXPECT_FALSE(judgeMoveTwoPlayers(tab.b, Texto(tabuleiroInicialTexto).b));
    EXPECT_FALSE(judgeMoveTwoPlayers(tab.b, Texto("\r\n" + tabuleiroInicialTexto).b));
    EXPECT_TRUE(judgeMoveTwoPlayers(tab.b, Texto(depoisDaJogada).b));
    EXPECT_TRUE(judgeMoveTwoPlayers(tab.b, Texto("\r\n" + depoisDaJogada).b));
    // A move in the far corner is the last square compared.
    Texto canto(comJogada(tabuleiroInicialTexto, 7, 7, 7, 3));
    EXPECT_TRUE(judgeMoveTwoPlayers(tab.b, canto.b));
}

TEST(JudgePlayerVsComputer, FirstMoveOfTheGame) {
    // The initial board holds no line break; the reply starts with CR LF or, as the very
    // first reply on the connection, with nothing.
    Texto tab(tabuleiroInicialTexto);
    EXPECT_FALSE(judgeMovePlayerVsComputer(tab.b, Texto("\r\n" + tabuleiroInicialTexto).b, 0));
    EXPECT_TRUE(judgeMovePlayerVsComputer(tab.b, Texto("\r\n" + depoisDaJogada).b, 0));
    EXPECT_FALSE(judgeMovePlayerVsComputer(tab.b, Texto(tabuleiroInicialTexto).b, 0));
    EXPECT_TRUE(judgeMovePlayerVsComputer(tab.b, Texto(depoisDaJogada).b, 0));
}

TEST(JudgePlayerVsComputer, AfterComputerMovesTheBoardStartsWithACarriageReturn) {
    // The computer's move leaves the board as the stripped reply: CR, then the board.
    const std::string posicao = comJogada(tabuleiroInicialTexto, 0, 3, 1, 4);
    Texto tab("\r" + posicao);
    EXPECT_FALSE(judgeMovePlayerVsComputer(tab.b, Texto("\r\n" + posicao).b, 4));
    EXPECT_TRUE(judgeMovePlayerVsComputer(
        tab.b, Texto("\r\n" + comJogada(posicao, 6, 5, 5, 4)).b, 4));
    EXPECT_TRUE(judgeMovePlayerVsComputer(
        tab.b, Texto("\r\n" + comJogada(posicao, 7, 7, 7, 3)).b, 4));
}

TEST(TakeBoardFromReply, KeepsOnlyTheBoardAndEndsItThere) {
    char tab[512];
    std::memset(tab, 'x', sizeof tab);
    std::strcpy(tab, ("\r" + tabuleiroInicialTexto).c_str());
    takeBoardFromReply(Texto("\r\n" + depoisDaJogada).b, tab);
    EXPECT_EQ(std::string(tab), depoisDaJogada);
}

TEST(TakeBoardFromReply, ManyLineBreaksInFrontStillGiveTheWholeBoard) {
    Texto resposta("\r\n\r\n\r\n\n" + tabuleiroInicialTexto);
    char tabuleiro[512] = {};
    takeBoardFromReply(resposta.b, tabuleiro);
    EXPECT_EQ(std::string(tabuleiro), tabuleiroInicialTexto);
}

TEST(ReadOutcome, NumberAfterLineBreaksOrZero) {
    EXPECT_EQ(readOutcome("\r\n1"), 1);
    EXPECT_EQ(readOutcome("2"), 2);
    EXPECT_EQ(readOutcome("\r\n0"), 0);
    EXPECT_EQ(readOutcome("\r\nerro"), 0);
    EXPECT_EQ(readOutcome(""), 0);
    EXPECT_EQ(readOutcome("99999999999999999999"), 2147483647);
}

}  // namespace
