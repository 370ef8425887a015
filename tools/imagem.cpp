#include "tools/imagem.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

Cor operator+(Cor a, Cor b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Cor operator-(Cor a, Cor b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
Cor operator*(Cor a, float k) { return {a.r * k, a.g * k, a.b * k}; }
Cor operator*(Cor a, Cor b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
Cor misturar(Cor a, Cor b, float t) { return a + (b - a) * t; }
Cor rgb255(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

Imagem::Imagem(int largura, int altura, Cor fundo)
    : largura_(largura), altura_(altura), pixels_(static_cast<size_t>(largura) * altura, fundo) {}

static int envolver(int v, int n) {
    v %= n;
    return v < 0 ? v + n : v;
}

Cor& Imagem::em(int x, int y) {
    return pixels_[static_cast<size_t>(envolver(y, altura_)) * largura_ + envolver(x, largura_)];
}

const Cor& Imagem::em(int x, int y) const {
    return pixels_[static_cast<size_t>(envolver(y, altura_)) * largura_ + envolver(x, largura_)];
}

void Imagem::pintar(int x, int y, Cor c, float alfa) {
    if (x < 0 || y < 0 || x >= largura_ || y >= altura_ || alfa <= 0.0f) return;
    Cor& p = pixels_[static_cast<size_t>(y) * largura_ + x];
    p = misturar(p, c, std::min(alfa, 1.0f));
}

static void poe16(std::vector<std::uint8_t>& b, size_t pos, std::uint32_t v) {
    b[pos] = v & 0xFF;
    b[pos + 1] = (v >> 8) & 0xFF;
}

static void poe32(std::vector<std::uint8_t>& b, size_t pos, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[pos + i] = (v >> (8 * i)) & 0xFF;
}

static std::uint8_t byteDe(float v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

std::vector<std::uint8_t> Imagem::bytesBmp() const {
    const size_t linha = (static_cast<size_t>(largura_) * 3 + 3) / 4 * 4;
    const size_t tamanho = 54 + linha * altura_;
    std::vector<std::uint8_t> b(tamanho, 0);
    b[0] = 'B';
    b[1] = 'M';
    poe32(b, 2, static_cast<std::uint32_t>(tamanho));
    poe32(b, 10, 54);
    poe32(b, 14, 40);
    poe32(b, 18, static_cast<std::uint32_t>(largura_));
    poe32(b, 22, static_cast<std::uint32_t>(altura_));
    poe16(b, 26, 1);
    poe16(b, 28, 24);
    poe32(b, 34, static_cast<std::uint32_t>(linha * altura_));
    poe32(b, 38, 2835);  // 72 dpi, for viewers that care
    poe32(b, 42, 2835);
    for (int fila = 0; fila < altura_; ++fila) {
        // First stored row is the bottom of the picture.
        const int y = altura_ - 1 - fila;
        std::uint8_t* destino = &b[54 + linha * fila];
        for (int x = 0; x < largura_; ++x) {
            const Cor& c = em(x, y);
            destino[3 * x] = byteDe(c.b);
            destino[3 * x + 1] = byteDe(c.g);
            destino[3 * x + 2] = byteDe(c.r);
        }
    }
    return b;
}

bool Imagem::gravarBmp(const std::string& caminho) const {
    const std::vector<std::uint8_t> b = bytesBmp();
    std::ofstream f(caminho, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return static_cast<bool>(f);
}

static std::uint32_t le32(const std::vector<std::uint8_t>& b, size_t pos) {
    return b[pos] | (b[pos + 1] << 8) | (b[pos + 2] << 16) | (static_cast<std::uint32_t>(b[pos + 3]) << 24);
}

bool lerBmp(const std::string& caminho, Bmp& bmp) {
    std::ifstream f(caminho, std::ios::binary);
    if (!f) return false;
    const std::vector<std::uint8_t> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    bmp.tamanhoFicheiro = le32(b, 2);
    bmp.deslocamentoPixels = le32(b, 10);
    bmp.largura = static_cast<std::int32_t>(le32(b, 18));
    bmp.altura = static_cast<std::int32_t>(le32(b, 22));
    bmp.bitsPorPixel = b[28] | (b[29] << 8);
    bmp.compressao = le32(b, 30);
    if (bmp.bitsPorPixel != 24 || bmp.largura <= 0 || bmp.altura <= 0) return false;
    const size_t linha = (static_cast<size_t>(bmp.largura) * 3 + 3) / 4 * 4;
    if (b.size() < 54 + linha * bmp.altura) return false;
    bmp.rgb.assign(static_cast<size_t>(bmp.largura) * bmp.altura * 3, 0);
    for (int fila = 0; fila < bmp.altura; ++fila) {
        for (int x = 0; x < bmp.largura; ++x) {
            const std::uint8_t* p = &b[54 + linha * fila + 3 * x];
            std::uint8_t* q = &bmp.rgb[(static_cast<size_t>(fila) * bmp.largura + x) * 3];
            q[0] = p[2];
            q[1] = p[1];
            q[2] = p[0];
        }
    }
    return true;
}

Cor Bmp::amostra(double s, double t) const {
    const int x = std::clamp(static_cast<int>(std::floor(s * largura)), 0, largura - 1);
    const int fila = std::clamp(static_cast<int>(std::floor(t * altura)), 0, altura - 1);
    const std::uint8_t* q = &rgb[(static_cast<size_t>(fila) * largura + x) * 3];
    return rgb255(q[0], q[1], q[2]);
}
