#include "sgx/atributos.h"

#include <cfloat>
#include <cmath>

float paraFloat(double valor) {
    if (valor > FLT_MAX) return HUGE_VALF;
    if (valor < -FLT_MAX) return -HUGE_VALF;
    return static_cast<float>(valor);
}

bool queryFloat(const TiXmlElement* element, const char* name, float& target) {
    double valor;
    if (element->QueryDoubleAttribute(name, &valor) != TIXML_SUCCESS) return true;
    target = paraFloat(valor);
    return false;
}

bool queryInt(const TiXmlElement* element, const char* name, int& target) {
    return element->QueryIntAttribute(name, &target) != TIXML_SUCCESS;
}

bool readColour(const TiXmlElement* parent, const char* name, float colour[4]) {
    const TiXmlElement* cor = parent->FirstChildElement(name);
    if (!cor) return false;
    static const char* const componentes[4] = {"r", "g", "b", "a"};
    for (int i = 0; i < 4; ++i)
        if (queryFloat(cor, componentes[i], colour[i])) return false;
    return true;
}
