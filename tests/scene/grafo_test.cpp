// Linking groups to their children and cutting cycles, without GL.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "scene/formas.h"
#include "scene/objecto.h"

namespace {

struct Cena {
    materialElement material;
    textureElement textura;
    ListaObjectos objectos;

    Composto& grupo(const std::string& id, std::vector<std::string> filhos) {
        objectos.push_back(
            std::make_unique<Composto>(id, material, textura, false, std::move(filhos)));
        return static_cast<Composto&>(*objectos.back());
    }
    Objecto& esfera(const std::string& id) {
        objectos.push_back(std::make_unique<Esfera>(id, material, textura, false, 1.0f, 8, 8));
        return *objectos.back();
    }
    void liga() {
        for (auto& o : objectos) o->linkChildren(objectos);
    }
    std::string cortaCiclos() {
        testing::internal::CaptureStdout();
        breakCycles(objectos);
        return testing::internal::GetCapturedStdout();
    }
};

}  // namespace

TEST(Composto, LinksByExactIdWithTheLastMatchWinning) {
    Cena c;
    Composto& raiz = c.grupo("raiz", {"a", "A", "falta", "a", "b"});
    Objecto& primeiroA = c.esfera("a");
    Objecto& b = c.esfera("b");
    Objecto& segundoA = c.esfera("a");
    c.liga();
    const auto& filhos = raiz.getChildren();
    ASSERT_EQ(filhos.size(), 5u);
    EXPECT_EQ(filhos[0], &segundoA);
    EXPECT_NE(filhos[0], &primeiroA);
    EXPECT_EQ(filhos[1], nullptr);  // ids are case-sensitive
    EXPECT_EQ(filhos[2], nullptr);
    EXPECT_EQ(filhos[3], &segundoA);  // a repeated id fills both slots
    EXPECT_EQ(filhos[4], &b);
}

TEST(Composto, UnlinkedGroupHasOneEmptySlotPerChildId) {
    Cena c;
    Composto& g = c.grupo("g", {"x", "y"});
    EXPECT_EQ(g.getChildren(), (std::vector<Objecto*>{nullptr, nullptr}));
    EXPECT_EQ(g.getChildIds(), (std::vector<std::string>{"x", "y"}));
}

TEST(BreakCycles, CutsTheSlotThatClosesEachCycle) {
    Cena c;
    Composto& a = c.grupo("a", {"b", "folha"});
    Composto& b = c.grupo("b", {"a", "b", "folha"});
    Composto& solo = c.grupo("solo", {"solo"});
    Objecto& folha = c.esfera("folha");
    c.liga();
    EXPECT_EQ(c.cortaCiclos(),
              "Cycle in scene graph at 'b'\n"
              "Cycle in scene graph at 'b'\n"
              "Cycle in scene graph at 'solo'\n");
    EXPECT_EQ(a.getChildren(), (std::vector<Objecto*>{&b, &folha}));
    EXPECT_EQ(b.getChildren(), (std::vector<Objecto*>{nullptr, nullptr, &folha}));
    EXPECT_EQ(solo.getChildren(), (std::vector<Objecto*>{nullptr}));
    EXPECT_EQ(c.cortaCiclos(), "");  // nothing left to cut
}

TEST(BreakCycles, SharedSubtreesAreNotCycles) {
    Cena c;
    Composto& raiz = c.grupo("raiz", {"esq", "dir", "fundo"});
    c.grupo("esq", {"fundo"});
    c.grupo("dir", {"fundo", "fundo"});
    c.grupo("fundo", {"folha"});
    c.esfera("folha");
    c.liga();
    const auto antes = raiz.getChildren();
    EXPECT_EQ(c.cortaCiclos(), "");
    EXPECT_EQ(raiz.getChildren(), antes);
}

TEST(BreakCycles, LongCycleIsCutAtTheGroupThatLeadsBack) {
    Cena c;
    const int n = 3000;
    for (int i = 0; i < n; ++i) c.grupo("g" + std::to_string(i), {"g" + std::to_string((i + 1) % n)});
    c.liga();
    EXPECT_EQ(c.cortaCiclos(), "Cycle in scene graph at 'g" + std::to_string(n - 1) + "'\n");
    EXPECT_EQ(static_cast<Composto&>(*c.objectos.back()).getChildren()[0], nullptr);
}

TEST(Objecto, KeepsTheRecordsMadeForItAlone) {
    auto material = std::make_unique<materialElement>();
    material->id = "null";
    auto textura = std::make_unique<textureElement>();
    textura->id = "clear";
    Esfera e("e", *material, *textura, true, 1.0f, 8, 8);
    materialElement* m = material.get();
    e.keepRecords(std::move(material), std::move(textura));
    EXPECT_EQ(&e.getMaterial(), m);  // still valid: the object holds it now
    EXPECT_EQ(e.getTexture().id, "clear");
}
