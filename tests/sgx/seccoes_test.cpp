// The sections before the objects: globals, view, materials, lights and textures, with
// the exact messages a scenery author sees.
#include "apoio.h"

namespace {

const std::string semSeccoes = "materials not found\nillumination not found\ntextures not found\n";

std::string cabeca(const std::string& globais, const std::string& vista) {
    return "Processing SGX\n" + globais + vista;
}

const std::string semVista = "view not found\nView attributes: 0.000000 0.000000 0.000000\n";
// After completo.sgx, a file without "view" keeps its values.
const std::string vistaAnterior =
    "view not found\nView attributes: 2.000000 100.500000 1.000000\n";

}  // namespace

TEST_F(Cena, AWholeFileFillsEveryTableWithItsMessages) {
    bool resultado = false;
    const std::string saida = carrega("completo.sgx", &resultado);
    EXPECT_TRUE(resultado);
    EXPECT_EQ(saida, "Processing SGX\n"
                     "global attributes: 8 10 10 10 raiz\n"
                     "viewing attributes: 1.000000 100.500000 2.000000\n" +
                         ok(2) + "View attributes: 2.000000 100.500000 1.000000\n" + ok(5 + 3 + 5 + 5));

    EXPECT_EQ(sceneGlobals.maxlights, 8);
    EXPECT_EQ(sceneGlobals.root, "raiz");
    EXPECT_FLOAT_EQ(sceneView.near, 1.0f);
    EXPECT_FLOAT_EQ(sceneView.far, 100.5f);
    EXPECT_EQ(doublesided, 1);
    EXPECT_EQ(local, 0);

    ASSERT_EQ(sceneMaterials.size(), 1u);
    EXPECT_EQ(sceneMaterials[0].id, "m1");
    EXPECT_COR(sceneMaterials[0].diffuse, 0.6f, 0.4f, 0.2f, 1.0f);
    EXPECT_FLOAT_EQ(sceneMaterials[0].shininess, 50.0f);

    ASSERT_EQ(sceneLights.size(), 2u);
    EXPECT_EQ(sceneLights[0].id, "sol");
    EXPECT_EQ(sceneLights[1].id, "lua");
    for (const lightElements& l : sceneLights) {
        EXPECT_COR(l.globalAmbient, 0.1f, 0.2f, 0.3f, 1.0f);
        EXPECT_COR(l.background, 0.5f, 0.6f, 0.7f, 1.0f);
    }
    EXPECT_COR(sceneLights[0].position, 0.0f, 10.0f, 0.0f, 1.0f);
    EXPECT_COR(sceneLights[0].diffuse, 1.0f, 0.9f, 0.8f, 1.0f);
    EXPECT_EQ(sceneLights[0].enabled, 1);
    EXPECT_EQ(sceneLights[1].enabled, 0);

    ASSERT_EQ(sceneTextures.size(), 2u);
    EXPECT_EQ(sceneTextures[0].id, "madeira");
    EXPECT_EQ(sceneTextures[0].file, "wood.bmp");
    EXPECT_FLOAT_EQ(sceneTextures[0].length_s, 2.0f);
    EXPECT_FLOAT_EQ(sceneTextures[0].length_t, 3.0f);
    EXPECT_EQ(sceneTextures[0].textureName, 1);
    EXPECT_EQ(sceneTextures[1].textureName, 2);
}

TEST_F(Cena, SectionsInAnyOrderReadTheSameAndASecondTexturesIsIgnored) {
    const std::string emOrdem = carrega("completo.sgx");
    const std::vector<textureElement> texturas = sceneTextures;
    cenaInicial();
    EXPECT_EQ(carrega("ordem.sgx"), emOrdem);
    ASSERT_EQ(sceneTextures.size(), texturas.size());
    for (std::size_t i = 0; i < texturas.size(); ++i) EXPECT_EQ(sceneTextures[i].id, texturas[i].id);
    EXPECT_EQ(sceneObjects.size(), 2u);
}

