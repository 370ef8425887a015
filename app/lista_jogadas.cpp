#include "app/lista_jogadas.h"

#include <string>

#include <imgui.h>

#include "app/globais.h"
#include "app/rota_rato.h"
#include "game/desfazer.h"
#include "game/globais.h"
#include "game/notacao.h"
#include "game/traducao.h"

namespace {

ZonaPainel zona{0, 0, 0, 0};
int vistas = -1;  // rows shown last frame: a new one scrolls into view

// The row the film plays now, or -1.
int emDestaque() {
    if (!filmeActivo()) return -1;
    return indiceFilme;
}

void linha(int i, const mov& m, bool destaque) {
    ImGui::TableNextRow();
    if (destaque)
        ImGui::TableSetBgColor(ImGuiTableBgTarget_RowBg0, IM_COL32(120, 80, 40, 200));
    ImGui::TableNextColumn();
    ImGui::Text("%d.", i + 1);
    ImGui::TableNextColumn();
    ImGui::Text("Jog%d", m.jogador);
    ImGui::TableNextColumn();
    ImGui::TextUnformatted(nomeDaCasaLida(m.xi, m.yi).c_str());
    ImGui::TableNextColumn();
    ImGui::TextUnformatted(nomeDaCasaLida(m.xf, m.yf).c_str());
    if (destaque) ImGui::SetScrollHereY(0.5f);
}

}  // namespace

void desenhaListaJogadas() {
    zona = {0, 0, 0, 0};
    const bool emJogo = modo >= 1 && modo <= 3 && !fimDeJogo.activo;
    if (!mostraJogadas || !emJogo) {
        vistas = -1;
        return;
    }
    const ImGuiIO& io = ImGui::GetIO();
    const float e = escalaJanela;
    // Narrow, and only as tall as its moves: the board stays in sight beside it.
    const float largura = 134 * e, topo = float(alturaDoEstado()) + 4 * e;
    const float altura = io.DisplaySize.y - float(alturaDoPainel()) - topo - 4 * e;
    if (altura < 60 * e) return;
    ImGui::SetNextWindowPos(ImVec2(io.DisplaySize.x - largura - 4 * e, topo));
    ImGui::SetNextWindowSizeConstraints(ImVec2(largura, 0), ImVec2(largura, altura));
    ImGui::SetNextWindowBgAlpha(0.78f);
    bool aberta = true;
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoMove | ImGuiWindowFlags_AlwaysAutoResize |
                                   ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoSavedSettings |
                                   ImGuiWindowFlags_NoFocusOnAppearing;
    if (ImGui::Begin(_("Jogadas"), &aberta, flags)) {
        const int n = int(historico.size());
        if (n == 0) ImGui::TextDisabled(_("Ainda sem jogadas"));
        const ImGuiTableFlags t = ImGuiTableFlags_RowBg | ImGuiTableFlags_SizingStretchProp;
        if (n > 0 && ImGui::BeginTable("##jogadas", 4, t)) {
            ImGui::TableSetupColumn(_("N.º"));
            ImGui::TableSetupColumn(_("Lado"));
            ImGui::TableSetupColumn(_("De"));
            ImGui::TableSetupColumn(_("Para"));
            ImGui::TableHeadersRow();
            const int destaque = emDestaque();
            for (int i = 0; i < n; ++i) linha(i, historico[std::size_t(i)], i == destaque);
            ImGui::EndTable();
            if (n != vistas && destaque < 0) ImGui::SetScrollHereY(1.0f);
        }
        vistas = n;
        const ImVec2 p = ImGui::GetWindowPos(), s = ImGui::GetWindowSize();
        zona = {p.x, p.y, p.x + s.x, p.y + s.y};
    }
    ImGui::End();
    if (!aberta) mostraJogadas = false;
}

bool listaCobre(int x, int y) { return dentroDe(zona, x, y); }
