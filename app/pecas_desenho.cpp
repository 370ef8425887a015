// The look of one piece: a pawn of GLU quadrics in its side's colour or texture.
#include <GL/gl.h>
#include <GL/glu.h>

#include "app/globais.h"
#include "game/ids.h"
#include "game/peca.h"

namespace {

// Side 1 wears the even names 108, 110, 112 and side 2 the odd ones.
void aplicaAspecto(int lado, int material) {
    if (material == id(Material::normal)) {
        if (lado == 1)
            glColor3f(1, 1, 1);
        else
            glColor3f(0, 0, 0);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    // Also what the clock button, drawn after the pieces with the same quadric, goes by.
    gluQuadricTexture(quadrica, GL_TRUE);
    glBindTexture(GL_TEXTURE_2D, GLuint((lado == 1 ? 106 : 107) + 2 * material));
}

// The pawn standing at the origin along z: base disk, body, shoulder, neck, head. `aneis`
// are the disks' rings and the cylinders' stacks: inside a flat disk or a straight cylinder
// they only add vertices, so the outline and the texture coordinates are the same with one.
constexpr int aneisDaForma = 10;
void forma(GLUquadric* q, int aneis = aneisDaForma) {
    const double r = 0.25, h = 1.0;
    const int fatias = 10;
    glPushMatrix();
    glRotatef(180, 0, 1, 0);
    gluDisk(q, 0, r, fatias, aneis);
    glPopMatrix();

    gluCylinder(q, r, r, h / 3, fatias, aneis);

    glPushMatrix();
    glTranslated(0, 0, h / 3);
    gluDisk(q, 0, r, fatias, aneis);
    glPushMatrix();
    glRotatef(180, 0, 1, 0);
    gluDisk(q, 0, r / 2, fatias, aneis);
    glPopMatrix();
    gluCylinder(q, r / 2, r / 2, h / 3, fatias, aneis);
    glPopMatrix();

    glPushMatrix();
    glTranslated(0, 0, 2 * h / 3);
    gluSphere(q, r, fatias, fatias);
    glPopMatrix();
}

// The shape, sent once into a display list: plain for "Normal", with texture coordinates
// for the textured materials. The list's disks and cylinders have a single ring: a fifth of
// the triangles, the same pawn but for the shading inside its flat faces.
GLuint listas[2] = {0, 0};

void desenhaForma(bool texturada) {
    // Mesa's selection mode does not survive a display list; picks draw the shape itself.
    GLint modo = GL_RENDER;
    glGetIntegerv(GL_RENDER_MODE, &modo);
    if (modo != GL_RENDER || desenhoDeReferencia) return forma(quadrica);
    GLuint& lista = listas[texturada ? 1 : 0];
    if (lista == 0) {
        GLUquadric* q = gluNewQuadric();
        if (q != nullptr && (lista = glGenLists(1)) != 0) {
            gluQuadricTexture(q, texturada ? GL_TRUE : GL_FALSE);
            glNewList(lista, GL_COMPILE);
            forma(q, 1);
            glEndList();
        }
        if (q != nullptr) gluDeleteQuadric(q);
    }
    if (lista != 0)
        glCallList(lista);
    else
        forma(quadrica);
}

}  // namespace

void Peca::draw(int material) const {
    aplicaAspecto(lado, material);
    glPushMatrix();
    glTranslated(tamanhoCasa * x + tamanhoCasa / 2, altura, tamanhoCasa * y + tamanhoCasa / 2);
    glRotatef(-90, 1, 0, 0);
    desenhaForma(material != 0);
    glPopMatrix();
}
