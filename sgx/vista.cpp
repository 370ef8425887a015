// The "view" section. Its values are kept with the scene; the cameras do not take them.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "sgx/atributos.h"
#include "sgx/leitura.h"

namespace {

// "x", "y", "z" in order, stopping at the first that fails; true when all three read.
bool lerTres(const TiXmlElement* e, float v[3]) {
    return !queryFloat(e, "x", v[0]) && !queryFloat(e, "y", v[1]) && !queryFloat(e, "z", v[2]);
}

// A transformation that does not read is reported and left out: applying values that
// were never read would leave the matrix to chance.
void parseTranslation(const TiXmlElement* e, Matriz& m) {
    float v[3];
    if (!lerTres(e, v)) {
        std::printf("Error parsing translation\n");
        return;
    }
    std::printf("Values were successfully obtained\n");
    m = translada(m, v[0], v[1], v[2]);
}

void parseScaling(const TiXmlElement* e, Matriz& m) {
    float v[3];
    if (!lerTres(e, v)) {
        std::printf("Error parsing scaling\n");
        return;
    }
    std::printf("Values were successfully obtained\n");
    m = escala(m, v[0], v[1], v[2]);
}

// Only "x", "y" and "z" name an axis here; any other text is an error like a missing one.
void parseRotation(const TiXmlElement* e, Matriz& m) {
    const char* eixo = e->Attribute("axis");
    float angulo;
    if (!eixo || queryFloat(e, "angle", angulo) ||
        (std::strcmp(eixo, "x") != 0 && std::strcmp(eixo, "y") != 0 &&
         std::strcmp(eixo, "z") != 0)) {
        std::printf("Error parsing rotation\n");
        return;
    }
    m = roda(m, angulo, eixo[0] == 'x', eixo[0] == 'y', eixo[0] == 'z');
}

}  // namespace

void parseView(const TiXmlElement* sgx) {
    const TiXmlElement* view = sgx->FirstChildElement("view");
    if (!view) {
        std::printf("view not found\n");
        return;
    }
    if (queryFloat(view, "near", sceneView.near) || queryFloat(view, "far", sceneView.far) ||
        queryFloat(view, "axisscale", sceneView.axisscale))
        std::printf("Error parsing view\n");
    else
        std::printf("viewing attributes: %f %f %f\n", sceneView.near, sceneView.far,
                    sceneView.axisscale);

    Matriz m = identidade();
    for (const TiXmlElement* e = view->FirstChildElement(); e; e = e->NextSiblingElement()) {
        const std::string& nome = e->ValueStr();
        if (nome == "translation")
            parseTranslation(e, m);
        else if (nome == "rotation")
            parseRotation(e, m);
        else if (nome == "scale")
            parseScaling(e, m);
        else
            std::printf("Unknown element!\n");
    }
    std::copy(m.begin(), m.end(), sceneView.viewMatrix);
}
