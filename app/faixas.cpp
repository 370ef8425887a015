#include "app/faixas.h"

#include <algorithm>

#include <GL/gl.h>
#include <imgui.h>
#include <backends/imgui_impl_opengl2.h>

#include "app/temas.h"

namespace {

MemoriaDasFaixas memoria;
GLuint textura = 0;
int larguraTextura = 0, alturaTextura = 0;

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

// The strips one under the other, each from the texture's left edge.
bool cabemNaTextura(const std::vector<Faixa>& faixas, int& largura, int& altura) {
    largura = altura = 0;
    for (const Faixa& f : faixas) {
        largura = std::max(largura, f.rectangulo.largura);
        altura += f.rectangulo.altura;
    }
    return largura > 0 && altura > 0;
}

// Straight after the strips were drawn, before anything else comes over them.
bool guarda(const std::vector<Faixa>& faixas) {
    int largura = 0, altura = 0;
    if (!cabemNaTextura(faixas, largura, altura)) return false;
    if (textura == 0) textura = nomeAcimaDosFixos([] {
        GLuint nome = 0;
        glGenTextures(1, &nome);
        return nome;
    });
    if (textura == 0) return false;
    glBindTexture(GL_TEXTURE_2D, textura);
    if (largura != larguraTextura || altura != alturaTextura) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, largura, altura, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     nullptr);
        larguraTextura = largura;
        alturaTextura = altura;
    }
    while (glGetError() != GL_NO_ERROR) {
    }
    glReadBuffer(GL_BACK);
    int linha = 0;
    for (const Faixa& f : faixas) {
        const RectanguloGL& r = f.rectangulo;
        if (r.largura > 0)
            glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, linha, r.x, r.y, r.largura, r.altura);
        linha += r.altura;
    }
    return glGetError() == GL_NO_ERROR;
}

// Each pixel's centre falls on its texel's centre, so the nearest texel is the one kept.
void repoe(const std::vector<Faixa>& faixas, int largura, int altura) {
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
    glBindTexture(GL_TEXTURE_2D, textura);
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
    const float s = 1.0f / float(larguraTextura), t = 1.0f / float(alturaTextura);
    int linha = 0;
    glBegin(GL_QUADS);
    for (const Faixa& f : faixas) {
        const RectanguloGL& r = f.rectangulo;
        const float s1 = float(r.largura) * s, t0 = float(linha) * t,
                    t1 = float(linha + r.altura) * t;
        glTexCoord2f(0, t0);
        glVertex2i(r.x, r.y);
        glTexCoord2f(s1, t0);
        glVertex2i(r.x + r.largura, r.y);
        glTexCoord2f(s1, t1);
        glVertex2i(r.x + r.largura, r.y + r.altura);
        glTexCoord2f(0, t1);
        glVertex2i(r.x, r.y + r.altura);
        linha += r.altura;
    }
    glEnd();
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

std::string conteudoDasFaixas(const std::vector<Faixa>& faixas, unsigned int cor) {
    std::string s;
    junta(s, cor);
    for (const Faixa& f : faixas) {
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
    const int largura = int(dados.DisplaySize.x), altura = int(dados.DisplaySize.y);
    const UsoDasFaixas uso = memoria.decide(conteudoDasFaixas(faixas, corDasFaixas()));
    if (uso == UsoDasFaixas::repoe) {
        repoe(faixas, largura, altura);
    } else {
        limpaFaixas(faixas);
        desenhaEstas(dados, {listas.begin(), resto});
        if (uso == UsoDasFaixas::desenhaEGuarda && !guarda(faixas)) memoria.esquece();
    }
    std::vector<ImDrawList*> seguintes{porCima};
    seguintes.insert(seguintes.end(), resto, listas.end());
    desenhaEstas(dados, seguintes);
}

void esqueceFaixas() { memoria.esquece(); }
