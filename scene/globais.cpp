#include "scene/globais.h"

std::vector<stackobject> drawStack;
TextureImage imagemTextura;
Texturizacao texturizacao;
bool cenarioDeReferencia = false;
float projeccaoDoCenario[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
