// The keyboard against the mouse, through the real callbacks: Enter on a square gives the
// pick name a click on it gives, each menu key the name of its item, each panel key its
// action; and the arrows move the cursor the way the camera in view shows as up and right.
#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>

#include "app/accoes.h"
#include "app/camaras.h"
#include "app/cursor.h"
#include "app/desenho.h"
#include "app/escolha.h"
#include "app/globais.h"
#include "app/janela.h"
#include "app/teclado.h"
#include "game/animacao.h"
#include "game/com_servidor.h"
#include "game/desfazer.h"
#include "game/globais.h"
#include "game/refazer.h"
#include "game/selecao.h"
#include "game/sugestao.h"
#include "game/turno.h"
#include "scene/contexto_gl.h"

using namespace cantos_teste;

namespace {

// Where the camera in view shows world point (x, y, z), in window pixels from the top left.
void naJanela(double x, double y, double z, double& px, double& py) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    setCamera();
    GLdouble mv[16], pr[16], sz;
    GLint vp[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glGetIntegerv(GL_VIEWPORT, vp);
    gluProject(x, y, z, mv, pr, vp, &px, &py, &sz);
    py = alturaJanela - py;
}

double centro(int casa) { return (casa + 0.5) * tamanhoCasa; }

// The pick name the game echoes for what f did; -1 when it picked nothing.
template <class F>
int resposta(F f) {
    const std::string s = calado(f);
    const auto p = s.rfind("Resposta");
    return p == std::string::npos ? -1 : std::atoi(s.c_str() + p + 8);
}

int clica(double x, double y, double z) {
    double px, py;
    naJanela(x, y, z, px, py);
    return resposta([&] {
        mouseCallback(0, 0, int(px), int(py));
        mouseCallback(0, 1, int(px), int(py));
    });
}

class Teclado : public ComServidor {
protected:
    void SetUp() override {
        ComServidor::SetUp();
        if (IsSkipped()) return;
        teste::garanteContextoGl(550, 550);
        escalaJanela = 1.0f;
        reshapeCallback(550, 550);
        glEnable(GL_DEPTH_TEST);
        preparaQuadrica();
        cursor = CursorTabuleiro{};
        notaEstado.clear();
    }
};

TEST_F(Teclado, EnterOnEverySquareGivesTheNameAClickThereGives) {
    calado([] { handlePick(501); });
    // Pieces moved off their corners too, so that pieces and empty squares mix.
    jogaPeloRato(7, 4, 6, 3);
    jogaPeloRato(0, 3, 1, 4);
    for (int x = 0; x < 8; ++x) {
        for (int y = 0; y < 8; ++y) {
            camara = 3;
            const bool peca = casas[x][y] != 0;
            const int clique = clica(centro(x), peca ? 0.9 : 0.0, centro(y));
            camara = 3;
            cursor.x = x, cursor.y = y;
            const int tecla = resposta([] { keyboardCallback(13, 0, 0); });
            EXPECT_EQ(tecla, clique) << "square " << x << "," << y;
            EXPECT_EQ(resposta([] { keyboardCallback(' ', 0, 0); }), clique) << "Space";
        }
    }
}

TEST_F(Teclado, MenuKeysGiveTheNamesOfTheirItems) {
    struct {
        int tecla;  // a character, or a special key plus tecladoEspecial
        double x, z;
    } itens[] = {{'1', 4.8, 2.25}, {'2', 4.8, 4.05}, {'3', 4.8, 6.15},
                 {tecladoEspecial + GLUT_KEY_F1, 2.3, 8.95}, {tecladoEspecial + GLUT_KEY_F2, 7.0, 8.95}};
    for (const auto& i : itens) {
        estadoInicialDoJogo();
        const int clique = clica(centroMenu[0] - 5 + i.x, 0.0, centroMenu[2] - 5 + i.z);
        const int modoClique = modo, nivelClique = nivel;
        estadoInicialDoJogo();
        const int tecla = resposta([&] {
            if (i.tecla >= tecladoEspecial)
                teclaEspecial(i.tecla - tecladoEspecial);
            else
                keyboardCallback(static_cast<unsigned char>(i.tecla), 0, 0);
        });
        EXPECT_EQ(tecla, clique) << "key " << i.tecla;
        EXPECT_GE(clique, 501);
        EXPECT_EQ(modo, modoClique);
        EXPECT_EQ(nivel, nivelClique);
    }
    // Off the menu, the digits pick nothing.
    camara = 9;
    EXPECT_EQ(resposta([] { keyboardCallback('1', 0, 0); }), -1);
}

// Every key of the panel's table does what its button does, seen in the game.
TEST_F(Teclado, EachPanelKeyRunsItsButtonsAction) {
    calado([] { handlePick(501); });
    jogaPeloRato(7, 4, 6, 3);
    jogaPeloRato(0, 3, 1, 4);
    auto carrega = [](char tecla) {
        calado([&] { keyboardCallback(static_cast<unsigned char>(tecla), 0, 0); });
        for (int i = 0; i < 2000 && (animando || undoArmado || filmeActivo()); ++i) {
            undoStep(0);
            replayStep(0);
            moveTick();
        }
    };
    int vistas = 0;
    for (int i = 0; i < numBotoesAccao; ++i) {
        const BotaoAccao& b = botoesAccao[i];
        if (b.tecla == 0) continue;
        ++vistas;
        SCOPED_TRACE(b.rotulo);
        EXPECT_EQ(accaoDaTecla(b.tecla), b.accao);
        if (b.tecla < tecladoEspecial) {
            EXPECT_EQ(accaoDaTecla(std::toupper(b.tecla)), b.accao);
        }
        switch (b.accao) {
        case Accao::undo:
            carrega(char(b.tecla));
            EXPECT_EQ(nJogadas, 1);
            break;
        case Accao::refazer:
            carrega(char(b.tecla));
            calado(turnStep);
            terminaAnimacao();
            EXPECT_EQ(nJogadas, 2);
            break;
        case Accao::sugestao:
            carrega(char(b.tecla));
            EXPECT_NE(sugestaoEmVista(), nullptr);
            break;
        case Accao::filme:
            calado([&] { keyboardCallback(static_cast<unsigned char>(b.tecla), 0, 0); });
            EXPECT_TRUE(filmeActivo());
            carrega(0);
            EXPECT_FALSE(filmeActivo());
            break;
        case Accao::listaJogadas: {
            const bool antes = mostraJogadas;
            carrega(char(b.tecla));
            EXPECT_NE(mostraJogadas, antes);
            break;
        }
        case Accao::ecraInteiro:
            teclaEspecial(b.tecla - tecladoEspecial);
            EXPECT_TRUE(ecraInteiro);
            teclaEspecial(b.tecla - tecladoEspecial);
            EXPECT_FALSE(ecraInteiro);
            break;
        case Accao::menu:
            carrega(char(b.tecla));
            EXPECT_EQ(camara, 4);
            EXPECT_EQ(modo, -1);
            break;
        default:
            ADD_FAILURE() << "a key with no check";
        }
    }
    EXPECT_EQ(vistas, 7);
}

// "Up" takes the cursor away from the viewer and "right" to the viewer's right, from every
// camera: the square it reaches shows higher, or further right, in the window.
TEST_F(Teclado, ArrowsFollowTheCameraInView) {
    const float identidade[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const float meiaVolta[16] = {-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};
    const float quarto[16] = {0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    struct {
        int camara;
        float olhoX, olhoZ;
        const float* rot;
    } vistas[] = {{3, 2.5f, 10, identidade}, {1, 2.5f, 10, identidade}, {0, 2.5f, -5, identidade},
                  {1, -4.5f, 2.5f, identidade}, {9, 2.5f, 10, identidade},
                  {9, 2.5f, 10, meiaVolta}, {9, 2.5f, 10, quarto}};
    for (const auto& v : vistas) {
        camara = v.camara;
        olho[0] = v.olhoX, olho[2] = v.olhoZ;
        for (int i = 0; i < 16; ++i) rotacao[i] = v.rot[i];
        const EixosVista e = eixosDaVista(camara, olho, rotacao);
        double x0, y0, x1, y1;
        naJanela(centro(3), 0, centro(3), x0, y0);
        const Passo cima = passoDaSeta(Seta::cima, e), direita = passoDaSeta(Seta::direita, e);
        naJanela(centro(3 + cima.dx), 0, centro(3 + cima.dy), x1, y1);
        EXPECT_LT(y1, y0 - 2) << "up, camera " << v.camara << " eye " << v.olhoX;
        naJanela(centro(3 + direita.dx), 0, centro(3 + direita.dy), x1, y1);
        EXPECT_GT(x1, x0 + 2) << "right, camera " << v.camara << " eye " << v.olhoX;
        // Through the keyboard callback: the cursor shows first, then steps.
        cursor = CursorTabuleiro{};
        cursor.x = cursor.y = 3;
        teclaEspecial(GLUT_KEY_UP);
        EXPECT_TRUE(cursor.visivel);
        teclaEspecial(GLUT_KEY_UP);
        EXPECT_EQ(cursor.x, 3 + cima.dx);
        EXPECT_EQ(cursor.y, 3 + cima.dy);
    }
    for (int i = 0; i < 16; ++i) rotacao[i] = identidade[i];
    olho[0] = 2.5f, olho[2] = 10.0f;
    // At the edge it stays on the board.
    cursor.x = cursor.y = 0;
    moveCursor(cursor.x, cursor.y, {-1, -1});
    EXPECT_EQ(cursor.x + cursor.y, 0);
}

// The cursor walked to a square with the arrows, as a player would: each arrow's step in
// the view in sight, the one that brings it nearer.
void caminhaAte(int x, int y) {
    const int setas[4] = {GLUT_KEY_UP, GLUT_KEY_DOWN, GLUT_KEY_LEFT, GLUT_KEY_RIGHT};
    const Seta quais[4] = {Seta::cima, Seta::baixo, Seta::esquerda, Seta::direita};
    teclaEspecial(GLUT_KEY_UP);  // the first arrow only shows the cursor
    for (int passos = 0; passos < 40 && (cursor.x != x || cursor.y != y); ++passos) {
        const EixosVista e = eixosDaVista(camaraEmVista(), olho, rotacao);
        for (int k = 0; k < 4; ++k) {
            const Passo p = passoDaSeta(quais[k], e);
            if ((p.dx != 0 && (x - cursor.x) * p.dx > 0) || (p.dy != 0 && (y - cursor.y) * p.dy > 0)) {
                teclaEspecial(setas[k]);
                break;
            }
        }
    }
}

void tecla(unsigned char t) { calado([&] { keyboardCallback(t, 0, 0); }); }

// Level 2's suggestions against level 1, played with nothing but keys: F1, 2, then H, the
// arrows and Enter each move, until the game ends and Enter takes the banner away.
TEST_F(Teclado, AWholeGameAgainstTheComputerWithTheKeyboardAlone) {
    teclaEspecial(GLUT_KEY_F1);
    tecla('2');
    ASSERT_EQ(modo, 2);
    int jogadas = 0;
    for (; jogadas < 200 && modo == 2; ++jogadas) {
        tecla('h');
        const Sugestao* g = sugestaoEmVista();
        ASSERT_NE(g, nullptr) << "move " << jogadas;
        ASSERT_TRUE(g->temJogada);
        const int xf = g->xf, yf = g->yf, xi = g->xi, yi = g->yi;
        caminhaAte(xi, yi);
        tecla('\r');
        caminhaAte(xf, yf);
        tecla(' ');
        calado([] {
            turnStep();
            terminaAnimacao();
            for (int i = 0; i < 10 && modo == 2 && jogador == 2; ++i) {
                turnStep();
                terminaAnimacao();
            }
        });
    }
    EXPECT_EQ(modo, -1) << "the game ended";
    EXPECT_TRUE(fimDeJogo.activo);
    EXPECT_EQ(vitorias1, 1) << "level 2's moves win against level 1";
    tecla('\r');
    EXPECT_FALSE(fimDeJogo.activo);
    EXPECT_TRUE(menuEmVista());
}

// While the view swings to the other side, a click would land on a square the player never
// aimed at: it picks nothing and the status says why. Enter still picks under the cursor.
TEST_F(Teclado, AClickWhileTheCameraSwingsPicksNothing) {
    calado([] { handlePick(501); });
    camara = 1;
    camaraActual = 1;
    const int parada = clica(centro(7), 0.9, centro(7));
    EXPECT_GT(parada, 0);
    camara = 0;  // the turn to side 2's camera has begun
    EXPECT_EQ(clica(centro(7), 0.9, centro(7)), -1);
    EXPECT_FALSE(notaEstado.empty());
    cursor.x = cursor.y = 7;
    EXPECT_EQ(resposta([] { keyboardCallback(13, 0, 0); }), parada);
    EXPECT_TRUE(notaEstado.empty());
    camara = camaraActual = 1;
}

// From the player's low camera a ring on the board hides behind the pieces in front of it:
// the point above the cursor's square shows on every square, over whatever stands there.
TEST_F(Teclado, TheCursorShowsOnEverySquareFromThePlayersCamera) {
    calado([] { handlePick(501); });
    camara = camaraActual = 1;
    auto amarelo = [](int x, int y) {
        double px, py;
        naJanela(centro(x), 1.5, centro(y), px, py);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawGameScene(GL_RENDER);
        unsigned char c[3];
        glReadPixels(GLint(px), GLint(alturaJanela - py), 1, 1, GL_RGB, GL_UNSIGNED_BYTE, c);
        return c[0] > 140 && c[1] > 120 && c[2] < 60;
    };
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) {
            cursor.x = x, cursor.y = y;
            cursor.visivel = true;
            EXPECT_TRUE(amarelo(x, y)) << x << "," << y;
            cursor.visivel = false;
            EXPECT_FALSE(amarelo(x, y)) << x << "," << y;
        }
}

}  // namespace
