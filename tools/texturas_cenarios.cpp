// Textures named by the three sceneries: "jp_" the Japanese garden, "cs_" the castle
// courtyard, "pr_" the beach. Ground textures tile; backdrops tile in u only.
#include <algorithm>
#include <cmath>

#include "tools/catalogo.h"
#include "tools/padroes.h"

namespace {

const float kPi = 3.14159265f;

// ---------------------------------------------------------------- Japanese garden

Paisagem paisagemJapao(bool fuji) {
    Paisagem p;
    p.ceuAlto = {0.42f, 0.60f, 0.86f};
    p.ceuHorizonte = {0.99f, 0.86f, 0.80f};
    p.nuvem = {1.0f, 0.95f, 0.95f};
    p.serraLonge = {0.52f, 0.58f, 0.74f};
    p.serraPerto = {0.20f, 0.34f, 0.27f};
    p.primeiroPlano = {0.10f, 0.20f, 0.12f};
    p.horizonte = 0.70f;
    p.alturaSerras = 0.22f;
    p.montanhaNevada = fuji;
    p.semente = 31;
    return p;
}

Imagem musgo() {
    Ruido r(32);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float tufo = r.fbm(u * 8.0f, v * 8.0f, 8, 8, 5) * 0.5f + 0.5f;
        const float fino = r.fbm(u * 64.0f, v * 64.0f, 64, 64, 2) * 0.5f + 0.5f;
        Cor c = misturar(Cor{0.13f, 0.24f, 0.08f}, Cor{0.40f, 0.56f, 0.18f}, suave(0.25f, 0.8f, tufo));
        c = c * (0.75f + 0.45f * fino);
        const float flor = suave(0.80f, 0.84f, r.gradiente(u * 48.0f, v * 48.0f, 48, 48) * 0.5f + 0.5f);
        return misturar(c, Cor{0.72f, 0.80f, 0.40f}, 0.5f * flor);
    });
}

// Raked gravel: fine grains combed into parallel furrows along u.
Imagem cascalho() {
    Ruido r(33);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float desvio = 0.15f * r.fbm(u * 2.0f, v * 2.0f, 2, 2, 3);
        const float sulco = std::sin((v * 16.0f + desvio) * 2.0f * kPi);
        const float grao = r.fbm(u * 96.0f, v * 96.0f, 96, 96, 2) * 0.5f + 0.5f;
        const float pedrinha = suave(0.7f, 0.75f, r.gradiente(u * 64.0f, v * 64.0f, 64, 64) * 0.5f + 0.5f);
        Cor c = Cor{0.80f, 0.79f, 0.75f} * (0.78f + 0.3f * grao);
        c = c * (0.88f + 0.12f * sulco);
        return misturar(c, Cor{0.52f, 0.50f, 0.48f}, 0.6f * pedrinha);
    });
}

Imagem aguaLago() {
    Ruido r(34);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float fundo = r.fbm(u * 4.0f, v * 4.0f, 4, 4, 4) * 0.5f + 0.5f;
        // Thin bright lines where two noise fields cross zero: light playing on ripples.
        const float a = std::fabs(r.fbm(u * 10.0f, v * 10.0f, 10, 10, 3));
        const float brilho = 1.0f - suave(0.0f, 0.06f, a);
        Cor c = misturar(Cor{0.03f, 0.16f, 0.20f}, Cor{0.12f, 0.38f, 0.40f}, fundo);
        return misturar(c, Cor{0.62f, 0.84f, 0.86f}, 0.45f * brilho);
    });
}

// Vermilion lacquer over wood: the grain shows faintly through.
Imagem laca() {
    Ruido r(35);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const Cor grao = madeira(r, u, v, Madeira{{1.0f, 1.0f, 1.0f}, {0.75f, 0.75f, 0.75f}, 6, 1.0f});
        const float gasto = suave(0.55f, 0.8f, r.fbm(u * 6.0f, v * 6.0f, 6, 6, 4) * 0.5f + 0.5f);
        Cor c = Cor{0.82f, 0.18f, 0.08f} * (0.85f + 0.15f * grao.r);
        return misturar(c, Cor{0.45f, 0.10f, 0.06f}, 0.35f * gasto);
    });
}

