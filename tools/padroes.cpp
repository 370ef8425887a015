#include "tools/padroes.h"

#include <algorithm>
#include <cmath>

float luminancia(Cor c) { return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b; }

Cor madeira(const Ruido& r, float u, float v, const Madeira& m) {
    // Rings are level lines of a wandering distance from the log's axis; the wander is slow
    // along v, so the rings run in long flames, as in a plank sawn lengthwise.
    const float onda = m.torcao * r.fbm(u * 2.0f, v * 1.0f, 2, 1, 4, 0.45f);
    const float anel = fraccao(u * m.aneis + onda);
    // Latewood: a sharp dark band at the end of each year.
    const float tardio = std::pow(anel, 5.0f) * 0.75f + (1.0f - suave(0.0f, 0.06f, anel)) * 0.25f;
    const float fibras = r.fbm((u + 0.01f * onda) * 128.0f, v * 2.0f, 128, 2, 3) * 0.5f + 0.5f;
    const float poros = suave(0.70f, 0.92f, r.gradiente(u * 160.0f, v * 20.0f, 160, 20) * 0.5f + 0.5f);
    const float figura = r.fbm(u * 4.0f + 11.0f, v * 2.0f, 4, 2, 3) * 0.5f + 0.5f;
    const float t = 0.22f + 0.5f * tardio + 0.35f * (fibras - 0.5f) + 0.2f * (figura - 0.5f);
    const Cor c = misturar(m.claro, m.escuro, limitar(t));
    return c * (1.0f - 0.18f * poros);
}

Cor pelo(const Ruido& r, float u, float v, const Pelo& p) {
    // Strands: fine noise stretched along v, bent a little by a slow field.
    const float curva = 0.06f * r.fbm(u * 4.0f, v * 4.0f, 4, 4, 3);
    const float fio = r.fbm((u + curva) * p.fios, v * 4.0f, p.fios, 4, 3) * 0.5f + 0.5f;
    const float tufo = r.fbm(u * 8.0f + 3.0f, v * 6.0f, 8, 6, 3) * 0.5f + 0.5f;
    const float brilho = std::pow(limitar(fio), 2.5f);
    Cor c = misturar(p.sombra, p.base, limitar(0.35f + 0.9f * tufo * fio));
    return misturar(c, p.ponta, 0.55f * brilho);
}

Cor metalEscovado(const Ruido& r, float u, float v, const Metal& m) {
    const float escova = r.fbm(u * m.riscos, v * 2.0f, m.riscos, 2, 2);
    const float risco = r.gradiente(u * m.riscos * 2.0f, v * 1.0f, m.riscos * 2, 1);
    const float mancha = r.fbm(u * 3.0f, v * 3.0f, 3, 3, 3);
    const float k = 1.0f + m.contraste * (0.6f * escova + 0.4f * risco) + 0.05f * mancha;
    return m.base * k;
}

Cor pedras(const Ruido& r, float u, float v, const Pedras& p) {
    const float x = u * p.celulas, y = v * p.celulas;
    // Wobble the lookup so that joints are not ruler-straight.
    const float wx = 0.15f * r.fbm(u * 8.0f, v * 8.0f, 8, 8, 3);
    const float wy = 0.15f * r.fbm(u * 8.0f + 5.0f, v * 8.0f, 8, 8, 3);
    const Ruido::Celula c = r.celular(x + wx, y + wy, p.celulas, p.celulas);
    const float borda = c.f2 - c.f1;
    const float tom = (c.id & 0xFF) / 255.0f;
    const float grao = r.fbm(u * 40.0f, v * 40.0f, 40, 40, 4) * 0.5f + 0.5f;
    Cor pedra = misturar(p.pedra, p.variacao, tom) * (0.82f + 0.3f * grao);
    // Stones are a little darker towards their edges, as if rounded.
    pedra = pedra * (0.85f + 0.15f * suave(0.0f, 0.35f, borda));
    const float argamassa = 1.0f - suave(p.junta * 0.6f, p.junta * 1.4f, borda);
    return misturar(pedra, p.argamassa * (0.8f + 0.3f * grao), argamassa);
}

Cor granito(const Ruido& r, float u, float v, Cor base, Cor grao, int escala) {
    const float n = r.fbm(u * escala, v * escala, escala, escala, 5) * 0.5f + 0.5f;
    const float pinta = suave(0.62f, 0.7f, r.gradiente(u * escala * 8.0f, v * escala * 8.0f, escala * 8, escala * 8) * 0.5f + 0.5f);
    const float clara = suave(0.66f, 0.72f, r.gradiente(u * escala * 6.0f + 9.0f, v * escala * 6.0f, escala * 6, escala * 6) * 0.5f + 0.5f);
    Cor c = base * (0.8f + 0.35f * n);
    c = misturar(c, grao, 0.6f * pinta);
    return misturar(c, Cor{0.92f, 0.9f, 0.88f}, 0.3f * clara);
}

