// Texture and material records shared by the scene tables and the scene objects.
#pragma once
#include <string>

// One texture of a scene. Objects refer to table entries or to records of their own.
struct textureElement {
    float length_s = 1.0f;   // scene length of one repeat of the image along s
    float length_t = 1.0f;   // the same along t
    std::string id;
    std::string file;        // BMP path, relative to the working directory
    int textureName = 0;     // OpenGL texture name the image is defined under
};

// One material. A default record starts from OpenGL's own material defaults.
struct materialElement {
    std::string id;
    float emission[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    float diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    float specular[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float shininess = 0.0f;
};
