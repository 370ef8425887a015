// The program itself under the test's X display: its window, and Escape ending it cleanly.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "app/cenario_teste.h"
#include "app/programa_teste.h"

// After the test framework: Xlib's macros would clash with its names.
#include <X11/Xlib.h>

namespace {

// What a window manager sends when the user closes the window.
void pedeFecho(const std::string& janela) {
    Display* d = XOpenDisplay(nullptr);
    ASSERT_NE(d, nullptr);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = Window(std::stoul(janela));
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, e.xclient.window, False, NoEventMask, &e);
    XCloseDisplay(d);
}

class Arranque : public ::testing::Test {
protected:
    // Xvfb starts afresh when its last client leaves, and a program opening the display
    // during that reset fails; holding a connection keeps one run's end from the next start.
    static void SetUpTestSuite() {
        if (std::getenv("DISPLAY") != nullptr) ecra = XOpenDisplay(nullptr);
    }
    static void TearDownTestSuite() {
        if (ecra != nullptr) XCloseDisplay(ecra);
    }
    static Display* ecra;
};

Display* Arranque::ecra = nullptr;

TEST_F(Arranque, OpensItsTitledWindowAndEscapeEndsWithStatusZero) {
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

TEST_F(Arranque, ClosingTheWindowStillSendsTheQuitRequestAndEndsWithStatusZero) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
    const std::string pasta = teste::pastaCenarios();
    ASSERT_FALSE(pasta.empty());
    {
        teste::Programa cantos(pasta);
        const std::string janela = teste::procuraJanela();
        ASSERT_FALSE(janela.empty()) << "no window appeared";
        pedeFecho(janela);
        EXPECT_EQ(cantos.espera(10), 0);
        EXPECT_NE(cantos.saida().find("Asking prolog to quit"), std::string::npos);
    }
    teste::apagaPastaCenarios(pasta);
}

TEST_F(Arranque, ASceneryInTheFolderItStartsInIsTheOneLoadedACantosDataWithoutOneIsPassedOver) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
    const std::string pasta = teste::pastaCenarios();
    ASSERT_FALSE(pasta.empty());
    const std::string vazia = pasta + "/vazia";
    ASSERT_EQ(mkdir(vazia.c_str(), 0700), 0);
    {
        // The build tree's runtime folder, beside the program, holds a japan.sgx of its own.
        teste::Programa cantos(pasta, teste::caminhoPrograma(), vazia, true, pasta + "/casa");
        ASSERT_FALSE(teste::procuraJanela().empty()) << "no window appeared\n" << cantos.saida();
        ASSERT_TRUE(cantos.esperaSaida("global attributes: ")) << cantos.saida();
        const std::string saida = cantos.saida();
        EXPECT_NE(saida.find("global attributes: 8 10 10 10 japao\n"), std::string::npos) << saida;
        EXPECT_EQ(teste::Programa::conta(saida, "CANTOS_DATA=" + vazia + " holds no sceneries"), 1) << saida;
    }
    rmdir(vazia.c_str());
    teste::executa("rm -rf '" + pasta + "/casa'");
    teste::apagaPastaCenarios(pasta);
}

}  // namespace