float rectanguloArredondado(float x, float y, float x0, float y0, float x1, float y1, float raio, float px) {
    const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - raio, hy = (y1 - y0) / 2 - raio;
    const float dx = std::max(std::fabs(x - cx) - hx, 0.0f), dy = std::max(std::fabs(y - cy) - hy, 0.0f);
    const float d = std::hypot(dx, dy) - raio;  // signed distance to the edge
    return limitar(0.5f - d / px);
}

// Height of a ridge line at u, as a fraction of `altura`; tiles in u.
static float serra(const Ruido& r, float u, int periodo, float rugosidade) {
    return 0.5f + 0.5f * r.fbm(u * periodo, 0.5f, periodo, 4, 5, rugosidade);
}

Imagem paisagem(int largura, int altura, const Paisagem& p) {
    Ruido r(p.semente);
    return desenharPorPixel(largura, altura, [&](float u, float v) {
        // Sky: gradient, then soft clouds thinning towards the horizon.
        const float alturaCeu = limitar(v / p.horizonte);
        Cor c = misturar(p.ceuAlto, p.ceuHorizonte, std::pow(alturaCeu, 1.6f));
        const float nuvem = r.fbm(u * 6.0f, v * 14.0f, 6, 14, 5, 0.55f) * 0.5f + 0.5f;
        c = misturar(c, p.nuvem, suave(0.55f, 0.8f, nuvem) * (1.0f - alturaCeu * 0.7f) * 0.8f);

        // Far range, pale with distance; an optional snow-capped cone in the middle.
        float topoLonge = p.horizonte - p.alturaSerras * (0.35f + 0.5f * serra(r, u, 5, 0.55f));
        float neve = 0.0f;
        if (p.montanhaNevada) {
            // Concave flanks, like a volcano; snow on its upper third with a ragged edge.
            const float d = std::fabs(u - 0.5f) / 0.3f;
            if (d < 1.0f) {
                const float pico = p.horizonte - p.alturaSerras * 2.0f;
                const float cone = pico + (p.horizonte - pico) * (1.0f - std::pow(1.0f - d, 1.7f)) +
                                   0.006f * r.gradiente(u * 60.0f, 0.3f, 60, 4);
                if (cone < topoLonge) {
                    const float limite = pico + 0.12f + 0.025f * r.fbm(u * 48.0f, 0.7f, 48, 4, 3);
                    if (v >= cone) neve = 1.0f - suave(limite - 0.004f, limite + 0.004f, v);
                    topoLonge = cone;
                }
            }
        }
        if (v >= topoLonge) {
            const float nevoa = suave(topoLonge, p.horizonte, v);
            Cor serraCor = misturar(p.serraLonge, p.ceuHorizonte, 0.35f * nevoa);
            serraCor = misturar(serraCor, Cor{0.96f, 0.97f, 1.0f}, neve);
            c = serraCor;
        }

        // Near band: hills (or the sea) down to the foot of the picture.
        if (p.mar) {
            if (v >= p.horizonte) {
                const float prof = suave(p.horizonte, 1.0f, v);
                const float onda = r.fbm(u * 40.0f, v * 160.0f, 40, 160, 3) * 0.5f + 0.5f;
                Cor mar = misturar(p.marLonge, p.marPerto, prof);
                c = misturar(mar, p.nuvem, 0.35f * suave(0.6f, 0.85f, onda) * (0.4f + prof));
                // A bright seam where sea meets sky.
                c = misturar(c, p.ceuHorizonte, 0.5f * (1.0f - suave(0.0f, 0.012f, v - p.horizonte)));
            }
        } else {
            const float topoPerto = p.horizonte + 0.02f - p.alturaSerras * 0.5f * serra(r, u + 0.37f, 3, 0.5f);
            if (v >= topoPerto) {
                const float arvores = r.fbm(u * 90.0f, v * 40.0f, 90, 40, 3) * 0.5f + 0.5f;
                const float desce = suave(topoPerto, 1.0f, v);
                c = misturar(p.serraPerto, p.primeiroPlano, desce) * (0.8f + 0.35f * arvores);
            }
        }
        return c;
    });
}