TEST_F(Cena, GlobalsThatFailKeepTheValuesOfTheFileBefore) {
    // At start-up the limits are all 0: no materials, lights or textures, one object.
    EXPECT_EQ(carrega("globais_falha.sgx"),
              cabeca("Error parsing globals\n", semVista) + ok(3));
    EXPECT_TRUE(sceneMaterials.empty());
    EXPECT_TRUE(sceneLights.empty());
    EXPECT_TRUE(sceneTextures.empty());
    EXPECT_EQ(sceneObjects.size(), 1u);
    EXPECT_EQ(sceneGlobals.root, "");

    carrega("completo.sgx");
    clearScene();
    carrega("globais_falha.sgx");
    EXPECT_EQ(sceneMaterials.size(), 1u);
    EXPECT_EQ(sceneLights.size(), 1u);
    EXPECT_EQ(sceneTextures.size(), 1u);
    EXPECT_EQ(sceneObjects.size(), 3u);
    EXPECT_EQ(sceneGlobals.root, "raiz");

    // Limits read before the failure are new; a missing root keeps the old one.
    EXPECT_EQ(carrega("sem_root.sgx"), cabeca("Error parsing globals\n", vistaAnterior) + semSeccoes);
    EXPECT_EQ(sceneGlobals.maxlights, 1);
    EXPECT_EQ(sceneGlobals.maxobjects, 4);
    EXPECT_EQ(sceneGlobals.root, "raiz");
}

TEST_F(Cena, MissingSectionsAreReportedAndReadAsEmpty) {
    carrega("completo.sgx");
    const viewElement vista = sceneView;
    clearScene();
    EXPECT_EQ(carrega("seccoes_em_falta.sgx"),
              "Processing SGX\nglobal attributes: 1 1 1 1 r\nview not found\n"
              "View attributes: 2.000000 100.500000 1.000000\n" +
                  semSeccoes);
    EXPECT_TRUE(sceneMaterials.empty());
    EXPECT_TRUE(sceneLights.empty());
    EXPECT_TRUE(sceneTextures.empty());
    EXPECT_EQ(doublesided, 1);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(sceneView.viewMatrix[i], vista.viewMatrix[i]);

    // "local" and "background" missing count as failed reads; "lights" missing empties.
    EXPECT_EQ(carrega("sem_lights.sgx"),
              cabeca("global attributes: 1 1 1 1 r\n", vistaAnterior) +
                  "materials not found\nError parsing light\n" + ok(1) +
                  "Error parsing background light \nlights not found\ntextures not found\n");
    EXPECT_EQ(doublesided, 1);
    EXPECT_TRUE(sceneLights.empty());
}

TEST_F(Cena, ViewTransformationsThatDoNotReadAreReportedAndLeftOut) {
    EXPECT_EQ(carrega("vista.sgx"),
              "Processing SGX\nglobal attributes: 0 0 0 0 r\nError parsing view\n" + ok(1) +
                  "Error parsing translation\nError parsing rotation\nError parsing rotation\n" +
                  ok(1) + "Unknown element!\nView attributes: 0.000000 0.000000 0.500000\n" +
                  semSeccoes);
    // translation (1, 0, 0), rotation 90 about z, scale (2, 3, 4): nothing else.
    const float esperada[16] = {0, 2, 0, 0, -3, 0, 0, 0, 0, 0, 4, 0, 1, 0, 0, 1};
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(sceneView.viewMatrix[i], esperada[i], 1e-6) << i;
}

