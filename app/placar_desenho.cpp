// The scoreboard box beside the board: textured faces, the side labels, the wins and the clock.
#include <cstdio>
#include <cstring>

#include <GL/freeglut.h>

#include "app/desenho.h"
#include "app/globais.h"
#include "game/globais.h"
#include "game/placar.h"

namespace {

constexpr unsigned int texturaFrente = 102;
constexpr unsigned int texturaLados = 104;

void escreve(const char* texto, std::size_t n, float px, float py) {
    glPushMatrix();
    glTranslatef(px, py, 0.03f);
    glLineWidth(2);
    glScalef(0.003f, 0.003f, 0.003f);
    for (std::size_t i = 0; i < n; ++i) {
        // NUL fill of the label fields draws nothing, as the stroke font would.
        if (texto[i] != '\0') glutStrokeCharacter(GLUT_STROKE_ROMAN, texto[i]);
    }
    glPopMatrix();
}

void escreveNumero(int n, float px, float py) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%d", n);
    escreve(texto, std::strlen(texto), px, py);
}

// Clock digits keep to one character each; a seconds gap of ten or more shows its first digit.
void escreveRelogio(float px, float py) {
    char texto[8];
    int n = 0;
    for (int i = 0; i < 4; ++i) {
        if (i == 2) texto[n++] = ':';
        char digito[16];
        std::snprintf(digito, sizeof digito, "%d", digitosRelogio[i]);
        texto[n++] = digito[0];
    }
    escreve(texto, std::size_t(n), px, py);
}

}  // namespace

void Placar::drawFace(float w, float h, unsigned int texture) {
    const GLfloat ctrlpoints1[12] = {0, h, 0, w, h, 0, 0, 0, 0, w, 0, 0};
    const GLfloat nrmlcompon1[12] = {0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1};
    const GLfloat colorpoints[16] = {1, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 0};
    const GLfloat textpoints[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    drawPatch(ctrlpoints1, nrmlcompon1, colorpoints, textpoints, texture);
}

void Placar::draw(float W, float H, float D) {
    glPushMatrix();
    glTranslated(origemTabuleiro[0] - 1, origemTabuleiro[1],
                 origemTabuleiro[2] + ladoTabuleiro / 2 + 1.5);
    glRotatef(90, 0, 1, 0);

    glPushMatrix();
    drawFace(W, H, texturaFrente);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(W, 0, 0);
    glRotatef(90, 0, 1, 0);
    drawFace(D, H, texturaLados);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(0, 0, -D);
    glRotatef(-90, 0, 1, 0);
    drawFace(D, H, texturaLados);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(W, 0, -D);
    glRotatef(180, 0, 1, 0);
    drawFace(W, H, texturaLados);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(0, H, 0);
    glRotatef(-90, 1, 0, 0);
    drawFace(W, D, texturaLados);
    glPopMatrix();
    glPushMatrix();
    glTranslatef(0, 0, -D);
    glRotatef(90, 1, 0, 0);
    drawFace(W, D, texturaLados);
    glPopMatrix();

    std::memset(nome1, 0, sizeof nome1);
    std::memset(nome2, 0, sizeof nome2);
    std::strcpy(nome1, "Jog1");
    std::strcpy(nome2, "Jog2");

    glColor3f(1, 1, 1);
    escreve(nome1, sizeof nome1, W / 10, H - H / 5);
    escreve(nome2, sizeof nome2, 6 * W / 10, H - H / 5);
    escreveNumero(pontos2, 6 * W / 10, H / 2);
    escreveNumero(pontos1, 3 * W / 10, H / 2);
    updateClock(instanteRelogio);
    escreveRelogio(3.5f * W / 10, H / 5);

    glPopMatrix();
}
