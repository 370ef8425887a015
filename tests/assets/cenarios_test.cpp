// The three sceneries: they load cleanly, are rich enough, name only painted textures, and
// keep out of the board, the scoreboard, the menu and the cameras' view of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "scene/formas.h"
#include "scene/objecto.h"
#include "sgx/globais.h"
#include "sgx/sgx.h"
#include "tools/catalogo.h"

namespace {

using V3 = std::array<double, 3>;

struct Caixa {
    V3 min{1e30, 1e30, 1e30}, max{-1e30, -1e30, -1e30};
    void junta(const V3& p) {
        for (int i = 0; i < 3; ++i) {
            min[i] = std::min(min[i], p[i]);
            max[i] = std::max(max[i], p[i]);
        }
    }
    // Overlap by more than a hair: touching (the table under the board) is fine.
    bool cruza(const Caixa& o, double folga = 1e-3) const {
        for (int i = 0; i < 3; ++i)
            if (max[i] <= o.min[i] + folga || o.max[i] <= min[i] + folga) return false;
        return true;
    }
    bool contem(const V3& p, double folga = 1e-3) const {
        for (int i = 0; i < 3; ++i)
            if (p[i] <= min[i] + folga || p[i] >= max[i] - folga) return false;
        return true;
    }
};

using M4 = std::array<double, 16>;  // column-major, as the objects keep it

M4 vezes(const M4& a, const float* b) {
    M4 r{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double s = 0;
            for (int k = 0; k < 4; ++k) s += a[4 * k + i] * b[4 * j + k];
            r[4 * j + i] = s;
        }
    return r;
}

V3 aplica(const M4& m, const V3& p) {
    V3 r;
    for (int i = 0; i < 3; ++i) r[i] = m[i] * p[0] + m[4 + i] * p[1] + m[8 + i] * p[2] + m[12 + i];
    return r;
}

// Corners of a shape's box in its own coordinates.
std::vector<V3> cantosLocais(Objecto* o) {
    auto caixa = [](double x0, double y0, double z0, double x1, double y1, double z1) {
        std::vector<V3> v;
        for (double x : {x0, x1})
            for (double y : {y0, y1})
                for (double z : {z0, z1}) v.push_back({x, y, z});
        return v;
    };
    if (auto* r = dynamic_cast<Rectangulo*>(o)) return caixa(r->x1, r->y1, 0, r->x2, r->y2, 0);
    if (auto* t = dynamic_cast<Triangulo*>(o))
        return {{t->p1[0], t->p1[1], t->p1[2]}, {t->p2[0], t->p2[1], t->p2[2]}, {t->p3[0], t->p3[1], t->p3[2]}};
    if (auto* c = dynamic_cast<Cilindro*>(o)) {
        const double r = std::max(c->base, c->top);
        return caixa(-r, -r, 0, r, r, c->height);
    }
    if (auto* d = dynamic_cast<Disco*>(o)) return caixa(-d->outer, -d->outer, 0, d->outer, d->outer, 0);
    if (auto* e = dynamic_cast<Esfera*>(o)) return caixa(-e->radius, -e->radius, -e->radius, e->radius, e->radius, e->radius);
    if (auto* p = dynamic_cast<Paralelipipedo*>(o))
        return caixa(-p->dimx / 2, -p->dimy / 2, -p->dimz / 2, p->dimx / 2, p->dimy / 2, p->dimz / 2);
    return {};
}

struct Peca3D {
    std::string id;
    Caixa caixa;
    Objecto* objecto;
    M4 matriz;
};

// Every shape drawn from the root, with its box in world coordinates.
std::vector<Peca3D> formasDesenhadas() {
    std::vector<Peca3D> formas;
    std::function<void(Objecto*, const M4&, int)> desce = [&](Objecto* o, const M4& pai, int nivel) {
        ASSERT_LT(nivel, 64) << "scene graph too deep at " << o->getId();
        const M4 m = vezes(pai, o->matrix);
        if (auto* g = dynamic_cast<Composto*>(o)) {
            for (Objecto* f : g->getChildren())
                if (f) desce(f, m, nivel + 1);
            return;
        }
        Peca3D p{o->getId(), {}, o, m};
        for (const V3& c : cantosLocais(o)) p.caixa.junta(aplica(m, c));
        formas.push_back(p);
    };
    const M4 identidade{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (auto& o : sceneObjects)
        if (o->getId() == sceneGlobals.root) desce(o.get(), identidade, 0);
    return formas;
}

int profundidade(Objecto* o) {
    auto* g = dynamic_cast<Composto*>(o);
    if (!g) return 0;
    int p = 0;
    for (Objecto* f : g->getChildren())
        if (f) p = std::max(p, profundidade(f));
    return p + 1;
}

// Cameras as the game starts them: eye and viewing direction.
struct Camara {
    const char* nome;
    V3 olho, frente;
};

V3 normal(V3 v) {
    const double n = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return {v[0] / n, v[1] / n, v[2] / n};
}

std::vector<Camara> camaras() {
    const double a = 20.0 * M_PI / 180.0;
    // Free camera: modelview translate(-5, 0, -25) rotateX(20); its eye is the inverse image
    // of the origin.
    const V3 livre{5.0, 25.0 * std::sin(a), 25.0 * std::cos(a)};
    return {
        {"player 1", {2.5, 7, 10}, normal({0, -7, -7.5})},
        {"player 2", {2.5, 7, -2.5}, normal({0, -7, 5})},
        {"turning, halfway from 1 to 2", {-2.5, 7, 2.5}, normal({5, -7, 0})},
        {"turning, halfway from 2 to 1", {7.5, 7, 2.5}, normal({-5, -7, 0})},
        {"top", {2.5, 7, 2.5}, {0, -1, 0}},
        {"free", livre, {0, -std::sin(a), -std::cos(a)}},
    };
}

const Caixa kTabuleiro{{0, -1, 0}, {5, 2.1, 5}};         // the board and the pieces, lifted too
const Caixa kPlacar{{-1.5, 0, 1}, {-1, 1.75, 4}};        // with the clock button on top
const Caixa kMenu{{-105, 0, -5}, {-95, 12, 5}};          // the plane and the air up to its camera

std::vector<V3> alvos() {
    std::vector<V3> a{{2.5, 0, 2.5}, {2.5, 1, 2.5}};
    for (double x : {0.0, 5.0})
        for (double z : {0.0, 5.0})
            for (double y : {0.0, 1.0}) a.push_back({x, y, z});
    for (double z : {1.0, 4.0})
        for (double y : {0.0, 1.5}) a.push_back({-1.0, y, z});
    return a;
}

std::string assets(const std::string& f) { return std::string(CANTOS_SOURCE_DIR) + "/assets/" + f; }

class Cenarios : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        clearScene();
        sceneTextures.clear();
        sceneGlobals = globalsElement{};
        testing::internal::CaptureStdout();
        carregou_ = loadSceneFile(assets(GetParam()));
        saida_ = testing::internal::GetCapturedStdout();
    }
    void TearDown() override { clearScene(); }

