// The draw-state rules, watched from inside a real GL context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "scene/cena_teste.h"
#include "scene/contexto_gl.h"
#include "scene/globais.h"

using teste::Cena;
using Filhos = std::vector<std::string>;

namespace {

// What is in force when a child draws.
struct Visto {
    GLint textura = -1;
    bool texturing = false;
    std::array<float, 4> difusa{};
    float brilho = -1;
    stackobject topo;
};

// A leaf that records the state in force instead of drawing.
class Sonda : public Objecto {
public:
    using Objecto::Objecto;
    void linkChildren(const ListaObjectos&) override {}
    void draw() override {
        Visto v;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &v.textura);
        v.texturing = glIsEnabled(GL_TEXTURE_2D);
        glGetMaterialfv(GL_FRONT, GL_DIFFUSE, v.difusa.data());
        glGetMaterialfv(GL_FRONT, GL_SHININESS, &v.brilho);
        if (!drawStack.empty()) v.topo = drawStack.back();
        vistos.push_back(v);
    }
    std::vector<Visto> vistos;
};

std::array<float, 4> difusa(const materialElement& m) {
    return {m.diffuse[0], m.diffuse[1], m.diffuse[2], m.diffuse[3]};
}

class Desenho : public testing::Test {
protected:
    void SetUp() override {
        teste::garanteContextoGl();
        glDisable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, 99);
        const float sentinela[4] = {0.9f, 0.9f, 0.9f, 0.9f};
        glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, sentinela);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    void TearDown() override {
        EXPECT_TRUE(drawStack.empty());
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    // Draws like a frame does: the root between a push and a pop of the matrix.
    static void desenha(Objecto& raiz) {
        ASSERT_TRUE(drawStack.empty());
        glPushMatrix();
        raiz.draw();
        glPopMatrix();
    }

    static GLint texturaLigada() {
        GLint n = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &n);
        return n;
    }

    Cena c;
};

}  // namespace

TEST_F(Desenho, ChildSeesItsParentsMaterialAndTexture) {
    auto& raiz = c.junta<Composto>("raiz", "m1", "t1", Filhos{"s"});
    auto& s = c.junta<Sonda>("s", "null", "null");
    c.liga();
    desenha(raiz);
    ASSERT_EQ(s.vistos.size(), 1u);
    EXPECT_EQ(s.vistos[0].textura, 11);
    EXPECT_TRUE(s.vistos[0].texturing);
    EXPECT_EQ(s.vistos[0].difusa, difusa(c.m1));
    EXPECT_EQ(s.vistos[0].brilho, 10);
    EXPECT_EQ(s.vistos[0].topo.material, &c.m1);
    EXPECT_EQ(s.vistos[0].topo.texture, &c.t1);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));  // a textured object turns texturing off
}

TEST_F(Desenho, RootGroupWithoutMaterialTakesTheDefaultOnce) {
    auto& raiz = c.junta<Composto>("raiz", "null", "clear", Filhos{"s"});
    auto& s = c.junta<Sonda>("s", "null", "null");
    c.liga();
    desenha(raiz);
    EXPECT_EQ(raiz.getMaterial().id, "default");
    EXPECT_EQ(s.vistos[0].difusa, (std::array<float, 4>{0.0f, 0.6f, 0.6f, 0.6f}));
    EXPECT_EQ(s.vistos[0].brilho, 128);
    raiz.getMaterial().diffuse[0] = 0.25f;  // no longer "null": not reset again
    desenha(raiz);
    EXPECT_FLOAT_EQ(s.vistos[1].difusa[0], 0.25f);
}

TEST_F(Desenho, RootShapeWithoutMaterialSendsNone) {
    auto& r = c.junta<Rectangulo>("r", "null", "clear", std::array<float, 2>{0, 1},
                                  std::array<float, 2>{0, 1});
    desenha(r);
    EXPECT_EQ(r.getMaterial().id, "null");
    float d[4];
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, d);
    EXPECT_FLOAT_EQ(d[0], 0.9f);
}

