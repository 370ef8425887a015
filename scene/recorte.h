// Shapes wholly outside the view volume are not sent to OpenGL.
//
// With the free camera turning, much of a scenery lies behind or beside the camera, and each
// shape sent still costs the drawing thread a draw and its state checks, though it leaves no
// pixel. A shape whose bounding box lies wholly beyond one plane of the view volume leaves
// none, so its geometry is left out; what the geometry would have left in OpenGL (the current
// normal and texture coordinate, which a later shape may draw with) is set as it would be.
#pragma once
#include <array>

struct Caixa {
    std::array<float, 3> minimo;
    std::array<float, 3> maximo;
};

// `clip` is column-major: the projection times the modelview. True when all eight corners
// lie beyond one same plane of the view volume: x, y or z below -w, or above w.
bool foraDaVista(const float clip[16], const Caixa& caixa);

// At a root's start: the projection in force.
void comecaRecorte();
// The box under the modelview in force now. Never, in the reference drawing.
bool caixaForaDaVista(const Caixa& caixa);
