// The draw-state rules, watched from inside a real GL context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "scene/cena_teste.h"
#include "scene/contexto_gl.h"
#include "scene/globais.h"

using Filhos = std::vector<std::string>;
using Cor = std::array<float, 4>;
using Par = std::array<float, 2>;

namespace {

struct Visto {
    GLint textura = -1;
    bool texturing = false;
    Cor difusa{};
    float brilho = -1;
    stackobject topo;
};

// A leaf that records the state in force instead of drawing.
class Sonda : public Objecto {
public:
    using Objecto::Objecto;
    void linkChildren(const ListaObjectos&) override {}
    void draw() override {
        aplicaTexturizacao();  // as a shape does before its geometry
        Visto v;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &v.textura);
        v.texturing = glIsEnabled(GL_TEXTURE_2D);
        glGetMaterialfv(GL_FRONT, GL_DIFFUSE, v.difusa.data());
        glGetMaterialfv(GL_FRONT, GL_SHININESS, &v.brilho);
        v.topo = drawStack.back();
        vistos.push_back(v);
    }
    std::vector<Visto> vistos;
};

Cor difusa(const materialElement& m) { return {m.diffuse[0], m.diffuse[1], m.diffuse[2], m.diffuse[3]}; }

class Desenho : public testing::Test {
protected:
    void SetUp() override {
        teste::garanteContextoGl();
        glDisable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, 99);
        marcaMaterial();
    }
    static void marcaMaterial() {
        const float sentinela[4] = {0.9f, 0.9f, 0.9f, 0.9f};
        glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, sentinela);
    }
    void TearDown() override { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }

    // As a frame draws the root: empty stack, inside a pushed matrix.
    static void desenha(Objecto& raiz, float s = -7) {
        glTexCoord4f(s, s, s, 1);  // a mark to tell whether coordinates were sent
        glPushMatrix();
        raiz.draw();
        glPopMatrix();
        EXPECT_TRUE(drawStack.empty());
    }
    static GLint ligada() {
        GLint n = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &n);
        return n;
    }
    static float ultimaCoordenada(int i) {
        float tc[4];
        glGetFloatv(GL_CURRENT_TEXTURE_COORDS, tc);
        return tc[i];
    }

    teste::Cena c;
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
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));  // a textured object turns texturing off
}

TEST_F(Desenho, RootGroupWithoutMaterialTakesTheDefaultOnce) {
    auto& raiz = c.junta<Composto>("raiz", "null", "clear", Filhos{"s"});
    auto& s = c.junta<Sonda>("s", "null", "null");
    c.liga();
    desenha(raiz);
    EXPECT_EQ(raiz.getMaterial().id, "default");
    EXPECT_EQ(s.vistos[0].difusa, (Cor{0.0f, 0.6f, 0.6f, 0.6f}));
    EXPECT_EQ(s.vistos[0].brilho, 128);
    raiz.getMaterial().diffuse[0] = 0.25f;  // no longer "null": not reset again
    desenha(raiz);
    EXPECT_FLOAT_EQ(s.vistos[1].difusa[0], 0.25f);
}

TEST_F(Desenho, NullMaterialsInheritAndShapesKeepTheFirstForGood) {
    auto& raiz = c.junta<Composto>("raiz", "m2", "clear", Filhos{"g1", "g2"});
    c.junta<Composto>("g1", "null", "clear", Filhos{"forma", "s1"});  // sends nothing itself
    c.junta<Composto>("g2", "m1", "clear", Filhos{"forma", "s2"});
    auto& forma = c.junta<Esfera>("forma", "null", "clear", 0.1f, 4, 2);
    auto& s1 = c.junta<Sonda>("s1", "null", "null");
    auto& s2 = c.junta<Sonda>("s2", "null", "null");
    auto& raizForma = c.junta<Rectangulo>("rf", "null", "clear", Par{0, 1}, Par{0, 1});
    c.liga();
    desenha(raiz);
    EXPECT_EQ(&forma.getMaterial(), &c.m2);  // the nearest material above the "null" group
    EXPECT_EQ(s1.vistos[0].topo.material, &c.m2);
    EXPECT_EQ(s2.vistos[0].difusa, difusa(c.m2));  // adopted under g1, sent under g2 too
    // At the root a shape without material sends none, keeping what the frame had set.
    marcaMaterial();
    desenha(raizForma);
    EXPECT_EQ(raizForma.getMaterial().id, "null");
    float d[4];
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, d);
    EXPECT_FLOAT_EQ(d[0], 0.9f);
}

