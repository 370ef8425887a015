// The control panel: rotation ball, three drag areas, three buttons and three lists.
#include "app/painel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include <GL/freeglut.h>
#include <imgui.h>
#include <backends/imgui_impl_glut.h>
#include <backends/imgui_impl_opengl2.h>

#include "app/accoes.h"
#include "app/bola.h"
#include "app/camaras.h"
#include "app/controlos.h"
#include "app/estado_desenho.h"
#include "app/eventos.h"
#include "app/faixas.h"
#include "app/fontes.h"
#include "app/fundos.h"
#include "app/globais.h"
#include "app/lista_jogadas.h"
#include "app/rota_rato.h"
#include "app/temas.h"
#include "app/temporizadores.h"
#include "game/destinos.h"
#include "game/exportacao.h"
#include "game/globais.h"
#include "game/traducao.h"
#include "game/volta_menu.h"

namespace {

// The layout, given at scale 1 and measured at the window's scale E (escalaJanela), taken
// each frame.
float E = 1.0f;
float margem() { return 6.0f * E; }
float diametroBola() { return 86.0f * E; }
float larguraArrasto() { return 44.0f * E; }
float larguraBotoes() { return 116.0f * E; }
float espacoBarra() { return 14.0f * E; }
ImGuiStyle estiloBase;
float escalaAplicada = 0.0f;

// Everything the panel measures grows with the window, fonts included: the fonts are made
// at twice their size, so that they stay sharp when scaled.
void aplicaEscala() {
    E = escalaJanela;
    if (escalaAplicada == E) return;
    escalaAplicada = E;
    ImGui::GetStyle() = estiloBase;
    ImGui::GetStyle().ScaleAllSizes(E);
    ImGui::GetIO().FontGlobalScale = E * escalaDasFontes();
}

BolaRotacao bola;
ImDrawList* bolaViva = nullptr;     // the ball's moving lines, drawn over the panel's strip
const ImDrawList* donoDaBola = nullptr;  // the list they come after

// The ball's moving lines go in a list of their own, over its window's; in the reference
// drawing they stay in the window's list, as ImGui alone would draw them.
ImDrawList* listaDaBola(ImDrawList* janela) {
    donoDaBola = janela;
    if (desenhoDeReferencia) return janela;
    bolaViva->Flags = janela->Flags;
    bolaViva->PushTextureID(ImGui::GetIO().Fonts->TexID);
    bolaViva->PushClipRect(janela->GetClipRectMin(), janela->GetClipRectMax());
    return bolaViva;
}
std::vector<ZonaPainel> popups;  // open list popups of the last frame
int mostradoCamara = 0, mostradoAmbiente = 0, mostradoMateriais = 0;

ImU32 cor(int r, int g, int b, int a = 255) { return IM_COL32(r, g, b, a); }

void aplicaEstilo() {
    ImGui::StyleColorsDark();
    ImGuiStyle& s = ImGui::GetStyle();
    s.WindowRounding = 0.0f;
    s.WindowBorderSize = 0.0f;
    s.FrameRounding = 4.0f;
    s.PopupRounding = 4.0f;
    s.GrabRounding = 4.0f;
    s.WindowPadding = ImVec2(margem(), margem());
    s.ItemSpacing = ImVec2(6, 5);
    ImVec4* c = s.Colors;
    c[ImGuiCol_WindowBg] = ImVec4(0.11f, 0.10f, 0.09f, 1.0f);
    c[ImGuiCol_PopupBg] = ImVec4(0.14f, 0.13f, 0.12f, 0.98f);
    c[ImGuiCol_Button] = ImVec4(0.42f, 0.27f, 0.15f, 1.0f);
    c[ImGuiCol_ButtonHovered] = ImVec4(0.58f, 0.38f, 0.20f, 1.0f);
    c[ImGuiCol_ButtonActive] = ImVec4(0.72f, 0.48f, 0.24f, 1.0f);
    c[ImGuiCol_FrameBg] = ImVec4(0.22f, 0.19f, 0.16f, 1.0f);
    c[ImGuiCol_FrameBgHovered] = ImVec4(0.32f, 0.26f, 0.20f, 1.0f);
    c[ImGuiCol_FrameBgActive] = ImVec4(0.40f, 0.30f, 0.22f, 1.0f);
    c[ImGuiCol_Header] = ImVec4(0.42f, 0.27f, 0.15f, 1.0f);
    c[ImGuiCol_HeaderHovered] = ImVec4(0.58f, 0.38f, 0.20f, 1.0f);
    c[ImGuiCol_HeaderActive] = ImVec4(0.72f, 0.48f, 0.24f, 1.0f);
    c[ImGuiCol_Separator] = ImVec4(0.45f, 0.38f, 0.30f, 1.0f);
    estiloBase = s;
}

// A point of the unit sphere turned by rotacao, as seen on the ball (y up).
ImVec2 projecta(const float v[3], ImVec2 centro, float raio, float& profundidade) {
    float r[3];
    for (int i = 0; i < 3; ++i)
        r[i] = rotacao[i] * v[0] + rotacao[4 + i] * v[1] + rotacao[8 + i] * v[2];
    profundidade = r[2];
    return ImVec2(centro.x + raio * r[0], centro.y - raio * r[1]);
}

// Three great circles of the turned sphere: its front halves bright, its back halves faint.
void desenhaMeridianos(ImDrawList* d, ImVec2 centro, float raio) {
    const int passos = 48;
    for (int eixo = 0; eixo < 3; ++eixo) {
        ImVec2 anterior;
        for (int i = 0; i <= passos; ++i) {
            const float a = 2.0f * 3.14159265f * float(i) / passos;
            float v[3] = {0, 0, 0};
            v[(eixo + 1) % 3] = std::cos(a);
            v[(eixo + 2) % 3] = std::sin(a);
            float z = 0.0f;
            const ImVec2 p = projecta(v, centro, raio * 0.92f, z);
            if (i > 0) {
                const ImU32 c = z >= 0.0f ? cor(236, 200, 140, 230) : cor(236, 200, 140, 60);
                d->AddLine(anterior, p, c, z >= 0.0f ? 1.6f : 1.0f);
            }
            anterior = p;
        }
    }
}

// Where this frame's movement of a held control starts: the press itself on the frame it
// was taken, since the cursor may have jumped there and moved on since the last frame.
ImVec2 inicioDoMovimento() {
    const ImGuiIO& io = ImGui::GetIO();
    if (ImGui::IsItemActivated()) {
        float x = 0.0f, y = 0.0f;
        posicaoUltimaPressao(x, y);
        return ImVec2(x, y);
    }
    return ImVec2(io.MousePos.x - io.MouseDelta.x, io.MousePos.y - io.MouseDelta.y);
}

void rotuloCentrado(const char* texto, float x, float largura) {
    const float w = ImGui::CalcTextSize(texto).x;
    ImGui::SetCursorPosX(x + (largura - w) / 2);
    ImGui::TextUnformatted(texto);
}

void controloBola(float x) {
    ImGuiIO& io = ImGui::GetIO();
    ImGui::SetCursorPos(ImVec2(x, margem()));
    const ImVec2 canto = ImGui::GetCursorScreenPos();
    ImGui::InvisibleButton("##Rotacao", ImVec2(diametroBola(), diametroBola()));
    const float raio = diametroBola() / 2;
    const ImVec2 centro(canto.x + raio, canto.y + raio);
    if (ImGui::IsItemActivated()) bola.pressiona();
    if (ImGui::IsItemActive()) {
        const ImVec2 de = inicioDoMovimento();
        bola.arrasta(rotacao, de.x - centro.x, de.y - centro.y, io.MousePos.x - centro.x,
                     io.MousePos.y - centro.y, raio);
    }
    if (ImGui::IsItemDeactivated()) bola.larga();
    if (!ImGui::IsItemActive()) bola.passo(rotacao);

    ImDrawList* d = ImGui::GetWindowDrawList();
    const bool quente = ImGui::IsItemHovered() || ImGui::IsItemActive();
    d->AddCircleFilled(centro, raio, cor(40, 30, 22), 48);
    // A soft highlight up and to the left gives the ball its roundness.
    for (int i = 8; i >= 1; --i) {
        const float f = float(i) / 8.0f;
        d->AddCircleFilled(ImVec2(centro.x - raio * 0.25f * (1 - f), centro.y - raio * 0.3f * (1 - f)),
                           raio * f, cor(70 + int(60 * (1 - f)), 52 + int(40 * (1 - f)),
                                         36 + int(25 * (1 - f))),
                           40);
    }
    // What turns or lights up goes over the strip, so the strip itself stays the same.
    ImDrawList* v = listaDaBola(d);
    desenhaMeridianos(v, centro, raio);
    v->AddCircle(centro, raio, quente ? cor(250, 210, 150) : cor(150, 120, 90), 48, 2.0f);
    ImGui::SetCursorPosY(margem() + diametroBola() + 3 * E);
    rotuloCentrado(_("Rotacao"), x, diametroBola());
}

void seta(ImDrawList* d, ImVec2 c, float dx, float dy, ImU32 cr) {
    const float s = 6.0f * E;
    const ImVec2 ponta(c.x + dx * s, c.y + dy * s);
    const ImVec2 a(c.x - dy * s * 0.8f, c.y + dx * s * 0.8f);
    const ImVec2 b(c.x + dy * s * 0.8f, c.y - dx * s * 0.8f);
    d->AddTriangleFilled(ponta, b, a, cr);
}

void controloArrasto(const char* rotulo, float* valor, float velocidade, bool horizontal,
                     float x) {
    ImGuiIO& io = ImGui::GetIO();
    const float altura = diametroBola();
    ImGui::SetCursorPos(ImVec2(x, margem()));
    const ImVec2 p = ImGui::GetCursorScreenPos();
    ImGui::PushID(rotulo);
    ImGui::InvisibleButton("##arrasto", ImVec2(larguraArrasto(), altura));
    ImGui::PopID();
    if (ImGui::IsItemActive()) {
        const ImVec2 de = inicioDoMovimento();
        *valor = arrastaValor(*valor, io.MousePos.x - de.x, io.MousePos.y - de.y, horizontal,
                              velocidade);
    }

    ImDrawList* d = ImGui::GetWindowDrawList();
    const bool activo = ImGui::IsItemActive(), quente = ImGui::IsItemHovered();
    const ImVec2 q(p.x + larguraArrasto(), p.y + altura);
    d->AddRectFilled(p, q, activo ? cor(92, 66, 42) : quente ? cor(74, 56, 40) : cor(56, 46, 36),
                     5.0f);
    d->AddRect(p, q, quente || activo ? cor(250, 210, 150) : cor(120, 100, 80), 5.0f, 0, 1.5f);
    const ImVec2 c((p.x + q.x) / 2, (p.y + q.y) / 2);
    const ImU32 cs = cor(236, 200, 140);
    if (horizontal) {
        seta(d, ImVec2(p.x + 9 * E, c.y), -1, 0, cs);
        seta(d, ImVec2(q.x - 9 * E, c.y), 1, 0, cs);
    } else {
        seta(d, ImVec2(c.x, p.y + 9 * E), 0, -1, cs);
        seta(d, ImVec2(c.x, q.y - 9 * E), 0, 1, cs);
    }
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.1f", double(*valor));
    const ImVec2 t = ImGui::CalcTextSize(texto);
    d->AddText(ImVec2(c.x - t.x / 2, c.y - t.y / 2), cor(245, 235, 220), texto);
    ImGui::SetCursorPosY(margem() + diametroBola() + 3 * E);
    rotuloCentrado(rotulo, x - 8 * E, larguraArrasto() + 16 * E);
}

void barra(float x) {
    const ImVec2 w = ImGui::GetWindowPos();
    ImGui::GetWindowDrawList()->AddLine(ImVec2(w.x + x, w.y + margem()),
                                        ImVec2(w.x + x, w.y + float(alturaDoPainel()) - margem()),
                                        ImGui::GetColorU32(ImGuiCol_Separator), 1.0f);
}

bool botao(Accao a, ImVec2 tamanho) {
    const char* rotulo = "";
    for (int i = 0; i < numBotoesAccao; ++i)
        if (botoesAccao[i].accao == a) rotulo = _(botoesAccao[i].rotulo);
    if (!ImGui::Button(rotulo, tamanho)) return false;
    executa(a);
    return true;
}

// "RodaCamara" on shows lit, with a mark at its right end.
void botaoRodaCamara(ImVec2 tamanho) {
    const bool ligada = rodaCamara == 1;
    if (ligada) {
        ImGui::PushStyleColor(ImGuiCol_Button, ImVec4(0.20f, 0.45f, 0.22f, 1.0f));
        ImGui::PushStyleColor(ImGuiCol_ButtonHovered, ImVec4(0.26f, 0.56f, 0.28f, 1.0f));
    }
    botao(Accao::rodaCamara, tamanho);
    const ImVec2 fim = ImGui::GetItemRectMax(), inicio = ImGui::GetItemRectMin();
    const ImVec2 c(fim.x - 7 * E, (inicio.y + fim.y) / 2);
    ImGui::GetWindowDrawList()->AddCircleFilled(c, 3.5f * E, ligada ? cor(140, 240, 130) : cor(90, 70, 55));
    if (ligada) ImGui::PopStyleColor(2);
}

void botoes(float x) {
    const float espaco = 3 * E;
    const float altura = (diametroBola() + 16 * E - 4 * espaco) / 5;
    const float meio = (larguraBotoes() - espaco) / 2;
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(espaco, espaco));
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(2 * E, 1 * E));
    ImGui::SetCursorPos(ImVec2(x, margem()));
    botao(Accao::undo, ImVec2(meio, altura));
    ImGui::SameLine();
    botao(Accao::refazer, ImVec2(meio, altura));
    ImGui::SetCursorPosX(x);
    const float menu = 44 * E;
    botao(Accao::sugestao, ImVec2(larguraBotoes() - menu - espaco, altura));
    ImGui::SameLine();
    botao(Accao::menu, ImVec2(menu, altura));
    ImGui::SetCursorPosX(x);
    botao(Accao::filme, ImVec2(larguraBotoes(), altura));
    ImGui::SetCursorPosX(x);
    botaoRodaCamara(ImVec2(larguraBotoes(), altura));
    ImGui::SetCursorPosX(x);
    botao(Accao::gravar, ImVec2(larguraBotoes(), altura));
    ImGui::PopStyleVar(2);
}

