// Reading SGX scenery files and handing their lights and textures to OpenGL.
#pragma once
#include <cstddef>
#include <string>

#include "scene/elementos.h"

// Scenery number to file: 0 and 1 "japan.sgx", 2 "castle.sgx", anything else "ambiente.sgx".
const char* sceneFileName(int scenery);

// Reads the scenery's file into the scene state; ends the process with status 1
// when the file cannot be loaded.
void loadScene(int scenery);

// The same for any path; false (after the load-failure message) instead of exiting.
bool loadSceneFile(const std::string& path);
// The same from bytes in memory; `name` stands in the messages for the file name.
bool loadSceneText(const char* bytes, std::size_t size, const std::string& name);

// Empties the light and material tables and the object list, in that order,
// before another scenery is loaded.
void clearScene();

// Sends light i of the scene, with the illumination settings (GL context needed).
void applyLight(int i);
// Defines one scene texture from its BMP file (GL context needed).
void loadSceneTexture(textureElement entry);
