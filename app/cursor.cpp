#include "app/cursor.h"

#include <cmath>

#include "app/globais.h"

namespace {

struct V3 {
    double x, y, z;
};

V3 cruz(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// A direction in the world's x (columns) and z (rows) as one step along the nearer axis.
Passo noTabuleiro(V3 v) {
    if (std::fabs(v.x) >= std::fabs(v.z)) return {v.x >= 0 ? 1 : -1, 0};
    return {0, v.z >= 0 ? 1 : -1};
}

// The screen's up and right in the world for a gluLookAt view from `olhoDe` to `alvo`.
void olhaPara(V3 olhoDe, V3 alvo, V3 acima, V3& cima, V3& direita) {
    const V3 f{alvo.x - olhoDe.x, alvo.y - olhoDe.y, alvo.z - olhoDe.z};
    direita = cruz(f, acima);
    cima = cruz(direita, f);
}

}  // namespace

EixosVista eixosDaVista(int camara, const float olho[3], const float rotacao[16]) {
    const double cx = origemTabuleiro[0] + ladoTabuleiro / 2, cz = origemTabuleiro[2] + ladoTabuleiro / 2;
    V3 cima{0, 0, -1}, direita{1, 0, 0};
    if (camara == 9) {
        // The view turns the world by rotacao, then 20 degrees about x: the screen's axes are
        // the rows of that turn.
        const double a = 20.0 * 3.14159265358979 / 180.0, c = std::cos(a), s = std::sin(a);
        auto linha = [&](int i) { return V3{rotacao[i], rotacao[4 + i], rotacao[8 + i]}; };
        const V3 r0 = linha(0), r1 = linha(1), r2 = linha(2);
        direita = r0;
        cima = {c * r1.x - s * r2.x, c * r1.y - s * r2.y, c * r1.z - s * r2.z};
        // Looking straight along the board's plane, "up" is no direction on it: go by where
        // the view looks instead.
        if (std::hypot(cima.x, cima.z) < 0.2) {
            const V3 frente{-(s * r1.x + c * r2.x), -(s * r1.y + c * r2.y), -(s * r1.z + c * r2.z)};
            cima = frente;
        }
    } else if (camara != 3 && camara != 4) {
        olhaPara({olho[0], olho[1], olho[2]}, {cx, origemTabuleiro[1], cz}, {0, 1, 0}, cima, direita);
    }
    EixosVista e{noTabuleiro(cima), noTabuleiro(direita)};
    // Seen from below, right may fall on up's axis: it is then a quarter turn from up.
    if ((e.cima.dx != 0) == (e.direita.dx != 0)) e.direita = {-e.cima.dy, e.cima.dx};
    return e;
}

Passo passoDaSeta(Seta s, const EixosVista& e) {
    switch (s) {
    case Seta::cima: return e.cima;
    case Seta::baixo: return {-e.cima.dx, -e.cima.dy};
    case Seta::direita: return e.direita;
    default: return {-e.direita.dx, -e.direita.dy};
    }
}

void moveCursor(int& x, int& y, Passo p) {
    const int nx = x + p.dx, ny = y + p.dy;
    if (nx >= 0 && nx < 8) x = nx;
    if (ny >= 0 && ny < 8) y = ny;
}
