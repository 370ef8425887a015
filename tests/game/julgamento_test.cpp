// Judging the rules server's replies as the turn step does, with the line breaks that
// every reply after the first carries in front.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/julgamento.h"
#include "game/pedidos.h"
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

// Every board the game may hold or get back: clean, after CR LF, after a CR left by a
// computer's move, after several line breaks. The move asked for is seen exactly when the
// squares say so, whatever text stands in front of either board.
TEST(JulgaValidacao, JudgesTheSquaresWhateverLineBreaksComeFirst) {
    const Jogada j{7, 4, 6, 3};
    const std::string outra = comJogada(tabuleiroInicialTexto, 7, 7, 7, 3);
    const struct {
        std::string enviado, resposta;
        Resposta esperada;
    } casos[] = {{tabuleiroInicialTexto, depoisDaJogada, Resposta::feita},
                 {tabuleiroInicialTexto, tabuleiroInicialTexto, Resposta::recusada},
                 {depoisDaJogada, depoisDaJogada, Resposta::recusada},
                 {tabuleiroInicialTexto, outra, Resposta::invalida}};
    const std::string frentes[] = {"", "\r\n", "\r", "\n\r\n\r\n", "\n"};
    for (const auto& c : casos)
        for (const auto& fa : frentes)
            for (const auto& fb : frentes)
                EXPECT_EQ(julgaValidacao(Texto(fa + c.enviado).b, Texto(fb + c.resposta).b, j, 1), c.esperada)
                    << "sent \"" << fa << c.enviado << "\", got \"" << fb << c.resposta << "\"";
    // Text that is no board is never a move.
    EXPECT_EQ(julgaValidacao(Texto(tabuleiroInicialTexto).b, Texto(tabuleiroInicialTexto.substr(0, 120)).b, j, 1),
              Resposta::invalida);
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
