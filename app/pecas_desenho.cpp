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
    gluQuadricTexture(quadrica, GL_TRUE);
    glBindTexture(GL_TEXTURE_2D, GLuint((lado == 1 ? 106 : 107) + 2 * material));
}

}  // namespace

void Peca::draw(int material) const {
    const double r = 0.25, h = 1.0;
    const int fatias = 10;
    aplicaAspecto(lado, material);
    glPushMatrix();
    glTranslated(tamanhoCasa * x + tamanhoCasa / 2, altura, tamanhoCasa * y + tamanhoCasa / 2);
    glRotatef(-90, 1, 0, 0);

    glPushMatrix();
    glRotatef(180, 0, 1, 0);
    gluDisk(quadrica, 0, r, fatias, fatias);
    glPopMatrix();

    gluCylinder(quadrica, r, r, h / 3, fatias, fatias);

    glPushMatrix();
    glTranslated(0, 0, h / 3);
    gluDisk(quadrica, 0, r, fatias, fatias);
    glPushMatrix();
    glRotatef(180, 0, 1, 0);
    gluDisk(quadrica, 0, r / 2, fatias, fatias);
    glPopMatrix();
    gluCylinder(quadrica, r / 2, r / 2, h / 3, fatias, fatias);
    glPopMatrix();

    glPushMatrix();
    glTranslated(0, 0, 2 * h / 3);
    gluSphere(quadrica, r, fatias, fatias);
    glPopMatrix();

    glPopMatrix();
}
