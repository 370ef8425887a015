// What the player sees in the window, read from its pixels: the hinted squares, the verdict
// in the status area, the end banner over the final position. Runs inside a private
// network namespace (see isolado.sh), so the real rules server sits on the game's port.
#include <cstdlib>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/cenario_teste.h"
#include "app/programa_teste.h"
#include "e2e/janela_teste.h"
#include "e2e/mesa.h"
#include "support/servidor_regras.h"

#include <X11/Xutil.h>

namespace {

using namespace mesa;

struct Cor {
    int r, g, b;
};

bool verde(Cor c) { return c.g > 100 && c.g > c.r + 50 && c.g > c.b + 50; }
bool vermelho(Cor c) { return c.r > 200 && c.g < 170 && c.b < 150; }
bool dourado(Cor c) { return c.r > 220 && c.g > 180 && c.g < 235 && c.b < 150; }

class Ecra : public e2e::JanelaDoJogo {
protected:
    void SetUp() override {
        if (ecra == nullptr) GTEST_SKIP() << "needs an X display";
        if (!cantos_teste::servidorDisponivel()) GTEST_SKIP() << "needs swipl";
        servidor = std::make_unique<cantos_teste::ServidorRegras>(60070);
        if (!servidor->inicia()) GTEST_SKIP() << "port 60070 is taken";
        abreJogo("connect() is OK");
    }

    void TearDown() override {
        cantos.reset();
        servidor.reset();
        teste::apagaPastaCenarios(pasta);
    }

    Cor corEm(Ponto p) {
        const Window w = std::strtoul(janela.c_str(), nullptr, 10);
        XImage* img = XGetImage(ecra, w, p.x, p.y, 1, 1, AllPlanes, ZPixmap);
        if (img == nullptr) return {-1, -1, -1};
        const unsigned long px = XGetPixel(img, 0, 0);
        XDestroyImage(img);
        return {int((px >> 16) & 255), int((px >> 8) & 255), int(px & 255)};
    }

    // Pixels of a window rectangle whose colour passes `teste`.
    template <class F>
    int conta(int x0, int y0, int x1, int y1, F teste) {
        int n = 0;
        for (int y = y0; y < y1; y += 2)
            for (int x = x0; x < x1; x += 2) n += teste(corEm({x, y})) ? 1 : 0;
        return n;
    }

    // Frames come slowly under the sanitizers on a loaded machine: look again for a while.
    template <class F>
    bool ate(F condicao, int segundos = 10) {
        for (int i = 0; i < segundos * 10; ++i) {
            if (condicao()) return true;
            teste::dorme(100);
        }
        return condicao();
    }

    bool verdeEm(int x, int y) { return verde(corEm(casaVazia(camaraJogador(), x, y))); }

    void guarda(const std::string& nome) {
        teste::executa("import -window " + janela + " " + std::string(CANTOS_BINARY_DIR) + "/" +
                       nome + " 2>/dev/null");
    }

    std::unique_ptr<cantos_teste::ServidorRegras> servidor;
};

TEST_F(Ecra, HintsLeadToTheMoveAndARefusalShowsInTheStatusArea) {
    escolhe(itemMenu(4.8, 2.25), 501);
    escolhe(cabeca(camaraLivre(), 4, 7), 17);
    // The piece in the corner of row 7 may step to (3,7), (3,6) and (4,6); nothing else lights.
    EXPECT_TRUE(ate([&] { return verdeEm(3, 6) && verdeEm(3, 7); }));
    EXPECT_FALSE(verdeEm(2, 6));
    EXPECT_FALSE(verdeEm(3, 3));

    escolhe(casaVazia(camaraJogador(), 3, 6), 136);
    ASSERT_TRUE(cantos->esperaSaida("Jogada Valida!\n")) << cantos->saida();
    EXPECT_TRUE(ate([&] { return !verdeEm(3, 7); })) << "the hints go with the move";
    teste::dorme(1500);  // the piece lifts, slides and sets down

    EXPECT_EQ(conta(0, 34, 550, 50, vermelho), 0);
    escolhe(cabeca(camaraJogador(), 0, 3), 10);
    escolhe(casaVazia(camaraJogador(), 2, 6), 126);
    ASSERT_TRUE(cantos->esperaSaida("Jogada Invalida!\n", 1, 30)) << cantos->saida();
    EXPECT_TRUE(ate([&] { return conta(0, 34, 550, 50, vermelho) > 20; }))
        << "the verdict's line in the status area";
    guarda("ecra-jogada-invalida.png");
    saiComEscape();
}

TEST_F(Ecra, AComputerGameEndsWithTheBannerAndAClickBringsTheMenu) {
    escolhe(itemMenu(2.3, 8.95), 504);
    escolhe(itemMenu(4.8, 6.15), 503);
    ASSERT_TRUE(cantos->esperaSaida("Jogo terminado!\n", 1, 400)) << cantos->saida();
    EXPECT_TRUE(ate([&] { return conta(100, 300, 450, 420, dourado) > 20; })) << "the title";
    const int titulo = conta(100, 300, 450, 420, dourado);
    guarda("ecra-fim-de-jogo.png");

    // The click that ends the banner picks nothing; the menu is under the next one.
    const int picks = teste::Programa::conta(cantos->saida(), "Resposta");
    clica(casaVazia(camaraLivre(), 4, 4));
    EXPECT_TRUE(ate([&] { return conta(100, 300, 450, 420, dourado) < titulo / 4; }));
    EXPECT_EQ(teste::Programa::conta(cantos->saida(), "Resposta"), picks);
    escolhe(itemMenu(2.3, 8.95), 504);
    saiComEscape();
}

}  // namespace
