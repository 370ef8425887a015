// Program-wide state of the scene graph.
#pragma once
#include <vector>

#include "scene/objecto.h"
#include "scene/textura.h"

// Draw-state entries of the objects being drawn; empty between frames.
extern std::vector<stackobject> drawStack;

// The one image reader every texture of the program goes through.
extern TextureImage imagemTextura;
