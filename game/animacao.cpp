// The pieces, the board array and the lift-slide-set-down animation of a moving piece.
#include "game/animacao.h"

#include <cmath>
#include <cstddef>

#include "game/globais.h"

namespace {

constexpr double passo = 0.1;       // height and position change per tick
constexpr double tolerancia = 0.2;  // how near the target a sliding piece counts as arrived
constexpr double alturaMaxima = 1.0;
constexpr double alturaPousada = 0.0;
constexpr std::size_t maximoPecas = 20;

bool dentroDoTabuleiro(double x, double y) {
    return x >= 0.0 && x < 8.0 && y >= 0.0 && y < 8.0;
}

void avanca(Peca& p, double dx, double dy) {
    p.x += dx;
    animX += dx;
    p.y += dy;
    animY += dy;
}

void levanta(Peca& p) {
    if (!animando) return;
    // The board array takes the new position at once, so picking sees the target as taken.
    casas[static_cast<int>(animX)][static_cast<int>(animY)] = 0;
    casas[static_cast<int>(destX)][static_cast<int>(destY)] = p.lado;
    p.altura += passo;
    if (p.altura > alturaMaxima) faseAnim = 2;
}

// The eight tests run one after another, each seeing the steps of the ones before it: this
// is what makes a row move faster than a diagonal one, and every target reachable.
void desliza(Peca& p) {
    if (p.x == destX && p.y == destY) {
        // Only a piece sent to its own square gets here; set it down rather than wait for ever.
        faseAnim = 3;
        return;
    }
    if (std::fabs(animX - destX) < tolerancia && std::fabs(animY - destY) < tolerancia) faseAnim = 3;
    if (destX >= p.x && destY >= p.y) avanca(p, passo, passo);
    if (destX <= p.x && destY <= p.y) avanca(p, -passo, -passo);
    if (destX >= p.x && destY == p.y) avanca(p, passo, 0.0);
    if (destX <= p.x && destY == p.y) avanca(p, -passo, 0.0);
    if (destX >= p.x && destY <= p.y) avanca(p, passo, -passo);
    if (destX <= p.x && destY >= p.y) avanca(p, -passo, passo);
    if (destX == p.x && destY >= p.y) avanca(p, 0.0, passo);
    if (destX == p.x && destY <= p.y) avanca(p, 0.0, -passo);
}

void pousa(Peca& p) {
    p.altura -= passo;
    p.x = animX = selX = destX;
    p.y = animY = selY = destY;
    if (p.altura < alturaPousada) {
        faseAnim = 1;
        animando = 0;
    }
}

// Only the first twenty pieces ever move.
std::size_t pecasMoveis() {
    return pecas.size() < maximoPecas ? pecas.size() : maximoPecas;
}

bool pecaEm(double x, double y) {
    for (std::size_t i = 0; i < pecasMoveis(); ++i)
        if (pecas[i].x == x && pecas[i].y == y) return true;
    return false;
}

}  // namespace

void buildPieces() {
    pecas.clear();
    for (int linha = 0; linha < 8; ++linha) {
        for (int coluna = 0; coluna < 8; ++coluna) {
            const int lado = casasIniciais[linha][coluna];
            if (lado == 1 || lado == 2) pecas.emplace_back(lado, coluna, 0.0, linha);
        }
    }
}

void copyBoard(int destino[8][8], const int origem[8][8]) {
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) destino[x][y] = origem[x][y];
}

void moveTick() {
    // Nothing stands where the animation starts, or its target is off the board (casas would
    // be indexed out of range): end it, or the turn step and picking would wait for ever.
    if (animando && (!dentroDoTabuleiro(destX, destY) || !pecaEm(animX, animY))) {
        animando = 0;
        faseAnim = 1;
        return;
    }
    for (std::size_t i = 0; i < pecasMoveis(); ++i) {
        Peca& p = pecas[i];
        if (p.x != animX || p.y != animY) continue;
        switch (faseAnim) {
            case 1: levanta(p); break;
            case 2: desliza(p); break;
            case 3: pousa(p); break;
            default: break;
        }
    }
}
