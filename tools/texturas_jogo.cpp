// The game's own textures: board tops and borders, pieces, scoreboard, highlight and menu.
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/catalogo.h"
#include "tools/padroes.h"
#include "tools/texto.h"

namespace {

const int kCasas = 8;

// Starting corners: side 1 home where column + row <= 3, side 2 where it is >= 11.
Cor tingirCasaInicial(Cor c, int coluna, int fila) {
    if (coluna + fila <= 3) return misturar(c, Cor{0.95f, 0.32f, 0.12f}, 0.2f);
    if (coluna + fila >= 11) return misturar(c, Cor{0.12f, 0.42f, 0.95f}, 0.2f);
    return c;
}

// A board top: the picture's x is world x and its rows from the top are world z, since the
// board maps s = x / 5 and t = 1 - z / 5. Square (column, row) is cell (column, row) counted
// from the top-left. Dark squares (column + row even) have their grain along x, light ones
// along z, as in an inlaid board.
template <class Material>
Imagem tabuleiro(int lado, Material material, Cor linha) {
    return desenharPorPixel(lado, lado, [&](float u, float v) {
        const int coluna = std::min(static_cast<int>(u * kCasas), kCasas - 1);
        const int fila = std::min(static_cast<int>(v * kCasas), kCasas - 1);
        const float cu = u * kCasas - coluna, cv = v * kCasas - fila;
        const bool escura = (coluna + fila) % 2 == 0;
        // Local coordinates with the grain along the second one; offsets make each square
        // a different cut of the same board.
        const float deslocado = 0.173f * (coluna * 3 + fila * 5);
        Cor c = escura ? material(true, fraccao(cv * 0.5f + deslocado), fraccao(cu * 0.5f + deslocado))
                       : material(false, fraccao(cu * 0.5f + deslocado), fraccao(cv * 0.5f + deslocado));
        c = tingirCasaInicial(c, coluna, fila);
        // A thin inlay line between squares, and a soft bevel so the squares read as tiles.
        const float borda = std::min(std::min(cu, 1.0f - cu), std::min(cv, 1.0f - cv)) * lado / kCasas;
        c = misturar(linha, c, suave(0.6f, 1.6f, borda));
        return c * (0.9f + 0.1f * suave(1.0f, 5.0f, borda));
    });
}

Imagem tabuleiroMadeira() {
    Ruido r(105);
    const Madeira nogueira{{0.42f, 0.25f, 0.13f}, {0.20f, 0.10f, 0.05f}, 5, 1.0f};
    const Madeira bordo{{0.93f, 0.80f, 0.60f}, {0.76f, 0.58f, 0.36f}, 5, 1.0f};
    return tabuleiro(512, [&](bool escura, float a, float b) {
        return madeira(r, a, b, escura ? nogueira : bordo);
    }, Cor{0.12f, 0.07f, 0.04f});
}

Imagem tabuleiroPelo() {
    Ruido r(125);
    const Pelo escuro{{0.36f, 0.22f, 0.12f}, {0.55f, 0.38f, 0.22f}, {0.12f, 0.07f, 0.04f}, 64};
    const Pelo claro{{0.90f, 0.84f, 0.72f}, {1.0f, 0.97f, 0.90f}, {0.60f, 0.52f, 0.42f}, 64};
    return tabuleiro(512, [&](bool escura, float a, float b) {
        return pelo(r, a, b, escura ? escuro : claro);
    }, Cor{0.10f, 0.06f, 0.03f});
}

Imagem tabuleiroAco() {
    Ruido r(135);
    const Metal escuro{{0.22f, 0.24f, 0.27f}, 0.35f, 96};
    const Metal claro{{0.78f, 0.80f, 0.82f}, 0.16f, 96};
    return tabuleiro(512, [&](bool escura, float a, float b) {
        return metalEscovado(r, a, b, escura ? escuro : claro);
    }, Cor{0.08f, 0.08f, 0.09f});
}

// Highlight of the picked square: a warm glow with a bright rim.
Imagem casa() {
    Ruido r(101);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float borda = std::min(std::min(u, 1.0f - u), std::min(v, 1.0f - v));
        const float centro = std::hypot(u - 0.5f, v - 0.5f) / 0.7071f;
        Cor c = misturar(Cor{1.0f, 0.93f, 0.55f}, Cor{1.0f, 0.62f, 0.12f}, suave(0.0f, 1.0f, centro));
        c = c * (0.95f + 0.05f * r.fbm(u * 8.0f, v * 8.0f, 8, 8, 3));
        const float aro = suave(0.03f, 0.045f, borda) * (1.0f - suave(0.085f, 0.1f, borda));
        c = misturar(c, Cor{1.0f, 1.0f, 0.88f}, aro);
        return misturar(Cor{0.45f, 0.22f, 0.02f}, c, suave(0.0f, 0.025f, borda));
    });
}