// Kawara roof: rows of round tiles running along v, each row overlapping the one below.
Imagem telhaJapao() {
    Ruido r(36);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float coluna = fraccao(u * 16.0f);
        const float fila = fraccao(v * 8.0f);
        const float arco = std::sin(coluna * kPi);  // round tile profile
        float luz = 0.55f + 0.45f * arco;
        luz *= 0.75f + 0.25f * suave(0.0f, 0.85f, fila);   // shadow under the row above
        luz *= 1.0f - 0.35f * suave(0.9f, 1.0f, fila);      // lip of each tile
        const float mancha = r.fbm(u * 12.0f, v * 12.0f, 12, 12, 3) * 0.5f + 0.5f;
        return Cor{0.26f, 0.28f, 0.34f} * (luz * (0.85f + 0.3f * mancha));
    });
}

Imagem granitoJapao() {
    Ruido r(37);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        return granito(r, u, v, Cor{0.56f, 0.55f, 0.52f}, Cor{0.18f, 0.18f, 0.19f}, 6);
    });
}

// Blossom: clusters of petals with darker gaps between them.
Imagem sakura() {
    Ruido r(38);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const Ruido::Celula c = r.celular(u * 24.0f, v * 24.0f, 24, 24);
        const float petala = 1.0f - suave(0.25f, 0.5f, c.f1);
        const float cacho = r.fbm(u * 6.0f, v * 6.0f, 6, 6, 4) * 0.5f + 0.5f;
        const float tom = (c.id & 0xFF) / 255.0f;
        Cor flor = misturar(Cor{0.98f, 0.78f, 0.86f}, Cor{0.99f, 0.93f, 0.95f}, tom);
        Cor fundo = misturar(Cor{0.55f, 0.30f, 0.38f}, Cor{0.85f, 0.55f, 0.65f}, cacho);
        return misturar(fundo, flor, petala * suave(0.2f, 0.6f, cacho + 0.2f));
    });
}

// Cherry bark: dark and smooth, with lenticels running around the trunk (along u).
Imagem cascaCerejeira() {
    Ruido r(39);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float base = r.fbm(u * 4.0f, v * 8.0f, 4, 8, 4) * 0.5f + 0.5f;
        const float lenticela = suave(0.62f, 0.7f, r.gradiente(u * 8.0f, v * 64.0f, 8, 64) * 0.5f + 0.5f);
        Cor c = misturar(Cor{0.16f, 0.09f, 0.08f}, Cor{0.36f, 0.22f, 0.18f}, base);
        return misturar(c, Cor{0.58f, 0.46f, 0.38f}, 0.7f * lenticela);
    });
}

// Bamboo: long fibres along v and three nodes per repeat.
Imagem bambu() {
    Ruido r(40);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float fibra = r.fbm(u * 48.0f, v * 2.0f, 48, 2, 2) * 0.5f + 0.5f;
        const float gomo = fraccao(v * 3.0f);
        const float no = std::exp(-std::pow((gomo - 0.5f) / 0.012f, 2.0f));
        const float inchaco = std::exp(-std::pow((gomo - 0.47f) / 0.03f, 2.0f));
        const float idade = r.fbm(u * 3.0f, v * 3.0f, 3, 3, 3) * 0.5f + 0.5f;
        Cor c = misturar(Cor{0.50f, 0.66f, 0.26f}, Cor{0.66f, 0.68f, 0.34f}, idade) * (0.85f + 0.25f * fibra);
        c = c * (1.0f + 0.25f * inchaco);
        return misturar(c, Cor{0.30f, 0.36f, 0.14f}, 0.8f * no);
    });
}

Imagem mesaJapao() {
    Ruido r(41);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        return madeira(r, u, v, Madeira{{0.40f, 0.22f, 0.14f}, {0.18f, 0.09f, 0.06f}, 5, 1.3f});
    });
}

// ---------------------------------------------------------------- Castle courtyard

Paisagem paisagemCastelo() {
    Paisagem p;
    p.ceuAlto = {0.26f, 0.42f, 0.72f};
    p.ceuHorizonte = {0.82f, 0.86f, 0.90f};
    p.nuvem = {0.97f, 0.97f, 0.98f};
    p.serraLonge = {0.46f, 0.55f, 0.62f};
    p.serraPerto = {0.18f, 0.30f, 0.16f};
    p.primeiroPlano = {0.10f, 0.18f, 0.08f};
    p.horizonte = 0.74f;
    p.alturaSerras = 0.16f;
    p.semente = 51;
    return p;
}

Imagem lajes() {
    Ruido r(52);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        return pedras(r, u, v, Pedras{{0.58f, 0.55f, 0.50f}, {0.44f, 0.43f, 0.42f}, {0.22f, 0.21f, 0.18f}, 4, 0.07f});
    });
}

