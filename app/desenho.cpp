// Board, menu, pieces and clock button; in select mode also the invisible pick areas.
#include "app/desenho.h"

#include <GL/glu.h>

#include "app/camaras.h"
#include "app/globais.h"
#include "game/destinos.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/sugestao.h"

namespace {

constexpr unsigned int texturaDestaque = 101;
constexpr unsigned int texturaMenu = 107;
constexpr unsigned int texturaSemImagem = 100;  // never loaded: pick areas need none

struct AreaMenu {
    ItemMenu item;
    float x, z, dz, dx;
};
// The three wide items top to bottom, then the two levels left and right.
constexpr AreaMenu areasMenu[] = {
    {ItemMenu::doisJogadores, 0.8f, 1.5f, 1.5f, 8.0f},
    {ItemMenu::contraComputador, 0.8f, 3.3f, 1.5f, 8.0f},
    {ItemMenu::computadores, 0.8f, 5.4f, 1.5f, 8.0f},
    {ItemMenu::nivel1, 1.5f, 8.4f, 1.1f, 1.6f},
    {ItemMenu::nivel2, 5.5f, 8.4f, 1.1f, 3.0f},
};

void drawBoardTop(int material) {
    const float S = ladoTabuleiro;
    const GLfloat vertices[12] = {0, 0, 0, S, 0, 0, 0, 0, S, S, 0, S};
    const GLfloat normais[12] = {0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0};
    const GLfloat cores[16] = {1, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 0};
    const GLfloat texturas[8] = {0, 1, 1, 1, 0, 0, 1, 0};
    glPushMatrix();
    drawPatch(vertices, normais, cores, texturas, texturaTampo(material));
    glPopMatrix();
}

void drawHighlight() {
    if (!selecionou || fimDeJogo.activo) return;
    glPushMatrix();
    glTranslatef(tamanhoCasa * float(selX), 0.01f, tamanhoCasa * float(selY));
    drawQuad(tamanhoCasa, tamanhoCasa, 1, texturaDestaque);
    glPopMatrix();
}

// A flat coloured square inside square (x, y), `margem` of a square in from its edges.
void drawMarca(int x, int y, float margem, const GLfloat cor[3]) {
    const float a = tamanhoCasa * margem, b = tamanhoCasa * (1 - margem);
    glColor3fv(cor);
    glPushMatrix();
    glTranslatef(tamanhoCasa * float(x), 0.015f, tamanhoCasa * float(y));
    glBegin(GL_POLYGON);
    glNormal3f(0, 1, 0);
    glVertex3f(b, 0, a);
    glVertex3f(a, 0, a);
    glVertex3f(a, 0, b);
    glVertex3f(b, 0, b);
    glEnd();
    glPopMatrix();
    glColor3f(1, 1, 1);
}

// A frame of four flat bands `largura` wide inside the rectangle x0..x1, z0..z1 at height y,
// each facing up.
void drawMoldura(float x0, float z0, float x1, float z1, float largura, float y) {
    const float w = largura;
    const float bandas[4][4] = {
        {x0, z0, x1, z0 + w}, {x0, z1 - w, x1, z1}, {x0, z0 + w, x0 + w, z1 - w}, {x1 - w, z0 + w, x1, z1 - w}};
    for (const auto& q : bandas) {
        glBegin(GL_POLYGON);
        glNormal3f(0, 1, 0);
        glVertex3f(q[2], y, q[1]);
        glVertex3f(q[0], y, q[1]);
        glVertex3f(q[0], y, q[3]);
        glVertex3f(q[2], y, q[3]);
        glEnd();
    }
}

// A square's outline, `margem` of a square in from its edges, `largura` of a square wide.
void drawContorno(int x, int y, float margem, float largura, const GLfloat cor[3]) {
    glColor3fv(cor);
    glPushMatrix();
    glTranslatef(tamanhoCasa * float(x), 0.02f, tamanhoCasa * float(y));
    glScalef(tamanhoCasa, 1, tamanhoCasa);
    drawMoldura(margem, margem, 1 - margem, 1 - margem, largura, 0);
    glPopMatrix();
    glColor3f(1, 1, 1);
}

// The suggested move in violet: its piece's square and its target, each filled and ringed,
// so that the ring shows round the piece standing on the first.
void drawSugestao() {
    const Sugestao* g = sugestaoEmVista();
    if (!g || !g->temJogada) return;
    const GLfloat violeta[3] = {0.72f, 0.30f, 0.98f}, claro[3] = {0.86f, 0.62f, 1.0f};
    drawMarca(g->xi, g->yi, 0.02f, violeta);
    drawMarca(g->xf, g->yf, 0.02f, claro);
    drawContorno(g->xf, g->yf, 0.0f, 0.12f, violeta);
}

// A point turned down over square (x, y), just above a pawn's head. Drawn over whatever
// stands in front of it, since a ring on the board hides behind the pieces when the camera
// looks low across it; it writes its depth, so that the scenery drawn later stays behind.
// Unlit, each side a shade darker than the last, so that it reads as solid from anywhere.
void drawPonteiro(int x, int y, const GLfloat cor[3]) {
    const float ponta = 1.35f, topo = 1.7f, m = 0.15f;  // a pawn's head ends at 1.25
    const float cx = tamanhoCasa * (float(x) + 0.5f), cz = tamanhoCasa * (float(y) + 0.5f);
    const float cantos[5][2] = {{-m, -m}, {m, -m}, {m, m}, {-m, m}, {-m, -m}};
    const float sombra[4] = {0.85f, 0.7f, 0.6f, 0.75f};
    const GLboolean luz = glIsEnabled(GL_LIGHTING);
    GLint teste = GL_LEQUAL;
    glGetIntegerv(GL_DEPTH_FUNC, &teste);
    glDisable(GL_LIGHTING);
    glDepthFunc(GL_ALWAYS);
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < 4; ++i) {
        glColor3f(cor[0] * sombra[i], cor[1] * sombra[i], cor[2] * sombra[i]);
        glVertex3f(cx, ponta, cz);
        glVertex3f(cx + cantos[i][0], topo, cz + cantos[i][1]);
        glVertex3f(cx + cantos[i + 1][0], topo, cz + cantos[i + 1][1]);
    }
    glEnd();
    glColor3fv(cor);
    glBegin(GL_POLYGON);
    for (int i = 3; i >= 0; --i) glVertex3f(cx + cantos[i][0], topo, cz + cantos[i][1]);
    glEnd();
    glDepthFunc(GLenum(teste));
    if (luz) glEnable(GL_LIGHTING);
    glColor3f(1, 1, 1);
}

