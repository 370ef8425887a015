#include "app/estado_desenho.h"

#include <imgui.h>

#include "app/estado.h"
#include "app/fontes.h"
#include "app/fundos.h"
#include "app/globais.h"
#include "game/globais.h"
#include "game/traducao.h"

namespace {

constexpr ImGuiWindowFlags sobreposto =
    ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings |
    ImGuiWindowFlags_NoInputs | ImGuiWindowFlags_NoFocusOnAppearing | ImGuiWindowFlags_NoNav |
    ImGuiWindowFlags_AlwaysAutoResize;

ImVec4 corDoTom(Tom t) {
    switch (t) {
    case Tom::bom: return ImVec4(0.55f, 0.92f, 0.50f, 1.0f);
    case Tom::mau: return ImVec4(1.00f, 0.55f, 0.45f, 1.0f);
    case Tom::espera: return ImVec4(1.00f, 0.85f, 0.45f, 1.0f);
    case Tom::sugestao: return ImVec4(0.85f, 0.60f, 1.00f, 1.0f);
    default: return ImVec4(0.96f, 0.92f, 0.86f, 1.0f);
    }
}

void linhaComPlacar(const LinhasEstado& l, float largura) {
    ImGui::TextUnformatted(l.jogo);
    const float w = ImGui::CalcTextSize(l.placar).x;
    ImGui::SameLine(largura - w - 2 * ImGui::GetStyle().WindowPadding.x);
    ImGui::TextUnformatted(l.placar);
}

}  // namespace

void desenhaEstado() {
    const LinhasEstado l = compoeEstado(situacaoActual());
    const float largura = ImGui::GetIO().DisplaySize.x;
    ImGui::SetNextWindowPos(ImVec2(0, 0));
    // Its own strip above the view: it never hides part of the scene.
    ImGui::SetNextWindowSize(ImVec2(largura, float(alturaDoEstado())));
    ImGui::SetNextWindowBgAlpha(1.0f);
    fundoPorLimpar();
    const float e = escalaJanela;
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(8 * e, 4 * e));
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(6 * e, 2 * e));
    ImGui::Begin("Estado", nullptr, sobreposto & ~ImGuiWindowFlags_AlwaysAutoResize);
    registaFundo();
    linhaComPlacar(l, largura);
    if (l.vez[0] != '\0') ImGui::TextUnformatted(l.vez);
    if (l.aviso[0] != '\0') ImGui::TextColored(corDoTom(l.tom), "%s", l.aviso);
    ImGui::End();
    ImGui::PopStyleVar(2);
}

void desenhaFimDeJogo() {
    if (!fimDeJogo.activo) return;
    char titulo[192], razao[192];
    textoFimDeJogo(fimDeJogo, titulo, razao, sizeof razao);
    const ImGuiIO& io = ImGui::GetIO();
    const float alturaVista = io.DisplaySize.y - float(alturaDoPainel());
    // Low in the view, over the table's edge: the board stays in sight from every camera.
    const float e = escalaJanela;
    ImGui::SetNextWindowPos(ImVec2(io.DisplaySize.x / 2, alturaVista - 6 * e), ImGuiCond_Always,
                            ImVec2(0.5f, 1.0f));
    ImGui::SetNextWindowSizeConstraints(ImVec2(0, 0), ImVec2(io.DisplaySize.x - 20 * e, alturaVista));
    ImGui::SetNextWindowBgAlpha(0.85f);
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(14 * e, 6 * e));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowRounding, 6.0f * e);
    ImGui::Begin("FimDeJogo", nullptr, sobreposto);
    ImGui::PushFont(fonteGrande());
    ImGui::TextColored(ImVec4(1.0f, 0.85f, 0.45f, 1.0f), "%s", titulo);
    ImGui::PopFont();
    ImGui::PushTextWrapPos(io.DisplaySize.x - 60 * e);
    ImGui::TextUnformatted(razao);
    ImGui::PopTextWrapPos();
    ImGui::TextDisabled(_("Clique na vista para voltar ao menu."));
    ImGui::End();
    ImGui::PopStyleVar(2);
}
