// Where the game's cameras show the board, the pieces and the menu, in window pixels, so
// that tests can click them with xdotool.
#pragma once
#include <cmath>

namespace mesa {

constexpr int largura = 550, altura = 550, painel = 130, estado = 52;
constexpr double casa = 5.0 / 8.0;

struct Ponto {
    int x, y;  // window pixels from the top left
};

// Where a camera shows world point p: the game's frustum on the viewport between the
// status strip and the panel.
// The view is rows of an affine matrix.
struct Vista {
    double m[3][4];

    Ponto janela(double x, double y, double z) const {
        double e[3];
        for (int i = 0; i < 3; ++i) e[i] = m[i][0] * x + m[i][1] * y + m[i][2] * z + m[i][3];
        const double alturaVista = altura - painel - estado;
        const double aspecto = double(largura) / alturaVista;
        const double nx = 0.1 * e[0] / (0.04 * aspecto) / -e[2];
        const double ny = 0.1 * e[1] / 0.04 / -e[2];
        return {int(std::lround((nx + 1) / 2 * largura)),
                int(std::lround(estado + alturaVista - (ny + 1) / 2 * alturaVista))};
    }
};

inline Vista olhaPara(const double olho[3], const double alvo[3], const double cima[3]) {
    double f[3], s[3], u[3];
    for (int i = 0; i < 3; ++i) f[i] = alvo[i] - olho[i];
    auto normaliza = [](double v[3]) {
        const double n = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        for (int i = 0; i < 3; ++i) v[i] /= n;
    };
    auto vectorial = [](const double a[3], const double b[3], double r[3]) {
        r[0] = a[1] * b[2] - a[2] * b[1];
        r[1] = a[2] * b[0] - a[0] * b[2];
        r[2] = a[0] * b[1] - a[1] * b[0];
    };
    normaliza(f);
    vectorial(f, cima, s);
    normaliza(s);
    vectorial(s, f, u);
    Vista v{};
    const double* linhas[3] = {s, u, f};
    for (int i = 0; i < 3; ++i) {
        const double sinal = i == 2 ? -1.0 : 1.0;
        double t = 0;
        for (int j = 0; j < 3; ++j) {
            v.m[i][j] = sinal * linhas[i][j];
            t -= v.m[i][j] * olho[j];
        }
        v.m[i][3] = t;
    }
    return v;
}

inline Vista camaraMenu() {
    const double olho[3] = {-100, 12, 0}, alvo[3] = {-100, 0, 0}, cima[3] = {0, 0, -1};
    return olhaPara(olho, alvo, cima);
}

inline Vista camaraJogador() {
    const double olho[3] = {2.5, 7, 10}, alvo[3] = {2.5, 0, 2.5}, cima[3] = {0, 1, 0};
    return olhaPara(olho, alvo, cima);
}

// The free camera at rest: moved back and down, tilted 20 degrees.
inline Vista camaraLivre() {
    const double a = 20.0 * 3.14159265358979 / 180.0;
    Vista v{};
    v.m[0][0] = 1;
    v.m[1][1] = std::cos(a);
    v.m[1][2] = -std::sin(a);
    v.m[2][1] = std::sin(a);
    v.m[2][2] = std::cos(a);
    v.m[0][3] = -5;
    v.m[2][3] = -25;
    return v;
}

inline Ponto itemMenu(double x, double z) { return camaraMenu().janela(-105 + x, 0, -5 + z); }
inline Ponto cabeca(const Vista& v, int x, int y) {
    return v.janela((x + 0.5) * casa, 0.67, (y + 0.5) * casa);
}
inline Ponto corpo(const Vista& v, int x, int y) {
    return v.janela((x + 0.5) * casa, 0.2, (y + 0.5) * casa);
}
inline Ponto casaVazia(const Vista& v, int x, int y) {
    return v.janela((x + 0.5) * casa, 0.1, (y + 0.5) * casa);
}
const Ponto botaoUndo{300, 435}, botaoRefazer{360, 435}, botaoSugestao{305, 456},
    botaoMenu{368, 456}, botaoFilme{330, 477}, botaoRodaCamara{320, 498}, botaoGravar{330, 519},
    cantoDoPainel{4, 546};
const Ponto caixaAjudas{412, 528};

}  // namespace mesa
