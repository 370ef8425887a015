#include "tools/icone.h"

#include <algorithm>
#include <cmath>

#include "tools/padroes.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace {

constexpr int kCasas = 4;                    // squares along a side of the board shown
constexpr float kMargem = 0.04f;             // transparent border around the tile
constexpr float kRaio = 0.17f;               // the tile's rounded corners
constexpr float kTabuleiro0 = 0.155f, kTabuleiro1 = 0.845f;
constexpr int kAmostras = 4;                 // samples per pixel along each axis

struct Camada {
    Cor cor;
    float alfa = 0.0f;
};

// Paints c over `fundo` with coverage a.
void sobre(Camada& fundo, Cor c, float a) {
    const float alfa = a + fundo.alfa * (1.0f - a);
    if (alfa <= 0.0f) return;
    fundo.cor = (c * a + fundo.cor * (fundo.alfa * (1.0f - a))) * (1.0f / alfa);
    fundo.alfa = alfa;
}

// A piece seen from above: a ball lit from the upper left, with a highlight.
Cor bola(Cor base, float dx, float dy) {
    const float nz = std::sqrt(std::max(0.0f, 1.0f - dx * dx - dy * dy));
    const float lx = -0.45f, ly = -0.55f, lz = 0.70f;
    const float difusa = std::max(0.0f, dx * lx + dy * ly + nz * lz);
    // Reflection of the light about the normal, seen straight on.
    const float rz = 2.0f * difusa * nz - lz;
    const float brilho = std::pow(std::max(0.0f, rz), 24.0f);
    return base * (0.3f + 0.75f * difusa) + Cor{1.0f, 1.0f, 1.0f} * (0.55f * brilho);
}

// Side 2's light pieces where column + row <= 2, side 1's dark ones where it is >= 4.
int pecaEm(int coluna, int fila) {
    if (coluna + fila <= 2) return 2;
    if (coluna + fila >= 4) return 1;
    return 0;
}

// Signed distance to the edge of the tile, negative inside.
float distanciaBorda(float u, float v) {
    const float meio = 0.5f - kMargem - kRaio;
    const float dx = std::max(std::fabs(u - 0.5f) - meio, 0.0f);
    const float dy = std::max(std::fabs(v - 0.5f) - meio, 0.0f);
    const float fora = std::hypot(dx, dy);
    const float dentro = std::min(std::max(std::fabs(u - 0.5f), std::fabs(v - 0.5f)) - meio, 0.0f);
    return fora + dentro - kRaio;
}

Camada amostra(const Ruido& r, float u, float v) {
    Camada c;
    // The tile: navy with a gold rule that follows its rounded edge, as the menu.
    const float d = distanciaBorda(u, v);
    if (d >= 0.0f) return c;
    Cor moldura = misturar(Cor{0.10f, 0.14f, 0.34f}, Cor{0.04f, 0.06f, 0.17f}, v);
    if (d < -0.05f && d > -0.08f) moldura = Cor{0.86f, 0.69f, 0.32f};
    sobre(c, moldura, 1.0f);

    if (u < kTabuleiro0 || u >= kTabuleiro1 || v < kTabuleiro0 || v >= kTabuleiro1) return c;
    const float lado = (kTabuleiro1 - kTabuleiro0) / kCasas;
    const float x = (u - kTabuleiro0) / lado, y = (v - kTabuleiro0) / lado;
    const int coluna = std::min(int(x), kCasas - 1), fila = std::min(int(y), kCasas - 1);
    const bool escura = (coluna + fila) % 2 == 1;
    const Madeira nogueira{{0.42f, 0.25f, 0.13f}, {0.22f, 0.11f, 0.05f}, 3, 1.0f};
    const Madeira bordo{{0.95f, 0.83f, 0.62f}, {0.80f, 0.62f, 0.40f}, 3, 1.0f};
    sobre(c, madeira(r, fraccao(u * 2.0f), fraccao(v * 0.5f), escura ? nogueira : bordo), 1.0f);

    // The piece on this square, if any, and the one up and to the left, whose shadow
    // falls here.
    const float cx = x - coluna - 0.5f, cy = y - fila - 0.5f;
    const float raioPeca = 0.40f;
    const float sx = cx - 0.08f, sy = cy - 0.10f;
    if (pecaEm(coluna, fila) && sx * sx + sy * sy < raioPeca * raioPeca)
        sobre(c, Cor{0.0f, 0.0f, 0.0f}, 0.35f);
    if (const int lado2 = pecaEm(coluna, fila); lado2 && cx * cx + cy * cy < raioPeca * raioPeca) {
        const Cor base = lado2 == 2 ? Cor{0.94f, 0.91f, 0.86f} : Cor{0.13f, 0.12f, 0.12f};
        sobre(c, bola(base, cx / raioPeca, cy / raioPeca), 1.0f);
        // The head, nearer the eye and so a little up and to the left.
        const float raioCabeca = 0.2f, hx = cx + 0.05f, hy = cy + 0.06f;
        if (hx * hx + hy * hy < raioCabeca * raioCabeca)
            sobre(c, bola(base * 1.08f, hx / raioCabeca, hy / raioCabeca), 1.0f);
    }
    return c;
}

}  // namespace

std::vector<std::uint8_t> pintarIcone(int lado) {
    const Ruido r(140);
    std::vector<std::uint8_t> rgba(std::size_t(lado) * lado * 4);
    for (int py = 0; py < lado; ++py) {
        for (int px = 0; px < lado; ++px) {
            // Averaged in premultiplied form, so edges fade without a dark fringe.
            Cor soma;
            float alfa = 0.0f;
            for (int j = 0; j < kAmostras; ++j) {
                for (int i = 0; i < kAmostras; ++i) {
                    const float u = (px + (i + 0.5f) / kAmostras) / lado;
                    const float v = (py + (j + 0.5f) / kAmostras) / lado;
                    const Camada a = amostra(r, u, v);
                    soma = soma + a.cor * a.alfa;
                    alfa += a.alfa;
                }
            }
            const float n = kAmostras * kAmostras;
            const Cor cor = alfa > 0.0f ? soma * (1.0f / alfa) : Cor{};
            const auto byte = [](float x) { return std::uint8_t(std::lround(limitar(x) * 255.0f)); };
            std::uint8_t* p = &rgba[(std::size_t(py) * lado + px) * 4];
            p[0] = byte(cor.r);
            p[1] = byte(cor.g);
            p[2] = byte(cor.b);
            p[3] = byte(alfa / n);
        }
    }
    return rgba;
}

bool gravarIconePng(const std::string& caminho, int lado) {
    const std::vector<std::uint8_t> rgba = pintarIcone(lado);
    return stbi_write_png(caminho.c_str(), lado, lado, 4, rgba.data(), lado * 4) != 0;
}
