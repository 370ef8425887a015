// Turning a read geometry into one of the six shapes.
#pragma once
#include <memory>
#include <string>

#include "scene/objecto.h"
#include "sgx/leitura.h"

// The shape named by D.geometryType with D.values, or nothing for any other name.
std::unique_ptr<Objecto> buildShape(const objectElements& D, materialElement& m,
                                    textureElement& x, bool clear);

// A count read as an int and carried as a float, back to an int: truncated toward zero,
// and held within int range where the float rounded past it.
int paraInteiro(float valor);