TEST_F(Cena, MaterialsFirstIdWinsLimitStopsAndValuesCarryOver) {
    EXPECT_EQ(carrega("materiais_limite.sgx"),
              cabeca("global attributes: 0 0 2 0 r\n", semVista) + ok(5) + ok(5) + ok(2) +
                  "Error parsing diffuse \n" + ok(1) + ok(5) +
                  "illumination not found\ntextures not found\n");
    ASSERT_EQ(sceneMaterials.size(), 2u);
    EXPECT_EQ(sceneMaterials[0].id, "m1");
    EXPECT_COR(sceneMaterials[0].diffuse, 0.8f, 0.8f, 0.8f, 1.0f);
    EXPECT_FLOAT_EQ(sceneMaterials[0].shininess, 10.0f);
    // m2 has no diffuse and no shininess: both come from the second m1.
    EXPECT_EQ(sceneMaterials[1].id, "m2");
    EXPECT_COR(sceneMaterials[1].emission, 0.5f, 0.5f, 0.5f, 1.0f);
    EXPECT_COR(sceneMaterials[1].diffuse, 1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_FLOAT_EQ(sceneMaterials[1].shininess, 99.0f);

    EXPECT_EQ(carrega("materiais_sem_id.sgx"),
              cabeca("global attributes: 0 0 5 0 r\n", semVista) + ok(5) +
                  "Error parsing material\nError parsing emission \n" + ok(3) +
                  "illumination not found\ntextures not found\n");
    ASSERT_EQ(sceneMaterials.size(), 1u);
    EXPECT_COR(sceneMaterials[0].emission, 0.4f, 0.0f, 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(sceneMaterials[0].shininess, 10.0f);
}

TEST_F(Cena, LightsCarryFailedValuesFromTheLightBefore) {
    EXPECT_EQ(carrega("luzes.sgx"),
              cabeca("global attributes: 4 0 0 0 r\n", semVista) + "materials not found\n" +
                  ok(3) + ok(4) + "Error parsing Light_object \n" + ok(2) +
                  "Error parsing diffuse light \n" + ok(1) + ok(4) + "Error parsing light\n" +
                  ok(5) + "textures not found\n");
    EXPECT_EQ(doublesided, 0);
    EXPECT_EQ(local, 1);
    ASSERT_EQ(sceneLights.size(), 2u);
    // The first light has no position: OpenGL's own default stands.
    EXPECT_COR(sceneLights[0].position, 0.0f, 0.0f, 1.0f, 0.0f);
    EXPECT_EQ(sceneLights[1].id, "l2");
    EXPECT_EQ(sceneLights[1].enabled, 1);
    EXPECT_COR(sceneLights[1].diffuse, 0.9f, 0.6f, 0.7f, 0.8f);
    EXPECT_COR(sceneLights[1].position, 1.0f, 2.0f, 3.0f, 1.0f);
    for (const lightElements& l : sceneLights) EXPECT_COR(l.background, 0.9f, 0.8f, 0.7f, 0.5f);
}

TEST_F(Cena, TextureNamesCountRepeatsAndTheLimitCountsEntriesRead) {
    EXPECT_EQ(carrega("texturas_repetidas.sgx"),
              cabeca("global attributes: 0 10 0 0 r\n", semVista) +
                  "materials not found\nillumination not found\nUnknown element!\n"
                  "Error parsing texture\n");
    ASSERT_EQ(sceneTextures.size(), 3u);
    EXPECT_EQ(sceneTextures[0].file, "a.bmp");
    EXPECT_EQ(sceneTextures[0].textureName, 1);
    EXPECT_EQ(sceneTextures[1].id, "t2");
    EXPECT_EQ(sceneTextures[1].textureName, 2);
    EXPECT_EQ(sceneTextures[2].id, "t3");
    EXPECT_EQ(sceneTextures[2].textureName, 4);
    EXPECT_FLOAT_EQ(sceneTextures[2].length_s, 4.0f);  // "4cm"

    EXPECT_EQ(carrega("texturas_limite.sgx"),
              cabeca("global attributes: 0 2 0 0 r\n", semVista) +
                  "materials not found\nillumination not found\n");
    ASSERT_EQ(sceneTextures.size(), 2u);
    EXPECT_EQ(sceneTextures[1].id, "t2");
}
