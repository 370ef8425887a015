// Program-wide scene state filled by the SGX loader.
#pragma once
#include <string>
#include <vector>

#include "scene/elementos.h"
#include "scene/objecto.h"

struct globalsElement {
    int maxlights = 0;
    int maxtextures = 0;
    int maxmaterials = 0;
    int maxobjects = 0;
    std::string root;
};

struct viewElement {
    float near = 0.0f;
    float far = 0.0f;
    float axisscale = 0.0f;
    float viewMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};

struct lightElements {
    float globalAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    float background[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float position[4] = {0.0f, 0.0f, 1.0f, 0.0f};
    float ambient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float specular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    int enabled = 0;
    std::string id;
};

extern globalsElement sceneGlobals;
extern viewElement sceneView;
extern int doublesided;
extern int local;
extern std::vector<materialElement> sceneMaterials;
extern std::vector<lightElements> sceneLights;
extern std::vector<textureElement> sceneTextures;
extern ListaObjectos sceneObjects;