// Scoreboard front. Its face maps s in a twisted way (s runs backwards along the bottom
// edge and is constant across the middle), so the picture varies only down the face:
// anything across it would smear. Dark so that the white stroke text stands out.
Imagem placar() {
    Ruido r(102);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float meio = std::fabs(v - 0.5f) * 2.0f;
        Cor c = misturar(Cor{0.07f, 0.08f, 0.12f}, Cor{0.03f, 0.035f, 0.05f}, meio * meio);
        // Faint horizontal scan lines, like an old display.
        const int fila = static_cast<int>(v * 256);
        if (fila % 4 == 0) c = c * 0.82f;
        // Brass rules near both edges.
        const float regua = 1.0f - suave(0.004f, 0.012f, std::fabs(meio - 0.90f));
        c = misturar(c, Cor{0.78f, 0.60f, 0.26f}, regua);
        c = misturar(c, Cor{0.30f, 0.24f, 0.12f}, suave(0.96f, 0.99f, meio));
        return c * (1.0f + 0.04f * r.gradiente(u * 64.0f, v * 64.0f, 64, 64));
    });
}

// Board borders: the side faces stretch the picture over 1 by 5, with t along the edge, so
// grain and brushing run along v.
Imagem bordaMadeira() {
    Ruido r(103);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        return madeira(r, u, v, Madeira{{0.48f, 0.29f, 0.15f}, {0.22f, 0.11f, 0.05f}, 4, 1.4f});
    });
}

Imagem bordaPelo() {
    Ruido r(123);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        return pelo(r, u, v, Pelo{{0.45f, 0.30f, 0.17f}, {0.70f, 0.55f, 0.36f}, {0.14f, 0.08f, 0.04f}, 40});
    });
}

Imagem bordaAco() {
    Ruido r(133);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        return metalEscovado(r, u, v, Metal{{0.48f, 0.50f, 0.54f}, 0.22f, 128});
    });
}

// Scoreboard sides: brushed aluminium, brushed across.
Imagem metal() {
    Ruido r(104);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        return metalEscovado(r, v, u, Metal{{0.66f, 0.68f, 0.72f}, 0.18f, 128});
    });
}

// Pieces: GLU wraps s around them, so every picture tiles in u.
Imagem pecaMadeira(bool clara) {
    Ruido r(clara ? 109 : 108);
    const Madeira m = clara ? Madeira{{0.95f, 0.84f, 0.64f}, {0.80f, 0.62f, 0.40f}, 8, 0.9f}
                            : Madeira{{0.30f, 0.17f, 0.09f}, {0.11f, 0.05f, 0.02f}, 8, 0.9f};
    return desenharPorPixel(256, 256, [&](float u, float v) { return madeira(r, u, v, m); });
}

Imagem pecaPelo(bool clara) {
    Ruido r(clara ? 111 : 110);
    const Pelo p = clara ? Pelo{{0.92f, 0.89f, 0.82f}, {1.0f, 1.0f, 0.97f}, {0.62f, 0.58f, 0.52f}, 56}
                         : Pelo{{0.16f, 0.11f, 0.08f}, {0.38f, 0.28f, 0.20f}, {0.04f, 0.03f, 0.02f}, 56};
    return desenharPorPixel(256, 256, [&](float u, float v) { return pelo(r, u, v, p); });
}

