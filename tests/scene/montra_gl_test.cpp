// The six shapes, textured and lit, rendered into "scene-formas.png" in the build folder
// for a person to look at; the test itself checks that each shape fills part of its cell.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <stb/stb_image_write.h>

#include <string>
#include <vector>

#include "scene/bmp_escrita.h"
#include "scene/cena_teste.h"
#include "scene/contexto_gl.h"
#include "scene/globais.h"

using teste::Rgb;

namespace {

constexpr int kLargura = 480, kAltura = 320;

// A checker with a dark "F" near the top left: upside down or mirrored shows at once.
std::vector<unsigned char> imagemComF(int lado, int celula, Rgb a, Rgb b) {
    const int u = lado / 16;
    return teste::bmp24(lado, lado, [=](int x, int r) {
        const int y = lado - 1 - r;  // bottom-up file: count rows from the top
        const bool f = x >= 2 * u && ((x < 4 * u && y >= 2 * u && y < 11 * u) ||
                                      (x < 8 * u && y >= 2 * u && y < 4 * u) ||
                                      (x < 7 * u && y >= 6 * u && y < 8 * u));
        return f ? Rgb{30, 30, 120} : ((x / celula + y / celula) % 2) ? a : b;
    });
}

void defineTextura(const std::vector<unsigned char>& bmp, unsigned n) {
    const std::string path = std::string(CANTOS_BINARY_DIR) + "/montra-" + std::to_string(n) + ".bmp";
    teste::grava(path, bmp);
    ASSERT_TRUE(imagemTextura.load(path));
    imagemTextura.makeTexture(n);
}

// The matrix the loader would store for a translation then two rotations.
void coloca(Objecto& o, float x, float y, float rx, float ry) {
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
    glViewport(0, 0, kLargura, kAltura);
    teste::Cena c;
    c.t1.textureName = 1;
    c.t2.textureName = 2;
    c.t2.length_s = c.t2.length_t = 1.8f;  // twice across the rectangle
    defineTextura(imagemComF(64, 8, {235, 150, 40}, {250, 235, 200}), 1);
    defineTextura(imagemComF(30, 5, {60, 170, 90}, {230, 240, 160}), 2);  // 90-byte rows
    for (float* m : {c.m1.ambient, c.m1.diffuse}) m[0] = m[1] = m[2] = 1.0f;

    using P2 = std::array<float, 2>;
    using P3 = std::array<float, 3>;
    auto& raiz = c.junta<Composto>("raiz", "m1", "clear",
                                   std::vector<std::string>{"rect", "tri", "cil", "disco", "esfera", "caixa"});
    coloca(c.junta<Rectangulo>("rect", "null", "t2", P2{-1.8f, 1.8f}, P2{-1.2f, 1.2f}), -4.2f, 1.7f, 0, 0);
    coloca(c.junta<Triangulo>("tri", "null", "t1", P3{-1.2f, -1.2f, 0}, P3{1.2f, -1.2f, 0}, P3{-1.2f, 1.2f, 0}),
           0, 1.7f, 0, 0);
    coloca(c.junta<Cilindro>("cil", "null", "t1", 0.8f, 0.8f, 2.2f, 24, 4), 4.2f, 0.6f, -60, 0);
    coloca(c.junta<Disco>("disco", "null", "t2", 0.3f, 1.2f, 32, 3), -4.2f, -1.7f, 0, 0);
    coloca(c.junta<Esfera>("esfera", "null", "t1", 1.2f, 32, 16), 0, -1.7f, -90, 0);
    coloca(c.junta<Paralelipipedo>("caixa", "null", "t1", 1.4f, 1.4f, 1.4f), 4.2f, -1.7f, 25, -35);
    c.liga();

    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40, static_cast<double>(kLargura) / kAltura, 1, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, 12, 0, 0, 0, 0, 1, 0);
    const float luz[4] = {0.3f, 0.5f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, luz);
    glPushMatrix();
    raiz.draw();
    glPopMatrix();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    std::vector<unsigned char> px(kLargura * kAltura * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kLargura, kAltura, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    stbi_flip_vertically_on_write(1);
    const std::string png = std::string(CANTOS_BINARY_DIR) + "/scene-formas.png";
    EXPECT_NE(stbi_write_png(png.c_str(), kLargura, kAltura, 3, px.data(), kLargura * 3), 0);

    // Each of the 3 x 2 cells is at least a tenth covered.
    int cobertos[2][3] = {};
    for (int y = 0; y < kAltura; ++y)
        for (int x = 0; x < kLargura; ++x) {
            const unsigned char* p = &px[(y * kLargura + x) * 3];
            if (p[0] || p[1] || p[2]) ++cobertos[y * 2 / kAltura][x * 3 / kLargura];
        }
    for (auto& linha : cobertos)
        for (int n : linha) EXPECT_GT(n, kLargura * kAltura / 60);
}
