// The six shapes, textured and lit, rendered into "scene-formas.png" in the build folder
// so a person can look at them; the test itself checks that each one covers its cell.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <stb/stb_image_write.h>

#include <array>
#include <string>
#include <vector>

#include "scene/bmp_escrita.h"
#include "scene/cena_teste.h"
#include "scene/contexto_gl.h"
#include "scene/globais.h"

using teste::Rgb;

namespace {

constexpr int kLargura = 480, kAltura = 320;
constexpr Rgb kFundo{20, 24, 40};

// A checker of `celula`-pixel cells with a dark "F" near the top left, so that a texture
// shown upside down or mirrored is plain to see.
std::vector<unsigned char> imagemComF(int lado, int celula, Rgb a, Rgb b) {
    const int u = lado / 16;  // stroke width
    return teste::bmp24(lado, lado, [=](int x, int r) {
        const int y = lado - 1 - r;  // rows of a bottom-up file, counted from the top
        const bool haste = x >= 2 * u && x < 4 * u && y >= 2 * u && y < 11 * u;
        const bool topo = x >= 2 * u && x < 8 * u && y >= 2 * u && y < 4 * u;
        const bool meio = x >= 2 * u && x < 7 * u && y >= 6 * u && y < 8 * u;
        if (haste || topo || meio) return Rgb{30, 30, 120};
        return ((x / celula + y / celula) % 2) ? a : b;
    });
}

void defineTextura(const std::vector<unsigned char>& bmp, const std::string& nome, unsigned n) {
    const std::string path = std::string(CANTOS_BINARY_DIR) + "/" + nome;
    teste::grava(path, bmp);
    ASSERT_TRUE(imagemTextura.load(path));
    imagemTextura.makeTexture(n);
}

void coloca(Objecto& o, float x, float y, float rx, float ry) {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(x, y, 0);
    glRotatef(rx, 1, 0, 0);
    glRotatef(ry, 0, 1, 0);
    glGetFloatv(GL_MODELVIEW_MATRIX, o.matrix);
    glPopMatrix();
}

}  // namespace

TEST(Montra, SixShapesTexturedAndLit) {
    teste::garanteContextoGl(kLargura, kAltura);
    glutReshapeWindow(kLargura, kAltura);
    glViewport(0, 0, kLargura, kAltura);

    teste::Cena c;
    c.t1.textureName = 1;
    c.t2.textureName = 2;
    c.t2.length_s = c.t2.length_t = 1.8f;  // twice across the rectangle
    defineTextura(imagemComF(64, 8, {235, 150, 40}, {250, 235, 200}), "montra-1.bmp", 1);
    // 30 pixels wide: rows of 90 bytes, not a multiple of 4.
    defineTextura(imagemComF(30, 5, {60, 170, 90}, {230, 240, 160}), "montra-2.bmp", 2);
    for (float* m : {c.m1.ambient, c.m1.diffuse}) m[0] = m[1] = m[2] = 1.0f;

    auto& raiz = c.junta<Composto>("raiz", "m1", "clear",
                                   std::vector<std::string>{"rect", "tri", "cil", "disco", "esfera", "caixa"});
    auto& rect = c.junta<Rectangulo>("rect", "null", "t2", std::array<float, 2>{-1.8f, 1.8f},
                                     std::array<float, 2>{-1.2f, 1.2f});
    auto& tri = c.junta<Triangulo>("tri", "null", "t1", std::array<float, 3>{-1.2f, -1.2f, 0},
                                   std::array<float, 3>{1.2f, -1.2f, 0},
                                   std::array<float, 3>{-1.2f, 1.2f, 0});
    auto& cil = c.junta<Cilindro>("cil", "null", "t1", 0.8f, 0.8f, 2.2f, 24, 4);
    auto& disco = c.junta<Disco>("disco", "null", "t2", 0.3f, 1.2f, 32, 3);
    auto& esfera = c.junta<Esfera>("esfera", "null", "t1", 1.2f, 32, 16);
    auto& caixa = c.junta<Paralelipipedo>("caixa", "null", "t1", 1.4f, 1.4f, 1.4f);
    c.liga();
    coloca(rect, -4.2f, 1.7f, 0, 0);
    coloca(tri, 0, 1.7f, 0, 0);
    coloca(cil, 4.2f, 0.6f, -60, 0);
    coloca(disco, -4.2f, -1.7f, 0, 0);
    coloca(esfera, 0, -1.7f, -90, 0);
    coloca(caixa, 4.2f, -1.7f, 25, -35);

    glClearColor(kFundo[0] / 255.0f, kFundo[1] / 255.0f, kFundo[2] / 255.0f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const float luz[4] = {0.3f, 0.5f, 1.0f, 0.0f};
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40, static_cast<double>(kLargura) / kAltura, 1, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, 12, 0, 0, 0, 0, 1, 0);
    glLightfv(GL_LIGHT0, GL_POSITION, luz);

    glPushMatrix();
    raiz.draw();
    glPopMatrix();
    glFinish();
    EXPECT_TRUE(drawStack.empty());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    std::vector<unsigned char> pixels(kLargura * kAltura * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kLargura, kAltura, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    const std::string png = std::string(CANTOS_BINARY_DIR) + "/scene-formas.png";
    stbi_flip_vertically_on_write(1);
    EXPECT_NE(stbi_write_png(png.c_str(), kLargura, kAltura, 3, pixels.data(), kLargura * 3), 0);

    // The middle of every cell shows a shape, not the background.
    GLdouble mv[16], pr[16];
    GLint vp[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glGetIntegerv(GL_VIEWPORT, vp);
    for (const Objecto* o : {static_cast<Objecto*>(&rect), static_cast<Objecto*>(&tri),
                             static_cast<Objecto*>(&cil), static_cast<Objecto*>(&disco),
                             static_cast<Objecto*>(&esfera), static_cast<Objecto*>(&caixa)}) {
        SCOPED_TRACE(o->getId());
        GLdouble wx, wy, wz;
        // A point inside each shape's outline, just off the disk's hole and the triangle's edge.
        const double dx = o == &tri ? -0.4 : o == &disco ? 0.7 : 0.0;
        const double dy = o == &tri ? -0.4 : 0.0;
        gluProject(o->matrix[12] + dx, o->matrix[13] + dy, o->matrix[14], mv, pr, vp, &wx, &wy, &wz);
        const int i = (static_cast<int>(wy) * kLargura + static_cast<int>(wx)) * 3;
        EXPECT_FALSE(pixels[i] == kFundo[0] && pixels[i + 1] == kFundo[1] && pixels[i + 2] == kFundo[2]);
    }
}
