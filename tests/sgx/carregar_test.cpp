// A load as a whole: failures and their message, the nesting guard, the missing "sgx"
// element, and the exit of the program for a scenery it cannot read.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "apoio.h"
#include "sgx/profundidade.h"

namespace {

std::string falha(const std::string& nome, const std::string& erro) {
    return "Could not load test file '" + nome + "'. Error='" + erro + "'. Exiting.\n";
}

std::string aninhado(int niveis) {
    return "<sgx>" + repete("<a>", niveis - 1) + repete("</a>", niveis - 1) + "</sgx>";
}

std::string carregaTexto(const std::string& texto, bool& resultado) {
    testing::internal::CaptureStdout();
    resultado = loadSceneText(texto.data(), texto.size(), "memoria.sgx");
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST_F(Cena, FailuresNameTheRealFileAndKeepTheSceneAsItWas) {
    carrega("completo.sgx");
    bool resultado = true;
    EXPECT_EQ(carrega("nao_existe.sgx", &resultado),
              falha(caso("nao_existe.sgx"), "Failed to open file"));
    EXPECT_FALSE(resultado);
    EXPECT_EQ(carrega("malformado.sgx", &resultado),
              falha(caso("malformado.sgx"), "Error reading end tag."));
    EXPECT_FALSE(resultado);
    // A directory opens but does not read: a failure, not a bogus size.
    EXPECT_EQ(carrega("", &resultado), falha(caso(""), "Failed to open file"));
    EXPECT_FALSE(resultado);
    EXPECT_EQ(carregaTexto("", resultado), falha("memoria.sgx", "Error document empty."));
    EXPECT_FALSE(resultado);

    EXPECT_EQ(sceneMaterials.size(), 1u);
    EXPECT_EQ(sceneObjects.size(), 2u);
    EXPECT_EQ(sceneGlobals.root, "raiz");
}

TEST_F(Cena, WithoutSgxElementTablesStayAndOnlyLinkingRuns) {
    carrega("completo.sgx");
    clearScene();  // as a scenery switch does
    bool resultado = false;
    EXPECT_EQ(carrega("sem_sgx.sgx", &resultado), "Bloco SGX n\xE3o encontrado\n");
    EXPECT_TRUE(resultado);
    EXPECT_EQ(sceneTextures.size(), 2u);
    EXPECT_TRUE(sceneMaterials.empty());
    EXPECT_TRUE(sceneLights.empty());
    EXPECT_TRUE(sceneObjects.empty());
    EXPECT_EQ(sceneGlobals.maxobjects, 10);
}

TEST_F(Cena, NestingIsRefusedPastTwoHundredFiftySixLevels) {
    bool resultado = false;
    EXPECT_EQ(carregaTexto(aninhado(256), resultado).rfind("Processing SGX\n", 0), 0u);
    EXPECT_TRUE(resultado);
    EXPECT_EQ(carregaTexto(aninhado(257), resultado), falha("memoria.sgx", "nested too deeply"));
    EXPECT_FALSE(resultado);
    // Deep enough to overflow the parser's stack were it handed over.
    const std::string fundo = repete("<a>", 200000);
    EXPECT_EQ(carregaTexto(fundo, resultado), falha("memoria.sgx", "nested too deeply"));
}

TEST(Profundidade, FollowsTheParsersIdeaOfMarkup) {
    EXPECT_EQ(profundidadeMaxima(""), 0u);
    EXPECT_EQ(profundidadeMaxima("<a><b/></a>"), 2u);  // an empty element is a level too
    EXPECT_EQ(profundidadeMaxima("<a></a><b><c></c></b>"), 2u);
    EXPECT_EQ(profundidadeMaxima("<a x='>' y=\"/>\"><b></b></a>"), 2u);
    EXPECT_EQ(profundidadeMaxima("<!-- <a><a><a> --><a/>"), 1u);
    EXPECT_EQ(profundidadeMaxima("<?xml version='1.0'?><!DOCTYPE x><a><![CDATA[<b><b>]]></a>"), 1u);
    EXPECT_EQ(profundidadeMaxima("<a>< b><1><_c><\xC3\xA9/></_c></a>"), 3u);
    EXPECT_EQ(profundidadeMaxima("</a></a><a>"), 1u);  // a stray end tag does not go below zero
}

TEST_F(Cena, TinyXmlsLineEndsAndEncodingDetectionApply) {
    // A UTF-8 byte order mark, CR LF line ends and text after a NUL byte, as files have them.
    const std::string texto =
        "\xEF\xBB\xBF<sgx>\r\n<globals maxlights=\"1\" maxtextures=\"2\" maxmaterials=\"3\" "
        "maxobjects=\"4\" root=\"r\xC3\xA9\"/>\r</sgx>";
    std::string comNul = texto;
    comNul += std::string("\0<lixo", 6);
    bool resultado = false;
    const std::string saida = carregaTexto(comNul, resultado);
    EXPECT_TRUE(resultado);
    EXPECT_NE(saida.find("global attributes: 1 2 3 4 r\xC3\xA9\n"), std::string::npos);
}

TEST(CenarioDeathTest, AnUnreadableSceneryEndsTheProgramWithStatusOne) {
    char modelo[] = "/tmp/cantos-sgx-XXXXXX";
    ASSERT_NE(mkdtemp(modelo), nullptr);
    const std::string dir = modelo;
    {
        std::ifstream origem(caso("completo.sgx"), std::ios::binary);
        std::ofstream destino(dir + "/japan.sgx", std::ios::binary);
        destino << origem.rdbuf();
    }
    char antes[4096];
    ASSERT_NE(getcwd(antes, sizeof antes), nullptr);
    ASSERT_EQ(chdir(dir.c_str()), 0);

    testing::internal::CaptureStdout();
    loadScene(0);  // japan.sgx is there: no exit
    const std::string saida = testing::internal::GetCapturedStdout();
    EXPECT_EQ(saida.rfind("Processing SGX\n", 0), 0u);
    EXPECT_EXIT(loadScene(2), testing::ExitedWithCode(1), "");

    ASSERT_EQ(chdir(antes), 0);
    std::remove((dir + "/japan.sgx").c_str());
    rmdir(dir.c_str());
    cenaInicial();
}
