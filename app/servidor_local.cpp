// Starting the shipped rules server as a process of its own. It serves every window of the
// game that finds it on the port, so it is no window's child in anything but name: it has a
// session of its own (a Ctrl-C or a hang-up in one window's terminal does not reach it), no
// window stops it, and it ends itself a while after the last window has gone.
#include "app/servidor_local.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "app/dados.h"
#include "app/globais.h"
#include "game/ligacao.h"
#include "game/pedidos.h"

namespace {

using Relogio = std::chrono::steady_clock;

pid_t pidServidor = -1;
int portaLancada = 0;

int liga(int porta) {
    const int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    if (s < 0) return -1;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<unsigned short>(porta));
    if (connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        close(s);
        return -1;
    }
    return s;
}

void avisa(const std::string& texto) {
    avisoServidor = texto;
    std::fprintf(stderr, "Cantos: %s\n", texto.c_str());
    std::fflush(stderr);
}

std::string endereco(int porta) { return "127.0.0.1:" + std::to_string(porta); }

// swipl's full path from PATH, found before the fork so the child only has to exec it.
std::string procuraSwipl() {
    const char* path = std::getenv("PATH");
    std::string resto = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t inicio = 0;
    while (inicio <= resto.size()) {
        std::size_t fim = resto.find(':', inicio);
        if (fim == std::string::npos) fim = resto.size();
        std::string pasta = resto.substr(inicio, fim - inicio);
        if (pasta.empty()) pasta = ".";
        const std::string caminho = pasta + "/swipl";
        if (access(caminho.c_str(), X_OK) == 0) return caminho;
        inicio = fim + 1;
    }
    return {};
}

// Reaps the server if it has ended; its wait status then, or -1 while it runs.
int terminou() {
    int estado = 0;
    if (pidServidor > 0 && waitpid(pidServidor, &estado, WNOHANG) == pidServidor) {
        pidServidor = -1;
        return estado;
    }
    return -1;
}

std::string comoTerminou(int estado) {
    if (WIFEXITED(estado)) return "with status " + std::to_string(WEXITSTATUS(estado));
    if (WIFSIGNALED(estado)) return std::string("on signal ") + strsignal(WTERMSIG(estado));
    return "";
}

}  // namespace

// "quit." is the one request that changes nothing: the server answers it and closes this
// connection only, going on serving the others.
NaPorta quemEscuta(int porta, int esperaMs) {
    const int s = liga(porta);
    if (s < 0) return NaPorta::Nada;
    const std::string pedido = pedidoSaida();
    std::string resposta;
    if (send(s, pedido.data(), pedido.size(), MSG_NOSIGNAL) == ssize_t(pedido.size())) {
        const auto limite = Relogio::now() + std::chrono::milliseconds(esperaMs);
        while (resposta.size() < 3 && resposta.find('.') == std::string::npos) {
            const auto falta = std::chrono::duration_cast<std::chrono::milliseconds>(limite - Relogio::now());
            if (falta.count() <= 0) break;
            pollfd p{s, POLLIN, 0};
            const int n = poll(&p, 1, int(falta.count()));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            char bytes[64];
            const ssize_t lidos = recv(s, bytes, sizeof bytes, 0);
            if (lidos <= 0) break;
            resposta.append(bytes, std::size_t(lidos));
        }
    }
    close(s);
    return respostaDeServidor(resposta) ? NaPorta::Servidor : NaPorta::Outro;
}

bool lancaServidorLocal(const std::string& script, int porta) {
    switch (quemEscuta(porta, 2000)) {
    case NaPorta::Servidor:
        std::printf("Cantos: a rules server already answers on %s.\n", endereco(porta).c_str());
        std::fflush(stdout);
        return true;
    case NaPorta::Outro:
        avisa("port " + std::to_string(porta) + " on 127.0.0.1 is taken by a program that is not " +
              "a Cantos rules server; stop that program and start the game again.");
        return false;
    case NaPorta::Nada:
        break;
    }
    const std::string swipl = procuraSwipl();
    if (swipl.empty()) {
        avisa("cannot start the rules server: SWI-Prolog (swipl) is not installed. Install "
              "the package swi-prolog-nox, or start a rules server on " + endereco(porta) + ".");
        return false;
    }
    const std::string opcaoPorta = "--port=" + std::to_string(porta);
    const std::string opcaoFim = "--sai-sem-clientes=" + std::to_string(segundosSemJanelas);
    const char* argumentos[] = {swipl.c_str(), script.c_str(), opcaoPorta.c_str(), opcaoFim.c_str(),
                                nullptr};
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = fork();
    if (pid < 0) {
        avisa(std::string("cannot start the rules server: fork failed: ") + std::strerror(errno));
        return false;
    }
    if (pid == 0) {
        setsid();
        const int nulo = open("/dev/null", O_RDONLY);
        if (nulo >= 0) dup2(nulo, STDIN_FILENO);
        execv(argumentos[0], const_cast<char* const*>(argumentos));
        _exit(127);
    }
    pidServidor = pid;
    portaLancada = porta;
    return true;
}

bool esperaServidorLocal(int limiteMs) {
    if (pidServidor <= 0) return true;
    const auto limite = Relogio::now() + std::chrono::milliseconds(limiteMs);
    for (;;) {
        const int estado = terminou();
        if (estado >= 0) {
            avisa("the rules server ended as it started, " + comoTerminou(estado) +
                  "; see its message above.");
            return false;
        }
        const int s = liga(portaLancada);
        if (s >= 0) {
            close(s);
            std::printf("Cantos: started the rules server on %s (pid %d).\n",
                        endereco(portaLancada).c_str(), int(pidServidor));
            std::fflush(stdout);
            return true;
        }
        if (Relogio::now() >= limite) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    paraServidorLocal();
    char segundos[32];
    std::snprintf(segundos, sizeof segundos, "%.1f", limiteMs / 1000.0);
    avisa("the rules server did not answer on " + endereco(portaLancada) + " within " + segundos +
          " s; it was stopped.");
    return false;
}

void paraServidorLocal() {
    if (pidServidor <= 0) return;
    kill(pidServidor, SIGTERM);
    const auto limite = Relogio::now() + std::chrono::seconds(2);
    while (Relogio::now() < limite) {
        if (terminou() >= 0) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pidServidor, SIGKILL);
    waitpid(pidServidor, nullptr, 0);
    pidServidor = -1;
}

int pidServidorLocal() { return pidServidor; }

void lancaServidorInstalado() {
    const std::string script = servidorInstalado(pastaDoPrograma());
    if (!script.empty()) lancaServidorLocal(script, portaServidor);
}
