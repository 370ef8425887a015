// Whole-program play: the built game, the real rules server and mouse clicks from xdotool.
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/cenario_teste.h"
#include "app/programa_teste.h"
#include "e2e/intermediario.h"
#include "support/servidor_regras.h"

// After the test framework: Xlib's macros would clash with its names.
#include <X11/Xlib.h>

namespace {

constexpr int portaJogo = 60070;
constexpr int largura = 550, altura = 550, painel = 130;
constexpr double casa = 5.0 / 8.0;

struct Ponto {
    int x, y;  // window pixels from the top left
};

// Where a camera shows world point p: the game's frustum on the viewport above the panel.
// The view is rows of an affine matrix.
struct Vista {
    double m[3][4];

    Ponto janela(double x, double y, double z) const {
        double e[3];
        for (int i = 0; i < 3; ++i) e[i] = m[i][0] * x + m[i][1] * y + m[i][2] * z + m[i][3];
        const double aspecto = double(largura) / (altura - painel);
        const double nx = 0.1 * e[0] / (0.04 * aspecto) / -e[2];
        const double ny = 0.1 * e[1] / 0.04 / -e[2];
        const double alturaVista = altura - painel;
        return {int(std::lround((nx + 1) / 2 * largura)),
                int(std::lround(alturaVista - (ny + 1) / 2 * alturaVista))};
    }
};

Vista olhaPara(const double olho[3], const double alvo[3], const double cima[3]) {
    double f[3], s[3], u[3];
    for (int i = 0; i < 3; ++i) f[i] = alvo[i] - olho[i];
    auto normaliza = [](double v[3]) {
        const double n = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        for (int i = 0; i < 3; ++i) v[i] /= n;
    };
    auto vectorial = [](const double a[3], const double b[3], double r[3]) {
        r[0] = a[1] * b[2] - a[2] * b[1];
        r[1] = a[2] * b[0] - a[0] * b[2];
        r[2] = a[0] * b[1] - a[1] * b[0];
    };
    normaliza(f);
    vectorial(f, cima, s);
    normaliza(s);
    vectorial(s, f, u);
    Vista v{};
    const double* linhas[3] = {s, u, f};
    for (int i = 0; i < 3; ++i) {
        const double sinal = i == 2 ? -1.0 : 1.0;
        double t = 0;
        for (int j = 0; j < 3; ++j) {
            v.m[i][j] = sinal * linhas[i][j];
            t -= v.m[i][j] * olho[j];
        }
        v.m[i][3] = t;
    }
    return v;
}

Vista camaraMenu() {
    const double olho[3] = {-100, 12, 0}, alvo[3] = {-100, 0, 0}, cima[3] = {0, 0, -1};
    return olhaPara(olho, alvo, cima);
}

Vista camaraJogador() {
    const double olho[3] = {2.5, 7, 10}, alvo[3] = {2.5, 0, 2.5}, cima[3] = {0, 1, 0};
    return olhaPara(olho, alvo, cima);
}

// The free camera at rest: moved back and down, tilted 20 degrees.
Vista camaraLivre() {
    const double a = 20.0 * 3.14159265358979 / 180.0;
    Vista v{};
    v.m[0][0] = 1;
    v.m[1][1] = std::cos(a);
    v.m[1][2] = -std::sin(a);
    v.m[2][1] = std::sin(a);
    v.m[2][2] = std::cos(a);
    v.m[0][3] = -5;
    v.m[2][3] = -25;
    return v;
}

Ponto itemMenu(double x, double z) { return camaraMenu().janela(-105 + x, 0, -5 + z); }
Ponto cabeca(const Vista& v, int x, int y) {
    return v.janela((x + 0.5) * casa, 0.67, (y + 0.5) * casa);
}
Ponto corpo(const Vista& v, int x, int y) {
    return v.janela((x + 0.5) * casa, 0.2, (y + 0.5) * casa);
}
Ponto casaVazia(const Vista& v, int x, int y) {
    return v.janela((x + 0.5) * casa, 0.1, (y + 0.5) * casa);
}
const Ponto botaoUndo{338, 441}, botaoFilme{338, 476}, cantoDoPainel{4, 546};

// Program, rules server and the relay between them, in a folder of sceneries.
class Jogo : public ::testing::Test {
protected:
    // Xvfb starts afresh when its last client leaves, and a program opening the display
    // during that reset fails; holding a connection keeps one game's end from the next start.
    static void SetUpTestSuite() {
        if (std::getenv("DISPLAY") != nullptr) ecra = XOpenDisplay(nullptr);
    }
    static void TearDownTestSuite() {
        if (ecra != nullptr) XCloseDisplay(ecra);
        ecra = nullptr;
    }
    static Display* ecra;

    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
        if (!cantos_teste::servidorDisponivel()) GTEST_SKIP() << "needs swipl";
        servidor = std::make_unique<cantos_teste::ServidorRegras>();
        ASSERT_TRUE(servidor->inicia());
        relay = std::make_unique<cantos_teste::Intermediario>(portaJogo, servidor->porta());
        if (!relay->aEscutar()) GTEST_SKIP() << "port " << portaJogo << " is taken";
        pasta = teste::pastaCenarios();
        ASSERT_FALSE(pasta.empty());
        cantos = std::make_unique<teste::Programa>(pasta);
        janela = teste::procuraJanela();
        ASSERT_FALSE(janela.empty()) << "no window appeared";
        ASSERT_TRUE(cantos->esperaSaida("connect()")) << cantos->saida();
        teste::dorme(500);
    }

