// The built program run by a test under the test's X display, driven with xdotool.
#pragma once
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace teste {

inline const std::string& caminhoPrograma() {
    static const std::string caminho = std::string(CANTOS_BINARY_DIR) + "/cantos";
    return caminho;
}

inline std::string executa(const std::string& comando) {
    std::string saida;
    if (std::FILE* p = popen(comando.c_str(), "r")) {
        char linha[256];
        while (std::fgets(linha, sizeof linha, p)) saida += linha;
        pclose(p);
    }
    while (!saida.empty() && (saida.back() == '\n' || saida.back() == ' ')) saida.pop_back();
    return saida;
}

inline void dorme(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The program running in `pasta`, its standard output line-buffered into pasta/saida.txt.
class Programa {
public:
    // `casa` is the game's HOME, where it keeps its saved game and settings: by default one
    // of its own in the folder, so that no run sees another's files or the user's.
    explicit Programa(const std::string& pasta, std::string casa = "")
        : ficheiroSaida(pasta + "/saida.txt") {
        if (casa.empty()) casa = pasta + "/casa";
        std::fflush(stdout);
        pid = fork();
        if (pid == 0) {
            if (chdir(pasta.c_str()) != 0) _exit(126);
            setenv("HOME", casa.c_str(), 1);
            unsetenv("XDG_STATE_HOME");
            unsetenv("XDG_CONFIG_HOME");
            if (!std::freopen("saida.txt", "w", stdout)) _exit(126);
            // stdbuf preloads its own library ahead of a sanitizer's runtime.
            const char* asan = std::getenv("ASAN_OPTIONS");
            const std::string opcoes =
                std::string(asan ? asan : "") + (asan ? ":" : "") + "verify_asan_link_order=0";
            setenv("ASAN_OPTIONS", opcoes.c_str(), 1);
            const char* p = caminhoPrograma().c_str();
            execlp("stdbuf", "stdbuf", "-oL", p, static_cast<char*>(nullptr));
            execl(p, p, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Programa() {
        if (pid > 0 && !terminou) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    Programa(const Programa&) = delete;
    Programa& operator=(const Programa&) = delete;

    // Exit status once it ends within `segundos`; -1 if it does not.
    int espera(int segundos) {
        for (int i = 0; i < segundos * 20; ++i) {
            int estado = 0;
            if (waitpid(pid, &estado, WNOHANG) == pid) {
                terminou = true;
                return WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
            }
            dorme(50);
        }
        return -1;
    }

    std::string saida() const {
        std::ifstream f(ficheiroSaida);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }

    // Waits until the output holds `texto` at least `vezes` times.
    bool esperaSaida(const std::string& texto, int vezes = 1, int segundos = 10) {
        for (int i = 0; i < segundos * 20; ++i) {
            if (conta(saida(), texto) >= vezes) return true;
            dorme(50);
        }
        return false;
    }

    static int conta(const std::string& em, const std::string& texto) {
        int n = 0;
        for (auto p = em.find(texto); p != std::string::npos; p = em.find(texto, p + 1)) ++n;
        return n;
    }

    pid_t pid = -1;

private:
    std::string ficheiroSaida;
    bool terminou = false;
};

// The test's display is its own, so the program's path names its one window.
inline std::string procuraJanela() {
    for (int i = 0; i < 100; ++i) {
        const std::string id = executa("xdotool search --onlyvisible --name '^" +
                                       caminhoPrograma() + "$' 2>/dev/null");
        if (!id.empty()) return id.substr(0, id.find('\n'));
        dorme(100);
    }
    return {};
}

}  // namespace teste
