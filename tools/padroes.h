// Procedural materials shared by the game's textures and the sceneries' textures.
// Every function takes picture coordinates (u, v) in [0, 1), u to the right, v downwards,
// and tiles over that square.
#pragma once
#include <cstdint>

#include "tools/imagem.h"
#include "tools/ruido.h"

// Runs f(u, v) for every pixel centre.
template <class F>
Imagem desenharPorPixel(int largura, int altura, F f) {
    Imagem img(largura, altura);
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x)
            img.em(x, y) = f((x + 0.5f) / largura, (y + 0.5f) / altura);
    return img;
}

float luminancia(Cor c);

// Wood with its grain running along v: growth rings cut lengthwise, fibres and pores.
// `aneis` is the number of ring bands across u (an integer keeps the tiling).
struct Madeira {
    Cor claro, escuro;
    int aneis = 6;
    float torcao = 1.2f;  // how far the rings wander
};
Cor madeira(const Ruido& r, float u, float v, const Madeira& m);

// Fur with its strands running along v.
struct Pelo {
    Cor base, ponta, sombra;
    int fios = 48;  // strands across the picture
};
Cor pelo(const Ruido& r, float u, float v, const Pelo& p);

// Brushed metal with the brushing running along v.
struct Metal {
    Cor base;
    float contraste = 0.12f;
    int riscos = 160;  // scratches across the picture
};
Cor metalEscovado(const Ruido& r, float u, float v, const Metal& m);

// Irregular stones separated by mortar: cells of a Voronoi pattern.
struct Pedras {
    Cor pedra, variacao, argamassa;
    int celulas = 6;
    float junta = 0.08f;  // mortar width, in cell units
};
Cor pedras(const Ruido& r, float u, float v, const Pedras& p);

// Speckled rock or granite.
Cor granito(const Ruido& r, float u, float v, Cor base, Cor grao, int escala);

// Rounded rectangle coverage (1 inside, 0 outside, soft over one pixel `px`).
float rectanguloArredondado(float x, float y, float x0, float y0, float x1, float y1, float raio, float px);

// A landscape backdrop: sky gradient with clouds above, layered hills below. Tiles in u, so
// four panels can meet at the corners; a cone-shaped mountain may rise in the middle.
struct Paisagem {
    Cor ceuAlto, ceuHorizonte, nuvem;
    Cor serraLonge, serraPerto, primeiroPlano;
    float horizonte = 0.62f;     // v of the far hills' foot
    float alturaSerras = 0.25f;  // in v
    bool montanhaNevada = false;
    bool mar = false;            // sea instead of the near hills
    Cor marLonge, marPerto;
    std::uint32_t semente = 1;
};
Imagem paisagem(int largura, int altura, const Paisagem& p);