// Steel pieces look lathe-turned: the rings run around them.
Imagem pecaAco(bool clara) {
    Ruido r(clara ? 113 : 112);
    const Metal m = clara ? Metal{{0.84f, 0.86f, 0.89f}, 0.14f, 128} : Metal{{0.16f, 0.17f, 0.21f}, 0.40f, 128};
    return desenharPorPixel(256, 256, [&](float u, float v) {
        Cor c = metalEscovado(r, v, u, m);
        // A soft reflected band makes the metal read as polished.
        const float faixa = std::exp(-std::pow((v - 0.35f) / 0.08f, 2.0f));
        return misturar(c, Cor{1.0f, 1.0f, 1.0f}, (clara ? 0.25f : 0.12f) * faixa);
    });
}

// Menu: the plane maps s = x / 10 and t = 1 - z / 10, and its camera shows -z up, so the
// picture is seen upright with its x the plane's x and its rows from the top the plane's z.
// The buttons lie on the menu's pick areas (501 to 505, top to bottom, then left and right),
// the same in every language: only the words change.
struct Botao {
    float x0, z0, x1, z1;
};
const Botao kBotoes[] = {
    {0.8f, 1.5f, 8.8f, 3.0f}, {0.8f, 3.3f, 8.8f, 4.8f}, {0.8f, 5.4f, 8.8f, 6.9f},
    {1.5f, 8.4f, 3.1f, 9.5f}, {5.5f, 8.4f, 8.5f, 9.5f},
};

// The words of one language's menu picture: the buttons in kBotoes' order, and the caption
// over the two levels.
struct TextosMenu {
    const char* botoes[5];
    const char* legenda;
};
const TextosMenu kMenuPortugues = {
    {"Jogador contra Jogador", "Jogador contra Computador", "Computador contra Computador", "Nível 1", "Nível 2"},
    "Nível do computador"};
const TextosMenu kMenuIngles = {
    {"Player against Player", "Player against Computer", "Computer against Computer", "Level 1", "Level 2"},
    "Computer level"};

Imagem fundoMenu(int lado) {
    Ruido r(107);
    return desenharPorPixel(lado, lado, [&](float u, float v) {
        const float vinheta = std::hypot(u - 0.5f, v - 0.45f);
        Cor c = misturar(Cor{0.10f, 0.13f, 0.26f}, Cor{0.03f, 0.04f, 0.10f}, suave(0.1f, 0.75f, vinheta));
        // Faint waves, as on lacquered panels.
        const float onda = std::sin((v * 60.0f + 2.0f * r.fbm(u * 4.0f, v * 4.0f, 4, 4, 3)) * 3.14159f);
        c = c * (1.0f + 0.06f * onda);
        // Gold double frame.
        const float borda = std::min(std::min(u, 1.0f - u), std::min(v, 1.0f - v));
        const Cor ouro{0.86f, 0.68f, 0.30f};
        const float traco = (1.0f - suave(0.002f, 0.004f, std::fabs(borda - 0.022f))) +
                            (1.0f - suave(0.001f, 0.0025f, std::fabs(borda - 0.034f)));
        return misturar(c, ouro, limitar(traco));
    });
}

void desenharBotao(Imagem& img, const Fonte& fonte, const Botao& b, const char* texto, float px) {
    const float k = img.largura() / 10.0f;  // pixels per plane unit
    const float x0 = b.x0 * k, y0 = b.z0 * k, x1 = b.x1 * k, y1 = b.z1 * k;
    const float raio = 0.22f * k;
    for (int y = static_cast<int>(y0) - 12; y <= static_cast<int>(y1) + 12; ++y) {
        for (int x = static_cast<int>(x0) - 12; x <= static_cast<int>(x1) + 12; ++x) {
            const float fx = x + 0.5f, fy = y + 0.5f;
            // Drop shadow, then the face with a gradient and a gold rim.
            const float sombra = rectanguloArredondado(fx - 4, fy - 5, x0, y0, x1, y1, raio, 7.0f);
            img.pintar(x, y, Cor{0.0f, 0.0f, 0.02f}, 0.55f * sombra);
            const float face = rectanguloArredondado(fx, fy, x0, y0, x1, y1, raio, 1.0f);
            const float dentro = rectanguloArredondado(fx, fy, x0 + 3, y0 + 3, x1 - 3, y1 - 3, raio - 3, 1.0f);
            const float altura = (fy - y0) / (y1 - y0);
            const Cor cara = misturar(Cor{1.0f, 0.97f, 0.86f}, Cor{0.93f, 0.80f, 0.52f}, altura);
            img.pintar(x, y, Cor{0.62f, 0.44f, 0.14f}, face);
            img.pintar(x, y, cara, dentro);
        }
    }
    fonte.desenharCentrado(img, texto, (x0 + x1) / 2, (y0 + y1) / 2, px, Cor{0.08f, 0.10f, 0.24f});
}

