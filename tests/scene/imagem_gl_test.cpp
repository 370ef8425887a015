// The frame drawn the fast way (the pieces from their display lists, with fewer vertices, the
// scenery's texturing switches held back until geometry, the panel's backgrounds cleared, its
// strips put back from kept pixels) looks as it does drawn command by command with ImGui's
// own backgrounds: every scenery, material and camera of the panel, at the window's
// 550 x 550, with the real sceneries and textures of the build. The two pictures of the
// first configuration are left in the build folder for a person to compare.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <stb/stb_image_write.h>

#include "app/bola.h"
#include "app/controlos.h"
#include "app/frame.h"
#include "app/globais.h"
#include "app/janela.h"
#include "app/painel.h"
#include "game/globais.h"
#include "scene/globais.h"

namespace {

constexpr int kLado = 550;
constexpr int kTolerancia = 8;  // levels per channel

std::vector<unsigned char> leJanela() {
    std::vector<unsigned char> px(std::size_t(kLado) * kLado * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kLado, kLado, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    return px;
}

// Share of pixels whose three channels all lie within `tolerancia` of the other picture's.
double parecidos(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b,
                 int tolerancia) {
    std::size_t iguais = 0;
    const std::size_t n = a.size() / 3;
    for (std::size_t i = 0; i < n; ++i) {
        bool perto = true;
        for (int c = 0; c < 3; ++c)
            perto = perto && std::abs(int(a[3 * i + c]) - int(b[3 * i + c])) <= tolerancia;
        iguais += perto ? 1 : 0;
    }
    return n ? double(iguais) / double(n) : 0.0;
}

// The scene twice, since the lights are placed under the previous frame's view. The panel
// as often as asked: a second time alike keeps its strips, a third puts them back.
std::vector<unsigned char> retrato(bool referencia, int paineis = 1) {
    desenhoDeReferencia = cenarioDeReferencia = referencia;
    desenhaCena();
    desenhaCena();
    for (int i = 0; i < paineis; ++i) desenhaPainel();
    glFinish();
    auto px = leJanela();
    desenhoDeReferencia = cenarioDeReferencia = false;
    return px;
}

// Pixels of the panel's strip along the bottom that differ at all between the two pictures.
// (The status strip along the top shows the clock, which may turn between two pictures.)
int diferencasNoPainel(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    int n = 0;
    for (std::size_t i = 0; i < std::size_t(alturaDoPainel()) * kLado * 3; i += 3)
        n += (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2]) ? 1 : 0;
    return n;
}

void grava(const std::string& nome, const std::vector<unsigned char>& px) {
    const std::string caminho = std::string(CANTOS_BINARY_DIR) + "/" + nome;
    stbi_flip_vertically_on_write(1);
    stbi_write_png(caminho.c_str(), kLado, kLado, 3, px.data(), kLado * 3);
}

class Imagem : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(chdir(CANTOS_RUNTIME_DIR), 0) << CANTOS_RUNTIME_DIR;
        int argc = 1;
        char nome[] = "imagem";
        char* argv[] = {nome, nullptr};
        abreJanela(argc, argv);
        preparaDesenho();
        while (larguraJanela != kLado) glutMainLoopEvent();
    }
};

TEST_F(Imagem, ListsDrawWhatTheCommandsDrawInEverySceneryMaterialAndCamera) {
    bool primeira = true;
    for (const ItemLista& a : itensAmbiente) {
        for (const ItemLista& m : itensMateriais) {
            for (const ItemLista& c : itensCamara) {
                if (c.id != 1 && c.id != 9) continue;  // the player's camera and the free one
                ambiente = a.id;
                materialPecas = m.id;
                camara = c.id;
                desenhaCena();  // the scenery switch comes at the frame's end
                const auto referencia = retrato(true);
                const auto comListas = retrato(false, 3);
                const double p = parecidos(referencia, comListas, kTolerancia);
                EXPECT_GE(p, 0.99) << a.texto << ", " << m.texto << ", " << c.texto;
                // The panel comes out exactly as ImGui alone draws it. Its lists' texts change
                // with every configuration, so strips kept from the one before would show.
                EXPECT_EQ(diferencasNoPainel(comListas, referencia), 0)
                    << a.texto << ", " << m.texto << ", " << c.texto;
                if (primeira) {
                    grava("imagem-referencia.png", referencia);
                    grava("imagem-listas.png", comListas);
                    primeira = false;
                }
            }
        }
    }
}

// The scenery's texturing switches held back until geometry, and its shapes outside the view
// left out, change no pixel at all: every scenery, from the player's camera and the free one,
// turned so that other objects come into view and others leave it.
TEST_F(Imagem, HeldBackTexturingAndShapesLeftOutDrawExactlyTheReferenceScenery) {
    const float eixo[3] = {0.0f, 1.0f, 0.0f};
    float antes[16];
    std::copy(rotacao, rotacao + 16, antes);
    const auto desenha = [](bool referencia) {
        cenarioDeReferencia = referencia;
        desenhaCena();
        desenhaCena();
        glFinish();
        cenarioDeReferencia = false;
        return leJanela();
    };
    for (const ItemLista& a : itensAmbiente) {
        for (int c : {1, 9}) {
            ambiente = a.id;
            camara = c;
            desenhaCena();
            for (int volta = 0; volta < 3; ++volta) {
                rodaMatriz(rotacao, eixo, 2.1f);
                // The scoreboard's clock may turn between two pictures; it cannot turn again
                // in the few milliseconds of a second try.
                bool iguais = false;
                for (int tentativa = 0; tentativa < 2 && !iguais; ++tentativa)
                    iguais = desenha(true) == desenha(false);
                EXPECT_TRUE(iguais) << a.texto << ", camera " << c << ", turn " << volta;
            }
        }
    }
    std::copy(antes, antes + 16, rotacao);
}

// The comparison itself: a picture shifted by one level everywhere passes, one with a
// block of another colour over 2% of it does not.
TEST(Parecidos, ToleratesSmallShiftsButNotABlockOfOtherColour) {
    std::vector<unsigned char> a(kLado * kLado * 3, 100);
    std::vector<unsigned char> b(a.size(), 101), c = a;
    EXPECT_DOUBLE_EQ(parecidos(a, b, kTolerancia), 1.0);
    for (std::size_t i = 0; i < c.size() / 50; ++i) c[i] = 200;
    EXPECT_LT(parecidos(a, c, kTolerancia), 0.99);
}

}  // namespace
