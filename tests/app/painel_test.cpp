// The panel's rules that need no window: ball, drag areas, lists, routing of clicks.
#include <cmath>
#include <cstdio>

#include <gtest/gtest.h>

#include "app/bola.h"
#include "app/controlos.h"
#include "app/estado.h"
#include "app/faixas.h"
#include "app/fundos.h"
#include "app/globais.h"
#include "app/janela.h"
#include "app/rota_rato.h"

namespace {

void identidade(float m[16]) {
    for (int i = 0; i < 16; ++i) m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

// Where the matrix sends the point in front of the ball's centre (0, 0, 1).
void frente(const float m[16], float p[3]) {
    for (int i = 0; i < 3; ++i) p[i] = m[8 + i];
}

TEST(BolaRotacao, DraggingRightTurnsTheFrontToTheRightAndDownTurnsItDown) {
    float m[16];
    identidade(m);
    BolaRotacao bola;
    bola.pressiona();
    bola.arrasta(m, 0, 0, 10, 0, 40);
    float p[3];
    frente(m, p);
    EXPECT_GT(p[0], 0.2f);
    EXPECT_NEAR(p[1], 0.0f, 1e-5);

    identidade(m);
    bola.arrasta(m, 0, 0, 0, 10, 40);
    frente(m, p);
    EXPECT_LT(p[1], -0.2f) << "screen y grows downwards";
}

TEST(BolaRotacao, TurnsKeepTheMatrixARotation) {
    float m[16];
    identidade(m);
    BolaRotacao bola;
    for (int i = 0; i < 50; ++i) bola.arrasta(m, float(i % 9), 3.0f, float(i % 9 + 4), -2.0f, 40);
    bola.larga();
    for (int i = 0; i < 200000; ++i) bola.passo(m);  // an hour's spin
    float d = 0;  // the axes stay perpendicular too
    for (int k = 0; k < 3; ++k) d += m[k] * m[4 + k];
    EXPECT_NEAR(d, 0.0f, 1e-4);
    for (int c = 0; c < 3; ++c) {
        const float n = std::sqrt(m[4 * c] * m[4 * c] + m[4 * c + 1] * m[4 * c + 1] +
                                  m[4 * c + 2] * m[4 * c + 2]);
        EXPECT_NEAR(n, 1.0f, 1e-3);
    }
    EXPECT_FLOAT_EQ(m[15], 1.0f);
    EXPECT_FLOAT_EQ(m[12], 0.0f);
}

TEST(BolaRotacao, KeepsSpinningAfterADragUntilClickedAgain) {
    float m[16];
    identidade(m);
    BolaRotacao bola;
    bola.pressiona();
    bola.arrasta(m, 0, 0, 5, 0, 40);
    bola.larga();
    ASSERT_TRUE(bola.girando());
    float antes[3], depois[3];
    frente(m, antes);
    bola.passo(m);
    frente(m, depois);
    EXPECT_GT(depois[0], antes[0]) << "each frame turns by the last movement";

    bola.pressiona();
    bola.larga();  // a click without movement
    EXPECT_FALSE(bola.girando());
    float parado[16];
    for (int i = 0; i < 16; ++i) parado[i] = m[i];
    bola.passo(m);
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(m[i], parado[i]);
}

TEST(Arrasto, UpAndRightIncreaseBySpeedPerPixel) {
    EXPECT_FLOAT_EQ(arrastaValor(0.0f, 0.0f, -10.0f, false, 0.02f), 0.2f);  // Zoom Z up
    EXPECT_FLOAT_EQ(arrastaValor(1.0f, 0.0f, 5.0f, false, 1.0f), -4.0f);    // Zoom Y down
    EXPECT_FLOAT_EQ(arrastaValor(0.0f, 7.0f, 30.0f, true, 1.0f), 7.0f);     // Zoom X right
}

TEST(Listas, ShowTheFirstItemUntilTheVariableHoldsAnItemsId) {
    EXPECT_EQ(itemMostrado(itensCamara, 4, 4, 0), 0) << "the menu camera is no item";
    EXPECT_EQ(itemMostrado(itensCamara, 4, 0, 0), 3);
    EXPECT_EQ(itemMostrado(itensCamara, 4, 4, 3), 3) << "keeps showing the last choice";
    EXPECT_EQ(itemMostrado(itensAmbiente, 3, 0, 0), 0);
}

TEST(RotaRato, PressGoesWhereItLandsAndItsReleaseFollowsIt) {
    RotaRato rota;
    EXPECT_EQ(rota.evento(0, 0, false), Destino::Cena);
    EXPECT_EQ(rota.evento(0, 1, true), Destino::Cena) << "released over the panel";
    EXPECT_EQ(rota.evento(0, 0, true), Destino::Painel);
    EXPECT_EQ(rota.evento(0, 1, false), Destino::Painel);
    EXPECT_EQ(rota.evento(2, 0, false), Destino::Cena);
}

TEST(RotaRato, ThePanelStripStartsAtItsTopRow) {
    EXPECT_TRUE(sobrePainel(550 - alturaPainel, 550));
    EXPECT_FALSE(sobrePainel(550 - alturaPainel - 1, 550));
    const ZonaPainel popup{400, 300, 540, 420};
    EXPECT_TRUE(dentroDe(popup, 400, 300));
    EXPECT_FALSE(dentroDe(popup, 540, 350));
    EXPECT_FALSE(dentroDe(popup, 450, 299));
}

EventoRato prime(int botao, int x, int y) { return {true, botao, 0, x, y}; }
EventoRato solta(int botao, int x, int y) { return {true, botao, 1, x, y}; }
EventoRato move(int x, int y) { return {false, 0, 0, x, y}; }

TEST(FilaRato, AQuickClickReachesThePanelAcrossTwoFrames) {
    FilaRato fila;
    EXPECT_TRUE(fila.aplicarJa(prime(0, 10, 500)));
    EXPECT_FALSE(fila.aplicarJa(solta(0, 10, 500)));
    const auto depois = fila.novoFrame();
    ASSERT_EQ(depois.size(), 1u);
    EXPECT_EQ(depois[0].estado, 1);
    EXPECT_TRUE(fila.novoFrame().empty());
    EXPECT_TRUE(fila.aplicarJa(move(20, 500))) << "nothing waits: movement goes at once";
}

TEST(FilaRato, ADragEndingRightBeforeTheNextOneKeepsEachToItsOwnFrames) {
    FilaRato fila;
    fila.aplicarJa(prime(0, 124, 468));
    fila.novoFrame();
    EXPECT_TRUE(fila.aplicarJa(move(124, 430)));
    EXPECT_FALSE(fila.aplicarJa(solta(0, 124, 430)));
    // The next drag must not move the first control before its release is seen.
    EXPECT_FALSE(fila.aplicarJa(move(186, 468)));
    EXPECT_FALSE(fila.aplicarJa(prime(0, 186, 468)));
    EXPECT_FALSE(fila.aplicarJa(move(200, 468)));
    EXPECT_FALSE(fila.aplicarJa(solta(0, 200, 468)));

    auto f1 = fila.novoFrame();
    ASSERT_EQ(f1.size(), 2u) << "the release and the movement after it";
    EXPECT_EQ(f1[0].estado, 1);
    EXPECT_EQ(f1[1].x, 186);
    auto f2 = fila.novoFrame();
    ASSERT_EQ(f2.size(), 2u) << "the second press and its movement";
    EXPECT_EQ(f2[0].estado, 0);
    EXPECT_EQ(f2[1].x, 200);
    auto f3 = fila.novoFrame();
    ASSERT_EQ(f3.size(), 1u);
    EXPECT_EQ(f3[0].estado, 1);
}

// A slow frame lets the first click's release through at its end; the second click's press,
// landing before the next frame reads the buttons, would hide that release.
TEST(FilaRato, APressRightAfterAReleaseWasLetThroughWaitsForTheFrameThatSeesIt) {
    FilaRato fila;
    fila.aplicarJa(prime(0, 275, 95));
    fila.aplicarJa(solta(0, 275, 95));
    ASSERT_EQ(fila.novoFrame().size(), 1u);
    EXPECT_TRUE(fila.aplicarJa(move(470, 477))) << "movement alone changes no button";
    EXPECT_FALSE(fila.aplicarJa(prime(0, 470, 477)));
    EXPECT_FALSE(fila.aplicarJa(solta(0, 470, 477)));

    const auto f1 = fila.novoFrame();
    ASSERT_EQ(f1.size(), 1u);
    EXPECT_EQ(f1[0].estado, 0);
    const auto f2 = fila.novoFrame();
    ASSERT_EQ(f2.size(), 1u);
    EXPECT_EQ(f2[0].estado, 1);
    EXPECT_FALSE(fila.aplicarJa(prime(0, 470, 513))) << "the release is not seen yet";
    EXPECT_EQ(fila.novoFrame().size(), 1u);
    EXPECT_FALSE(fila.aplicarJa(solta(0, 470, 513)));
    EXPECT_EQ(fila.novoFrame().size(), 1u);
    EXPECT_TRUE(fila.novoFrame().empty());
    EXPECT_TRUE(fila.aplicarJa(prime(0, 470, 530))) << "a quiet frame has read everything";
}

TEST(FilaRato, DifferentButtonsMayChangeInTheSameFrame) {
    FilaRato fila;
    fila.aplicarJa(prime(0, 1, 1));
    fila.aplicarJa(solta(0, 1, 1));
    fila.aplicarJa(prime(2, 1, 1));
    EXPECT_EQ(fila.novoFrame().size(), 2u);
}

TEST(AreaVista, IsTheWindowBetweenThePanelAndTheStatusStripsAtEveryScale) {
    struct {
        int largura, altura;
        float escala;
    } janelas[] = {{550, 550, 1.0f}, {1024, 768, 1.25f}, {1920, 1080, 1.75f}, {3840, 2160, 3.0f}};
    for (const auto& j : janelas) {
        escalaJanela = escalaDaJanela(j.largura, j.altura, 96.0f);
        EXPECT_FLOAT_EQ(escalaJanela, j.escala) << j.largura;
        const AreaVista a = areaVista(j.largura, j.altura);
        EXPECT_EQ(a.x, 0);
        EXPECT_EQ(a.y, alturaDoPainel());
        EXPECT_EQ(a.largura, j.largura);
        EXPECT_EQ(a.y + a.altura, j.altura - alturaDoEstado()) << "the view ends under the status";
    }
    EXPECT_FLOAT_EQ(escalaDaJanela(550, 550, 192.0f), 2.0f) << "a high-density screen";
    escalaJanela = 1.0f;
    EXPECT_EQ(alturaDoPainel(), alturaPainel);
    const AreaVista pequena = areaVista(300, 40);
    EXPECT_GE(pequena.altura, 1) << "a window lower than the panel still has a viewport";
}

// The strips whose backgrounds are cleared: ImGui's rectangle (top left, size) as the
// scissor box OpenGL takes (bottom left), cut to the window.
TEST(Fundos, ImGuiRectanglesBecomeTheSameWindowPixelsInOpenGLsTerms) {
    struct Caso {
        float x, y, largura, altura;
        RectanguloGL esperado;
    } casos[] = {
        {0, 420, 550, 130, {0, 0, 550, 130}},           // the panel along the bottom
        {0, 0, 550, 52, {0, 498, 550, 52}},             // the status strip along the top
        {-10, 500, 100, 100, {0, 0, 90, 50}},           // partly outside: only what shows
        {0, 560, 550, 130, {0, 0, 0, 0}},               // below the window: nothing
        {600, 0, 50, 50, {0, 0, 0, 0}},                 // right of it: nothing
    };
    for (const Caso& c : casos) {
        const RectanguloGL r = rectanguloGL(c.x, c.y, c.largura, c.altura, 550, 550);
        EXPECT_EQ(r.x, c.esperado.x) << c.x << "," << c.y;
        EXPECT_EQ(r.y, c.esperado.y) << c.x << "," << c.y;
        EXPECT_EQ(r.largura, c.esperado.largura) << c.x << "," << c.y;
        EXPECT_EQ(r.altura, c.esperado.altura) << c.x << "," << c.y;
    }
}

// Kept strips come back only for the very bytes they were kept from, and only once two
// frames in a row agreed on them; a strip kept before a change comes back after it.
TEST(Faixas, KeptPixelsComeBackOnlyForTheBytesTheyWereKeptFrom) {
    using U = UsoDasFaixas;
    MemoriaDasFaixas m;
    const struct {
        const char* conteudo;
        U uso;
    } quadros[] = {
        {"a", U::desenha}, {"a", U::desenhaEGuarda}, {"a", U::repoe}, {"a", U::repoe},
        {"b", U::desenha}, {"a", U::repoe},          {"b", U::desenha}, {"b", U::desenhaEGuarda},
        {"a", U::desenha}, {"b", U::repoe},
    };
    for (const auto& q : quadros) EXPECT_EQ(int(m.decide(q.conteudo)), int(q.uso)) << q.conteudo;
    m.esquece();
    EXPECT_EQ(int(m.decide("b")), int(U::desenha)) << "nothing is kept after forgetting";
}

}  // namespace

// The status area: the side's colour follows the material, and the line under it shows
// the one thing the player most needs now.
TEST(Estado, TurnColourFollowsTheMaterialAndTheWarningKeepsItsOrder) {
    Situacao s;
    s.modo = 2;
    s.nivel = 2;
    EXPECT_STREQ(compoeEstado(s).vez, "Vez de Jog1 (peças escuras)");
    s.material = 3;
    EXPECT_STREQ(compoeEstado(s).vez, "Vez de Jog1 (peças claras)");
    s.jogador = 2;
    EXPECT_STREQ(compoeEstado(s).vez, "Vez de Jog2 (peças escuras)");
    EXPECT_STREQ(compoeEstado(s).jogo, "Jogador contra Computador · Nível 2");
    EXPECT_STREQ(compoeEstado(s).aviso, "O computador está a pensar…");

    s.jogador = 1;
    // A second window's note yields to anything the player must know now.
    s.semGravar = true;
    EXPECT_STREQ(compoeEstado(s).aviso, "Outra janela guarda o jogo: esta não o grava");
    s.veredicto = VeredictoJogada::jogadaInvalida;
    s.textoVeredicto = "Jogada inválida: essa peça é do adversário";
    EXPECT_STREQ(compoeEstado(s).aviso, s.textoVeredicto);
    s.semLigacao = true;
    EXPECT_STREQ(compoeEstado(s).aviso, "Sem ligação ao servidor de regras");
    s.filme = true;
    s.jogadaFilme = 3;
    s.totalFilme = 7;
    EXPECT_STREQ(compoeEstado(s).aviso, "Filme: jogada 3 de 7");

    Situacao menu;
    menu.veredicto = VeredictoJogada::escolhaNivel;
    EXPECT_STREQ(compoeEstado(menu).aviso, "Escolha primeiro o nível");
    EXPECT_STREQ(compoeEstado(menu).vez, "");
    menu.nivel = 1;
    EXPECT_STREQ(compoeEstado(menu).aviso, "") << "a level was chosen since";
    menu.menu = true;
    EXPECT_STREQ(compoeEstado(menu).vez, "Teclas: 1, 2, 3 escolhem o modo · F1, F2 o nível");
}

// What the status says of the turn: the move count, the rule from the 30th move, the film
// and the suggestion in its place among the warnings.
TEST(Estado, MoveCountSuggestionAndFilm) {
    Situacao s;
    s.modo = 1;
    s.jogadaDaVez = 12;
    EXPECT_STREQ(compoeEstado(s).vez, "Vez de Jog1 (peças escuras) · 12.ª jogada");
    s.jogadaDaVez = 30;
    EXPECT_STREQ(compoeEstado(s).vez,
                 "Vez de Jog1 (peças escuras) · 30.ª jogada: nenhuma peça pode ficar no canto de partida");
    s.sugestao = 1;
    std::snprintf(s.textoSugestao, sizeof s.textoSugestao, "h2–g3");
    s.veredicto = VeredictoJogada::jogadaValida;
    s.textoVeredicto = "Jogada válida";
    EXPECT_STREQ(compoeEstado(s).aviso, "Sugestão: h2–g3");
    EXPECT_EQ(compoeEstado(s).tom, Tom::sugestao);
    s.nota = "Partida gravada em /tmp/x.txt";
    EXPECT_STREQ(compoeEstado(s).aviso, s.nota);
    s.filme = true;
    EXPECT_STREQ(compoeEstado(s).vez, "") << "the film is no one's turn";
}

TEST(Listas, TheCameraListNamesTheMenuCameraToo) {
    EXPECT_STREQ(textoCamara(4, 0), "Menu");
    EXPECT_STREQ(textoCamara(0, 0), "Camara Jogador 2");
    EXPECT_STREQ(textoCamara(7, 2), "Camara Jogador 1");
}
