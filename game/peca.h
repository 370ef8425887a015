// One piece on the board.
#pragma once

class Peca {
public:
    Peca(int lado, double x, double altura, double y) : x(x), y(y), altura(altura), lado(lado) {}
    // Draws the piece in the chosen material (0 to 3); defined with the window's drawing.
    void draw(int material) const;

    double x;       // column, fractional while sliding
    double y;       // row
    double altura;  // height of its base above the board
    int lado;       // side 1 or 2; chooses the look
};
