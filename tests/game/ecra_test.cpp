// What the window tells the player, read from the server's replies and the final board:
// the hinted squares, why a move was refused, why a game ended.
#include <cstring>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "game/destinos.h"
#include "game/fim_jogo.h"
#include "game/tabuleiro_texto.h"
#include "game/turno.h"
#include "game/veredicto.h"

namespace {

// A board from eight rows of text, row y = 0 first: "1", "2" or "." per column.
void desenho(const char* linhas[8], int lados[8][8]) {
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) lados[x][y] = linhas[y][x] == '.' ? 0 : linhas[y][x] - '0';
}

// Any list the server can send, written as it writes it, reads back as the same squares;
// any cut or damaged copy of it marks nothing.
TEST(Destinos, RepliesReadBackExactlyAndBrokenOnesMarkNothing) {
    std::mt19937 sorte(13);
    for (int volta = 0; volta < 500; ++volta) {
        bool esperado[8][8] = {};
        std::string texto = "[";
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (sorte() % 6 == 0) {
                    esperado[x][y] = true;
                    if (texto.size() > 1) texto += ",";
                    texto += "[" + std::to_string(x) + "," + std::to_string(y) + "]";
                }
        texto += "]";
        bool lidos[8][8];
        ASSERT_TRUE(leDestinos(("\r\n" + texto).c_str(), lidos)) << texto;
        EXPECT_EQ(0, std::memcmp(lidos, esperado, sizeof lidos)) << texto;

        std::string estragado = texto.substr(0, sorte() % texto.size());
        if (estragado.size() > 2 && sorte() % 2) estragado[sorte() % estragado.size()] = '8';
        if (estragado == texto || estragado == "[]") continue;
        bool nada[8][8] = {};
        EXPECT_FALSE(leDestinos(estragado.c_str(), lidos)) << estragado;
        EXPECT_EQ(0, std::memcmp(lidos, nada, sizeof lidos)) << estragado;
    }
    bool lidos[8][8];
    EXPECT_FALSE(leDestinos("erro", lidos));
}

TEST(VeredictoJogada, ARefusalSaysWhatTheBoardShows) {
    char t[160];
    // (7,4) holds side 1's piece, (0,0) side 2's, (4,4) nothing.
    explicaRecusa(tabuleiroInicial, 1, 0, 0, t, sizeof t);
    EXPECT_STREQ(t, "Jogada inválida: essa peça é do adversário");
    explicaRecusa(tabuleiroInicial, 1, 4, 4, t, sizeof t);
    EXPECT_STREQ(t, "Jogada inválida: a casa escolhida está vazia");
    explicaRecusa(tabuleiroInicial, 1, 7, 4, t, sizeof t);
    EXPECT_STREQ(t, "Jogada inválida: essa peça não chega a essa casa");
}

TEST(FimDeJogo, TheReasonFollowsTheRulesInTheirOrder) {
    const char* metaDo1[8] = {"1111....", "111.....", "11......", "1.......",
                              ".......2", "......22", ".....222", "....2222"};
    // Side 1 keeps one piece on its starting corner, side 2 has left its own.
    const char* umEmCasa[8] = {"........", "........", "...2222.", "...2222.",
                               "....22..", "11111...", "1111....", ".......1"};
    int lados[8][8];
    desenho(metaDo1, lados);
    EXPECT_EQ(razaoDoFim(lados, 1, 40, true), RazaoFim::metaCheia);
    desenho(umEmCasa, lados);
    EXPECT_EQ(razaoDoFim(lados, 1, 12, true), RazaoFim::semJogadas);
    EXPECT_EQ(razaoDoFim(lados, 1, 30, false), RazaoFim::ficouEmCasa);
    EXPECT_EQ(razaoDoFim(lados, 2, 30, false), RazaoFim::desconhecida);
    EXPECT_EQ(razaoDoFim(lados, 2, 100, false), RazaoFim::distancia);
    EXPECT_EQ(razaoDoFim(lados, 2, 100, true), RazaoFim::distancia);
    // From move 100 on, the other side left without a move still comes before distance.
    EXPECT_EQ(razaoDoFim(lados, 2, 130, true, false), RazaoFim::semJogadas);
    EXPECT_EQ(razaoDoFim(lados, 2, 99, true), RazaoFim::semJogadas);

    // The banner's words: the winner, and the loser where the rule is about the loser.
    FimDeJogo f;
    f.vencedor = 2;
    f.razao = RazaoFim::ficouEmCasa;
    char titulo[64], razao[192];
    textoFimDeJogo(f, titulo, razao, sizeof titulo);
    EXPECT_STREQ(titulo, "Jog2 venceu!");
    EXPECT_NE(std::strstr(razao, "Jog1"), nullptr) << razao;
}

}  // namespace
