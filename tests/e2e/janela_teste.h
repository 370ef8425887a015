// What every end-to-end test of the game's window shares: the display held open, and the
// clicks that pick things in it.
#pragma once
#include <cstdlib>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/cenario_teste.h"
#include "app/programa_teste.h"
#include "e2e/mesa.h"

// After the test framework: Xlib's macros would clash with its names.
#include <X11/Xlib.h>

namespace e2e {

class JanelaDoJogo : public ::testing::Test {
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
    inline static Display* ecra = nullptr;

    void clica(mesa::Ponto p) {
        teste::executa("xdotool mousemove --window " + janela + " " + std::to_string(p.x) + " " +
                       std::to_string(p.y) + " click 1");
        teste::dorme(250);
    }

    // Clicks and waits for the game to name what it picked.
    void escolhe(mesa::Ponto p, int nome) {
        const std::string texto = "Resposta" + std::to_string(nome) + "\n";
        const int antes = teste::Programa::conta(cantos->saida(), texto);
        clica(p);
        EXPECT_TRUE(cantos->esperaSaida(texto, antes + 1, 5))
            << "expected pick " << nome << " at " << p.x << "," << p.y << "\n"
            << cantos->saida();
    }

    // Escape ends the game with status 0.
    void saiComEscape() {
        teste::executa("xdotool windowfocus --sync " + janela + " key Escape");
        EXPECT_EQ(cantos->espera(10), 0);
    }

    // Starts the game in a fresh folder of sceneries, then waits for its window and for the
    // console line `ligou` that says it reached the server.
    void abreJogo(const char* ligou) {
        pasta = teste::pastaCenarios();
        ASSERT_FALSE(pasta.empty());
        cantos = std::make_unique<teste::Programa>(pasta);
        janela = teste::procuraJanela();
        ASSERT_FALSE(janela.empty()) << "no window appeared";
        ASSERT_TRUE(cantos->esperaSaida(ligou)) << cantos->saida();
        teste::dorme(500);
    }

    std::unique_ptr<teste::Programa> cantos;
    std::string janela;
    std::string pasta;
};

}  // namespace e2e
