// The six primitive shapes, leaves of the scene tree.
#pragma once
#include <array>

#include "scene/objecto.h"

class Rectangulo : public Objecto {
public:
    Rectangulo(std::string id, materialElement& material, textureElement& texture, bool clear,
               std::array<float, 2> xs, std::array<float, 2> ys);  // {x1, x2}, {y1, y2}
    void linkChildren(const ListaObjectos&) override {}
    void draw() override;
    float x1, x2, y1, y2;
};

class Triangulo : public Objecto {
public:
    Triangulo(std::string id, materialElement& material, textureElement& texture, bool clear,
              std::array<float, 3> p1, std::array<float, 3> p2, std::array<float, 3> p3);
    void linkChildren(const ListaObjectos&) override {}
    void draw() override;
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
    float dimx, dimy, dimz;
};
