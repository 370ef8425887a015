// Small scenes built in code the way the loader builds them: table records shared by
// reference, "null" and "clear" records made for one object alone.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "scene/formas.h"
#include "scene/objecto.h"

namespace teste {

struct Cena {
    materialElement m1, m2;
    textureElement t1, t2;
    ListaObjectos objectos;

    Cena() {
        m1.id = "m1";
        m2.id = "m2";
        const float d1[4] = {0.1f, 0.2f, 0.3f, 1.0f}, d2[4] = {0.7f, 0.6f, 0.5f, 1.0f};
        for (int i = 0; i < 4; ++i) {
            m1.diffuse[i] = d1[i];
            m2.diffuse[i] = d2[i];
        }
        m1.shininess = 10;
        m2.shininess = 20;
        t1.id = "t1";
        t1.textureName = 11;
        t2.id = "t2";
        t2.textureName = 12;
    }

    // mat: "m1", "m2" or "null"; tex: "t1", "t2", "null" or "clear"; then the shape's own
    // constructor parameters.
    template <class Forma, class... Args>
    Forma& junta(const std::string& id, const std::string& mat, const std::string& tex,
                 Args&&... args) {
        std::unique_ptr<materialElement> proprioM;
        std::unique_ptr<textureElement> proprioT;
        materialElement* m = mat == "m1" ? &m1 : mat == "m2" ? &m2 : nullptr;
        textureElement* t = tex == "t1" ? &t1 : tex == "t2" ? &t2 : nullptr;
        if (!m) {
            proprioM = std::make_unique<materialElement>();
            proprioM->id = mat;
            m = proprioM.get();
        }
        if (!t) {
            proprioT = std::make_unique<textureElement>();
            proprioT->id = tex;
            t = proprioT.get();
        }
        auto o = std::make_unique<Forma>(id, *m, *t, tex == "clear", std::forward<Args>(args)...);
        o->keepRecords(std::move(proprioM), std::move(proprioT));
        Forma& ref = *o;
        objectos.push_back(std::move(o));
        return ref;
    }

    void liga() {
        for (auto& o : objectos) o->linkChildren(objectos);
        breakCycles(objectos);
    }
};

}  // namespace teste
