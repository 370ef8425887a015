// Seeded randomness and tileable noise: the same seed gives the same picture on every run.
#pragma once
#include <cstdint>

// splitmix64: small, fast, and identical on every platform, unlike rand().
class Aleatorio {
public:
    explicit Aleatorio(std::uint64_t semente) : estado_(semente) {}
    std::uint64_t proximo();
    float uniforme();                  // [0, 1)
    float entre(float a, float b);     // [a, b)
    int inteiro(int n);                // [0, n)

private:
    std::uint64_t estado_;
};

// Gradient noise on a lattice that repeats every `periodo` cells in x and y, so a picture
// sampled over [0, periodo) tiles without a seam when the game repeats the texture.
class Ruido {
public:
    explicit Ruido(std::uint32_t semente) : semente_(semente) {}

    // About -1..1.
    float gradiente(float x, float y, int periodoX, int periodoY) const;
    // Fractal sum of octaves, normalised to about -1..1. Each octave doubles the
    // frequency and the period, so the sum still tiles over the first octave's period.
    float fbm(float x, float y, int periodoX, int periodoY, int oitavas,
              float persistencia = 0.5f) const;
    // Cellular noise: distances to the nearest and second nearest feature points, and an
    // identifier of the nearest cell (for per-stone colours).
    struct Celula {
        float f1, f2;
        std::uint32_t id;
        float cx, cy;  // the nearest feature point, in lattice units
    };
    Celula celular(float x, float y, int periodoX, int periodoY, float jitter = 0.9f) const;

    std::uint32_t hash(int x, int y, std::uint32_t extra = 0) const;

private:
    std::uint32_t semente_;
};

float suave(float a, float b, float x);  // smoothstep
float fraccao(float x);
float limitar(float x, float a = 0.0f, float b = 1.0f);
