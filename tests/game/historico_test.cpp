// Finding the computer's move between two board texts, and dropping line feeds.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <set>
#include <string>

#include "game/historico.h"
#include "game/notacao.h"
#include "game/tabuleiros.h"

using cantos_teste::comJogada;
using cantos_teste::tabuleiroInicialTexto;

namespace {

struct Texto {
    char b[512] = {};
    explicit Texto(const std::string& s) { std::strncpy(b, s.c_str(), sizeof b - 1); }
};

using Jogada = std::array<int, 4>;

TEST(FindMove, ReadsBothBoardsFromTheirFirstBracket) {
    Texto antes("\n" + tabuleiroInicialTexto);
    Texto depois("\r\n" + comJogada(tabuleiroInicialTexto, 7, 4, 6, 3));
    EXPECT_EQ(findMove(antes.b, depois.b), (Jogada{7, 4, 6, 3}));
    // A jump over several squares, and a move of the other side.
    Texto salto(comJogada(tabuleiroInicialTexto, 2, 1, 4, 1));
    EXPECT_EQ(findMove(antes.b, salto.b), (Jogada{2, 1, 4, 1}));
}

TEST(FindMove, LineBreaksAloneOrEqualBoardsGiveNoSquare) {
    Texto comQuebra("\n" + tabuleiroInicialTexto);
    Texto semQuebra(tabuleiroInicialTexto);
    EXPECT_EQ(findMove(comQuebra.b, semQuebra.b), (Jogada{-1, -1, -1, -1}));
    EXPECT_EQ(findMove(semQuebra.b, semQuebra.b), (Jogada{-1, -1, -1, -1}));
}

TEST(FindMove, StopsAtTheTerminatorOfEitherText) {
    // Digits left behind the terminator by an older reply are no squares of this board.
    Texto antes(tabuleiroInicialTexto);
    Texto depois(comJogada(tabuleiroInicialTexto, 7, 4, 6, 3));
    std::memcpy(depois.b + tabuleiroInicialTexto.size() + 1, "2222", 4);
    EXPECT_EQ(findMove(antes.b, depois.b), (Jogada{7, 4, 6, 3}));
}

TEST(StripLineFeeds, DropsLineFeedsKeepsCarriageReturns) {
    Texto resposta("\r\n" + tabuleiroInicialTexto);
    char limpo[512];
    stripLineFeeds(resposta.b, limpo);
    EXPECT_EQ(std::string(limpo), "\r" + tabuleiroInicialTexto);
}

TEST(StripLineFeeds, AFullSourceWithoutLineFeedsStaysInsideTheBuffer) {
    char origem[512];
    std::memset(origem, 'a', sizeof origem);
    char destino[513];
    destino[512] = '#';
    stripLineFeeds(origem, destino);
    EXPECT_EQ(std::strlen(destino), 511u);
    EXPECT_EQ(destino[512], '#');
}

// The move list's notation: every square has its own name, columns a-h from left to right
// and rows 1-8 from near to far as "Camara Jogador 1" shows them.
TEST(Notacao, EverySquareHasOneNameAndTheCornersReadAsOnTheBoard) {
    std::set<std::string> nomes;
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) nomes.insert(nomeDaCasaLida(x, y));
    EXPECT_EQ(nomes.size(), 64u);
    EXPECT_EQ(nomeDaCasaLida(0, 0), "a8");
    EXPECT_EQ(nomeDaCasaLida(7, 7), "h1");
    EXPECT_EQ(nomeDaCasaLida(8, 0), "?");
    mov m{7, 6, 4, 3, {}, 1};
    EXPECT_EQ(linhaDaJogada(1, m), "1. Jog1 h4–g5");
}

}  // namespace
