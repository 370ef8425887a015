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

// A one-colour 1 x 1 texture under a fixed name.
void texturaLisa(GLuint nome, Cor c) {
    const unsigned char px[3] = {(unsigned char)c.r, (unsigned char)c.g, (unsigned char)c.b};
    glBindTexture(GL_TEXTURE_2D, nome);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, px);
}

const Cor tampo{200, 180, 140}, destaque{230, 60, 40}, borda{120, 200, 90};

// The board drawn from the player's camera, and the colour where it shows world point p.
Cor em(double x, double y, double z) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    setCamera();
    GLdouble mv[16], pr[16], sx, sy, sz;
    GLint vp[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glGetIntegerv(GL_VIEWPORT, vp);
    gluProject(x, y, z, mv, pr, vp, &sx, &sy, &sz);
    drawBoard();
    glFinish();
    unsigned char px[3];
    glReadPixels(GLint(sx), GLint(sy), 1, 1, GL_RGB, GL_UNSIGNED_BYTE, px);
    return {px[0], px[1], px[2]};
}

Cor casa(int x, int y) { return em((x + 0.5) * tamanhoCasa, 0.0, (y + 0.5) * tamanhoCasa); }

bool perto(Cor a, Cor b) {
    return std::abs(a.r - b.r) < 12 && std::abs(a.g - b.g) < 12 && std::abs(a.b - b.b) < 12;
}

TEST(Tabuleiro, HighlightAndBorderShowTheirTexturesAndMarksStandOut) {
    teste::garanteContextoGl(550, 550);
    reshapeCallback(550, 550);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    texturaLisa(105, tampo);
    texturaLisa(101, destaque);
    texturaLisa(103, borda);
    camara = 1;  // the player's view shows the top and the side at z = S
    selecionou = true;
    selX = 2;
    selY = 5;
    destinosMarcados[4][5] = true;

    const Cor d = casa(2, 5), b = em(ladoTabuleiro / 2, -espessuraTabuleiro / 2, ladoTabuleiro);
    EXPECT_TRUE(perto(d, destaque)) << d.r << "," << d.g << "," << d.b;
    EXPECT_TRUE(perto(b, borda)) << b.r << "," << b.g << "," << b.b;
    EXPECT_TRUE(perto(casa(5, 4), tampo));
    EXPECT_FALSE(perto(casa(4, 5), tampo)) << "a hinted square";

    // The last move's squares are marked until the next move, apart from the hints.
    historico.push_back(mov{6, 5, 3, 4, {}, 1});
    EXPECT_FALSE(perto(casa(5, 4), tampo));
    EXPECT_FALSE(perto(casa(5, 4), casa(4, 5)));
}

}  // namespace