    bool carregou_ = false;
    std::string saida_;
};

TEST_P(Cenarios, LoadsWithOnlyProgressMessages) {
    ASSERT_TRUE(carregou_) << saida_;
    std::istringstream linhas(saida_);
    std::string l;
    const std::string progresso[] = {"Processing SGX", "global attributes: ", "viewing attributes: ",
                                     "View attributes: ", "Values were successfully obtained"};
    while (std::getline(linhas, l)) {
        bool conhecida = false;
        for (const std::string& p : progresso) conhecida = conhecida || l.rfind(p, 0) == 0;
        EXPECT_TRUE(conhecida) << GetParam() << " printed: " << l;
    }
}

TEST_P(Cenarios, IsRichEnoughAndWithinTheGameLimits) {
    ASSERT_TRUE(carregou_);
    EXPECT_GE(sceneObjects.size(), 40u);
    EXPECT_GE(sceneLights.size(), 2u);
    EXPECT_LE(sceneLights.size(), 4u);
    EXPECT_LE(sceneGlobals.maxlights, 8);
    EXPECT_GE(sceneTextures.size(), 6u);
    EXPECT_LE(sceneGlobals.maxtextures, 100);
    EXPECT_GE(sceneMaterials.size(), 3u);
    int raizes = 0, nulos = 0, maisFundo = 0;
    for (auto& o : sceneObjects) {
        if (o->getId() == sceneGlobals.root) {
            ++raizes;
            maisFundo = std::max(maisFundo, profundidade(o.get()));
        }
        nulos += o->getMaterial().id == "null" || o->getTexture().id == "null";
        if (auto* g = dynamic_cast<Composto*>(o.get())) {
            for (size_t i = 0; i < g->getChildren().size(); ++i) {
                EXPECT_NE(g->getChildren()[i], nullptr) << o->getId() << " names no object " << g->getChildIds()[i];
            }
        }
    }
    EXPECT_EQ(raizes, 1);
    EXPECT_GE(maisFundo, 3) << "groups nested this deep below the root";
    EXPECT_GT(nulos, 10) << "objects inheriting with \"null\"";
    // Every object read is drawn: nothing was left out of the tree by mistake.
    std::set<Objecto*> desenhados;
    for (const Peca3D& p : formasDesenhadas()) desenhados.insert(p.objecto);
    for (auto& o : sceneObjects) {
        if (!dynamic_cast<Composto*>(o.get())) {
            EXPECT_EQ(desenhados.count(o.get()), 1u) << o->getId() << " is never drawn";
        }
    }
}

