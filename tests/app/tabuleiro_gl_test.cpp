// The board as it shows on screen: the highlight and the border in their textures' colours,
// and the marked squares apart from the others.
#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/camaras.h"
#include "app/desenho.h"
#include "app/globais.h"
#include "app/janela.h"
#include "game/animacao.h"
#include "game/globais.h"
#include "scene/contexto_gl.h"

namespace {

struct Cor {
    int r, g, b;
};

// A one-colour texture under a fixed name.
void texturaLisa(GLuint nome, Cor c) {
    const unsigned char px[4 * 3] = {
        (unsigned char)c.r, (unsigned char)c.g, (unsigned char)c.b, (unsigned char)c.r,
        (unsigned char)c.g, (unsigned char)c.b, (unsigned char)c.r, (unsigned char)c.g,
        (unsigned char)c.b, (unsigned char)c.r, (unsigned char)c.g, (unsigned char)c.b};
    glBindTexture(GL_TEXTURE_2D, nome);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, px);
}

class Tabuleiro : public ::testing::Test {
protected:
    void SetUp() override {
        teste::garanteContextoGl(550, 550);
        reshapeCallback(550, 550);
        glEnable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        texturaLisa(105, tampo);
        texturaLisa(101, destaque);
        texturaLisa(103, borda);
        copyBoard(casas, casasIniciais);
        historico.clear();
        materialPecas = 0;
        camara = 1;  // the player's view shows the top and the side at z = S
        selecionou = true;
        selX = 2;
        selY = 5;
        for (auto& coluna : destinosMarcados)
            for (bool& m : coluna) m = false;
        destinosMarcados[4][5] = true;
    }

    void desenha() {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        setCamera();
        // A colour left over from an earlier drawing, as the scoreboard's text leaves it.
        glColor3f(0.0f, 0.0f, 0.4f);
        drawBoard();
        glFinish();
    }

    // The colour on screen where the camera shows world point (x, y, z).
    Cor em(double x, double y, double z) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        setCamera();
        GLdouble mv[16], pr[16], sx, sy, sz;
        GLint vp[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, mv);
        glGetDoublev(GL_PROJECTION_MATRIX, pr);
        glGetIntegerv(GL_VIEWPORT, vp);
        EXPECT_TRUE(gluProject(x, y, z, mv, pr, vp, &sx, &sy, &sz));
        desenha();
        unsigned char px[3];
        glReadBuffer(GL_BACK);
        glReadPixels(GLint(sx), GLint(sy), 1, 1, GL_RGB, GL_UNSIGNED_BYTE, px);
        return {px[0], px[1], px[2]};
    }

    Cor casa(int x, int y) { return em((x + 0.5) * tamanhoCasa, 0.0, (y + 0.5) * tamanhoCasa); }

    static bool perto(Cor a, Cor b) {
        return std::abs(a.r - b.r) < 12 && std::abs(a.g - b.g) < 12 && std::abs(a.b - b.b) < 12;
    }

    const Cor tampo{200, 180, 140}, destaque{230, 60, 40}, borda{120, 200, 90};
};

TEST_F(Tabuleiro, HighlightAndBorderShowTheirTexturesAndMarksStandOut) {
    const Cor d = casa(2, 5);
    EXPECT_TRUE(perto(d, destaque)) << d.r << "," << d.g << "," << d.b;
    const Cor b = em(ladoTabuleiro / 2, -espessuraTabuleiro / 2, ladoTabuleiro);
    EXPECT_TRUE(perto(b, borda)) << b.r << "," << b.g << "," << b.b;

    const Cor marcada = casa(4, 5), livre = casa(5, 4);
    EXPECT_TRUE(perto(livre, tampo)) << livre.r << "," << livre.g << "," << livre.b;
    EXPECT_FALSE(perto(marcada, livre));

    // The last move's squares are marked until the next move, and only while there is one.
    mov m{6, 5, 3, 4, {}, 1};
    historico.push_back(m);
    const Cor ultima = casa(5, 4);
    historico.clear();
    EXPECT_FALSE(perto(ultima, tampo));
    EXPECT_FALSE(perto(ultima, casa(4, 5)));
    EXPECT_TRUE(perto(casa(5, 4), tampo));
}

}  // namespace
