// The program itself under the test's X display: its window, and Escape ending it cleanly.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "app/cenario_teste.h"

namespace {

const std::string programa = std::string(CANTOS_BINARY_DIR) + "/cantos";

std::string executa(const std::string& comando) {
    std::string saida;
    if (std::FILE* p = popen(comando.c_str(), "r")) {
        char linha[256];
        while (std::fgets(linha, sizeof linha, p)) saida += linha;
        pclose(p);
    }
    while (!saida.empty() && (saida.back() == '\n' || saida.back() == ' ')) saida.pop_back();
    return saida;
}

// The program running in its own folder of sceneries, with its output kept in a file.
class Programa {
public:
    explicit Programa(const std::string& pasta) {
        pid = fork();
        if (pid == 0) {
            if (chdir(pasta.c_str()) != 0) _exit(126);
            std::freopen("saida.txt", "w", stdout);
            execl(programa.c_str(), programa.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Programa() {
        if (pid > 0 && !terminou) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    // Exit status once it ends within `segundos`; -1 if it does not.
    int espera(int segundos) {
        for (int i = 0; i < segundos * 20; ++i) {
            int estado = 0;
            if (waitpid(pid, &estado, WNOHANG) == pid) {
                terminou = true;
                return WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }
    pid_t pid = -1;

private:
    bool terminou = false;
};

// The test's display is its own, so the program's path names its one window.
std::string procuraJanela() {
    for (int i = 0; i < 100; ++i) {
        const std::string id =
            executa("xdotool search --onlyvisible --name '^" + programa + "$' 2>/dev/null");
        if (!id.empty()) return id.substr(0, id.find('\n'));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return {};
}

TEST(Arranque, OpensItsTitledWindowAndEscapeEndsWithStatusZero) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
    ASSERT_EQ(access(programa.c_str(), X_OK), 0) << programa;
    const std::string pasta = teste::pastaCenarios();
    ASSERT_FALSE(pasta.empty());
    {
        Programa cantos(pasta);
        const std::string janela = procuraJanela();
        ASSERT_FALSE(janela.empty()) << "no window appeared";

        EXPECT_EQ(executa("xdotool getwindowname " + janela), programa);
        const std::string geometria = executa("xdotool getwindowgeometry " + janela);
        EXPECT_NE(geometria.find("Geometry: 550x550"), std::string::npos) << geometria;

        executa("xdotool windowfocus --sync " + janela + " key Escape");
        EXPECT_EQ(cantos.espera(10), 0);
    }
    teste::apagaPastaCenarios(pasta);
}

}  // namespace
