// Driving the game headless in tests: a fresh game state, the animation run to its end,
// and the board array read back as a board text.
#pragma once
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

namespace cantos_teste {

// Every game global back to its value at program start, with the pieces built.
void estadoInicialDoJogo();
// Plays the current move animation to its end, as the 20 ms timer would.
void terminaAnimacao();
// Puts a board text into tabuleiro / tabuleiroPC.
void poeTabuleiro(const std::string& texto);
void poeTabuleiroPC(const std::string& texto);
// The board array as a board text (the text numbers the sides the other way round).
std::string casasComoTexto();
// A board text without its line breaks.
std::string semQuebras(const char* texto);

// Runs f with the console captured; what it printed.
template <class F>
std::string calado(F f) {
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}
// The pick name of the piece on (x, y); 0 when none stands there.
int nomeDaPeca(int x, int y);
// A player's move as the window makes it: the piece, the square, one turn step, the slide.
// What the game printed.
std::string jogaPeloRato(int x0, int y0, int x1, int y1);

// The link's clock for tests, in milliseconds; advance it to allow a reconnection.
extern std::int64_t relogioLigacao;
std::int64_t leRelogioLigacao();

}  // namespace cantos_teste