// Ashlar: courses of dressed blocks in running bond, weathered with streaks running down.
Imagem muralha() {
    Ruido r(53);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const int fiadas = 8, blocos = 4;
        const int fiada = static_cast<int>(v * fiadas);
        const float x = u * blocos + (fiada % 2 ? 0.5f : 0.0f);
        const int bloco = static_cast<int>(std::floor(x)) % blocos;
        const float bx = fraccao(x), by = fraccao(v * fiadas);
        const float tom = (r.hash(bloco, fiada) & 0xFF) / 255.0f;
        const float grao = r.fbm(u * 32.0f, v * 32.0f, 32, 32, 4) * 0.5f + 0.5f;
        Cor c = misturar(Cor{0.62f, 0.58f, 0.50f}, Cor{0.48f, 0.46f, 0.42f}, tom) * (0.8f + 0.35f * grao);
        const float escorrido = r.fbm(u * 24.0f, v * 1.0f, 24, 1, 3) * 0.5f + 0.5f;
        c = c * (0.85f + 0.2f * escorrido);
        const float junta = std::min(std::min(bx, 1.0f - bx) * 2.0f, std::min(by, 1.0f - by));
        c = c * (0.8f + 0.2f * suave(0.02f, 0.12f, junta));
        return misturar(Cor{0.30f, 0.28f, 0.25f}, c, suave(0.02f, 0.04f, junta));
    });
}

// Slate shingles with rounded lower edges; the cone maps t from its base (the bottom of
// the picture) to its tip.
Imagem ardosia() {
    Ruido r(54);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const int filas = 12, telhas = 16;
        const int fila = static_cast<int>(v * filas);
        const float x = fraccao(u * telhas + (fila % 2 ? 0.5f : 0.0f));
        const float y = fraccao(v * filas);
        // Rounded bottom: the edge rises towards the sides of each shingle.
        const float bordo = 0.75f + 0.25f * std::cos((x - 0.5f) * kPi);
        const float tom = (r.hash(static_cast<int>(u * telhas + (fila % 2 ? 0.5f : 0.0f)) % telhas, fila) & 0xFF) / 255.0f;
        Cor c = misturar(Cor{0.22f, 0.24f, 0.30f}, Cor{0.34f, 0.36f, 0.42f}, tom);
        c = c * (0.8f + 0.2f * (r.fbm(u * 40.0f, v * 40.0f, 40, 40, 2) * 0.5f + 0.5f));
        c = c * (0.7f + 0.3f * suave(0.0f, 0.5f, y));
        if (y > bordo) c = Cor{0.10f, 0.10f, 0.13f};
        return c;
    });
}

// A heraldic banner: field, gold border and a tower. Pictures are twice as tall as wide.
Imagem estandarte(Cor campo, Cor metalCor, std::uint32_t semente) {
    Ruido r(semente);
    return desenharPorPixel(256, 512, [&](float u, float v) {
        const float trama = 0.06f * std::sin(u * 256.0f * kPi) * std::sin(v * 512.0f * kPi);
        const float dobra = 0.12f * std::sin(u * 3.0f * 2.0f * kPi + 0.5f);  // folds of the cloth
        Cor c = campo * (0.9f + trama + dobra + 0.05f * r.fbm(u * 8.0f, v * 16.0f, 8, 16, 3));
        const float borda = std::min(std::min(u, 1.0f - u) * 2.0f, std::min(v, 1.0f - v) * 4.0f);
        bool metal = borda > 0.06f && borda < 0.11f;
        // Tower: body, three merlons, a dark door.
        const float x = (u - 0.5f) * 2.0f, y = v * 2.0f;  // y 0..2, x -1..1
        const bool corpo = std::fabs(x) < 0.38f && y > 0.72f && y < 1.42f;
        const bool ameias = y > 0.58f && y <= 0.72f && std::fabs(x) < 0.5f && fraccao((x + 0.5f) / 0.2f) < 0.6f;
        const bool porta = std::fabs(x) < 0.13f && y > 1.18f && y < 1.42f &&
                           (y > 1.22f || std::fabs(x) < 0.13f * std::sqrt(std::max(0.0f, 1.0f - std::pow((1.22f - y) / 0.08f, 2.0f))));
        const bool janela = std::fabs(x) < 0.05f && y > 0.86f && y < 1.0f;
        metal = metal || ((corpo || ameias) && !porta && !janela);
        // Three stars (discs) under the tower.
        for (int i = -1; i <= 1; ++i)
            if (std::hypot(x - i * 0.45f, y - 1.64f) < 0.09f) metal = true;
        if (metal) c = metalCor * (0.85f + trama + dobra * 0.8f + 0.1f * r.gradiente(u * 32.0f, v * 32.0f, 32, 32));
        return c;
    });
}