TEST_P(Cenarios, NamesOnlyTexturesTheGeneratorPaints) {
    ASSERT_TRUE(carregou_);
    std::set<std::string> pintadas;
    for (const Textura& t : catalogo()) pintadas.insert(t.ficheiro);
    for (const textureElement& t : sceneTextures) EXPECT_EQ(pintadas.count(t.file), 1u) << t.file;
    // Rectangles and boxes switch texturing on even when "clear": each must bring a texture.
    for (auto& o : sceneObjects) EXPECT_NE(o->getTexture().id, "clear") << o->getId();
}

TEST_P(Cenarios, KeepsOutOfTheBoardTheScoreboardAndTheMenu) {
    ASSERT_TRUE(carregou_);
    for (const Peca3D& p : formasDesenhadas()) {
        EXPECT_FALSE(p.caixa.cruza(kTabuleiro)) << p.id << " enters the board";
        EXPECT_FALSE(p.caixa.cruza(kPlacar)) << p.id << " enters the scoreboard";
        EXPECT_FALSE(p.caixa.cruza(kMenu)) << p.id << " enters the menu's space";
    }
}

TEST_P(Cenarios, HidesNothingOfTheGameFromTheCameras) {
    ASSERT_TRUE(carregou_);
    const std::vector<Peca3D> formas = formasDesenhadas();
    for (const Camara& c : camaras())
        for (const V3& alvo : alvos())
            for (int i = 0; i <= 200; ++i) {
                const double t = 0.97 * i / 200;
                const V3 p{c.olho[0] + t * (alvo[0] - c.olho[0]), c.olho[1] + t * (alvo[1] - c.olho[1]),
                           c.olho[2] + t * (alvo[2] - c.olho[2])};
                for (const Peca3D& f : formas)
                    if (f.caixa.contem(p)) {
                        ADD_FAILURE() << f.id << " stands between the " << c.nome << " camera and (" << alvo[0]
                                      << ", " << alvo[1] << ", " << alvo[2] << ")";
                        return;
                    }
            }
}

TEST_P(Cenarios, StaysInsideTheFarPlaneAndBackdropsFaceTheCameras) {
    ASSERT_TRUE(carregou_);
    const Camara menu{"menu", {-100, 12, 0}, {0, -1, 0}};
    for (const Peca3D& f : formasDesenhadas()) {
        // What lies by the menu, a hundred units away, only its own camera can see.
        const bool junto = f.caixa.max[0] < -60;
        for (const Camara& c : junto ? std::vector<Camara>{menu} : camaras()) {
            for (double x : {f.caixa.min[0], f.caixa.max[0]})
                for (double y : {f.caixa.min[1], f.caixa.max[1]})
                    for (double z : {f.caixa.min[2], f.caixa.max[2]}) {
                        const double prof = (x - c.olho[0]) * c.frente[0] + (y - c.olho[1]) * c.frente[1] +
                                            (z - c.olho[2]) * c.frente[2];
                        EXPECT_LT(prof, 49.0) << f.id << " beyond the far plane of the " << c.nome << " camera";
                    }
            // Large flat pieces (ground, sky walls) are one-sided: their front must be towards
            // every camera, or culling removes them.
            auto* r = dynamic_cast<Rectangulo*>(f.objecto);
            if (!r || std::fabs((r->x2 - r->x1) * (r->y2 - r->y1)) < 100) continue;
            const V3 centro = aplica(f.matriz, {(r->x1 + r->x2) / 2, (r->y1 + r->y2) / 2, 0});
            const V3 frente = aplica(f.matriz, {(r->x1 + r->x2) / 2, (r->y1 + r->y2) / 2, 1});
            // Corners given in the other order turn the polygon round.
            const double sentido = ((r->x2 > r->x1) == (r->y2 > r->y1)) ? 1 : -1;
            double lado = 0;
            for (int i = 0; i < 3; ++i) lado += (frente[i] - centro[i]) * (c.olho[i] - centro[i]);
            EXPECT_GT(lado * sentido, 0) << f.id << " shows its back to the " << c.nome << " camera";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tres, Cenarios, ::testing::Values("japan.sgx", "castle.sgx", "ambiente.sgx"));

TEST(CenariosJuntos, UseEverySixShapes) {
    std::set<std::string> tipos;
    for (const char* f : {"japan.sgx", "castle.sgx", "ambiente.sgx"}) {
        clearScene();
        testing::internal::CaptureStdout();
        ASSERT_TRUE(loadSceneFile(assets(f)));
        testing::internal::GetCapturedStdout();
        for (auto& o : sceneObjects) tipos.insert(typeid(*o).name());
    }
    clearScene();
    for (const std::type_info* t : {&typeid(Rectangulo), &typeid(Triangulo), &typeid(Cilindro), &typeid(Disco),
                                    &typeid(Esfera), &typeid(Paralelipipedo)})
        EXPECT_EQ(tipos.count(t->name()), 1u) << t->name();
}

}  // namespace