// The keyboard's cursor: a bright yellow ring around its square, and, once the pieces are
// drawn, a point above it.
const GLfloat amareloDoCursor[3] = {1.0f, 0.92f, 0.15f};

void drawCursor() {
    if (cursor.visivel && !fimDeJogo.activo) drawContorno(cursor.x, cursor.y, 0.0f, 0.09f, amareloDoCursor);
}

void drawPonteiroDoCursor() {
    if (cursor.visivel && !fimDeJogo.activo) drawPonteiro(cursor.x, cursor.y, amareloDoCursor);
}

// The last move's two squares, and where the picked piece can go.
void drawMarcas() {
    const GLfloat azul[3] = {0.35f, 0.62f, 0.98f}, verde[3] = {0.25f, 0.85f, 0.35f};
    int q[4];
    const int* ultima = fimDeJogo.activo ? (fimDeJogo.temUltima ? fimDeJogo.ultima : nullptr)
                                         : (ultimaJogada(q) ? q : nullptr);
    if (ultima) {
        drawMarca(ultima[0], ultima[1], 0.08f, azul);
        drawMarca(ultima[2], ultima[3], 0.08f, azul);
    }
    if (fimDeJogo.activo) return;
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            if (destinosMarcados[x][y]) drawMarca(x, y, 0.22f, verde);
    drawSugestao();
    drawCursor();
}