// Flame: white-hot at the root, then yellow, orange and red tongues towards the tip.
Imagem chama() {
    Ruido r(56);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float lingua = r.fbm(u * 6.0f, v * 3.0f, 6, 3, 4) * 0.5f + 0.5f;
        const float calor = limitar(v * 1.2f - 0.25f + 0.5f * (lingua - 0.5f));  // v = 1 is the root
        Cor c = misturar(Cor{0.55f, 0.06f, 0.02f}, Cor{1.0f, 0.45f, 0.05f}, suave(0.0f, 0.45f, calor));
        c = misturar(c, Cor{1.0f, 0.88f, 0.35f}, suave(0.4f, 0.75f, calor));
        return misturar(c, Cor{1.0f, 0.98f, 0.85f}, suave(0.75f, 1.0f, calor));
    });
}

Imagem carvalho() {
    Ruido r(57);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        return madeira(r, u, v, Madeira{{0.60f, 0.43f, 0.25f}, {0.34f, 0.22f, 0.11f}, 5, 1.5f});
    });
}

// Gate: vertical planks with two iron straps and rivets.
Imagem portao() {
    Ruido r(58);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const int tabuas = 6;
        const float x = fraccao(u * tabuas);
        const int tabua = static_cast<int>(u * tabuas);
        Cor c = madeira(r, fraccao(u * tabuas * 0.5f + tabua * 0.31f), v,
                        Madeira{{0.46f, 0.30f, 0.16f}, {0.24f, 0.14f, 0.07f}, 3, 1.2f});
        c = c * (0.7f + 0.3f * suave(0.0f, 0.06f, std::min(x, 1.0f - x)));
        for (float faixa : {0.22f, 0.78f}) {
            if (std::fabs(v - faixa) < 0.045f) {
                c = Cor{0.16f, 0.16f, 0.17f} * (0.9f + 0.2f * r.gradiente(u * 40.0f, v * 40.0f, 40, 40));
                const float rebite = std::hypot(x - 0.5f, (v - faixa) * tabuas);
                if (rebite < 0.12f) c = Cor{0.42f, 0.42f, 0.44f} * (1.2f - rebite * 3.0f);
            }
        }
        return c;
    });
}

Imagem ferro() {
    Ruido r(59);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        Cor c = granito(r, u, v, Cor{0.20f, 0.20f, 0.22f}, Cor{0.10f, 0.10f, 0.11f}, 8);
        const float ferrugem = suave(0.6f, 0.8f, r.fbm(u * 5.0f + 7.0f, v * 5.0f, 5, 5, 4) * 0.5f + 0.5f);
        return misturar(c, Cor{0.42f, 0.20f, 0.08f}, 0.6f * ferrugem);
    });
}

Imagem relvaCastelo() {
    Ruido r(60);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float folha = r.fbm(u * 80.0f, v * 16.0f, 80, 16, 2) * 0.5f + 0.5f;
        const float zona = r.fbm(u * 4.0f, v * 4.0f, 4, 4, 4) * 0.5f + 0.5f;
        Cor c = misturar(Cor{0.20f, 0.36f, 0.10f}, Cor{0.42f, 0.56f, 0.20f}, zona);
        return c * (0.65f + 0.6f * folha);
    });
}

// ---------------------------------------------------------------- Beach

Paisagem paisagemPraia() {
    Paisagem p;
    p.ceuAlto = {0.22f, 0.48f, 0.86f};
    p.ceuHorizonte = {1.0f, 0.86f, 0.64f};
    p.nuvem = {1.0f, 0.96f, 0.92f};
    p.serraLonge = {0.52f, 0.58f, 0.66f};
    p.horizonte = 0.58f;
    p.alturaSerras = 0.05f;
    p.mar = true;
    p.marLonge = {0.14f, 0.40f, 0.60f};
    p.marPerto = {0.06f, 0.46f, 0.56f};
    p.semente = 71;
    return p;
}

