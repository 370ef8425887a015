// What the flat shapes send: vertices, normals and texture coordinates, without GL.
#include <gtest/gtest.h>

#include <cmath>

#include "scene/formas.h"

namespace {

using Vec3 = std::array<float, 3>;

materialElement material;
textureElement textura;

void esperaVec(const Vec3& v, const Vec3& e) {
    EXPECT_NEAR(v[0], e[0], 1e-5f);
    EXPECT_NEAR(v[1], e[1], 1e-5f);
    EXPECT_NEAR(v[2], e[2], 1e-5f);
}

void esperaTex(const Vertice& v, float s, float t) {
    EXPECT_NEAR(v.textura[0], s, 1e-5f);
    EXPECT_NEAR(v.textura[1], t, 1e-5f);
}

// What glRotatef(180, axis) does to a point, for the axes the box uses.
Vec3 meiaVolta(const Poligono& p, const Vec3& v) {
    if (p.rotacao[0] == 0.0f) return v;
    if (p.rotacao[2] == 1.0f) return {-v[0], v[1], -v[2]};  // around y
    return {-v[0], -v[1], v[2]};                            // around z
}

Vec3 menos(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec3 vectorial(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
float escalar(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

}  // namespace

TEST(Rectangulo, TextureExtentsIgnoreCornerOrderAndRepeatByLength) {
    Rectangulo direito("r", material, textura, false, {0, 4}, {0, 3});
    Rectangulo invertido("r", material, textura, false, {4, 0}, {3, 0});
    for (const Rectangulo* r : {&direito, &invertido}) {
        const Poligono p = r->poligono(2.0f, 1.5f);
        ASSERT_EQ(p.nVertices, 4);
        esperaVec(p.normal, {0, 0, 1});
        EXPECT_EQ(p.rotacao[0], 0.0f);
        esperaTex(p.vertices[0], 0, 0);
        esperaTex(p.vertices[1], 2, 0);
        esperaTex(p.vertices[2], 2, 2);
        esperaTex(p.vertices[3], 0, 2);
    }
    // The corners go in the order the file gives them, in the plane z = 0.
    const Poligono p = invertido.poligono(1, 1);
    esperaVec(p.vertices[0].posicao, {4, 3, 0});
    esperaVec(p.vertices[1].posicao, {0, 3, 0});
    esperaVec(p.vertices[2].posicao, {0, 0, 0});
    esperaVec(p.vertices[3].posicao, {4, 0, 0});
}

TEST(Triangulo, UnitTriangleFacesUpAndStretchesOverItsHeight) {
    Triangulo t("t", material, textura, false, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    const Poligono p = t.poligono(1, 1);
    ASSERT_EQ(p.nVertices, 3);
    esperaVec(p.normal, {0, 0, 1});
    esperaTex(p.vertices[0], 0, 0);
    esperaTex(p.vertices[1], 1, 0);
    esperaTex(p.vertices[2], 1, 1);
    esperaVec(p.vertices[2].posicao, {0, 1, 0});
}

TEST(Triangulo, ExtentsAreTheHeightOverEachLengthAndTheNormalFollowsWinding) {
    // Height 3 above the edge p1-p2, in the plane x = 2, wound counter-clockwise seen from +x.
    Triangulo t("t", material, textura, false, {2, 0, 0}, {2, 2, 0}, {2, 1, 3});
    const Poligono p = t.poligono(2.0f, 0.5f);
    esperaVec(p.normal, {1, 0, 0});
    esperaTex(p.vertices[1], 1.5f, 0);
    esperaTex(p.vertices[2], 1.5f, 6);
    Triangulo inverso("t", material, textura, false, {2, 0, 0}, {2, 1, 3}, {2, 2, 0});
    esperaVec(inverso.poligono(1, 1).normal, {-1, 0, 0});
}

TEST(Triangulo, DegenerateTrianglesSendFiniteValues) {
    const std::array<Vec3, 3> casos[] = {
        {Vec3{1, 1, 1}, Vec3{1, 1, 1}, Vec3{2, 0, 0}},  // p1 = p2
        {Vec3{1, 1, 1}, Vec3{2, 0, 0}, Vec3{1, 1, 1}},  // p1 = p3
        {Vec3{0, 0, 0}, Vec3{1, 1, 1}, Vec3{3, 3, 3}},  // on one line
        {Vec3{5, 5, 5}, Vec3{5, 5, 5}, Vec3{5, 5, 5}},  // one point
    };
    for (const auto& c : casos) {
        Triangulo t("t", material, textura, false, c[0], c[1], c[2]);
        const Poligono p = t.poligono(1, 1);
        esperaVec(p.normal, {0, 0, 1});
        for (int i = 0; i < 3; ++i) esperaTex(p.vertices[i], 0, 0);
    }
}

TEST(Paralelipipedo, EveryFaceIsLitAndWoundFromOutside) {
    const float dx = 2, dy = 3, dz = 4;
    Paralelipipedo caixa("c", material, textura, false, dx, dy, dz);
    const auto faces = caixa.faces(1, 1);
    const Vec3 normais[6] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    const float metades[6] = {dz / 2, dz / 2, dx / 2, dx / 2, dy / 2, dy / 2};
    for (int f = 0; f < 6; ++f) {
        SCOPED_TRACE(f + 1);
        const Poligono& p = faces[f];
        ASSERT_EQ(p.nVertices, 4);
        // Faces 2, 4 and 6 send the normal of the face they mirror, turned with them.
        esperaVec(meiaVolta(p, p.normal), normais[f]);
        Vec3 v[4];
        for (int i = 0; i < 4; ++i) {
            v[i] = meiaVolta(p, p.vertices[i].posicao);
            EXPECT_NEAR(escalar(v[i], normais[f]), metades[f], 1e-5f);
        }
        EXPECT_GT(escalar(vectorial(menos(v[1], v[0]), menos(v[2], v[0])), normais[f]), 0.0f);
        EXPECT_GT(escalar(vectorial(menos(v[2], v[0]), menos(v[3], v[0])), normais[f]), 0.0f);
    }
}

TEST(Paralelipipedo, TextureRepeatsTwicePerLengthAlongEachEdge) {
    Paralelipipedo cubo("c", material, textura, false, 1, 1, 1);
    for (const Poligono& p : cubo.faces(1, 1)) {
        float maxS = 0, maxT = 0;
        for (int i = 0; i < 4; ++i) {
            maxS = std::max(maxS, p.vertices[i].textura[0]);
            maxT = std::max(maxT, p.vertices[i].textura[1]);
        }
        EXPECT_FLOAT_EQ(maxS, 2);
        EXPECT_FLOAT_EQ(maxT, 2);
    }
    Paralelipipedo caixa("c", material, textura, false, 2, 3, 4);
    const auto f = caixa.faces(4, 0.5f);
    esperaTex(f[0].vertices[1], 1, 12);  // 2 * dimx / ls, 2 * dimy / lt
    esperaTex(f[2].vertices[1], 2, 12);  // 2 * dimz / ls, 2 * dimy / lt
    esperaTex(f[4].vertices[1], 1, 16);  // 2 * dimx / ls, 2 * dimz / lt
    esperaTex(f[5].vertices[3], 0, 0);
}
