// The six primitive shapes, leaves of the scene tree.
#pragma once
#include <array>

#include "scene/objecto.h"

// What a flat shape sends to OpenGL, computed apart from drawing so it can be checked
// without a GL context.
struct Vertice {
    std::array<float, 3> posicao;
    std::array<float, 2> textura;  // sent before the vertex when the shape is textured
};

struct Poligono {
    std::array<float, 3> normal{0.0f, 0.0f, 1.0f};
    std::array<Vertice, 4> vertices{};
    int nVertices = 0;
    // glRotatef(angle, x, y, z) wrapped around the polygon; angle 0 means no rotation.
    std::array<float, 4> rotacao{0.0f, 0.0f, 0.0f, 0.0f};
};

// Emits one polygon (inside its rotation, if any); texture coordinates only when textured.
void emitPoligono(const Poligono& p, bool textured);

class Rectangulo : public Objecto {
public:
    Rectangulo(std::string id, materialElement& material, textureElement& texture, bool clear,
               std::array<float, 2> xs, std::array<float, 2> ys);  // {x1, x2}, {y1, y2}
    void linkChildren(const ListaObjectos&) override {}
    void draw() override;
    // ls and lt: lengths of the texture in force.
    Poligono poligono(float ls, float lt) const;
    float x1, x2, y1, y2;
};

class Triangulo : public Objecto {
public:
    Triangulo(std::string id, materialElement& material, textureElement& texture, bool clear,
              std::array<float, 3> p1, std::array<float, 3> p2, std::array<float, 3> p3);
    void linkChildren(const ListaObjectos&) override {}
    void draw() override;
    // ls and lt: lengths of the texture in force. A degenerate triangle gets the normal
    // (0, 0, 1) and texture extents of 0.
    Poligono poligono(float ls, float lt) const;
    std::array<float, 3> p1, p2, p3;
};

class Cilindro : public Objecto {
public:
    Cilindro(std::string id, materialElement& material, textureElement& texture, bool clear,
             float base, float top, float height, int slices, int stacks);
    void linkChildren(const ListaObjectos&) override {}
    void draw() override;
    float base, top, height;
    int slices, stacks;
};

class Disco : public Objecto {
public:
    Disco(std::string id, materialElement& material, textureElement& texture, bool clear,
          float inner, float outer, int slices, int loops);
    void linkChildren(const ListaObjectos&) override {}
    void draw() override;
    float inner, outer;
    int slices, loops;
};

class Esfera : public Objecto {
public:
    Esfera(std::string id, materialElement& material, textureElement& texture, bool clear,
           float radius, int slices, int stacks);
    void linkChildren(const ListaObjectos&) override {}
    void draw() override;
    float radius;
    int slices, stacks;
};

class Paralelipipedo : public Objecto {
public:
    Paralelipipedo(std::string id, materialElement& material, textureElement& texture, bool clear,
                   float dimx, float dimy, float dimz);
    void linkChildren(const ListaObjectos&) override {}
    void draw() override;
    // The six faces in drawing order; ls and lt come from the box's own texture record.
    std::array<Poligono, 6> faces(float ls, float lt) const;
    float dimx, dimy, dimz;
};
