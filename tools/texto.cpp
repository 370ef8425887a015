#include "tools/texto.h"

#include <cmath>
#include <fstream>
#include <iterator>

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb/stb_truetype.h>

std::string caminhoFonte(const std::string& nome) { return "/usr/share/fonts/truetype/dejavu/" + nome; }

std::vector<int> pontosCodigo(const std::string& utf8) {
    std::vector<int> pontos;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        int cp = extra == 3 ? c & 0x07 : extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
        bool bom = i + extra < utf8.size() || extra == 0;
        for (int k = 1; bom && k <= extra; ++k) {
            const unsigned char seguinte = static_cast<unsigned char>(utf8[i + k]);
            bom = (seguinte & 0xC0) == 0x80;
            cp = (cp << 6) | (seguinte & 0x3F);
        }
        if (!bom) {
            cp = c;
            extra = 0;
        }
        pontos.push_back(cp);
        i += extra + 1;
    }
    return pontos;
}

Fonte::Fonte(const std::string& ficheiro) : info_(new stbtt_fontinfo) {
    std::ifstream f(ficheiro, std::ios::binary);
    dados_.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (!dados_.empty())
        valida_ = stbtt_InitFont(static_cast<stbtt_fontinfo*>(info_), dados_.data(),
                                 stbtt_GetFontOffsetForIndex(dados_.data(), 0)) != 0;
}

Fonte::~Fonte() { delete static_cast<stbtt_fontinfo*>(info_); }

float Fonte::largura(const std::string& utf8, float px) const {
    if (!valida_) return 0.0f;
    auto* info = static_cast<stbtt_fontinfo*>(info_);
    const float escala = stbtt_ScaleForPixelHeight(info, px);
    const std::vector<int> pontos = pontosCodigo(utf8);
    float x = 0.0f;
    for (size_t i = 0; i < pontos.size(); ++i) {
        int avanco, esquerda;
        stbtt_GetCodepointHMetrics(info, pontos[i], &avanco, &esquerda);
        x += avanco * escala;
        if (i + 1 < pontos.size()) x += escala * stbtt_GetCodepointKernAdvance(info, pontos[i], pontos[i + 1]);
    }
    return x;
}

float Fonte::alturaMaiuscula(float px) const {
    if (!valida_) return 0.0f;
    auto* info = static_cast<stbtt_fontinfo*>(info_);
    int x0, y0, x1, y1;
    stbtt_GetCodepointBox(info, 'H', &x0, &y0, &x1, &y1);
    return y1 * stbtt_ScaleForPixelHeight(info, px);
}

void Fonte::desenhar(Imagem& img, const std::string& utf8, float x, float linhaBase, float px, Cor cor,
                     float alfa) const {
    if (!valida_) return;
    auto* info = static_cast<stbtt_fontinfo*>(info_);
    const float escala = stbtt_ScaleForPixelHeight(info, px);
    const std::vector<int> pontos = pontosCodigo(utf8);
    for (size_t i = 0; i < pontos.size(); ++i) {
        const float deslocX = x - std::floor(x);
        int largura = 0, altura = 0, ox = 0, oy = 0;
        unsigned char* mapa = stbtt_GetCodepointBitmapSubpixel(info, escala, escala, deslocX, 0.0f, pontos[i],
                                                               &largura, &altura, &ox, &oy);
        const int bx = static_cast<int>(std::floor(x)) + ox;
        const int by = static_cast<int>(std::lround(linhaBase)) + oy;
        for (int j = 0; j < altura; ++j)
            for (int k = 0; k < largura; ++k)
                img.pintar(bx + k, by + j, cor, alfa * mapa[j * largura + k] / 255.0f);
        stbtt_FreeBitmap(mapa, nullptr);
        int avanco, esquerda;
        stbtt_GetCodepointHMetrics(info, pontos[i], &avanco, &esquerda);
        x += avanco * escala;
        if (i + 1 < pontos.size()) x += escala * stbtt_GetCodepointKernAdvance(info, pontos[i], pontos[i + 1]);
    }
}

void Fonte::desenharCentrado(Imagem& img, const std::string& utf8, float cx, float cy, float px, Cor cor,
                             float alfa) const {
    desenhar(img, utf8, cx - largura(utf8, px) / 2.0f, cy + alturaMaiuscula(px) / 2.0f, px, cor, alfa);
}
