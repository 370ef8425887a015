// Boards copied from replies keep the line breaks in front of them: replies are judged by
// their squares (game/tabuleiro_texto.h), never by position.
#include "game/julgamento.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int tamanho = 512;
constexpr int comprimentoTabuleiro = 145;

// One "[d,d,d,d,d,d,d,d]" row; returns the character after it, or nullptr.
const char* leLinha(const char* p) {
    if (*p++ != '[') return nullptr;
    for (int k = 0; k < 8; ++k) {
        if (k > 0 && *p++ != ',') return nullptr;
        if (*p < '0' || *p > '2') return nullptr;
        ++p;
    }
    return *p == ']' ? p + 1 : nullptr;
}

}  // namespace

bool isBoardReply(const char* texto) {
    const char* p = saltaEspacos(texto);
    if (*p++ != '[') return false;
    for (int linha = 0; linha < 8; ++linha) {
        if (linha > 0 && *p++ != ',') return false;
        p = leLinha(p);
        if (!p) return false;
    }
    if (*p++ != ']') return false;
    return *saltaEspacos(p) == '\0';
}

void takeBoardFromReply(const char ans[512], char tabuleiro[512]) {
    // Counted in board characters, not reply positions: a reply with more line breaks in
    // front than the usual CR LF would otherwise lose its closing bracket.
    int k = 0;
    for (int i = 0; i < tamanho && k < comprimentoTabuleiro && ans[i] != '\0'; ++i)
        if (std::strchr("[,]120", ans[i])) tabuleiro[k++] = ans[i];
    // The old board may have been longer (line breaks left by a game against the
    // computer); its tail must not hang on after the new one.
    tabuleiro[k] = '\0';
}

int readOutcome(const char* ans1) {
    long r = std::strtol(ans1, nullptr, 10);
    if (r > INT_MAX) return INT_MAX;
    if (r < INT_MIN) return INT_MIN;
    return static_cast<int>(r);
}
