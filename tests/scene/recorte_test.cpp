// Leaving out shapes outside the view must never leave out one that shows: for random boxes
// under random cameras, a box judged outside has no point inside the view volume.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "scene/recorte.h"
#include "scene/matriz.h"

namespace {

// A perspective as glFrustum makes it, times a camera turned about y and moved.
Matriz camara(std::mt19937& g) {
    std::uniform_real_distribution<float> u(-1.0f, 1.0f);
    const float n = 0.1f, f = 50.0f, l = 0.08f * (1.5f + u(g)), t = 0.05f * (1.5f + u(g));
    const Matriz p{n / l, 0, 0, 0, 0, n / t, 0, 0, 0, 0, -(f + n) / (f - n), -1,
                   0, 0, -2 * f * n / (f - n), 0};
    const float a = 3.2f * u(g), c = std::cos(a), s = std::sin(a);
    const Matriz v{c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 5 * u(g), 2 * u(g), 5 * u(g), 1};
    return multiplica(p, v);
}

bool pontoDentro(const float clip[16], float x, float y, float z) {
    float q[4];
    for (int l = 0; l < 4; ++l) q[l] = clip[l] * x + clip[4 + l] * y + clip[8 + l] * z + clip[12 + l];
    return std::fabs(q[0]) <= q[3] && std::fabs(q[1]) <= q[3] && std::fabs(q[2]) <= q[3];
}

TEST(Recorte, ABoxJudgedOutsideHasNoPointInTheView) {
    std::mt19937 g(21);
    std::uniform_real_distribution<float> u(-20.0f, 20.0f), lado(0.0f, 6.0f);
    int fora = 0, aVista = 0;
    for (int i = 0; i < 20000; ++i) {
        const Matriz m = camara(g);
        const float* clip = m.data();
        Caixa c{{u(g), u(g), u(g)}, {}};
        for (int k = 0; k < 3; ++k) c.maximo[k] = c.minimo[k] + lado(g);
        bool algumDentro = false;
        for (int a = 0; a <= 6 && !algumDentro; ++a)
            for (int b = 0; b <= 6 && !algumDentro; ++b)
                for (int d = 0; d <= 6 && !algumDentro; ++d)
                    algumDentro = pontoDentro(clip, c.minimo[0] + (c.maximo[0] - c.minimo[0]) * a / 6,
                                              c.minimo[1] + (c.maximo[1] - c.minimo[1]) * b / 6,
                                              c.minimo[2] + (c.maximo[2] - c.minimo[2]) * d / 6);
        if (foraDaVista(clip, c)) {
            ++fora;
            EXPECT_FALSE(algumDentro) << "box " << i;
        }
        aVista += algumDentro ? 1 : 0;
    }
    // Both kinds of box come up often.
    EXPECT_GT(fora, 2000);
    EXPECT_GT(aVista, 1000);
}

}  // namespace
