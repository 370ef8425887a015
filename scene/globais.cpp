#include "scene/globais.h"

std::vector<stackobject> drawStack;
TextureImage imagemTextura;
Texturizacao texturizacao;
bool cenarioDeReferencia = false;
Matriz projeccaoDoCenario = identidade();
