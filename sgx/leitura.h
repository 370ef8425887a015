// The reading steps of one scenery load, in the order the loader calls them. Each takes
// the file's "sgx" element; the messages they print are the scenery author's only
// feedback, so their texts and places are kept exactly.
#pragma once
#include <string>
#include <vector>

#include <tinyxml.h>

#include "sgx/globais.h"
#include "scene/matriz.h"

// One object while it is read. A single working record serves every object of a file,
// so what one object leaves in it can reach the next.
struct objectElements {
    std::string id;
    std::string type;
    std::string geometryType;
    std::vector<std::string> childIds;
    std::vector<float> values;
};

void parseGlobals(const TiXmlElement* sgx);
void parseView(const TiXmlElement* sgx);
std::vector<materialElement> parseMaterials(const TiXmlElement* sgx);
std::vector<lightElements> parseLights(const TiXmlElement* sgx);
std::vector<textureElement> parseTextures(const TiXmlElement* sgx);

// Builds the objects onto sceneObjects (the tables must already be the new scene's) and
// returns one record per distinct id, which only serves the maxobjects limit.
std::vector<objectElements> parseObjects(const TiXmlElement* sgx);
// Lets every group find its children among sceneObjects, then breaks cycles.
void linkObjects();

// Fills D.geometryType and D.values from a "geometry" element whose "type" is `tipo`;
// both are left empty when the type is unknown or an attribute does not read.
void parseGeometry(const TiXmlElement* geometry, const std::string& tipo, objectElements& D);
// The triangle's nine coordinates, x1 to z3; false at the first that does not read.
bool parseTriangle(const TiXmlElement* geometry, std::vector<float>& values);
// Post-multiplies m by one object transformation; anything unreadable is passed over.
void applyTransformation(const TiXmlElement* element, Matriz& m);
