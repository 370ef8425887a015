// The scoreboard: games won by each side, the labels and the clock.
#pragma once
#include <cstdint>

class Placar {
public:
    Placar(int pontos1 = 0, int pontos2 = 0) : pontos1(pontos1), pontos2(pontos2) {}

    // Drawing lives with the window's drawing code.
    void draw(float width, float height, float depth);
    void drawFace(float width, float height, unsigned int texture);

    // Advances the clock digits to calendar time `agora` (whole seconds).
    void updateClock(std::int64_t agora);
    void setPontos1(int n) { pontos1 = n; }
    void setPontos2(int n) { pontos2 = n; }

    int pontos1;
    int pontos2;
    char nome1[10] = {};
    char nome2[10] = {};
};
