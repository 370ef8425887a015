#include "scene/matriz.h"

#include <cmath>

Matriz identidade() {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

Matriz multiplica(const Matriz& a, const Matriz& b) {
    Matriz r{};
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            float soma = 0.0f;
            for (int k = 0; k < 4; ++k) soma += a[4 * k + i] * b[4 * j + k];
            r[4 * j + i] = soma;
        }
    return r;
}

Matriz translada(const Matriz& m, float x, float y, float z) {
    Matriz t = identidade();
    t[12] = x;
    t[13] = y;
    t[14] = z;
    return multiplica(m, t);
}

Matriz roda(const Matriz& m, float angulo, float x, float y, float z) {
    const double norma = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
    // glRotatef leaves the matrix alone for a zero axis; a scenery file cannot give one,
    // but the function should not divide by zero for it.
    if (norma == 0.0) return m;
    const double ux = x / norma, uy = y / norma, uz = z / norma;
    const double rad = double(angulo) * M_PI / 180.0;
    const double c = std::cos(rad), s = std::sin(rad), d = 1.0 - c;

    Matriz r = identidade();
    r[0] = float(ux * ux * d + c);
    r[1] = float(uy * ux * d + uz * s);
    r[2] = float(ux * uz * d - uy * s);
    r[4] = float(ux * uy * d - uz * s);
    r[5] = float(uy * uy * d + c);
    r[6] = float(uy * uz * d + ux * s);
    r[8] = float(ux * uz * d + uy * s);
    r[9] = float(uy * uz * d - ux * s);
    r[10] = float(uz * uz * d + c);
    return multiplica(m, r);
}

Matriz escala(const Matriz& m, float x, float y, float z) {
    Matriz s = identidade();
    s[0] = x;
    s[5] = y;
    s[10] = z;
    return multiplica(m, s);
}
