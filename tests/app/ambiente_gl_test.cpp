// The "Ambiente" choice switches the scenery once per change, at the end of a frame.
#include <unistd.h>

#include <string>

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "app/cenario_teste.h"
#include "app/globais.h"
#include "app/temas.h"
#include "sgx/globais.h"
#include "sgx/sgx.h"

namespace {

int contaCargas(const std::string& saida) {
    int n = 0;
    for (std::size_t p = saida.find("Processing SGX"); p != std::string::npos;
         p = saida.find("Processing SGX", p + 1))
        ++n;
    return n;
}

class Ambiente : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        int argc = 1;
        char nome[] = "ambiente";
        char* argv[] = {nome, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DEPTH | GLUT_DOUBLE);
        glutInitWindowSize(64, 64);
        glutCreateWindow(nome);
        pasta = teste::pastaCenarios();
        ASSERT_FALSE(pasta.empty());
        ASSERT_EQ(chdir(pasta.c_str()), 0);
    }

    static void TearDownTestSuite() { teste::apagaPastaCenarios(pasta); }

    static std::string pasta;

    // One frame's worth of switching: how many files it read.
    static int fimDeFrame() {
        testing::internal::CaptureStdout();
        mudaAmbiente();
        return contaCargas(testing::internal::GetCapturedStdout());
    }
};

std::string Ambiente::pasta;

TEST_F(Ambiente, EachChoiceLoadsItsFileOnceAndTheStartUpValueCountsAsDifferent) {
    ambiente = 0;
    ambienteCarregado = 0;
    clearScene();
    loadScene(ambiente);
    ASSERT_EQ(sceneGlobals.root, "japao");

    const struct {
        int escolha;
        const char* raiz;
    } passos[] = {{1, "japao"}, {2, "castelo"}, {3, "praia"}, {1, "japao"}};
    for (const auto& p : passos) {
        ambiente = p.escolha;
        EXPECT_EQ(fimDeFrame(), 1) << "choice " << p.escolha;
        EXPECT_EQ(sceneGlobals.root, p.raiz);
        EXPECT_EQ(ambienteCarregado, p.escolha);
        EXPECT_EQ(fimDeFrame(), 0) << "nothing more until the choice changes";
        EXPECT_EQ(sceneLights.size(), 1u) << "the old scenery's tables were emptied";
    }
}

TEST_F(Ambiente, ChangingAndBackBeforeTheFrameEndsLoadsNothing) {
    ambiente = 2;
    fimDeFrame();
    ambiente = 3;
    ambiente = 2;
    EXPECT_EQ(fimDeFrame(), 0);
    EXPECT_EQ(sceneGlobals.root, "castelo");
}

}  // namespace
