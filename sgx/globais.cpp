#include "sgx/globais.h"

globalsElement sceneGlobals;
viewElement sceneView;
int doublesided = 0;
int local = 0;
std::vector<materialElement> sceneMaterials;
std::vector<lightElements> sceneLights;
std::vector<textureElement> sceneTextures;
ListaObjectos sceneObjects;
