// The rotation ball of the panel: trackball turns of a column-major 4x4 matrix, with spin.
#pragma once

// Premultiplies m by a rotation of `angulo` radians about the unit axis `eixo`, so the
// turn happens in view space whatever m already holds.
void rodaMatriz(float m[16], const float eixo[3], float angulo);

// Trackball turn for a drag from (x0, y0) to (x1, y1), in pixels from the ball's centre with
// y growing downwards. False when the drag turns nothing.
bool rotacaoArrasto(float x0, float y0, float x1, float y1, float raio, float eixo[3],
                    float& angulo);

class BolaRotacao {
public:
    // A press stops any spin.
    void pressiona();
    // A drag movement while held: turns m and remembers the movement as the spin.
    void arrasta(float m[16], float x0, float y0, float x1, float y1, float raio);
    // Released after moving, the ball keeps turning by its last movement; after a click
    // without movement it stays still.
    void larga();
    // Once per frame: applies the spin, if any.
    void passo(float m[16]) const;
    bool girando() const { return gira; }

private:
    bool gira = false;
    bool moveu = false;
    float eixo[3] = {0, 1, 0};
    float angulo = 0.0f;
};