    void TearDown() override {
        cantos.reset();
        relay.reset();
        servidor.reset();
        teste::apagaPastaCenarios(pasta);
    }

    void clica(Ponto p) {
        teste::executa("xdotool mousemove --window " + janela + " " + std::to_string(p.x) + " " +
                       std::to_string(p.y) + " click 1");
        teste::dorme(250);
    }

    // Clicks and waits for the game to name what it picked.
    void escolhe(Ponto p, int nome) {
        const std::string texto = "Resposta" + std::to_string(nome) + "\n";
        const int antes = teste::Programa::conta(cantos->saida(), texto);
        clica(p);
        EXPECT_TRUE(cantos->esperaSaida(texto, antes + 1, 5))
            << "expected pick " << nome << " at " << p.x << "," << p.y << "\n"
            << cantos->saida();
    }

    void sai() {
        teste::executa("xdotool windowfocus --sync " + janela + " key Escape");
        EXPECT_EQ(cantos->espera(10), 0);
        for (int i = 0; i < 40 && relay->pedidos().find("quit.\n") == std::string::npos; ++i)
            teste::dorme(50);
        EXPECT_NE(relay->pedidos().find("quit.\n"), std::string::npos) << "quit never reached";
    }

    std::unique_ptr<cantos_teste::ServidorRegras> servidor;
    std::unique_ptr<cantos_teste::Intermediario> relay;
    std::unique_ptr<teste::Programa> cantos;
    std::string pasta, janela;
};

Display* Jogo::ecra = nullptr;

TEST_F(Jogo, TwoPlayersMoveWithTheMouseAndIllegalMovesAreRefused) {
    escolhe(itemMenu(4.8, 2.25), 501);

    // Side 1 moves first: the piece in the corner of row 7 steps to the left.
    escolhe(cabeca(camaraLivre(), 4, 7), 17);
    escolhe(casaVazia(camaraJogador(), 3, 7), 137);
    ASSERT_TRUE(cantos->esperaSaida("Jogada Valida!\n")) << cantos->saida();
    EXPECT_NE(relay->pedidos().find("validaJogada(4,7,3,7,"), std::string::npos);
    teste::dorme(1500);  // the piece lifts, slides and sets down
    escolhe(casaVazia(camaraJogador(), 4, 7), 147);
    escolhe(corpo(camaraJogador(), 3, 7), 17);

    // Side 2 tries to run across the board.
    escolhe(cabeca(camaraJogador(), 0, 3), 10);
    escolhe(casaVazia(camaraJogador(), 2, 6), 126);
    EXPECT_TRUE(cantos->esperaSaida("Jogada Invalida!\n")) << cantos->saida();

    // A click on the panel is the panel's: nothing is picked.
    const int picks = teste::Programa::conta(cantos->saida(), "Resposta");
    clica(cantoDoPainel);
    teste::dorme(300);
    EXPECT_EQ(teste::Programa::conta(cantos->saida(), "Resposta"), picks);
    sai();
}

TEST_F(Jogo, AgainstTheComputerWithUndoAndTheFilm) {
    escolhe(itemMenu(2.3, 8.95), 504);
    EXPECT_TRUE(cantos->esperaSaida("Nivel de dificuldade: 1!\n"));
    escolhe(itemMenu(4.8, 4.05), 502);

    escolhe(cabeca(camaraLivre(), 4, 7), 17);
    escolhe(casaVazia(camaraJogador(), 3, 7), 137);
    ASSERT_TRUE(cantos->esperaSaida("Jogada Valida\n"))
        << cantos->saida() << "\nsent:\n" << relay->pedidos();
    // The computer answers on a later frame.
    for (int i = 0; i < 100 && relay->pedidos().find("obtemJogadaPC1(2,") == std::string::npos;
         ++i)
        teste::dorme(100);
    EXPECT_NE(relay->pedidos().find("obtemJogadaPC1(2,"), std::string::npos) << relay->pedidos();
    teste::dorme(3000);

    clica(botaoFilme);
    teste::dorme(4000);  // both moves again from the start
    escolhe(corpo(camaraJogador(), 3, 7), 17);

    clica(botaoUndo);
    teste::dorme(3500);  // the computer's move back, then the player's
    escolhe(corpo(camaraJogador(), 4, 7), 17);
    escolhe(casaVazia(camaraJogador(), 3, 7), 137);
    sai();
}

}  // namespace
