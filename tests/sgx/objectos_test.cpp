// Building the objects: limits, ids, references, shapes and matrices.
#include <array>

#include "apoio.h"
#include "scene/formas.h"

namespace {

Objecto* objecto(const std::string& id) {
    Objecto* achado = nullptr;
    for (const auto& o : sceneObjects)
        if (o->getId() == id) achado = o.get();
    return achado;
}

std::array<float, 3> aplica(const float m[16], float x, float y, float z) {
    return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14]};
}

void esperaMatriz(const float m[16], const std::array<float, 16>& esperada) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], esperada[i], 1e-6) << "index " << i;
}

}  // namespace

TEST_F(Cena, MaxobjectsIsComparedUnsignedAndTheLastObjectReadStays) {
    EXPECT_EQ(carrega("objectos_limite.sgx"),
              "Processing SGX\nglobal attributes: 0 0 0 1 a\nview not found\n"
              "View attributes: 0.000000 0.000000 0.000000\n"
              "materials not found\nillumination not found\ntextures not found\n");
    ASSERT_EQ(sceneObjects.size(), 2u);
    EXPECT_EQ(sceneObjects[1]->getId(), "b");

    clearScene();
    carrega("objectos_sem_limite.sgx");
    EXPECT_EQ(sceneObjects.size(), 3u);

    clearScene();
    carrega("objecto_sem_id.sgx");  // an object without "id" ends the reading
    ASSERT_EQ(sceneObjects.size(), 1u);
    EXPECT_EQ(sceneObjects[0]->getId(), "a");
}

TEST_F(Cena, RepeatedIdsAreAllBuiltAndGroupsTakeTheLastOne) {
    carrega("objectos_ids.sgx");
    // maxobjects 3: "a" counts once, so "quinto" is read and built, "sexto" is not.
    ASSERT_EQ(sceneObjects.size(), 5u);
    EXPECT_EQ(sceneObjects[4]->getId(), "quinto");
    EXPECT_NE(dynamic_cast<Paralelipipedo*>(sceneObjects[0].get()), nullptr);

    auto* grupo = dynamic_cast<Composto*>(objecto("g"));
    ASSERT_NE(grupo, nullptr);
    // The entry without "id" is skipped; a child defined later is found.
    EXPECT_EQ(grupo->getChildIds(), (std::vector<std::string>{"a", "depois", "nenhum"}));
    ASSERT_EQ(grupo->getChildren().size(), 3u);
    EXPECT_EQ(grupo->getChildren()[0], sceneObjects[1].get());
    EXPECT_NE(dynamic_cast<Esfera*>(grupo->getChildren()[0]), nullptr);
    EXPECT_EQ(grupo->getChildren()[1], objecto("depois"));
    EXPECT_EQ(grupo->getChildren()[2], nullptr);
}

TEST_F(Cena, ReferencesGoToTableEntriesOrToTheObjectsOwnRecords) {
    carrega("referencias.sgx");
    ASSERT_EQ(sceneObjects.size(), 7u);
    textureElement& madeira = sceneTextures.at(0);
    materialElement& m1 = sceneMaterials.at(0);

    Objecto* tabela = objecto("tabela");
    EXPECT_EQ(&tabela->getTexture(), &madeira);
    EXPECT_EQ(&tabela->getMaterial(), &m1);

    // Late "clear" and "null" mark the built object's own records, not its clear flag.
    Objecto* tardio = objecto("tardio");
    EXPECT_EQ(tardio->getTexture().id, "clear");
    EXPECT_FLOAT_EQ(tardio->getTexture().length_s, 1.0f);
    EXPECT_FALSE(tardio->isClear());
    EXPECT_EQ(tardio->getMaterial().id, "null");

    // After a table reference, "null" goes back to the object's own record: the table
    // entries, shared with "tabela", are not marked.
    Objecto* depois = objecto("depoisDaTabela");
    EXPECT_EQ(&depois->getTexture(), &madeira);
    EXPECT_EQ(&depois->getMaterial(), &m1);
    EXPECT_EQ(madeira.id, "madeira");
    EXPECT_FLOAT_EQ(madeira.length_s, 2.0f);
    EXPECT_EQ(m1.id, "m1");

    Objecto* limpo = objecto("limpo");
    EXPECT_TRUE(limpo->isClear());
    EXPECT_EQ(limpo->getTexture().id, "clear");

    Objecto* herda = objecto("herda");
    EXPECT_EQ(herda->getTexture().id, "null");
    EXPECT_FLOAT_EQ(herda->getTexture().length_t, 1.0f);
    EXPECT_EQ(herda->getMaterial().id, "null");

    // "empty", a reference without "id" and an unknown id all leave the own records.
    for (const char* id : {"vazio", "desconhecido"}) {
        Objecto* o = objecto(id);
        EXPECT_EQ(o->getTexture().id, "") << id;
        EXPECT_NE(&o->getTexture(), &madeira) << id;
        EXPECT_EQ(o->getMaterial().id, "") << id;
        EXPECT_COR(o->getMaterial().ambient, 0.2f, 0.2f, 0.2f, 1.0f);
        EXPECT_FALSE(o->isClear());
    }
}

