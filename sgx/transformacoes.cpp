// Object transformations. Unlike those of the view, they are passed over in silence.
#include "sgx/atributos.h"
#include "sgx/leitura.h"

void applyTransformation(const TiXmlElement* element, Matriz& m) {
    const std::string& nome = element->ValueStr();
    if (nome == "translation" || nome == "scale") {
        float x, y, z;
        if (queryFloat(element, "x", x) || queryFloat(element, "y", y) ||
            queryFloat(element, "z", z))
            return;
        m = nome == "scale" ? escala(m, x, y, z) : translada(m, x, y, z);
    } else if (nome == "rotation") {
        float angulo;
        if (queryFloat(element, "angle", angulo)) return;
        const char* eixo = element->Attribute("axis");
        if (!eixo) return;
        // Any axis text but "x" and "y" means z: sceneries written against that rule
        // must keep turning the same way.
        const std::string e = eixo;
        m = roda(m, angulo, e == "x", e == "y", e != "x" && e != "y");
    }
}
