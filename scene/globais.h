// Program-wide state of the scene graph.
#pragma once
#include <vector>

#include "scene/objecto.h"
#include "scene/textura.h"
#include "scene/texturizacao.h"

// Draw-state entries of the objects being drawn; empty between frames.
extern std::vector<stackobject> drawStack;

// The one image reader every texture of the program goes through.
extern TextureImage imagemTextura;

// Texturing as the scenery's drawing asked for it, and as OpenGL has it.
extern Texturizacao texturizacao;
// Every request sent at once, as before they were held back: the pictures' reference.
extern bool texturizacaoImediata;
