// Small scenes built in code as the loader builds them: table records shared by reference,
// "null" and "clear" records made for one object alone and kept by it.
#pragma once
#include <memory>
#include <string>
#include <utility>

#include "scene/formas.h"

namespace teste {

struct Cena {
    materialElement m1{"m1", {0, 0, 0, 1}, {0.2f, 0.2f, 0.2f, 1}, {0.1f, 0.2f, 0.3f, 1}, {0, 0, 0, 1}, 10};
    materialElement m2{"m2", {0, 0, 0, 1}, {0.2f, 0.2f, 0.2f, 1}, {0.7f, 0.6f, 0.5f, 1}, {0, 0, 0, 1}, 20};
    textureElement t1{1, 1, "t1", "", 11};
    textureElement t2{1, 1, "t2", "", 12};
    ListaObjectos objectos;

    // mat: "m1", "m2" or "null"; tex: "t1", "t2", "null" or "clear"; then the shape's own
    // constructor parameters.
    template <class Forma, class... Args>
    Forma& junta(const std::string& id, const std::string& mat, const std::string& tex,
                 Args&&... args) {
        auto proprioM = std::make_unique<materialElement>();
        auto proprioT = std::make_unique<textureElement>();
        proprioM->id = mat;
        proprioT->id = tex;
        materialElement& m = mat == "m1" ? m1 : mat == "m2" ? m2 : *proprioM;
        textureElement& t = tex == "t1" ? t1 : tex == "t2" ? t2 : *proprioT;
        auto o = std::make_unique<Forma>(id, m, t, tex == "clear", std::forward<Args>(args)...);
        o->keepRecords(std::move(proprioM), std::move(proprioT));
        objectos.push_back(std::move(o));
        return static_cast<Forma&>(*objectos.back());
    }

    void liga(const std::string& raiz = "") {
        for (auto& o : objectos) o->linkChildren(objectos);
        breakCycles(objectos, raiz);
    }
};

}  // namespace teste