// The four sides and the bottom, each showing its front to the outside of the box.
void drawBorder(unsigned int b) {
    const float S = ladoTabuleiro;
    const float E = espessuraTabuleiro;
    glPushMatrix();
    glRotatef(-90, 0, 0, 1);
    drawQuad(S, E, 0, b);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(S, 0, 0);
    glRotatef(-90, 0, 0, 1);
    drawQuad(S, E, 1, b);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(0, -E, 0);
    drawQuad(S, S, 0, b);
    glPopMatrix();

    glPushMatrix();
    glRotatef(-90, 1, 0, 0);
    glRotatef(90, 0, 1, 0);
    drawQuad(S, E, 1, b);
    glPopMatrix();

    glPushMatrix();
    glRotatef(-90, 1, 0, 0);
    glTranslatef(0, -S, 0);
    glRotatef(90, 0, 1, 0);
    drawQuad(S, E, 0, b);
    glPopMatrix();
}

// The level chosen shows on the menu: a frame around its item.
void drawNivelEscolhido() {
    if (nivel != 1 && nivel != 2) return;
    const AreaMenu& a = areasMenu[nivel == 1 ? 3 : 4];
    const float m = 0.12f;
    glColor3f(0.95f, 0.55f, 0.10f);
    drawMoldura(a.x - m, a.z - m, a.x + a.dx + m, a.z + a.dz + m, 0.1f, 0.05f);
    glColor3f(1, 1, 1);
}

void drawMenu(GLenum mode) {
    glPushMatrix();
    glTranslated(centroMenu[0] - 5, centroMenu[1], centroMenu[2] - 5);
    glPushMatrix();
    glColor3f(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texturaMenu);
    glBegin(GL_POLYGON);
    glNormal3f(0, 1, 0);
    glTexCoord2f(0, 1);
    glVertex3f(0, 0, 0);
    glTexCoord2f(0, 0);
    glVertex3f(0, 0, 10);
    glTexCoord2f(1, 0);
    glVertex3f(10, 0, 10);
    glTexCoord2f(1, 1);
    glVertex3f(10, 0, 0);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
    if (mode == GL_RENDER) drawNivelEscolhido();
    if (mode == GL_SELECT) {
        for (const AreaMenu& a : areasMenu) {
            glLoadName(GLuint(nomeDe(Escolha::doMenu(a.item))));
            glPushMatrix();
            glTranslatef(a.x, 0.1f, a.z);
            drawQuad(a.dz, a.dx, 1, 0);
            glPopMatrix();
        }
    }
    glPopMatrix();
}

void drawPieces(GLenum mode) {
    // While the end banner shows, the final position stays in view.
    const std::vector<Peca>& vistas = fimDeJogo.activo ? fimDeJogo.pecas : pecas;
    for (int i = 0; i < numeroPecas && i < int(vistas.size()); ++i) {
        if (mode == GL_SELECT) glLoadName(GLuint(nomeDe(Escolha::daPeca(i))));
        glPushMatrix();
        vistas[i].draw(materialPecas);
        glPopMatrix();
    }
}

// A short capped cylinder on the scoreboard's top; it wears whatever the last piece left.
void drawClockButton(GLenum mode) {
    if (mode == GL_SELECT) glLoadName(GLuint(nomeDe(Escolha::doRelogio())));
    glPushMatrix();
    glTranslated(origemTabuleiro[0] - 1.25, origemTabuleiro[1] + 1.5,
                 origemTabuleiro[2] + ladoTabuleiro / 2);
    glRotatef(-90, 1, 0, 0);
    // Rings inside the flat top and the straight side only add vertices to the picture; the
    // pick keeps the shape as it always was.
    const int aneis = mode == GL_SELECT || desenhoDeReferencia ? 20 : 1;
    gluCylinder(quadrica, 0.25, 0.25, 0.25, 20, aneis);
    glPushMatrix();
    glTranslatef(0, 0, 0.25f);
    gluDisk(quadrica, 0, 0.25, 20, aneis);
    glPopMatrix();
    glPopMatrix();
}

