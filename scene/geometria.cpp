#include <cmath>

#include "scene/formas.h"

namespace {

using Vec3 = std::array<float, 3>;

Vec3 menos(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

Vec3 vectorial(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

float norma(const Vec3& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// Newell's normal of a polygon, unit length; (0, 0, 1) when the vertices span no area.
Vec3 normalNewell(const Vec3* p, int n) {
    Vec3 s{0.0f, 0.0f, 0.0f};
    for (int i = 0; i < n; ++i) {
        const Vec3& a = p[i];
        const Vec3& b = p[(i + 1) % n];
        s[0] += (a[1] - b[1]) * (a[2] + b[2]);
        s[1] += (a[2] - b[2]) * (a[0] + b[0]);
        s[2] += (a[0] - b[0]) * (a[1] + b[1]);
    }
    const float len = norma(s);
    if (!(len > 0.0f) || !std::isfinite(len)) return {0.0f, 0.0f, 1.0f};
    return {s[0] / len, s[1] / len, s[2] / len};
}

Poligono quad(Vec3 normal, const Vertice (&v)[4], std::array<float, 4> rotacao = {0, 0, 0, 0}) {
    Poligono p;
    p.normal = normal;
    for (int i = 0; i < 4; ++i) p.vertices[i] = v[i];
    p.nVertices = 4;
    p.rotacao = rotacao;
    return p;
}

}  // namespace

Poligono Rectangulo::poligono(float ls, float lt) const {
    const float s = std::fabs(x1 - x2) / ls;
    const float t = std::fabs(y1 - y2) / lt;
    const Vertice v[4] = {{{x1, y1, 0.0f}, {0.0f, 0.0f}},
                          {{x2, y1, 0.0f}, {s, 0.0f}},
                          {{x2, y2, 0.0f}, {s, t}},
                          {{x1, y2, 0.0f}, {0.0f, t}}};
    return quad({0.0f, 0.0f, 1.0f}, v);
}

Poligono Triangulo::poligono(float ls, float lt) const {
    // The image is stretched over the triangle's height: p2 shares s with p3.
    const Vec3 u = menos(p2, p1);
    const Vec3 w = menos(p3, p1);
    const float nu = norma(u);
    float h = 0.0f;
    if (nu > 0.0f && norma(w) > 0.0f) h = norma(vectorial(u, w)) / nu;
    // h / ls is what |w| cos(acos(h / |w|)) / ls amounts to, without the rounding that can
    // push h / |w| just past 1 and make the arccosine undefined.
    float s = h / ls;
    float t = h / lt;
    if (!std::isfinite(s) || !std::isfinite(t)) s = t = 0.0f;

    const Vec3 pontos[3] = {p1, p2, p3};
    Poligono p;
    p.normal = normalNewell(pontos, 3);
    p.vertices[0] = {p1, {0.0f, 0.0f}};
    p.vertices[1] = {p2, {s, 0.0f}};
    p.vertices[2] = {p3, {s, t}};
    p.nVertices = 3;
    return p;
}

std::array<Poligono, 6> Paralelipipedo::faces(float ls, float lt) const {
    // Faces 2, 4 and 6 are faces 1, 3 and 5 turned half a turn; OpenGL rotates their normals
    // with them, so every face ends up lit from outside.
    const float hx = dimx / 2, hy = dimy / 2, hz = dimz / 2;
    const float sx = 2 * dimx / ls, sz = 2 * dimz / ls;
    const float ty = 2 * dimy / lt, tz = 2 * dimz / lt;
    const Vertice frente[4] = {{{hx, -hy, hz}, {sx, 0}},
                               {{hx, hy, hz}, {sx, ty}},
                               {{-hx, hy, hz}, {0, ty}},
                               {{-hx, -hy, hz}, {0, 0}}};
    const Vertice lado[4] = {{{hx, -hy, -hz}, {sz, 0}},
                             {{hx, hy, -hz}, {sz, ty}},
                             {{hx, hy, hz}, {0, ty}},
                             {{hx, -hy, hz}, {0, 0}}};
    const Vertice topo[4] = {{{hx, hy, hz}, {sx, 0}},
                             {{hx, hy, -hz}, {sx, tz}},
                             {{-hx, hy, -hz}, {0, tz}},
                             {{-hx, hy, hz}, {0, 0}}};
    return {quad({0, 0, 1}, frente), quad({0, 0, 1}, frente, {180, 0, 1, 0}),
            quad({1, 0, 0}, lado),   quad({1, 0, 0}, lado, {180, 0, 1, 0}),
            quad({0, 1, 0}, topo),   quad({0, 1, 0}, topo, {180, 0, 0, 1})};
}
