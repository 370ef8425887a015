// The selection pass over the game scene: what lies under a point of the window.
#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include "app/camaras.h"
#include "app/desenho.h"
#include "app/escolha.h"
#include "app/globais.h"
#include "app/janela.h"
#include "game/animacao.h"
#include "game/globais.h"

namespace {

void garanteJanela() {
    static bool criada = false;
    if (criada) return;
    criada = true;
    int argc = 1;
    char nome[] = "escolha";
    char* argv[] = {nome, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DEPTH | GLUT_DOUBLE);
    glutInitWindowSize(550, 550);
    glutCreateWindow(nome);
}

// The nearest named hit, as the game chooses it; -1 when nothing named was hit.
int maisProximo(int hits) {
    const GLuint* r = selectBuf;
    int nome = -1;
    GLuint melhor = 0;
    for (int i = 0; i < hits; ++i) {
        const GLuint n = r[0];
        if (n > 0 && (nome < 0 || r[1] < melhor)) {
            melhor = r[1];
            nome = int(r[3]);
        }
        r += 3 + n;
    }
    return nome;
}

class Escolha : public ::testing::Test {
protected:
    void SetUp() override {
        garanteJanela();
        reshapeCallback(550, 550);
        glEnable(GL_DEPTH_TEST);
        preparaQuadrica();
        buildPieces();
        copyBoard(casas, casasIniciais);
        selecionou = false;
        materialPecas = 0;
        instanteRelogio = marcaRelogio = 0;
    }

    // Pick at the window point where the current camera shows world point (x, y, z).
    int nomeEm(double x, double y, double z) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        setCamera();
        GLdouble mv[16], pr[16];
        GLint vp[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, mv);
        glGetDoublev(GL_PROJECTION_MATRIX, pr);
        glGetIntegerv(GL_VIEWPORT, vp);
        GLdouble sx, sy, sz;
        EXPECT_TRUE(gluProject(x, y, z, mv, pr, vp, &sx, &sy, &sz));
        // The pick gets window rows from the top, as the mouse reports them.
        const double linhaRato = alturaJanela - sy;
        return maisProximo(selectionPass(sx, alturaJanela - linhaRato));
    }

    static double centro(int casa) { return (casa + 0.5) * tamanhoCasa; }
};

TEST_F(Escolha, TopCameraPicksPiecesAndEmptySquares) {
    camara = 3;
    for (int i : {0, 9, 10, 19}) {
        const Peca& p = pecas[i];
        EXPECT_EQ(nomeEm(centro(int(p.x)), 0.9, centro(int(p.y))), i + 1) << "piece " << i;
    }
    EXPECT_EQ(nomeEm(centro(4), 0.0, centro(4)), 144);
    EXPECT_EQ(nomeEm(centro(2), 0.0, centro(5)), 125) << "column 2, row 5";
    EXPECT_EQ(nomeEm(centro(0), 0.0, centro(7)), 107);
    // In the corner of an occupied square, clear of its piece: the board, never the square.
    EXPECT_EQ(nomeEm(4 * tamanhoCasa - 0.1, 0.0, tamanhoCasa - 0.1), 0);
}

TEST_F(Escolha, AnOccupiedSquareLosesItsName) {
    camara = 3;
    casas[4][4] = 2;
    EXPECT_EQ(nomeEm(centro(4), 0.0, centro(4)), 0);
}

TEST_F(Escolha, MenuCameraPicksTheFiveItems) {
    camara = 4;
    struct {
        double x, z;
        int nome;
    } itens[] = {{4.8, 2.25, 501}, {4.8, 4.05, 502}, {4.8, 6.15, 503},
                 {2.3, 8.95, 504}, {7.0, 8.95, 505}, {9.5, 0.5, 0}};
    for (const auto& i : itens) {
        EXPECT_EQ(nomeEm(centroMenu[0] - 5 + i.x, 0.0, centroMenu[2] - 5 + i.z), i.nome)
            << "menu point " << i.x << ", " << i.z;
    }
}

TEST_F(Escolha, PlayerCameraPicksTheClockButton) {
    camara = 1;
    EXPECT_EQ(nomeEm(-1.25, 1.75, 2.5), 500);
}

// Line segments the scoreboard's strokes produce, seen through the player camera.
int segmentosDoPlacar() {
    static GLfloat buffer[400000];
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    setCamera();
    glFeedbackBuffer(GLsizei(sizeof buffer / sizeof buffer[0]), GL_3D, buffer);
    glRenderMode(GL_FEEDBACK);
    placar.draw(3.0f, 1.5f, 0.5f);
    const int n = glRenderMode(GL_RENDER);
    EXPECT_GT(n, 0) << "feedback buffer overflow";
    int linhas = 0;
    for (int i = 0; i < n;) {
        const GLfloat token = buffer[i++];
        if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            ++linhas;
            i += 6;
        } else if (token == GL_POLYGON_TOKEN) {
            i += 1 + 3 * int(buffer[i]);
        } else {
            i += (token == GL_PASS_THROUGH_TOKEN) ? 1 : 3;
        }
    }
    return linhas;
}

TEST_F(Escolha, ScoreboardDrawsEveryDigitOfTheWins) {
    camara = 1;
    auto comPontos = [](int n) {
        placar.setPontos1(n);
        return segmentosDoPlacar();
    };
    const int um = comPontos(1), dois = comPontos(2), onze = comPontos(11), doze = comPontos(12);
    placar.setPontos1(0);
    // Each added digit adds its own strokes: "12" is "1" more than "2", "11" is "1" more than "1".
    EXPECT_GT(onze, um);
    EXPECT_EQ(doze - dois, onze - um);
}

}  // namespace
