#include "scene/globais.h"

std::vector<stackobject> drawStack;
TextureImage imagemTextura;
Texturizacao texturizacao;
bool texturizacaoImediata = false;
