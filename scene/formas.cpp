#include "scene/formas.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <utility>

#include "scene/globais.h"

namespace {

// Lengths of the texture in force; an entry without one repeats once per unit.
float comprimentoS(const stackobject& e) { return e.texture ? e.texture->length_s : 1.0f; }
float comprimentoT(const stackobject& e) { return e.texture ? e.texture->length_t : 1.0f; }

}  // namespace

void emitPoligono(const Poligono& p, bool textured) {
    aplicaTexturizacao();
    const bool rodado = p.rotacao[0] != 0.0f;
    if (rodado) {
        glPushMatrix();
        glRotatef(p.rotacao[0], p.rotacao[1], p.rotacao[2], p.rotacao[3]);
    }
    glBegin(GL_POLYGON);
    glNormal3fv(p.normal.data());
    for (int i = 0; i < p.nVertices; ++i) {
        if (textured) glTexCoord2fv(p.vertices[i].textura.data());
        glVertex3fv(p.vertices[i].posicao.data());
    }
    glEnd();
    if (rodado) glPopMatrix();
}

// ---- Flat shapes ----

Rectangulo::Rectangulo(std::string id, materialElement& material, textureElement& texture,
                       bool clear, std::array<float, 2> xs, std::array<float, 2> ys)
    : Objecto(std::move(id), material, texture, clear), x1(xs[0]), x2(xs[1]), y1(ys[0]),
      y2(ys[1]) {}

void Rectangulo::draw() {
    adoptParentMaterial();
    pushEntry();
    beginTexture();
    // Texturing goes on even when "clear", and stays on: objects drawn after it may rely on it.
    placeAndApplyMaterial(true);
    const stackobject& e = drawStack.back();
    emitPoligono(poligono(comprimentoS(e), comprimentoT(e)), !e.clear);
    finishDraw();
}

Triangulo::Triangulo(std::string id, materialElement& material, textureElement& texture,
                     bool clear, std::array<float, 3> p1, std::array<float, 3> p2,
                     std::array<float, 3> p3)
    : Objecto(std::move(id), material, texture, clear), p1(p1), p2(p2), p3(p3) {}

void Triangulo::draw() {
    adoptParentMaterial();
    pushEntry();
    beginTexture();
    placeAndApplyMaterial();
    const stackobject& e = drawStack.back();
    emitPoligono(poligono(comprimentoS(e), comprimentoT(e)), !e.clear);
    finishDraw();
}

Paralelipipedo::Paralelipipedo(std::string id, materialElement& material,
                               textureElement& texture, bool clear, float dimx, float dimy,
                               float dimz)
    : Objecto(std::move(id), material, texture, clear), dimx(dimx), dimy(dimy), dimz(dimz) {}

void Paralelipipedo::draw() {
    adoptParentMaterial();
    pushEntry();
    beginTexture();
    placeAndApplyMaterial(true);  // as the rectangle
    // The box repeats its texture by its own record's lengths, not by those in force.
    const bool textured = !drawStack.back().clear;
    for (const Poligono& face : faces(texture->length_s, texture->length_t))
        emitPoligono(face, textured);
    finishDraw();
}

// ---- Quadric shapes ----

namespace {

// A fresh quadric for every draw keeps no GLU state between frames. GLU generates the
// texture coordinates of a textured shape and leaves a "clear" one without any.
GLUquadric* novaQuadrica(bool clear) {
    GLUquadric* q = gluNewQuadric();
    if (q && !clear) gluQuadricTexture(q, GL_TRUE);
    return q;
}

}  // namespace

void Objecto::drawQuadric(const std::function<void(GLUquadric*)>& geometria) {
    adoptParentMaterial();
    pushEntry();
    GLUquadric* q = novaQuadrica(clear);
    beginTexture();
    placeAndApplyMaterial();
    if (q) {
        aplicaTexturizacao();
        geometria(q);
        gluDeleteQuadric(q);
    }
    finishDraw();
}

Cilindro::Cilindro(std::string id, materialElement& material, textureElement& texture,
                   bool clear, float base, float top, float height, int slices, int stacks)
    : Objecto(std::move(id), material, texture, clear), base(base), top(top), height(height),
      slices(slices), stacks(stacks) {}

void Cilindro::draw() {
    drawQuadric([this](GLUquadric* q) { gluCylinder(q, base, top, height, slices, stacks); });
}

Disco::Disco(std::string id, materialElement& material, textureElement& texture, bool clear,
             float inner, float outer, int slices, int loops)
    : Objecto(std::move(id), material, texture, clear), inner(inner), outer(outer),
      slices(slices), loops(loops) {}

void Disco::draw() {
    drawQuadric([this](GLUquadric* q) { gluDisk(q, inner, outer, slices, loops); });
}

Esfera::Esfera(std::string id, materialElement& material, textureElement& texture, bool clear,
               float radius, int slices, int stacks)
    : Objecto(std::move(id), material, texture, clear), radius(radius), slices(slices),
      stacks(stacks) {}

void Esfera::draw() {
    drawQuadric([this](GLUquadric* q) { gluSphere(q, radius, slices, stacks); });
}
