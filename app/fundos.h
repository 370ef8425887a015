// The opaque backgrounds of the panel's strips, filled by a clear of their rectangles
// instead of by ImGui's blended, textured triangles: on a software renderer the blend over
// a full-width strip costs several milliseconds a frame, the clear next to nothing.
#pragma once
#include <vector>

struct ImDrawList;

// A rectangle of the window in OpenGL's terms: from the bottom left, whole pixels.
struct RectanguloGL {
    int x, y, largura, altura;
};

// The window rectangle ImGui gives as top-left corner and size, for a window `alturaJanela`
// high; empty (zero size) when nothing of it lies inside the window.
RectanguloGL rectanguloGL(float x, float y, float largura, float altura, int larguraJanela,
                          int alturaJanela);

// Before ImGui::Begin of a strip whose background is opaque: ImGui is to leave it out.
void fundoPorLimpar();
// Inside that window, after Begin: its rectangle joins this frame's backgrounds.
void registaFundo();
// One strip of this frame: ImGui's list of its window, and its rectangle.
struct Faixa {
    const ImDrawList* lista;
    RectanguloGL rectangulo;
};
// This frame's strips, in the order their windows began, for a window of that size; the
// next frame registers its own. None in the reference drawing.
std::vector<Faixa> faixasDoQuadro(int larguraJanela, int alturaJanela);
// The colour the strips are cleared in, as ImGui would have sent it.
unsigned int corDasFaixas();

// Clears the strips' rectangles in that colour. Before ImGui's drawing of them, so that
// everything ImGui draws comes over them as before.
void limpaFaixas(const std::vector<Faixa>& faixas);
