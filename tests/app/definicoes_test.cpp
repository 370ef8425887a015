// The settings kept across runs: what the panel chose comes back, and a file the game cannot
// use is put aside whole while the defaults stay.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/controlos.h"
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
        mostraJogadas = true;
        ecraInteiro = false;
    }
    cantos_teste::PastaTemporaria pasta_{"XDG_CONFIG_HOME"};
};

// Every item of every list the panel offers, and both states of the two switches: chosen,
// written, read back at the next start, and shown again by the panel.
TEST_F(Definicoes_, EveryChoiceOfThePanelComesBackAtTheNextStart) {
    carregaDefinicoes();  // no file yet: nothing changes, nothing is written
    EXPECT_FALSE(existeFicheiro(ficheiroDefinicoes()));
    struct Lista {
        const char* nome;
        const ItemLista* itens;
        int n;
        int* variavel;
    };
    int roda = 0, ajuda = 1, lista = 1, ecra = 0;
    const ItemLista interruptor[2] = {{0, "off"}, {1, "on"}};
    const Lista listas[] = {{"Ambiente", itensAmbiente, 3, &ambiente},
                            {"Materiais", itensMateriais, 4, &materialPecas},
                            {"RodaCamara", interruptor, 2, &roda},
                            {"Ajudas", interruptor, 2, &ajuda},
                            {"Jogadas", interruptor, 2, &lista},
                            {"Ecra inteiro", interruptor, 2, &ecra}};
    for (const Lista& l : listas) {
        for (int i = 0; i < l.n; ++i) {
            SCOPED_TRACE(std::string(l.nome) + " " + l.itens[i].texto);
            *l.variavel = l.itens[i].id;
            rodaCamara = roda, ajudas = ajuda != 0, mostraJogadas = lista != 0, ecraInteiro = ecra != 0;
            const Definicoes escolhidas{ambiente, materialPecas, rodaCamara, ajuda, lista, ecra};
            guardaDefinicoesSeMudaram();
            ambiente = materialPecas = rodaCamara = 0, ajudas = true, mostraJogadas = true, ecraInteiro = false;
            testing::internal::CaptureStdout();
            carregaDefinicoes();
            EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
            EXPECT_FALSE(existeFicheiro(ficheiroDefinicoes() + ".bad"));
            EXPECT_TRUE((Definicoes{ambiente, materialPecas, rodaCamara, ajudas ? 1 : 0,
                                    mostraJogadas ? 1 : 0, ecraInteiro ? 1 : 0} == escolhidas));
            roda = rodaCamara, ajuda = ajudas ? 1 : 0, lista = mostraJogadas ? 1 : 0, ecra = ecraInteiro ? 1 : 0;
            EXPECT_EQ(itemMostrado(l.itens, l.n, *l.variavel, -1), i);
        }
    }
    mostraJogadas = true, ecraInteiro = false;
}

// A file written before the move list and full screen were kept still reads, with both at
// their defaults.
TEST_F(Definicoes_, AnOlderFileWithoutTheLaterLinesKeepsTheirDefaults) {
    Definicoes d;
    std::string erro;
    ASSERT_TRUE(leDefinicoes("cantos definicoes 1\nambiente 1\nmaterial 2\nrodaCamara 1\najudas 0\n", d, erro));
    EXPECT_EQ(d.material, 2);
    EXPECT_EQ(d.jogadas, 1);
    EXPECT_EQ(d.ecraInteiro, 0);
    EXPECT_FALSE(leDefinicoes(escreveDefinicoes(d) + "ecraInteiro 7\n", d, erro));
}

TEST_F(Definicoes_, ABadFileIsPutAsideAndTheDefaultsStay) {
    const std::string bom = escreveDefinicoes({1, 1, 1, 0});
    int postos = 0;
    for (const std::string& conteudo :
         {std::string(), bom.substr(0, bom.size() - 10), "cantos definicoes 0\n" + bom.substr(bom.find('\n') + 1),
          std::string("ambiente 4294967297\n"), bom.substr(0, bom.find("ambiente")) + "ambiente 4294967297\n" +
              bom.substr(bom.find("material")),
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

// A newer version's settings stay as they are, whatever is chosen in this run.
TEST_F(Definicoes_, ANewerVersionsFileIsLeftAloneAndNotSavedOver) {
    const std::string resto = escreveDefinicoes({1, 1, 1, 0}).substr(std::string("cantos definicoes 1\n").size());
    for (const std::string versao : {"9", "4294967297"}) {
        const std::string conteudo = "cantos definicoes " + versao + "\n" + resto;
        ASSERT_TRUE(criaPasta(pastaDefinicoes()));
        ASSERT_TRUE(escreveAtomico(ficheiroDefinicoes(), conteudo));
        testing::internal::CaptureStdout();
        carregaDefinicoes();
        EXPECT_NE(testing::internal::GetCapturedStdout().find("mais recente"), std::string::npos);
        ambiente = 3;
        guardaDefinicoesSeMudaram();
        std::string lido;
        EXPECT_TRUE(leFicheiro(ficheiroDefinicoes(), lido));
        EXPECT_EQ(lido, conteudo);
        EXPECT_FALSE(existeFicheiro(ficheiroDefinicoes() + ".bad"));
    }
}

}  // namespace