// Only empty squares can be picked as a destination; an occupied one is hit through its piece.
void drawEmptySquares() {
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (casas[x][y] != 0) continue;
            glLoadName(GLuint(nomeDe(Escolha::daCasa(x, y))));
            glPushMatrix();
            glTranslatef(x * tamanhoCasa, 0.1f, y * tamanhoCasa);
            drawQuad(tamanhoCasa, tamanhoCasa, 1, texturaSemImagem);
            glPopMatrix();
        }
    }
}

}  // namespace

// "Normal" and "Madeira" share the wooden board; the others have their own, ten names apart.
unsigned int texturaTampo(int material) {
    return material <= id(Material::madeira) ? 105 : 105 + 10 * material;
}
unsigned int texturaBorda(int material) {
    return material <= id(Material::madeira) ? 103 : 103 + 10 * material;
}

void drawPatch(const GLfloat vertices[12], const GLfloat normais[12], const GLfloat cores[16],
               const GLfloat texturas[8], unsigned int texture) {
    glMap2f(GL_MAP2_VERTEX_3, 0, 1, 3, 2, 0, 1, 6, 2, vertices);
    glMap2f(GL_MAP2_NORMAL, 0, 1, 3, 2, 0, 1, 6, 2, normais);
    glMap2f(GL_MAP2_COLOR_4, 0, 1, 4, 2, 0, 1, 8, 2, cores);
    glMap2f(GL_MAP2_TEXTURE_COORD_2, 0, 1, 2, 2, 0, 1, 4, 2, texturas);
    glEnable(GL_MAP2_VERTEX_3);
    glEnable(GL_MAP2_NORMAL);
    glEnable(GL_MAP2_COLOR_4);
    glEnable(GL_MAP2_TEXTURE_COORD_2);
    glMapGrid2f(4, 0.0f, 1.0f, 6, 0.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEvalMesh2(GL_FILL, 0, 4, 0, 6);
    glDisable(GL_TEXTURE_2D);
}

void drawQuad(float dz, float dx, int faceUp, unsigned int texture) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    const float cantos[2][4][2] = {
        {{0, 0}, {dx, 0}, {dx, dz}, {0, dz}},  // front seen from below
        {{dx, 0}, {0, 0}, {0, dz}, {dx, dz}},  // front seen from above
    };
    glBegin(GL_POLYGON);
    for (const auto& c : cantos[faceUp ? 1 : 0]) {
        glNormal3f(0, 1, 0);
        glTexCoord2f(c[0] / dx, c[1] / dz);
        glVertex3f(c[0], 0, c[1]);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void drawBoard() {
    glColor3f(1, 1, 1);
    glPushMatrix();
    drawBoardTop(materialPecas);
    // Mesa leaves the colour the evaluator's colour map last gave: without this the
    // highlight and the border come out tinted instead of in their textures' colours.
    glColor3f(1, 1, 1);
    drawHighlight();
    drawMarcas();
    drawBorder(texturaBorda(materialPecas));
    glPopMatrix();
}

void drawGameScene(GLenum mode) {
    // The end banner keeps the camera the game was seen from; the game has gone to the menu's.
    setCamera(fimDeJogo.activo ? fimDeJogo.camara : camara);
    placar.draw(3.0f, 1.5f, 0.5f);
    glPushMatrix();
    glTranslated(origemTabuleiro[0], origemTabuleiro[1], origemTabuleiro[2]);
    if (mode == GL_SELECT) glPushName(GLuint(nomeDe({Alvo::fundo})));
    drawBoard();
    drawMenu(mode);
    drawPieces(mode);
    drawClockButton(mode);
    // A pick goes to what lies under the point, never to the point.
    if (mode == GL_RENDER) drawPonteiroDoCursor();
    if (mode == GL_SELECT) {
        drawEmptySquares();
        glPopName();
    }
    glPopMatrix();
}

void preparaQuadrica() {
    if (quadrica == nullptr) quadrica = gluNewQuadric();
    gluQuadricOrientation(quadrica, GLU_OUTSIDE);
    gluQuadricTexture(quadrica, GL_FALSE);
}