TEST_F(Cena, ShapesAreBuiltOnlyFromAttributesThatAllRead) {
    carrega("formas.sgx");
    ASSERT_EQ(sceneObjects.size(), 6u);

    auto* rect = dynamic_cast<Rectangulo*>(objecto("rect"));
    ASSERT_NE(rect, nullptr);
    EXPECT_FLOAT_EQ(rect->x1, 0.0f);
    EXPECT_FLOAT_EQ(rect->x2, 4.0f);
    EXPECT_FLOAT_EQ(rect->y1, 1.0f);
    EXPECT_FLOAT_EQ(rect->y2, 3.0f);

    auto* tri = dynamic_cast<Triangulo*>(objecto("tri"));
    ASSERT_NE(tri, nullptr);
    EXPECT_EQ(tri->p2, (std::array<float, 3>{1, 0, 0}));
    EXPECT_EQ(tri->p3, (std::array<float, 3>{0, 1, 0}));

    auto* cil = dynamic_cast<Cilindro*>(objecto("cil"));
    ASSERT_NE(cil, nullptr);
    EXPECT_EQ(cil->slices, 12);  // "12.9"
    EXPECT_EQ(cil->stacks, 3);
    EXPECT_FLOAT_EQ(cil->top, 0.5f);

    auto* esf = dynamic_cast<Esfera*>(objecto("esf"));
    ASSERT_NE(esf, nullptr);
    EXPECT_FLOAT_EQ(esf->radius, 1.5f);
    EXPECT_EQ(esf->stacks, 8);

    auto* disco = dynamic_cast<Disco*>(objecto("disco"));
    ASSERT_NE(disco, nullptr);
    EXPECT_EQ(disco->loops, 4);
    EXPECT_FLOAT_EQ(disco->inner, 0.5f);

    auto* caixa = dynamic_cast<Paralelipipedo*>(objecto("caixa"));
    ASSERT_NE(caixa, nullptr);
    EXPECT_FLOAT_EQ(caixa->dimz, 3.0f);
}

TEST_F(Cena, TransformationsPostMultiplyInFileOrder) {
    carrega("transformacoes.sgx");
    ASSERT_EQ(sceneObjects.size(), 3u);
    // The rotation acts first on the object's own coordinates.
    const auto p = aplica(objecto("tr")->matrix, 1, 0, 0);
    EXPECT_NEAR(p[0], 1.0f, 1e-6);
    EXPECT_NEAR(p[1], 1.0f, 1e-6);
    EXPECT_NEAR(p[2], 0.0f, 1e-6);

    esperaMatriz(objecto("eixo_w")->matrix, {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    // Only the scale reads; the transformations after the geometry come too late.
    esperaMatriz(objecto("ignoradas")->matrix, {2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 0, 0, 0, 1});
}

TEST_F(Cena, TheDemoSceneryLoadsWholeWithEverySixShapes) {
    testing::internal::CaptureStdout();
    ASSERT_TRUE(loadSceneFile(std::string(CANTOS_TESTS_DIR) + "/sgx/demo.sgx"));
    const std::string saida = testing::internal::GetCapturedStdout();
    EXPECT_EQ(saida.find("Error"), std::string::npos) << saida;
    EXPECT_EQ(saida.find("not found"), std::string::npos) << saida;
    EXPECT_EQ(sceneLights.size(), 3u);
    EXPECT_EQ(sceneTextures.size(), 4u);
    EXPECT_EQ(sceneMaterials.size(), 5u);
    ASSERT_EQ(sceneObjects.size(), 12u);
    EXPECT_NE(dynamic_cast<Rectangulo*>(objecto("chao")), nullptr);
    EXPECT_NE(dynamic_cast<Paralelipipedo*>(objecto("mesa")), nullptr);
    EXPECT_NE(dynamic_cast<Cilindro*>(objecto("coluna")), nullptr);
    EXPECT_NE(dynamic_cast<Disco*>(objecto("base")), nullptr);
    EXPECT_NE(dynamic_cast<Esfera*>(objecto("globo")), nullptr);
    EXPECT_NE(dynamic_cast<Triangulo*>(objecto("flamula")), nullptr);
    auto* cena = dynamic_cast<Composto*>(objecto(sceneGlobals.root));
    ASSERT_NE(cena, nullptr);
    for (Objecto* filho : cena->getChildren()) EXPECT_NE(filho, nullptr);
}
