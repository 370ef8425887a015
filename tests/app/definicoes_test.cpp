// The settings kept across runs: what the panel chose comes back, and a file the game cannot
// use is put aside whole while the defaults stay.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/definicoes.h"
#include "app/globais.h"
#include "game/ficheiros.h"
#include "game/globais.h"
#include "support/pasta_temporaria.h"

namespace {

class Definicoes_ : public ::testing::Test {
protected:
    void SetUp() override {
        ambiente = materialPecas = rodaCamara = 0;
        ajudas = true;
    }
    cantos_teste::PastaTemporaria pasta_{"XDG_CONFIG_HOME"};
};

TEST_F(Definicoes_, WhatThePanelChoseComesBackAtTheNextStart) {
    carregaDefinicoes();  // no file yet: nothing changes, nothing is written
    EXPECT_FALSE(existeFicheiro(ficheiroDefinicoes()));
    ambiente = 2, materialPecas = 3, rodaCamara = 1, ajudas = false;
    guardaDefinicoesSeMudaram();
    ambiente = materialPecas = rodaCamara = 0, ajudas = true;
    carregaDefinicoes();
    EXPECT_EQ(ambiente, 2);
    EXPECT_EQ(materialPecas, 3);
    EXPECT_EQ(rodaCamara, 1);
    EXPECT_FALSE(ajudas);
}

TEST_F(Definicoes_, ABadFileIsPutAsideAndTheDefaultsStay) {
    const std::string bom = escreveDefinicoes({1, 1, 1, 0});
    int postos = 0;
    for (const std::string& conteudo :
         {std::string(), bom.substr(0, bom.size() - 10), "cantos definicoes 9\n" + bom.substr(bom.find('\n') + 1),
          std::string("ambiente 7\n"), bom.substr(0, bom.find("material")) + "material 9\nrodaCamara 0\najudas 1\n"}) {
        SCOPED_TRACE(conteudo);
        ASSERT_TRUE(criaPasta(pastaDefinicoes()));
        ASSERT_TRUE(escreveAtomico(ficheiroDefinicoes(), conteudo));
        testing::internal::CaptureStdout();
        carregaDefinicoes();
        EXPECT_NE(testing::internal::GetCapturedStdout().find("Definicoes invalidas"), std::string::npos);
        EXPECT_EQ(ambiente + materialPecas + rodaCamara, 0);
        // Each beside the earlier ones.
        const std::string nome = ficheiroDefinicoes() + ".bad" + (postos ? "." + std::to_string(postos) : "");
        ++postos;
        std::string posto;
        EXPECT_TRUE(leFicheiro(nome, posto));
        EXPECT_EQ(posto, conteudo);
        EXPECT_FALSE(existeFicheiro(ficheiroDefinicoes()));
    }
}

}  // namespace
