#include "scene/globais.h"

std::vector<stackobject> drawStack;
TextureImage imagemTextura;