TEST_F(Desenho, ShapeAdoptsTheMaterialOfTheFirstParentForGood) {
    auto& raiz = c.junta<Composto>("raiz", "m2", "clear", Filhos{"g1", "g2"});
    c.junta<Composto>("g1", "m1", "clear", Filhos{"forma"});
    c.junta<Composto>("g2", "m2", "clear", Filhos{"forma", "s"});
    auto& forma = c.junta<Esfera>("forma", "null", "clear", 0.1f, 4, 2);
    auto& s = c.junta<Sonda>("s", "null", "null");
    c.liga();
    desenha(raiz);
    EXPECT_EQ(&forma.getMaterial(), &c.m1);
    ASSERT_EQ(s.vistos.size(), 1u);
    EXPECT_EQ(s.vistos[0].difusa, difusa(c.m1));  // sent by the shape under g2
}

TEST_F(Desenho, GroupWithoutMaterialPassesOnTheNearestOne) {
    auto& raiz = c.junta<Composto>("raiz", "m1", "clear", Filhos{"meio"});
    auto& meio = c.junta<Composto>("meio", "null", "clear", Filhos{"antes", "forma", "s"});
    auto& antes = c.junta<Sonda>("antes", "null", "null");
    auto& forma = c.junta<Disco>("forma", "null", "clear", 0.0f, 0.1f, 4, 1);
    auto& s = c.junta<Sonda>("s", "null", "null");
    c.liga();
    desenha(raiz);
    EXPECT_EQ(meio.getMaterial().id, "null");
    EXPECT_EQ(antes.vistos[0].difusa, difusa(c.m1));
    EXPECT_EQ(antes.vistos[0].topo.material, &c.m1);
    EXPECT_EQ(&forma.getMaterial(), &c.m1);
    EXPECT_EQ(s.vistos[0].difusa, difusa(c.m1));
}