void lista(const char* rotulo, const ItemLista* itens, int n, int* variavel, int& mostrado,
           float x, float largura, const char* emVista = nullptr) {
    mostrado = itemMostrado(itens, n, *variavel, mostrado);
    ImGui::SetCursorPosX(x);
    ImGui::TextUnformatted(rotulo);
    ImGui::SetCursorPosX(x);
    ImGui::SetNextItemWidth(largura);
    ImGui::PushID(rotulo);
    if (ImGui::BeginCombo("##lista", emVista ? emVista : _(itens[mostrado].texto))) {
        const ImVec2 p = ImGui::GetWindowPos(), t = ImGui::GetWindowSize();
        popups.push_back({p.x, p.y, p.x + t.x, p.y + t.y});
        for (int i = 0; i < n; ++i) {
            if (ImGui::Selectable(_(itens[i].texto), i == mostrado)) {
                *variavel = itens[i].id;
                mostrado = i;
            }
        }
        ImGui::EndCombo();
    }
    ImGui::PopID();
}

// Under the lists: the hints and the move list, shown or hidden.
void ajudasEJogadas(float x) {
    ImGui::SetCursorPos(ImVec2(x, ImGui::GetCursorPosY() + 2 * E));
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(2 * E, 1 * E));
    ImGui::PushStyleVar(ImGuiStyleVar_ItemInnerSpacing, ImVec2(3 * E, 3 * E));
    ImGui::Checkbox(_("Ajudas"), &ajudas);
    ImGui::SameLine();
    bool lista = mostraJogadas;
    if (ImGui::Checkbox(_("Jogadas"), &lista)) executa(Accao::listaJogadas);
    ImGui::PopStyleVar(2);
}