TEST_F(Desenho, NoUsableTextureBindsTextureZero) {
    // "null" textures under a "clear" root and a "clear" group, and a root whose texture is
    // "null"; a named texture under a "clear" parent still binds its own.
    auto& raiz = c.junta<Composto>("raiz", "m1", "clear", Filhos{"herda", "propria", "meio"});
    c.junta<Composto>("herda", "null", "null", Filhos{"s1"});
    c.junta<Composto>("propria", "null", "t2", Filhos{"s2"});
    c.junta<Composto>("meio", "null", "clear", Filhos{"herdaMeio"});
    c.junta<Composto>("herdaMeio", "null", "null", Filhos{"s3"});
    auto& raizNula = c.junta<Composto>("raizNula", "m1", "null", Filhos{"s4"});
    Sonda* s[4];
    for (int i = 0; i < 4; ++i) s[i] = &c.junta<Sonda>("s" + std::to_string(i + 1), "null", "null");
    c.liga();
    desenha(raiz);
    desenha(raizNula);
    for (int i : {0, 2, 3}) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(s[i]->vistos[0].textura, 0);
        EXPECT_TRUE(s[i]->vistos[0].texturing);
        EXPECT_FALSE(Objecto::hasUsableTexture(s[i]->vistos[0].topo));
    }
    EXPECT_EQ(s[1]->vistos[0].textura, 12);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
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

TEST_F(Desenho, TexturedShapesSendCoordinatesAndTurnTexturingOff) {
    c.t1.length_t = 0.5f;
    auto& raiz = c.junta<Composto>("raiz", "m1", "t1", Filhos{"bola", "vazio", "s", "r"});
    c.junta<Esfera>("bola", "null", "t2", 1.0f, 8, 4);
    c.junta<Composto>("vazio", "null", "clear", Filhos{});
    auto& s = c.junta<Sonda>("s", "null", "null");
    c.junta<Rectangulo>("r", "null", "null", Par{0, 4}, Par{0, 3});
    c.liga();
    desenha(raiz);
    EXPECT_FALSE(s.vistos[0].texturing);  // the sphere switched it off; "vazio" left it so
    EXPECT_EQ(s.vistos[0].textura, 12);
    EXPECT_FLOAT_EQ(ultimaCoordenada(1), 6.0f);  // the rectangle's last corner: 3 / lt in force
    EXPECT_EQ(ligada(), 11);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(Desenho, ClearShapesSendNoCoordinatesAndOnlyFlatOnesEnableTexturing) {
    auto& cilindro = c.junta<Cilindro>("c", "m1", "clear", 1.0f, 0.5f, 1.0f, 8, 2);
    auto& rect = c.junta<Rectangulo>("r", "m1", "clear", Par{0, 1}, Par{0, 1});
    auto& caixa = c.junta<Paralelipipedo>("p", "m1", "clear", 1.0f, 1.0f, 1.0f);
    for (bool ligado : {false, true}) {
        if (ligado) glEnable(GL_TEXTURE_2D); else glDisable(GL_TEXTURE_2D);
        desenha(cilindro);
        EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D), ligado ? GL_TRUE : GL_FALSE);
        EXPECT_EQ(ultimaCoordenada(0), -7.0f);
    }
    for (Objecto* o : {static_cast<Objecto*>(&rect), static_cast<Objecto*>(&caixa)}) {
        glDisable(GL_TEXTURE_2D);
        desenha(*o);
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D)) << o->getId();
        EXPECT_EQ(ultimaCoordenada(0), -7.0f);
    }
    EXPECT_EQ(ligada(), 99);
}
