// Program-wide state of the scene graph.
#pragma once
#include <vector>

#include "scene/matriz.h"
#include "scene/objecto.h"
#include "scene/textura.h"
#include "scene/texturizacao.h"

// Draw-state entries of the objects being drawn; empty between frames.
extern std::vector<stackobject> drawStack;

// The one image reader every texture of the program goes through.
extern TextureImage imagemTextura;

// Texturing as the scenery's drawing asked for it, and as OpenGL has it.
extern Texturizacao texturizacao;
// The projection in force as the scenery's root began to draw.
extern Matriz projeccaoDoCenario;

// The pictures' reference: every texturing request sent at once, every shape drawn.
extern bool cenarioDeReferencia;
