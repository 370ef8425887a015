#include "app/fundos.h"

#include <algorithm>
#include <cmath>

#include <GL/gl.h>
#include <imgui.h>

#include "app/globais.h"

namespace {

struct Fundo {
    float x, y, largura, altura;
    const ImDrawList* lista;
};
std::vector<Fundo> fundos;  // this frame's, in the order their windows began

}  // namespace

RectanguloGL rectanguloGL(float x, float y, float largura, float altura, int larguraJanela,
                          int alturaJanela) {
    // ImGui fills the pixels whose centres lie inside; its windows sit on whole pixels here.
    const int x0 = std::max(0, int(std::lround(x)));
    const int x1 = std::min(larguraJanela, int(std::lround(x + largura)));
    const int topo = std::max(0, int(std::lround(y)));
    const int base = std::min(alturaJanela, int(std::lround(y + altura)));
    if (x1 <= x0 || base <= topo) return {0, 0, 0, 0};
    return {x0, alturaJanela - base, x1 - x0, base - topo};
}

void fundoPorLimpar() {
    // The reference picture keeps ImGui's own background, for the tests to compare against.
    if (!desenhoDeReferencia) ImGui::SetNextWindowBgAlpha(0.0f);
}

void registaFundo() {
    if (desenhoDeReferencia) return;
    const ImVec2 p = ImGui::GetWindowPos(), t = ImGui::GetWindowSize();
    fundos.push_back({p.x, p.y, t.x, t.y, ImGui::GetWindowDrawList()});
}

std::vector<Faixa> faixasDoQuadro(int larguraJanela, int alturaJanela) {
    std::vector<Faixa> faixas;
    for (const Fundo& f : fundos)
        faixas.push_back(
            {f.lista, rectanguloGL(f.x, f.y, f.largura, f.altura, larguraJanela, alturaJanela)});
    fundos.clear();
    return faixas;
}

// The colour as ImGui would have sent it, bytes included, so the pixels come out the same.
unsigned int corDasFaixas() { return ImGui::GetColorU32(ImGuiCol_WindowBg, 1.0f); }

void limpaFaixas(const std::vector<Faixa>& faixas) {
    if (faixas.empty()) return;
    const ImU32 c = corDasFaixas();
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_SCISSOR_BIT);
    glClearColor(float((c >> IM_COL32_R_SHIFT) & 0xFF) / 255.0f,
                 float((c >> IM_COL32_G_SHIFT) & 0xFF) / 255.0f,
                 float((c >> IM_COL32_B_SHIFT) & 0xFF) / 255.0f, 1.0f);
    glEnable(GL_SCISSOR_TEST);
    for (const Faixa& f : faixas) {
        const RectanguloGL& r = f.rectangulo;
        if (r.largura <= 0) continue;
        glScissor(r.x, r.y, r.largura, r.altura);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glPopAttrib();
}