Imagem areia() {
    Ruido r(72);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float desvio = 0.25f * r.fbm(u * 3.0f, v * 3.0f, 3, 3, 3);
        const float ondulacao = std::sin((v * 10.0f + u * 2.0f + desvio) * 2.0f * kPi);
        const float grao = r.fbm(u * 128.0f, v * 128.0f, 128, 128, 2) * 0.5f + 0.5f;
        const float concha = suave(0.8f, 0.84f, r.gradiente(u * 40.0f, v * 40.0f, 40, 40) * 0.5f + 0.5f);
        Cor c = Cor{0.94f, 0.84f, 0.64f} * (0.86f + 0.14f * grao + 0.05f * ondulacao);
        return misturar(c, Cor{1.0f, 0.97f, 0.92f}, 0.5f * concha);
    });
}

Imagem mar() {
    Ruido r(73);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float fundo = r.fbm(u * 3.0f, v * 3.0f, 3, 3, 4) * 0.5f + 0.5f;
        const float onda = std::fabs(r.fbm(u * 6.0f, v * 14.0f, 6, 14, 4));
        const float crista = 1.0f - suave(0.0f, 0.05f, onda);
        Cor c = misturar(Cor{0.05f, 0.33f, 0.50f}, Cor{0.10f, 0.62f, 0.66f}, fundo);
        return misturar(c, Cor{0.92f, 0.97f, 0.98f}, 0.55f * crista);
    });
}

// Palm trunk: overlapping leaf scars in rings along v.
Imagem troncoPalmeira() {
    Ruido r(74);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float anel = fraccao(v * 10.0f + 0.08f * r.fbm(u * 4.0f, v * 4.0f, 4, 4, 2));
        const float fibra = r.fbm(u * 64.0f, v * 8.0f, 64, 8, 2) * 0.5f + 0.5f;
        Cor c = misturar(Cor{0.50f, 0.40f, 0.28f}, Cor{0.66f, 0.56f, 0.42f}, fibra);
        c = c * (0.6f + 0.4f * suave(0.0f, 0.8f, anel));
        return c * (1.0f - 0.3f * suave(0.9f, 1.0f, anel));
    });
}

// A frond seen flat: a midrib along v and leaflets slanting away from it.
Imagem folhaPalmeira() {
    Ruido r(75);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const float lado = std::fabs(u - 0.5f);
        const float folheto = fraccao(v * 18.0f + lado * 2.5f);
        const float fenda = suave(0.86f, 0.94f, folheto);
        const float veio = 1.0f - suave(0.015f, 0.03f, lado);
        const float tom = r.fbm(u * 4.0f, v * 8.0f, 4, 8, 3) * 0.5f + 0.5f;
        Cor c = misturar(Cor{0.16f, 0.42f, 0.12f}, Cor{0.36f, 0.62f, 0.18f}, tom);
        c = c * (0.8f + 0.25f * std::sin(folheto * kPi));
        c = misturar(c, Cor{0.07f, 0.18f, 0.05f}, 0.8f * fenda);
        return misturar(c, Cor{0.70f, 0.72f, 0.38f}, veio);
    });
}

Imagem riscas(Cor a, Cor b, int n, bool franja, std::uint32_t semente) {
    Ruido r(semente);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const bool primeira = static_cast<int>(u * n) % 2 == 0;
        const float trama = 0.05f * std::sin(u * 256.0f * kPi) * std::sin(v * 256.0f * kPi);
        Cor c = (primeira ? a : b) * (0.95f + trama + 0.05f * r.fbm(u * 8.0f, v * 8.0f, 8, 8, 2));
        // The scalloped fringe sits at the bottom, the cone's wide edge.
        if (franja) {
            const float festao = 0.93f - 0.03f * std::fabs(std::sin(u * n * 2.0f * kPi));
            if (v > festao) c = a * 0.8f;
        }
        return c;
    });
}

Imagem rocha() {
    Ruido r(77);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        Cor c = granito(r, u, v, Cor{0.50f, 0.45f, 0.40f}, Cor{0.26f, 0.23f, 0.20f}, 4);
        const Ruido::Celula fenda = r.celular(u * 5.0f, v * 5.0f, 5, 5);
        c = c * (0.6f + 0.4f * suave(0.0f, 0.08f, fenda.f2 - fenda.f1));
        const float limo = suave(0.65f, 0.8f, r.fbm(u * 6.0f, v * 6.0f, 6, 6, 4) * 0.5f + 0.5f);
        return misturar(c, Cor{0.30f, 0.38f, 0.20f}, 0.4f * limo);
    });
}

Imagem sol() {
    Ruido r(78);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const Ruido::Celula g = r.celular(u * 20.0f, v * 20.0f, 20, 20);
        const float granulo = suave(0.0f, 0.5f, g.f2 - g.f1);
        return misturar(Cor{1.0f, 0.72f, 0.25f}, Cor{1.0f, 0.97f, 0.80f}, 0.5f + 0.5f * granulo);
    });
}