void listas(float x, float largura) {
    ImGui::SetCursorPosY(margem() - 3 * E);
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(4 * E, 1 * E));
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(5 * E, 2 * E));
    // Under the end banner the view is the finished game's: a choice turns that one.
    int* emVista = fimDeJogo.activo ? &fimDeJogo.camara : &camara;
    lista(_("Camara"), itensCamara, 4, emVista, mostradoCamara, x, largura,
          textoCamara(*emVista, mostradoCamara));
    lista(_("Ambiente"), itensAmbiente, 3, &ambiente, mostradoAmbiente, x, largura);
    lista(_("Materiais"), itensMateriais, 4, &materialPecas, mostradoMateriais, x, largura);
    ImGui::PopStyleVar(2);
    ajudasEJogadas(x);
}

void constroiPainel() {
    aplicaEscala();
    ImGuiIO& io = ImGui::GetIO();
    ImGui::SetNextWindowPos(ImVec2(0, io.DisplaySize.y - float(alturaDoPainel())));
    ImGui::SetNextWindowSize(ImVec2(io.DisplaySize.x, float(alturaDoPainel())));
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                                   ImGuiWindowFlags_NoSavedSettings |
                                   ImGuiWindowFlags_NoBringToFrontOnFocus |
                                   ImGuiWindowFlags_NoScrollWithMouse;
    fundoPorLimpar();
    ImGui::Begin("Painel", nullptr, flags);
    registaFundo();
    float x = margem();
    controloBola(x);
    x += diametroBola() + 8 * E;
    controloArrasto(_("Zoom Z"), &zoomZ, 0.02f, false, x);
    x += larguraArrasto() + espacoBarra() / 2;
    barra(x);
    x += espacoBarra() / 2;
    controloArrasto(_("Zoom X"), &zoomX, 1.0f, true, x);
    x += larguraArrasto() + espacoBarra() / 2;
    barra(x);
    x += espacoBarra() / 2;
    controloArrasto(_("Zoom Y"), &zoomY, 1.0f, false, x);
    x += larguraArrasto() + espacoBarra() / 2;
    barra(x);
    x += espacoBarra() / 2;
    botoes(x);
    x += larguraBotoes() + espacoBarra() / 2;
    barra(x);
    x += espacoBarra() / 2;
    // The lists as wide as their longest item needs, not the whole window's width.
    const float resto = io.DisplaySize.x - x - margem();
    listas(x, std::clamp(resto, 120.0f * E, 210.0f * E));
    ImGui::End();
    desenhaEstado();
    desenhaListaJogadas();
    desenhaFimDeJogo();
}

}  // namespace

