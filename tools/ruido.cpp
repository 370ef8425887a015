#include "tools/ruido.h"

#include <algorithm>
#include <cmath>

std::uint64_t Aleatorio::proximo() {
    std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Aleatorio::uniforme() { return static_cast<float>(proximo() >> 40) / static_cast<float>(1ull << 24); }
float Aleatorio::entre(float a, float b) { return a + (b - a) * uniforme(); }
int Aleatorio::inteiro(int n) { return static_cast<int>(proximo() % static_cast<std::uint64_t>(n)); }

static int modulo(int v, int n) {
    v %= n;
    return v < 0 ? v + n : v;
}

std::uint32_t Ruido::hash(int x, int y, std::uint32_t extra) const {
    std::uint32_t h = semente_ * 0x27D4EB2Du ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE35u ^ extra * 0x165667B1u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

static float quintica(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

float Ruido::gradiente(float x, float y, int periodoX, int periodoY) const {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float dx = x - fx, dy = y - fy;
    auto canto = [&](int cx, int cy) {
        const std::uint32_t h = hash(modulo(ix + cx, periodoX), modulo(iy + cy, periodoY));
        const float angulo = (h & 0xFFFF) * (6.28318531f / 65536.0f);
        return std::cos(angulo) * (dx - cx) + std::sin(angulo) * (dy - cy);
    };
    const float u = quintica(dx), v = quintica(dy);
    const float a = canto(0, 0) + (canto(1, 0) - canto(0, 0)) * u;
    const float b = canto(0, 1) + (canto(1, 1) - canto(0, 1)) * u;
    return (a + (b - a) * v) * 1.41421356f;
}

float Ruido::fbm(float x, float y, int periodoX, int periodoY, int oitavas, float persistencia) const {
    float soma = 0.0f, amplitude = 1.0f, total = 0.0f;
    for (int o = 0; o < oitavas; ++o) {
        const float escala = static_cast<float>(1 << o);
        soma += amplitude * gradiente(x * escala + o * 17.0f * periodoX, y * escala + o * 31.0f * periodoY,
                                      periodoX << o, periodoY << o);
        total += amplitude;
        amplitude *= persistencia;
    }
    return soma / total;
}

Ruido::Celula Ruido::celular(float x, float y, int periodoX, int periodoY, float jitter) const {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    Celula c{1e9f, 1e9f, 0, 0.0f, 0.0f};
    for (int j = -1; j <= 1; ++j) {
        for (int i = -1; i <= 1; ++i) {
            const int cx = ix + i, cy = iy + j;
            const std::uint32_t h = hash(modulo(cx, periodoX), modulo(cy, periodoY), 7u);
            const float px = cx + 0.5f + jitter * (((h & 0xFFFF) / 65535.0f) - 0.5f);
            const float py = cy + 0.5f + jitter * (((h >> 16) / 65535.0f) - 0.5f);
            const float d = std::hypot(px - x, py - y);
            if (d < c.f1) {
                c.f2 = c.f1;
                c.f1 = d;
                c.id = h;
                c.cx = px;
                c.cy = py;
            } else if (d < c.f2) {
                c.f2 = d;
            }
        }
    }
    return c;
}

float suave(float a, float b, float x) {
    const float t = limitar((x - a) / (b - a));
    return t * t * (3.0f - 2.0f * t);
}

float fraccao(float x) { return x - std::floor(x); }
float limitar(float x, float a, float b) { return std::clamp(x, a, b); }
