#include "app/fontes.h"

#include <cstdio>

#include <imgui.h>

namespace {

const char* const ficheiroFonte = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const ficheiroNegrito = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr float tamanhoTexto = 13.0f;  // the built-in font's height: the panel's layout keeps
constexpr float tamanhoGrande = 24.0f;
// The fonts are made this many times larger and drawn scaled down by as much, so that a
// large window's scale draws them sharp.
constexpr float ampliacao = 2.0f;

// Latin-1 holds every accented letter of the texts; the ellipsis and the dashes lie beyond.
const ImWchar letras[] = {0x0020, 0x00FF, 0x2013, 0x2014, 0x2026, 0x2026, 0};

ImFont* grande = nullptr;

bool existe(const char* caminho) {
    std::FILE* f = std::fopen(caminho, "rb");
    if (f) std::fclose(f);
    return f != nullptr;
}

}  // namespace

void carregaFontes() {
    ImGuiIO& io = ImGui::GetIO();
    if (!existe(ficheiroFonte)) {
        std::printf("Panel font not found: %s (install fonts-dejavu-core)\n", ficheiroFonte);
        return;
    }
    io.Fonts->AddFontFromFileTTF(ficheiroFonte, tamanhoTexto * ampliacao, nullptr, letras);
    const char* negrito = existe(ficheiroNegrito) ? ficheiroNegrito : ficheiroFonte;
    grande = io.Fonts->AddFontFromFileTTF(negrito, tamanhoGrande * ampliacao, nullptr, letras);
    io.FontGlobalScale = 1.0f / ampliacao;
}

float escalaDasFontes() { return grande ? 1.0f / ampliacao : 1.0f; }

ImFont* fonteGrande() { return grande ? grande : ImGui::GetFont(); }
