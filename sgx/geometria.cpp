#include "sgx/geometria.h"

#include <climits>
#include <cmath>

#include "scene/formas.h"
#include "sgx/atributos.h"

namespace {

// Float and integer attributes of each shape, in the order they are stored in `values`.
struct Forma {
    const char* tipo;
    const char* atributos[5];
    int nFloats;
    int nInteiros;
};

const Forma formas[] = {
    {"rectangle", {"x1", "y1", "x2", "y2"}, 4, 0},
    {"cylinder", {"base", "top", "height", "slices", "stacks"}, 3, 2},
    {"sphere", {"radius", "slices", "stacks"}, 1, 2},
    {"disk", {"inner", "outer", "slices", "loops"}, 2, 2},
    {"paralelipipedo", {"dimx", "dimy", "dimz"}, 3, 0},
};

// False at the first attribute that does not read; a shape is then not built at all,
// rather than built from values that were never read.
bool lerAtributos(const TiXmlElement* g, const Forma& f, std::vector<float>& values) {
    for (int i = 0; i < f.nFloats + f.nInteiros; ++i) {
        if (i < f.nFloats) {
            float v;
            if (queryFloat(g, f.atributos[i], v)) return false;
            values.push_back(v);
        } else {
            int v;
            if (queryInt(g, f.atributos[i], v)) return false;
            values.push_back(static_cast<float>(v));
        }
    }
    return true;
}

}  // namespace

int paraInteiro(float valor) {
    if (std::isnan(valor)) return 0;
    if (valor >= 2147483648.0f) return INT_MAX;
    if (valor <= -2147483648.0f) return INT_MIN;
    return static_cast<int>(valor);
}

bool parseTriangle(const TiXmlElement* geometry, std::vector<float>& values) {
    static const char* const nomes[9] = {"x1", "y1", "z1", "x2", "y2", "z2", "x3", "y3", "z3"};
    for (const char* nome : nomes) {
        float v;
        if (queryFloat(geometry, nome, v)) return false;
        values.push_back(v);
    }
    return true;
}

void parseGeometry(const TiXmlElement* geometry, const std::string& tipo, objectElements& D) {
    D.geometryType.clear();
    D.values.clear();
    std::vector<float> values;
    bool lido = false;
    if (tipo == "triangle") {
        lido = parseTriangle(geometry, values);
    } else {
        for (const Forma& f : formas)
            if (tipo == f.tipo) lido = lerAtributos(geometry, f, values);
    }
    if (!lido) return;
    D.geometryType = tipo;
    D.values = values;
}

std::unique_ptr<Objecto> buildShape(const objectElements& D, materialElement& m,
                                    textureElement& x, bool clear) {
    const std::string& t = D.geometryType;
    const std::vector<float>& v = D.values;
    if (t == "rectangle")
        return std::make_unique<Rectangulo>(D.id, m, x, clear, std::array<float, 2>{v[0], v[2]},
                                            std::array<float, 2>{v[1], v[3]});
    if (t == "triangle")
        return std::make_unique<Triangulo>(D.id, m, x, clear,
                                           std::array<float, 3>{v[0], v[1], v[2]},
                                           std::array<float, 3>{v[3], v[4], v[5]},
                                           std::array<float, 3>{v[6], v[7], v[8]});
    if (t == "cylinder")
        return std::make_unique<Cilindro>(D.id, m, x, clear, v[0], v[1], v[2],
                                          paraInteiro(v[3]), paraInteiro(v[4]));
    if (t == "sphere")
        return std::make_unique<Esfera>(D.id, m, x, clear, v[0], paraInteiro(v[1]),
                                        paraInteiro(v[2]));
    if (t == "disk")
        return std::make_unique<Disco>(D.id, m, x, clear, v[0], v[1], paraInteiro(v[2]),
                                       paraInteiro(v[3]));
    if (t == "paralelipipedo")
        return std::make_unique<Paralelipipedo>(D.id, m, x, clear, v[0], v[1], v[2]);
    return nullptr;
}
