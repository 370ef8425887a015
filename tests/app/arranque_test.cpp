// The program itself under the test's X display: its window, and Escape ending it cleanly.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "app/cenario_teste.h"
#include "app/programa_teste.h"

namespace {

TEST(Arranque, OpensItsTitledWindowAndEscapeEndsWithStatusZero) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
    const std::string& programa = teste::caminhoPrograma();
    ASSERT_EQ(access(programa.c_str(), X_OK), 0) << programa;
    const std::string pasta = teste::pastaCenarios();
    ASSERT_FALSE(pasta.empty());
    {
        teste::Programa cantos(pasta);
        const std::string janela = teste::procuraJanela();
        ASSERT_FALSE(janela.empty()) << "no window appeared";

        EXPECT_EQ(teste::executa("xdotool getwindowname " + janela), programa);
        const std::string geometria = teste::executa("xdotool getwindowgeometry " + janela);
        EXPECT_NE(geometria.find("Geometry: 550x550"), std::string::npos) << geometria;

        teste::executa("xdotool windowfocus --sync " + janela + " key Escape");
        EXPECT_EQ(cantos.espera(10), 0);
        EXPECT_NE(cantos.saida().find("Asking prolog to quit"), std::string::npos)
            << "the quit request comes before the end";
    }
    teste::apagaPastaCenarios(pasta);
}

}  // namespace
