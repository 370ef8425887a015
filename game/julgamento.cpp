// The judging arithmetic follows what the server sends: every reply after the first starts
// with the CR LF that ended the one before, and boards copied from replies keep them.
#include "game/julgamento.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int tamanho = 512;
constexpr int comprimentoTabuleiro = 145;

bool ehEspaco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

const char* saltaEspacos(const char* p) {
    while (ehEspaco(*p)) ++p;
    return p;
}

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

int contaLinhas(const char* texto, int de, int ate) {
    int n = 0;
    for (int i = de; i < ate; ++i)
        if (texto[i] == '\n') ++n;
    return n;
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

bool judgeMoveTwoPlayers(const char tabuleiro[512], const char ans[512]) {
    int s = std::memchr(ans, '\n', tamanho) ? 2 : 0;
    int n = static_cast<int>(strnlen(tabuleiro, tamanho)) - 1;
    for (int i = 0; i < n && s + i < tamanho; ++i)
        if (tabuleiro[i] != ans[s + i]) return true;
    return false;
}

bool judgeMovePlayerVsComputer(const char tabuleiro[512], const char ans[512], int passagensPC) {
    int p = contaLinhas(ans, 1, tamanho);
    int q = contaLinhas(tabuleiro, 0, tamanho);
    int s = q, o = 0;
    if (p > 0) {
        s = p + q + (passagensPC != 0 ? 1 : 0);
        o = p + 2;
    }
    for (int k = 0; o + k < comprimentoTabuleiro && s + k < tamanho; ++k)
        if (ans[o + k] != tabuleiro[s + k]) return true;
    return false;
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
