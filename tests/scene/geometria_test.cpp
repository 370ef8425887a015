// What the flat shapes send: vertices, normals and texture coordinates, without GL.
#include <gtest/gtest.h>

#include "scene/formas.h"

namespace {

using Vec3 = std::array<float, 3>;

materialElement material;
textureElement textura;

void esperaVec(const Vec3& v, const Vec3& e) {
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(v[i], e[i], 1e-5f) << i;
}

void esperaTex(const Poligono& p, std::vector<std::array<float, 2>> tex) {
    ASSERT_EQ(p.nVertices, static_cast<int>(tex.size()));
    for (size_t i = 0; i < tex.size(); ++i) {
        EXPECT_NEAR(p.vertices[i].textura[0], tex[i][0], 1e-5f) << i;
        EXPECT_NEAR(p.vertices[i].textura[1], tex[i][1], 1e-5f) << i;
    }
}

Vec3 menos(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec3 vectorial(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
float escalar(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// What glRotatef(180, axis) does to a point: reflect it through the (unit) axis.
Vec3 meiaVolta(const Poligono& p, const Vec3& v) {
    if (p.rotacao[0] == 0.0f) return v;
    EXPECT_EQ(p.rotacao[0], 180.0f);
    const Vec3 a{p.rotacao[1], p.rotacao[2], p.rotacao[3]};
    const float k = 2 * escalar(a, v) / escalar(a, a);
    return {k * a[0] - v[0], k * a[1] - v[1], k * a[2] - v[2]};
}

}  // namespace

TEST(Rectangulo, ExtentsIgnoreCornerOrderAndRepeatByLength) {
    for (auto xs : {std::array<float, 2>{1, 5}, std::array<float, 2>{5, 1}}) {
        Rectangulo r("r", material, textura, false, xs, {4, 1});
        const Poligono p = r.poligono(2.0f, 1.5f);
        esperaVec(p.normal, {0, 0, 1});
        esperaTex(p, {{0, 0}, {2, 0}, {2, 2}, {0, 2}});
        esperaVec(p.vertices[1].posicao, {xs[1], 4, 0});
    }
}

TEST(Triangulo, StretchesOverItsHeightWithANewellNormal) {
    Triangulo unitario("t", material, textura, false, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const Poligono u = unitario.poligono(1, 1);
    esperaVec(u.normal, {0, 0, 1});
    esperaTex(u, {{0, 0}, {1, 0}, {1, 1}});
    // Height 3 over the edge p1-p2, in the plane x = 2; the winding picks the normal's side.
    Triangulo alto("t", material, textura, false, {2, 0, 0}, {2, 2, 0}, {2, 1, 3});
    const Poligono a = alto.poligono(2.0f, 0.5f);
    esperaVec(a.normal, {1, 0, 0});
    esperaTex(a, {{0, 0}, {1.5f, 0}, {1.5f, 6}});
    Triangulo inverso("t", material, textura, false, {2, 0, 0}, {2, 1, 3}, {2, 2, 0});
    esperaVec(inverso.poligono(1, 1).normal, {-1, 0, 0});
}

TEST(Triangulo, DegenerateOnesSendTheZAxisAndNoExtent) {
    const std::array<Vec3, 3> casos[] = {{Vec3{1, 1, 1}, Vec3{1, 1, 1}, Vec3{2, 0, 0}},
                                         {Vec3{1, 1, 1}, Vec3{2, 0, 0}, Vec3{1, 1, 1}},
                                         {Vec3{0, 0, 0}, Vec3{1, 1, 1}, Vec3{3, 3, 3}},
                                         {Vec3{5, 5, 5}, Vec3{5, 5, 5}, Vec3{5, 5, 5}}};
    for (const auto& v : casos) {
        const Poligono p = Triangulo("t", material, textura, false, v[0], v[1], v[2]).poligono(1, 1);
        esperaVec(p.normal, {0, 0, 1});
        esperaTex(p, {{0, 0}, {0, 0}, {0, 0}});
    }
}

TEST(Paralelipipedo, EveryFaceIsWoundAndLitFromOutside) {
    const auto faces = Paralelipipedo("c", material, textura, false, 2, 3, 4).faces(4, 0.5f);
    const Vec3 fora[6] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    const float metade[6] = {2, 2, 1, 1, 1.5f, 1.5f};
    for (int f = 0; f < 6; ++f) {
        SCOPED_TRACE(f + 1);
        const Poligono& p = faces[f];
        ASSERT_EQ(p.nVertices, 4);
        // Faces 2, 4 and 6 send the normal of the face they mirror, turned with them.
        esperaVec(meiaVolta(p, p.normal), fora[f]);
        Vec3 v[4];
        for (int i = 0; i < 4; ++i) {
            v[i] = meiaVolta(p, p.vertices[i].posicao);
            EXPECT_NEAR(escalar(v[i], fora[f]), metade[f], 1e-5f);
        }
        EXPECT_GT(escalar(vectorial(menos(v[1], v[0]), menos(v[2], v[0])), fora[f]), 0.0f);
        EXPECT_GT(escalar(vectorial(menos(v[2], v[0]), menos(v[3], v[0])), fora[f]), 0.0f);
    }
    // Twice per length along each edge: 2 * dim / ls and 2 * dim / lt.
    esperaTex(faces[0], {{1, 0}, {1, 12}, {0, 12}, {0, 0}});
    esperaTex(faces[2], {{2, 0}, {2, 12}, {0, 12}, {0, 0}});
    esperaTex(faces[5], {{1, 0}, {1, 16}, {0, 16}, {0, 0}});
}
