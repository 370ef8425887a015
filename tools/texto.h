// Anti-aliased text on pictures, from the DejaVu TrueType fonts.
#pragma once
#include <string>
#include <vector>

#include "tools/imagem.h"

class Fonte {
public:
    // Reads the font file; valida() tells whether it could be used.
    explicit Fonte(const std::string& ficheiro);
    ~Fonte();
    Fonte(const Fonte&) = delete;
    Fonte& operator=(const Fonte&) = delete;

    bool valida() const { return valida_; }

    // Width in pixels of a UTF-8 text at a pixel height (ascent to descent).
    float largura(const std::string& utf8, float px) const;
    // Height of a capital letter at px, for centring a line on a button.
    float alturaMaiuscula(float px) const;
    // Draws with the baseline at y, starting at x.
    void desenhar(Imagem& img, const std::string& utf8, float x, float linhaBase, float px, Cor cor,
                  float alfa = 1.0f) const;
    // Centres the text on (cx, cy), with cy the middle of its capitals.
    void desenharCentrado(Imagem& img, const std::string& utf8, float cx, float cy, float px, Cor cor,
                          float alfa = 1.0f) const;

private:
    std::vector<unsigned char> dados_;
    void* info_;  // stbtt_fontinfo, kept out of this header
    bool valida_ = false;
};

// DejaVu font files of fonts-dejavu-core.
std::string caminhoFonte(const std::string& nome);

// Code points of a UTF-8 text; malformed bytes are taken as Latin-1.
std::vector<int> pontosCodigo(const std::string& utf8);
