#include "app/faixas.h"

#include <algorithm>

#include <GL/gl.h>
#include <imgui.h>
#include <backends/imgui_impl_opengl2.h>

#include "app/temas.h"

namespace {

// One strip's kept pixels, in a texture of the strip's own size.
struct Guardada {
    MemoriaDasFaixas memoria;
    GLuint textura = 0;
    int largura = 0, altura = 0;
};
std::vector<Guardada> guardadas;  // by the strip's place among this frame's

template <typename T>
void junta(std::string& s, const T& v) {
    s.append(reinterpret_cast<const char*>(&v), sizeof v);
}

void desenhaEstas(const ImDrawData& dados, std::vector<ImDrawList*> listas) {
    listas.erase(std::remove_if(listas.begin(), listas.end(),
                                [](const ImDrawList* l) { return l->CmdBuffer.empty(); }),
                 listas.end());
    if (listas.empty()) return;
    ImDrawData parte = dados;
    parte.CmdLists = listas.data();
    parte.CmdListsCount = int(listas.size());
    parte.TotalVtxCount = parte.TotalIdxCount = 0;
    for (const ImDrawList* l : listas) {
        parte.TotalVtxCount += l->VtxBuffer.Size;
        parte.TotalIdxCount += l->IdxBuffer.Size;
    }
    ImGui_ImplOpenGL2_RenderDrawData(&parte);
}

// Straight after the strip was drawn, before anything else comes over it.
bool guarda(Guardada& g, const RectanguloGL& r) {
    if (r.largura <= 0 || r.altura <= 0) return false;
    if (g.textura == 0) g.textura = nomeAcimaDosFixos([] {
        GLuint nome = 0;
        glGenTextures(1, &nome);
        return nome;
    });
    if (g.textura == 0) return false;
    // Errors left by earlier calls are not this copy's.
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
    glBindTexture(GL_TEXTURE_2D, g.textura);
    if (r.largura != g.largura || r.altura != g.altura) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, r.largura, r.altura, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, nullptr);
        g.largura = r.largura;
        g.altura = r.altura;
    }
    glReadBuffer(GL_BACK);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, r.x, r.y, r.largura, r.altura);
    return glGetError() == GL_NO_ERROR;
}

// Each pixel's centre falls on its texel's centre, so the nearest texel is the one kept.
void repoe(const std::vector<std::size_t>& quais, const std::vector<Faixa>& faixas, int largura,
           int altura) {
    if (quais.empty()) return;
    glViewport(0, 0, largura, altura);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_FOG);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, largura, 0, altura, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    for (std::size_t i : quais) {
        const RectanguloGL& r = faixas[i].rectangulo;
        glBindTexture(GL_TEXTURE_2D, guardadas[i].textura);
        glBegin(GL_QUADS);
        glTexCoord2i(0, 0);
        glVertex2i(r.x, r.y);
        glTexCoord2i(1, 0);
        glVertex2i(r.x + r.largura, r.y);
        glTexCoord2i(1, 1);
        glVertex2i(r.x + r.largura, r.y + r.altura);
        glTexCoord2i(0, 1);
        glVertex2i(r.x, r.y + r.altura);
        glEnd();
    }
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

// True when the strips are ImGui's first lists, in their order: only then may they be drawn
// before everything else and the picture stay the same.
bool faixasPrimeiro(const ImDrawData& dados, const std::vector<Faixa>& faixas) {
    if (faixas.empty() || dados.CmdListsCount < int(faixas.size())) return false;
    for (std::size_t i = 0; i < faixas.size(); ++i)
        if (dados.CmdLists[i] != faixas[i].lista) return false;
    return true;
}

}  // namespace

UsoDasFaixas MemoriaDasFaixas::decide(std::string conteudo) {
    if (temGuardado && conteudo == guardado) {
        anterior = std::move(conteudo);
        return UsoDasFaixas::repoe;
    }
    const bool repetido = conteudo == anterior;
    anterior = conteudo;
    if (!repetido) return UsoDasFaixas::desenha;
    guardado = std::move(conteudo);
    temGuardado = true;
    return UsoDasFaixas::desenhaEGuarda;
}

std::string conteudoDaFaixa(const Faixa& f, unsigned int cor) {
    std::string s;
    junta(s, cor);
    junta(s, f.rectangulo);
    const ImDrawList& l = *f.lista;
    junta(s, l.VtxBuffer.Size);
    s.append(reinterpret_cast<const char*>(l.VtxBuffer.Data),
             sizeof(ImDrawVert) * std::size_t(l.VtxBuffer.Size));
    junta(s, l.IdxBuffer.Size);
    s.append(reinterpret_cast<const char*>(l.IdxBuffer.Data),
             sizeof(ImDrawIdx) * std::size_t(l.IdxBuffer.Size));
    for (const ImDrawCmd& c : l.CmdBuffer) {
        junta(s, c.ClipRect);
        junta(s, c.TextureId);
        junta(s, c.VtxOffset);
        junta(s, c.IdxOffset);
        junta(s, c.ElemCount);
        junta(s, c.UserCallback);
        junta(s, c.UserCallbackData);
    }
    return s;
}

void desenhaListas(const ImDrawData& dados, const std::vector<Faixa>& faixas,
                   const ImDrawList* dono, ImDrawList* porCima) {
    std::vector<ImDrawList*> listas(dados.CmdLists, dados.CmdLists + dados.CmdListsCount);
    if (!faixasPrimeiro(dados, faixas)) {
        limpaFaixas(faixas);
        auto depois = std::find(listas.begin(), listas.end(), dono);
        listas.insert(depois == listas.end() ? depois : depois + 1, porCima);
        desenhaEstas(dados, listas);
        return;
    }
    const auto resto = listas.begin() + std::ptrdiff_t(faixas.size());
    guardadas.resize(faixas.size());
    // Each strip on its own: the clock's second turning the status strip leaves the panel's
    // kept.
    std::vector<std::size_t> postas, aGuardar;
    std::vector<Faixa> aDesenhar;
    std::vector<ImDrawList*> listasADesenhar;
    for (std::size_t i = 0; i < faixas.size(); ++i) {
        const UsoDasFaixas uso =
            guardadas[i].memoria.decide(conteudoDaFaixa(faixas[i], corDasFaixas()));
        if (uso == UsoDasFaixas::repoe) {
            postas.push_back(i);
            continue;
        }
        if (uso == UsoDasFaixas::desenhaEGuarda) aGuardar.push_back(i);
        aDesenhar.push_back(faixas[i]);
        listasADesenhar.push_back(listas[i]);
    }
    repoe(postas, faixas, int(dados.DisplaySize.x), int(dados.DisplaySize.y));
    limpaFaixas(aDesenhar);
    desenhaEstas(dados, listasADesenhar);
    for (std::size_t i : aGuardar)
        if (!guarda(guardadas[i], faixas[i].rectangulo)) guardadas[i].memoria.esquece();
    std::vector<ImDrawList*> seguintes{porCima};
    seguintes.insert(seguintes.end(), resto, listas.end());
    desenhaEstas(dados, seguintes);
}

void esqueceFaixas() {
    for (Guardada& g : guardadas) g.memoria.esquece();
}
