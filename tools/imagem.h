// In-memory RGB pictures and their 24-bit BMP form.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Cor {
    float r = 0.0f, g = 0.0f, b = 0.0f;  // 0..1; values outside are clamped when written
};

Cor operator+(Cor a, Cor b);
Cor operator-(Cor a, Cor b);
Cor operator*(Cor a, float k);
Cor operator*(Cor a, Cor b);
Cor misturar(Cor a, Cor b, float t);  // a at t = 0, b at t = 1
Cor rgb255(int r, int g, int b);

// A picture held top row first, as it is drawn; the BMP writer stores it bottom-up, so
// the top row of the picture ends at t = 1 of the texture.
class Imagem {
public:
    Imagem(int largura, int altura, Cor fundo = {});

    int largura() const { return largura_; }
    int altura() const { return altura_; }

    // x grows to the right, y downwards; both wrap, so tiling patterns can spill over.
    Cor& em(int x, int y);
    const Cor& em(int x, int y) const;
    // Blends c over the pixel with coverage alfa (0..1); no wrapping, off-picture is ignored.
    void pintar(int x, int y, Cor c, float alfa);

    // The whole BMP file: 54-byte header, then rows bottom-up, blue-green-red, padded to 4.
    std::vector<std::uint8_t> bytesBmp() const;
    bool gravarBmp(const std::string& caminho) const;

private:
    int largura_, altura_;
    std::vector<Cor> pixels_;
};

// A BMP file as the game reads it: pixel rows in file order (the bottom of the picture
// first, which is t = 0), red-green-blue without padding.
struct Bmp {
    int largura = 0, altura = 0, bitsPorPixel = 0;
    std::uint32_t deslocamentoPixels = 0, tamanhoFicheiro = 0, compressao = 0;
    std::vector<std::uint8_t> rgb;

    // Pixel at texture coordinates (s, t) in [0, 1), without filtering.
    Cor amostra(double s, double t) const;
};

// False when the file is missing, shorter than its header promises, or not 24-bit.
bool lerBmp(const std::string& caminho, Bmp& bmp);
