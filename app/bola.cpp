// Trackball arithmetic of the rotation ball.
#include "app/bola.h"

#include <cmath>

namespace {

// A point of the panel over the ball, lifted onto the unit sphere (or its rim outside it).
void naEsfera(float x, float y, float raio, float p[3]) {
    p[0] = x / raio;
    p[1] = -y / raio;  // screen y grows downwards, the view's y upwards
    const float d2 = p[0] * p[0] + p[1] * p[1];
    if (d2 > 1.0f) {
        const float d = std::sqrt(d2);
        p[0] /= d;
        p[1] /= d;
        p[2] = 0.0f;
    } else {
        p[2] = std::sqrt(1.0f - d2);
    }
}

// Gram-Schmidt on the three axes: a ball left spinning multiplies thousands of turns
// together, and rounding would otherwise shear and scale the view.
void ortonormaliza(float m[16]) {
    float* eixos[3] = {m, m + 4, m + 8};
    for (int i = 0; i < 3; ++i) {
        float* a = eixos[i];
        for (int j = 0; j < i; ++j) {
            const float* b = eixos[j];
            const float d = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
            for (int k = 0; k < 3; ++k) a[k] -= d * b[k];
        }
        const float n = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
        if (n > 0.0f)
            for (int k = 0; k < 3; ++k) a[k] /= n;
    }
}

}  // namespace

void rodaMatriz(float m[16], const float eixo[3], float angulo) {
    const float c = std::cos(angulo), s = std::sin(angulo), k = 1.0f - c;
    const float x = eixo[0], y = eixo[1], z = eixo[2];
    // Row-major r[i][j] of the rotation.
    const float r[3][3] = {
        {x * x * k + c, x * y * k - z * s, x * z * k + y * s},
        {y * x * k + z * s, y * y * k + c, y * z * k - x * s},
        {z * x * k - y * s, z * y * k + x * s, z * z * k + c},
    };
    float resultado[16];
    for (int col = 0; col < 4; ++col) {
        for (int lin = 0; lin < 3; ++lin) {
            resultado[col * 4 + lin] = r[lin][0] * m[col * 4] + r[lin][1] * m[col * 4 + 1] +
                                       r[lin][2] * m[col * 4 + 2];
        }
        resultado[col * 4 + 3] = m[col * 4 + 3];
    }
    for (int i = 0; i < 16; ++i) m[i] = resultado[i];
    ortonormaliza(m);
}

bool rotacaoArrasto(float x0, float y0, float x1, float y1, float raio, float eixo[3],
                    float& angulo) {
    if (raio <= 0.0f || (x0 == x1 && y0 == y1)) return false;
    float a[3], b[3];
    naEsfera(x0, y0, raio, a);
    naEsfera(x1, y1, raio, b);
    const float n[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                        a[0] * b[1] - a[1] * b[0]};
    const float comp = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (comp < 1e-6f) return false;
    float cosseno = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
    cosseno = std::fmax(-1.0f, std::fmin(1.0f, cosseno));
    for (int i = 0; i < 3; ++i) eixo[i] = n[i] / comp;
    angulo = std::acos(cosseno);
    return angulo > 0.0f;
}

void BolaRotacao::pressiona() {
    gira = false;
    moveu = false;
}

void BolaRotacao::arrasta(float m[16], float x0, float y0, float x1, float y1, float raio) {
    float e[3], a = 0.0f;
    if (!rotacaoArrasto(x0, y0, x1, y1, raio, e, a)) return;
    rodaMatriz(m, e, a);
    for (int i = 0; i < 3; ++i) eixo[i] = e[i];
    angulo = a;
    moveu = true;
}

void BolaRotacao::larga() { gira = moveu; }

void BolaRotacao::passo(float m[16]) const {
    if (gira) rodaMatriz(m, eixo, angulo);
}
