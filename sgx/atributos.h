// Attribute reading shared by every section of a scenery file.
#pragma once
#include <tinyxml.h>

// Reads a float attribute as "%lf" would and stores it as a float, touching `target`
// only when it reads. True when the attribute is missing or unreadable.
bool queryFloat(const TiXmlElement* element, const char* name, float& target);
// The same for an int ("%d"), with TinyXML's integer query.
bool queryInt(const TiXmlElement* element, const char* name, int& target);

// Reads "r", "g", "b", "a" of the child element `name` into colour, in this order, and
// stops at the first that fails; the components before it keep their new values.
// False when one fails or the element is missing.
bool readColour(const TiXmlElement* parent, const char* name, float colour[4]);

// A double as a float, with values beyond float range turned into infinities rather
// than left to undefined conversion.
float paraFloat(double valor);