TEST_F(Desenho, NoUsableTextureBindsTextureZero) {
    // "null" textures under a "clear" root and a "clear" group, then a root whose texture
    // is "null"; a named texture under a "clear" parent still binds its own.
    auto& raiz = c.junta<Composto>("raiz", "m1", "clear", Filhos{"herda", "propria", "meio"});
    c.junta<Composto>("herda", "null", "null", Filhos{"s1"});
    c.junta<Composto>("propria", "null", "t2", Filhos{"s2"});
    c.junta<Composto>("meio", "null", "clear", Filhos{"herdaMeio"});
    c.junta<Composto>("herdaMeio", "null", "null", Filhos{"s4"});
    auto& s1 = c.junta<Sonda>("s1", "null", "null");
    auto& s2 = c.junta<Sonda>("s2", "null", "null");
    auto& s4 = c.junta<Sonda>("s4", "null", "null");
    auto& raizNula = c.junta<Composto>("raizNula", "m1", "null", Filhos{"s3"});
    auto& s3 = c.junta<Sonda>("s3", "null", "null");
    c.liga();
    desenha(raiz);
    for (const Sonda* s : {&s1, &s4}) {
        EXPECT_EQ(s->vistos[0].textura, 0);
        EXPECT_TRUE(s->vistos[0].texturing);
        EXPECT_FALSE(s->vistos[0].topo.clear);
        EXPECT_FALSE(Objecto::hasUsableTexture(s->vistos[0].topo));
    }
    EXPECT_EQ(s4.vistos[0].topo.texture, nullptr);
    EXPECT_EQ(s2.vistos[0].textura, 12);
    glBindTexture(GL_TEXTURE_2D, 99);
    desenha(raizNula);
    EXPECT_EQ(s3.vistos[0].textura, 0);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(Desenho, ClearObjectsLeaveTexturingAsTheyFoundIt) {
    auto& raiz = c.junta<Composto>("raiz", "m1", "t1", Filhos{"vazio", "s", "textured", "s"});
    c.junta<Composto>("vazio", "null", "clear", Filhos{});
    auto& s = c.junta<Sonda>("s", "null", "null");
    c.junta<Composto>("textured", "null", "t2", Filhos{});
    c.liga();
    desenha(raiz);
    ASSERT_EQ(s.vistos.size(), 2u);
    EXPECT_TRUE(s.vistos[0].texturing);   // the "clear" group touched nothing
    EXPECT_FALSE(s.vistos[1].texturing);  // the textured one switched it off
    EXPECT_EQ(s.vistos[1].textura, 12);
}

TEST_F(Desenho, RepeatedEmptyAndCyclicSlotsStillEnd) {
    auto& raiz = c.junta<Composto>("raiz", "m1", "clear", Filhos{"s", "falta", "a", "s"});
    c.junta<Composto>("a", "null", "null", Filhos{"b"});
    c.junta<Composto>("b", "null", "null", Filhos{"a", "s"});
    auto& s = c.junta<Sonda>("s", "null", "null");
    testing::internal::CaptureStdout();
    c.liga();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Cycle in scene graph at 'b'\n");
    desenha(raiz);
    EXPECT_EQ(s.vistos.size(), 3u);
}

TEST_F(Desenho, TexturedQuadricSendsCoordinatesAndEndsWithTexturingOff) {
    auto& raiz = c.junta<Composto>("raiz", "m1", "clear", Filhos{"bola"});
    c.junta<Esfera>("bola", "null", "t1", 1.0f, 8, 4);
    c.liga();
    glTexCoord4f(-7, -7, -7, 1);
    glEnable(GL_TEXTURE_2D);
    desenha(raiz);
    float tc[4];
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, tc);
    EXPECT_NE(tc[0], -7.0f);
    EXPECT_EQ(texturaLigada(), 11);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(Desenho, ClearQuadricSendsNoCoordinatesAndLeavesTexturingAlone) {
    for (bool ligado : {false, true}) {
        SCOPED_TRACE(ligado);
        Cena cena;
        auto& cilindro = cena.junta<Cilindro>("c", "m1", "clear", 1.0f, 0.5f, 1.0f, 8, 2);
        glTexCoord4f(-7, -7, -7, 1);
        if (ligado) glEnable(GL_TEXTURE_2D); else glDisable(GL_TEXTURE_2D);
        desenha(cilindro);
        float tc[4];
        glGetFloatv(GL_CURRENT_TEXTURE_COORDS, tc);
        EXPECT_EQ(tc[0], -7.0f);
        EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D), ligado ? GL_TRUE : GL_FALSE);
        EXPECT_EQ(texturaLigada(), 99);
    }
}

TEST_F(Desenho, ClearRectangleAndBoxLeaveTexturingOn) {
    auto& r = c.junta<Rectangulo>("r", "m1", "clear", std::array<float, 2>{0, 1},
                                  std::array<float, 2>{0, 1});
    auto& caixa = c.junta<Paralelipipedo>("p", "m1", "clear", 1.0f, 1.0f, 1.0f);
    for (Objecto* o : {static_cast<Objecto*>(&r), static_cast<Objecto*>(&caixa)}) {
        glDisable(GL_TEXTURE_2D);
        glTexCoord4f(-7, -7, -7, 1);
        desenha(*o);
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        float tc[4];
        glGetFloatv(GL_CURRENT_TEXTURE_COORDS, tc);
        EXPECT_EQ(tc[0], -7.0f);
        EXPECT_EQ(texturaLigada(), 99);
    }
}

TEST_F(Desenho, TexturedRectangleSendsCoordinatesOfTheTextureInForce) {
    c.t1.length_s = 2;
    auto& raiz = c.junta<Composto>("raiz", "m1", "t1", Filhos{"r"});
    c.junta<Rectangulo>("r", "null", "null", std::array<float, 2>{0, 4},
                        std::array<float, 2>{0, 3});
    c.liga();
    desenha(raiz);
    float tc[4];
    glGetFloatv(GL_CURRENT_TEXTURE_COORDS, tc);  // the last corner's: (0, 3 / lt)
    EXPECT_FLOAT_EQ(tc[0], 0.0f);
    EXPECT_FLOAT_EQ(tc[1], 3.0f);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}
