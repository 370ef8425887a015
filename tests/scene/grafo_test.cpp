// Linking groups to their children and cutting cycles, without GL.
#include <gtest/gtest.h>

#include "scene/cena_teste.h"

using Filhos = std::vector<std::string>;
using Slots = std::vector<Objecto*>;

TEST(Composto, LinksByExactIdWithTheLastMatchWinning) {
    teste::Cena c;
    auto& raiz = c.junta<Composto>("raiz", "m1", "t1", Filhos{"a", "A", "falta", "a", "b"});
    c.junta<Esfera>("a", "m1", "t1", 1.0f, 8, 8);
    auto& b = c.junta<Esfera>("b", "m1", "t1", 1.0f, 8, 8);
    auto& segundoA = c.junta<Esfera>("a", "m1", "t1", 1.0f, 8, 8);
    c.liga();
    // Case-sensitive ids; unknown ids leave their slot empty; a repeated id fills both.
    EXPECT_EQ(raiz.getChildren(), (Slots{&segundoA, nullptr, nullptr, &segundoA, &b}));
}

TEST(BreakCycles, CutsOnlyTheSlotsThatCloseCycles) {
    teste::Cena c;
    auto& a = c.junta<Composto>("a", "m1", "t1", Filhos{"b", "folha", "partilhado"});
    auto& b = c.junta<Composto>("b", "m1", "t1", Filhos{"a", "b", "folha", "partilhado"});
    auto& solo = c.junta<Composto>("solo", "m1", "t1", Filhos{"solo"});
    auto& partilhado = c.junta<Composto>("partilhado", "m1", "t1", Filhos{"folha"});
    auto& folha = c.junta<Esfera>("folha", "m1", "t1", 1.0f, 8, 8);
    for (auto& o : c.objectos) o->linkChildren(c.objectos);

    testing::internal::CaptureStdout();
    breakCycles(c.objectos);
    breakCycles(c.objectos);  // nothing left to cut
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Cycle in scene graph at 'b'\n"
              "Cycle in scene graph at 'b'\n"
              "Cycle in scene graph at 'solo'\n");
    EXPECT_EQ(a.getChildren(), (Slots{&b, &folha, &partilhado}));
    EXPECT_EQ(b.getChildren(), (Slots{nullptr, nullptr, &folha, &partilhado}));
    EXPECT_EQ(solo.getChildren(), (Slots{nullptr}));
    EXPECT_EQ(partilhado.getChildren(), (Slots{&folha}));  // reached twice, not a cycle
}

TEST(BreakCycles, TheCutFallsOnTheLinkThatClosesTheCycleSeenFromTheRoot) {
    // Listed before the root, "meio" would be walked first and the root's own link cut,
    // leaving the root with nothing to draw.
    teste::Cena c;
    auto& meio = c.junta<Composto>("meio", "m1", "t1", Filhos{"topo"});
    auto& topo = c.junta<Composto>("topo", "m1", "t1", Filhos{"meio"});
    testing::internal::CaptureStdout();
    c.liga("topo");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Cycle in scene graph at 'meio'\n");
    EXPECT_EQ(topo.getChildren(), (Slots{&meio}));
    EXPECT_EQ(meio.getChildren(), (Slots{nullptr}));
}
