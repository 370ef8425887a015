// The turn step's reading of the rules server's replies, in the order the turn step reads
// them: whether the reply is a board at all, the judging of a player's move and of the
// computer's, the board taken from the reply, the end-of-game number, and the computer's move
// found with stripLineFeeds and findMove.
//
// Input: one byte of settings, then the board held by the game, a '|', then the reply.
// Both land in zeroed 512-byte buffers as the game's own do, cut to 511 characters.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/comum.h"
#include "game/historico.h"
#include "game/julgamento.h"
#include "game/pedidos.h"

namespace {

constexpr int tamanho = 512;

struct Texto {
    char b[tamanho] = {};
};

Texto texto(const uint8_t* d, std::size_t n) {
    Texto t;
    std::memcpy(t.b, d, n < tamanho - 1 ? n : tamanho - 1);
    return t;
}

// The 64 squares of a board text, read independently of the code under test. Only called
// on texts isBoardReply accepted, after their first '['.
std::array<char, 64> casas(const char* t) {
    std::array<char, 64> c{};
    int n = 0;
    for (const char* p = std::strchr(t, '['); *p && n < 64; ++p)
        if (*p >= '0' && *p <= '2') c[n++] = *p;
    exige(n == 64, "a board of %d squares passed as a board", n);
    return c;
}

bool semQuebras(const char* t) { return std::strchr(t, '\n') == nullptr; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    silenciaConsola();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t size) {
    if (size < 1) return 0;
    const int lado = 1 + (d[0] & 1);
    const uint8_t* corpo = d + 1;
    const std::size_t resto = size - 1;
    const void* barra = std::memchr(corpo, '|', resto);
    const std::size_t nTab = barra ? static_cast<const uint8_t*>(barra) - corpo : resto;
    Texto tabuleiro = texto(corpo, nTab);
    Texto ans = barra ? texto(corpo + nTab + 1, resto - nTab - 1) : Texto{};

    // A reply's end-of-game number: any text, no crash.
    readOutcome(ans.b);

    // The game judges nothing but boards; anything else counts as no reply.
    if (!isBoardReply(ans.b)) return 0;
    const bool tabuleiroValido = isBoardReply(tabuleiro.b);

    // Take the board from the reply. The board sent with the next request is that text, so
    // it must still be a whole board.
    {
        Texto novo = tabuleiro;
        takeBoardFromReply(ans.b, novo.b);
        exige(isBoardReply(novo.b), "board taken from the reply is not a board: \"%s\"", novo.b);
        exige(casas(novo.b) == casas(ans.b), "board taken from the reply differs from it");
    }

    // The computer's move: the reply without line feeds, compared with the board held.
    Texto resposta;
    stripLineFeeds(ans.b, resposta.b);
    exige(semQuebras(resposta.b), "line feed left by stripLineFeeds");
    {
        std::size_t k = 0;
        for (const char* p = ans.b; *p; ++p)
            if (*p != '\n') exige(resposta.b[k++] == *p, "stripLineFeeds changed character %zu", k);
        exige(resposta.b[k] == '\0', "stripLineFeeds result is not terminated where the text ends");
    }
    exige(isBoardReply(resposta.b), "a board without its line feeds is no longer a board");

    // The board held is always a board in the game (the initial one or an accepted reply).
    const std::array<int, 4> numeros = findMove(tabuleiro.b, resposta.b);
    if (!tabuleiroValido) return 0;
    for (int n : numeros) exige(n >= -1 && n <= 7, "findMove gave square coordinate %d", n);

    // Between two boards, a move is one origin emptied and one destination filled; any
    // such pair must be found exactly.
    const std::array<char, 64> antes = casas(tabuleiro.b), depois = casas(resposta.b);
    int origem = -1, destino = -1, outras = 0;
    for (int i = 0; i < 64; ++i) {
        if (antes[i] == depois[i]) continue;
        if (antes[i] != '0' && depois[i] == '0' && origem < 0)
            origem = i;
        else if (antes[i] == '0' && depois[i] != '0' && destino < 0)
            destino = i;
        else
            ++outras;
    }
    if (origem >= 0 && destino >= 0 && outras == 0) {
        const std::array<int, 4> esperado{origem % 8, origem / 8, destino % 8, destino / 8};
        exige(numeros == esperado, "findMove gave %d,%d -> %d,%d for %d,%d -> %d,%d", numeros[0],
              numeros[1], numeros[2], numeros[3], esperado[0], esperado[1], esperado[2],
              esperado[3]);
    }
    if (antes == depois)
        exige(numeros == (std::array<int, 4>{-1, -1, -1, -1}), "findMove found a move between equal boards");

    // The judges take exactly one move of the side asked about, and nothing else.
    const char peca = static_cast<char>('0' + lado);
    const bool umaJogada = origem >= 0 && destino >= 0 && outras == 0 && antes[origem] == peca &&
                           depois[destino] == peca;
    Jogada j;
    const Resposta pc = julgaJogadaPC(tabuleiro.b, ans.b, lado, j);
    exige((pc == Resposta::recusada) == (antes == depois), "an unchanged board judged as a move");
    exige((pc == Resposta::feita) == umaJogada, "the computer's reply judged by more than its move");
    if (umaJogada) {
        exige(j.xi == origem % 8 && j.yi == origem / 8 && j.xf == destino % 8 && j.yf == destino / 8,
              "the computer's move read as another");
        exige(julgaValidacao(tabuleiro.b, ans.b, j, lado) == Resposta::feita, "the move made was refused");
        const Jogada outra{j.xf, j.yf, j.xi, j.yi};
        exige(julgaValidacao(tabuleiro.b, ans.b, outra, lado) == Resposta::invalida,
              "a reply naming another move was taken");
    } else if (antes != depois) {
        exige(julgaValidacao(tabuleiro.b, ans.b, j, lado) == Resposta::invalida,
              "a reply that is no move of the side was taken");
    }
    return 0;
}