// Teak planks running along u, with dark gaps between them.
Imagem teca() {
    Ruido r(79);
    return desenharPorPixel(256, 256, [&](float u, float v) {
        const int tabuas = 5;
        const int tabua = static_cast<int>(v * tabuas);
        const float y = fraccao(v * tabuas);
        Cor c = madeira(r, fraccao(v * tabuas * 0.5f + tabua * 0.37f), u,
                        Madeira{{0.70f, 0.48f, 0.28f}, {0.46f, 0.28f, 0.14f}, 3, 1.0f});
        return c * (0.55f + 0.45f * suave(0.0f, 0.05f, std::min(y, 1.0f - y)));
    });
}

Imagem bola() {
    const Cor cores[] = {{0.90f, 0.12f, 0.12f}, {0.98f, 0.96f, 0.92f}, {0.15f, 0.35f, 0.85f},
                         {0.98f, 0.82f, 0.10f}, {0.98f, 0.96f, 0.92f}, {0.15f, 0.65f, 0.25f}};
    return desenharPorPixel(256, 256, [&](float u, float v) {
        if (v < 0.1f || v > 0.9f) return Cor{0.98f, 0.96f, 0.92f};
        return cores[static_cast<int>(u * 6.0f) % 6];
    });
}

}  // namespace

void juntarTexturasCenarios(std::vector<Textura>& lista) {
    // Japanese garden.
    lista.push_back({"jp_montanhas.bmp", [] { return paisagem(512, 256, paisagemJapao(true)); }});
    lista.push_back({"jp_colinas.bmp", [] { return paisagem(512, 256, paisagemJapao(false)); }});
    lista.push_back({"jp_musgo.bmp", musgo});
    lista.push_back({"jp_cascalho.bmp", cascalho});
    lista.push_back({"jp_agua.bmp", aguaLago});
    lista.push_back({"jp_laca.bmp", laca});
    lista.push_back({"jp_telha.bmp", telhaJapao});
    lista.push_back({"jp_granito.bmp", granitoJapao});
    lista.push_back({"jp_sakura.bmp", sakura});
    lista.push_back({"jp_casca.bmp", cascaCerejeira});
    lista.push_back({"jp_bambu.bmp", bambu});
    lista.push_back({"jp_mesa.bmp", mesaJapao});
    // Castle courtyard.
    lista.push_back({"cs_ceu.bmp", [] { return paisagem(512, 256, paisagemCastelo()); }});
    lista.push_back({"cs_lajes.bmp", lajes});
    lista.push_back({"cs_muralha.bmp", muralha});
    lista.push_back({"cs_ardosia.bmp", ardosia});
    lista.push_back({"cs_estandarte.bmp", [] { return estandarte({0.62f, 0.06f, 0.08f}, {0.95f, 0.76f, 0.22f}, 55); }});
    lista.push_back({"cs_estandarte_azul.bmp", [] { return estandarte({0.08f, 0.16f, 0.52f}, {0.88f, 0.88f, 0.90f}, 61); }});
    lista.push_back({"cs_chama.bmp", chama});
    lista.push_back({"cs_carvalho.bmp", carvalho});
    lista.push_back({"cs_portao.bmp", portao});
    lista.push_back({"cs_ferro.bmp", ferro});
    lista.push_back({"cs_relva.bmp", relvaCastelo});
    // Beach.
    lista.push_back({"pr_horizonte.bmp", [] { return paisagem(512, 256, paisagemPraia()); }});
    lista.push_back({"pr_areia.bmp", areia});
    lista.push_back({"pr_mar.bmp", mar});
    lista.push_back({"pr_tronco.bmp", troncoPalmeira});
    lista.push_back({"pr_folha.bmp", folhaPalmeira});
    lista.push_back({"pr_guardasol.bmp", [] { return riscas({0.86f, 0.16f, 0.14f}, {0.98f, 0.96f, 0.90f}, 8, true, 80); }});
    lista.push_back({"pr_lona.bmp", [] { return riscas({0.14f, 0.36f, 0.78f}, {0.97f, 0.96f, 0.92f}, 10, false, 81); }});
    lista.push_back({"pr_rocha.bmp", rocha});
    lista.push_back({"pr_sol.bmp", sol});
    lista.push_back({"pr_teca.bmp", teca});
    lista.push_back({"pr_bola.bmp", bola});
}