// The largest text size at which every label, botoes[primeiro] up to botoes[ultimo], fits
// its button.
float tamanhoQueCabe(const Fonte& fonte, const TextosMenu& textos, int primeiro, int ultimo, float k, float maximo) {
    float px = maximo;
    for (int i = primeiro; i < ultimo; ++i) {
        const Botao& b = kBotoes[i];
        px = std::min(px, maximo * (b.x1 - b.x0) * k * 0.86f / std::max(1.0f, fonte.largura(textos.botoes[i], maximo)));
    }
    return px;
}

Imagem menu(const TextosMenu& textos) {
    const int lado = 512;
    const float k = lado / 10.0f;
    Imagem img = fundoMenu(lado);
    const Fonte titulo(caminhoFonte("DejaVuSerif-Bold.ttf"));
    const Fonte botoes(caminhoFonte("DejaVuSansCondensed-Bold.ttf"));
    const Fonte legenda(caminhoFonte("DejaVuSans.ttf"));
    // Title in the band above the first button, with a dark halo.
    const Cor ouro{0.98f, 0.82f, 0.40f};
    for (int d = 3; d >= 1; --d)
        titulo.desenharCentrado(img, "Cantos 3D", 5.0f * k + d, 0.82f * k + d, 0.95f * k, Cor{0, 0, 0}, 0.35f);
    titulo.desenharCentrado(img, "Cantos 3D", 5.0f * k, 0.82f * k, 0.95f * k, ouro);
    const float pxGrande = tamanhoQueCabe(botoes, textos, 0, 3, k, 0.62f * 1.5f * k);
    for (int i = 0; i < 3; ++i) desenharBotao(img, botoes, kBotoes[i], textos.botoes[i], pxGrande);
    legenda.desenharCentrado(img, textos.legenda, 5.0f * k, 7.75f * k, 0.42f * k, Cor{0.85f, 0.80f, 0.66f});
    const float pxPequeno = tamanhoQueCabe(botoes, textos, 3, 5, k, 0.6f * 1.1f * k);
    for (int i = 3; i < 5; ++i) desenharBotao(img, botoes, kBotoes[i], textos.botoes[i], pxPequeno);
    return img;
}

}  // namespace

void juntarTexturasJogo(std::vector<Textura>& lista) {
    lista.push_back({"casa.bmp", casa});
    lista.push_back({"placar.bmp", placar});
    lista.push_back({"wood.bmp", bordaMadeira});
    lista.push_back({"metal.bmp", metal});
    lista.push_back({"tab.bmp", tabuleiroMadeira});
    lista.push_back({"furtab.bmp", tabuleiroPelo});
    lista.push_back({"steeltab.bmp", tabuleiroAco});
    lista.push_back({"menu.bmp", [] { return menu(kMenuPortugues); }});
    // The English one, which the catalogue names for the English window.
    lista.push_back({"menu-en.bmp", [] { return menu(kMenuIngles); }});
    lista.push_back({"madeirabranca.bmp", [] { return pecaMadeira(true); }});
    lista.push_back({"madeirapreta.bmp", [] { return pecaMadeira(false); }});
    lista.push_back({"pelebranca.bmp", [] { return pecaPelo(true); }});
    lista.push_back({"pelepreta.bmp", [] { return pecaPelo(false); }});
    lista.push_back({"whitesteel.bmp", [] { return pecaAco(true); }});
    lista.push_back({"blacksteel.bmp", [] { return pecaAco(false); }});
    lista.push_back({"pelolado.bmp", bordaPelo});
    lista.push_back({"steelside.bmp", bordaAco});
}
