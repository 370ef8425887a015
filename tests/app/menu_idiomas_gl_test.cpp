// The menu as each language shows it: the picture the game loads for the language, and a
// click on each of its buttons through the window's own pick path. Only the words may
// change: the buttons stand where they stood and give the same pick names.
#include <GL/freeglut.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/desenho.h"
#include "app/escolha.h"
#include "app/globais.h"
#include "app/idioma.h"
#include "app/janela.h"
#include "app/temas.h"
#include "game/animacao.h"
#include "game/globais.h"
#include "scene/contexto_gl.h"

namespace {

constexpr int kLado = 550;

struct Caixa {
    int x0, y0, x1, y1;  // window pixels, rows from the bottom
};

struct Menu {
    std::vector<unsigned char> rgb;
    std::map<int, Caixa> botoes;  // pick name -> the button's face
};

// The button faces' cream, away from the gold rims, the navy ground and the words.
bool creme(const unsigned char* p) {
    return p[0] > 215 && p[1] > 185 && p[2] > 110 && p[2] < 215 && p[0] - p[2] > 30;
}

// Regions of cream large enough to be a button, not a letter of the caption.
std::vector<Caixa> facesDosBotoes(const std::vector<unsigned char>& rgb) {
    std::vector<int> marca(kLado * kLado, 0);
    std::vector<Caixa> faces;
    for (int inicio = 0; inicio < kLado * kLado; ++inicio) {
        if (marca[inicio] || !creme(&rgb[3 * inicio])) continue;
        Caixa c{kLado, kLado, -1, -1};
        int area = 0;
        std::vector<int> pilha{inicio};
        marca[inicio] = 1;
        while (!pilha.empty()) {
            const int i = pilha.back();
            pilha.pop_back();
            const int x = i % kLado, y = i / kLado;
            ++area;
            c = {std::min(c.x0, x), std::min(c.y0, y), std::max(c.x1, x), std::max(c.y1, y)};
            for (const int j : {x > 0 ? i - 1 : -1, x + 1 < kLado ? i + 1 : -1, y > 0 ? i - kLado : -1,
                                y + 1 < kLado ? i + kLado : -1})
                if (j >= 0 && !marca[j] && creme(&rgb[3 * j])) {
                    marca[j] = 1;
                    pilha.push_back(j);
                }
        }
        if (area > 1000) faces.push_back(c);
    }
    return faces;
}

// The name a left click at window pixel (x, y) picks, as the game writes it on the console.
int clica(int x, int y) {
    testing::internal::CaptureStdout();
    const int linhaRato = alturaJanela - y;
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_DOWN, x, linhaRato);
    mouseCallback(GLUT_LEFT_BUTTON, GLUT_UP, x, linhaRato);
    std::fflush(stdout);
    const std::string saida = testing::internal::GetCapturedStdout();
    int nome = -1;
    return std::sscanf(saida.c_str(), "Resposta%d", &nome) == 1 ? nome : -1;
}

// Starts the language the environment names, loads the game's textures as start-up does,
// draws the menu and clicks the middle of every button it shows.
Menu menuNoIdioma(const char* lingua) {
    if (lingua == nullptr) unsetenv("LANGUAGE");
    else setenv("LANGUAGE", lingua, 1);
    iniciaIdioma(std::string(CANTOS_RUNTIME_DIR) + "/locale");
    loadApplicationTextures();

    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    drawGameScene(GL_RENDER);
    glFinish();
    Menu m;
    m.rgb.resize(3 * kLado * kLado);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kLado, kLado, GL_RGB, GL_UNSIGNED_BYTE, m.rgb.data());

    for (const Caixa& c : facesDosBotoes(m.rgb)) {
        const int nome = clica((c.x0 + c.x1) / 2, (c.y0 + c.y1) / 2);
        EXPECT_TRUE(m.botoes.emplace(nome, c).second) << "two buttons pick " << nome;
    }
    return m;
}

TEST(MenuIdiomas, EnglishAndPortugueseButtonsStandAlikeAndPickTheSameNames) {
    teste::garanteContextoGl(kLado, kLado);
    ASSERT_EQ(chdir(CANTOS_RUNTIME_DIR), 0);
    for (const char* v : {"LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(v);
    reshapeCallback(kLado, kLado);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    preparaQuadrica();
    buildPieces();
    copyBoard(casas, casasIniciais);
    camara = 4;
    // A moving piece holds every choice back, so the clicks only name what they hit.
    animando = 1;

    const Menu portugues = menuNoIdioma(nullptr);
    const Menu ingles = menuNoIdioma("en");
    animando = 0;

    std::vector<int> nomes;
    for (const auto& [nome, caixa] : portugues.botoes) nomes.push_back(nome);
    EXPECT_EQ(nomes, (std::vector<int>{501, 502, 503, 504, 505}));
    for (const auto& [nome, c] : portugues.botoes) {
        ASSERT_EQ(ingles.botoes.count(nome), 1u) << "the English menu has no button for " << nome;
        const Caixa& e = ingles.botoes.at(nome);
        EXPECT_LE(std::max({std::abs(c.x0 - e.x0), std::abs(c.y0 - e.y0), std::abs(c.x1 - e.x1),
                            std::abs(c.y1 - e.y1)}),
                  2)
            << "button " << nome << " moved";
    }
    EXPECT_EQ(ingles.botoes.size(), portugues.botoes.size());

    // And the words did change: the English picture is the one drawn.
    int diferentes = 0;
    for (std::size_t i = 0; i < portugues.rgb.size(); i += 3)
        diferentes += std::abs(portugues.rgb[i] - ingles.rgb[i]) > 40;
    EXPECT_GT(diferentes, 2000);
}

}  // namespace