void iniciaPainel() {
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    aplicaEstilo();
    carregaFontes();
    ImGui_ImplGLUT_Init();
    ImGui_ImplOpenGL2_Init();
    bolaViva = IM_NEW(ImDrawList)(ImGui::GetDrawListSharedData());
    io.DisplaySize = ImVec2(float(larguraJanela), float(alturaJanela));
}

bool criaTexturaFonte() {
    const bool conseguiu = nomeAcimaDosFixos([] {
        ImGui_ImplOpenGL2_CreateFontsTexture();
        return unsigned(reinterpret_cast<std::intptr_t>(ImGui::GetIO().Fonts->TexID));
    }) != 0;
    if (!conseguiu) std::printf("Panel font texture has no free name above %u\n", ultimoNomeFixo);
    return conseguiu;
}

bool painelCobre(int x, int y) {
    if (sobrePainel(y, alturaJanela) || listaCobre(x, y)) return true;
    for (const ZonaPainel& z : popups) {
        if (dentroDe(z, x, y)) return true;
    }
    return false;
}

void desenhaPainel() {
    ImGui_ImplOpenGL2_NewFrame();
    ImGui_ImplGLUT_NewFrame();
    popups.clear();
    bolaViva->_ResetForNewFrame();
    donoDaBola = nullptr;
    constroiPainel();
    ImGui::Render();
    // Only now, with this frame's controls done: they read the buttons as the frame began.
    libertaRetidos();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    const ImVec2 tamanho = ImGui::GetIO().DisplaySize;
    bolaViva->_PopUnusedDrawCmd();
    desenhaListas(*ImGui::GetDrawData(), faixasDoQuadro(int(tamanho.x), int(tamanho.y)),
                  donoDaBola, bolaViva);
    glPopClientAttrib();
    glPopAttrib();
}
