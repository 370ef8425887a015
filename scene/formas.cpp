#include "scene/formas.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "scene/globais.h"
#include "scene/recorte.h"

namespace {

// Lengths of the texture in force; an entry without one repeats once per unit.
float comprimentoS(const stackobject& e) { return e.texture ? e.texture->length_s : 1.0f; }
float comprimentoT(const stackobject& e) { return e.texture ? e.texture->length_t : 1.0f; }

Caixa caixaDoPoligono(const Poligono& p) {
    Caixa c{p.vertices[0].posicao, p.vertices[0].posicao};
    for (int i = 1; i < p.nVertices; ++i)
        for (int k = 0; k < 3; ++k) {
            c.minimo[k] = std::min(c.minimo[k], p.vertices[i].posicao[k]);
            c.maximo[k] = std::max(c.maximo[k], p.vertices[i].posicao[k]);
        }
    return c;
}

// The polygons, or, when their box lies outside the view, only what the last of them would
// leave as OpenGL's current normal and texture coordinate.
template <std::size_t N>
void emiteSeVisivel(const std::array<Poligono, N>& ps, bool textured, const Caixa& caixa) {
    if (!caixaForaDaVista(caixa)) {
        for (const Poligono& p : ps) emitPoligono(p, textured);
        return;
    }
    const Poligono& ultimo = ps.back();
    glNormal3fv(ultimo.normal.data());
    if (textured && ultimo.nVertices > 0)
        glTexCoord2fv(ultimo.vertices[ultimo.nVertices - 1].textura.data());
}

void emiteSeVisivel(const Poligono& p, bool textured) {
    emiteSeVisivel(std::array<Poligono, 1>{p}, textured, caixaDoPoligono(p));
}

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
    emiteSeVisivel(poligono(comprimentoS(e), comprimentoT(e)), !e.clear);
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
    emiteSeVisivel(poligono(comprimentoS(e), comprimentoT(e)), !e.clear);
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
    // Faces turned half a turn stay inside the box, which is centred on the origin.
    const std::array<float, 3> meio{std::fabs(dimx) / 2, std::fabs(dimy) / 2, std::fabs(dimz) / 2};
    const Caixa caixa{{-meio[0], -meio[1], -meio[2]}, meio};
    emiteSeVisivel(faces(texture->length_s, texture->length_t), !drawStack.back().clear, caixa);
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

void Objecto::drawQuadric(const std::function<void(GLUquadric*)>& geometria, const Caixa& caixa,
                          bool desenhaAlgo) {
    adoptParentMaterial();
    pushEntry();
    beginTexture();
    placeAndApplyMaterial();
    if (deixados.conhecidos && caixaForaDaVista(caixa)) {
        // Only GLU knows the last normal and texture coordinate it sends; the first draw
        // read them back.
        glNormal3fv(deixados.normal);
        if (!clear) glTexCoord4fv(deixados.textura);
    } else if (GLUquadric* q = novaQuadrica(clear)) {
        aplicaTexturizacao();
        geometria(q);
        gluDeleteQuadric(q);
        if (!deixados.conhecidos && desenhaAlgo) {
            glGetFloatv(GL_CURRENT_NORMAL, deixados.normal);
            glGetFloatv(GL_CURRENT_TEXTURE_COORDS, deixados.textura);
            deixados.conhecidos = true;
        }
    }
    finishDraw();
}

namespace {

// A quadric's box around its axis, z from 0 to `altura`.
Caixa caixaDoEixo(float raio, float altura) {
    const float r = std::fabs(raio);
    return {{-r, -r, std::min(0.0f, altura)}, {r, r, std::max(0.0f, altura)}};
}

}  // namespace

Cilindro::Cilindro(std::string id, materialElement& material, textureElement& texture,
                   bool clear, float base, float top, float height, int slices, int stacks)
    : Objecto(std::move(id), material, texture, clear), base(base), top(top), height(height),
      slices(slices), stacks(stacks) {}

void Cilindro::draw() {
    drawQuadric([this](GLUquadric* q) { gluCylinder(q, base, top, height, slices, stacks); },
                caixaDoEixo(std::max(std::fabs(base), std::fabs(top)), height),
                slices >= 2 && stacks >= 1);
}

Disco::Disco(std::string id, materialElement& material, textureElement& texture, bool clear,
             float inner, float outer, int slices, int loops)
    : Objecto(std::move(id), material, texture, clear), inner(inner), outer(outer),
      slices(slices), loops(loops) {}

void Disco::draw() {
    drawQuadric([this](GLUquadric* q) { gluDisk(q, inner, outer, slices, loops); },
                caixaDoEixo(std::max(std::fabs(inner), std::fabs(outer)), 0.0f),
                slices >= 2 && loops >= 1);
}

Esfera::Esfera(std::string id, materialElement& material, textureElement& texture, bool clear,
               float radius, int slices, int stacks)
    : Objecto(std::move(id), material, texture, clear), radius(radius), slices(slices),
      stacks(stacks) {}

void Esfera::draw() {
    drawQuadric([this](GLUquadric* q) { gluSphere(q, radius, slices, stacks); },
                Caixa{{-std::fabs(radius), -std::fabs(radius), -std::fabs(radius)},
                      {std::fabs(radius), std::fabs(radius), std::fabs(radius)}},
                slices >= 2 && stacks >= 1);
}
