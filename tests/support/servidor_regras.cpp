// The server runs as a child process, so a test can kill it mid-game and start it again
// on the same port.
#include "support/servidor_regras.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace cantos_teste {

namespace {

const std::string fonteServidor = std::string(CANTOS_SOURCE_DIR) + "/server/servidor.pl";

sockaddr_in enderecoLocal(int porta) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<unsigned short>(porta));
    return a;
}

bool existeExecutavel(const char* nome) {
    std::string comando = std::string("command -v ") + nome + " >/dev/null 2>&1";
    return std::system(comando.c_str()) == 0;
}

}  // namespace

int portaLivre() {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = enderecoLocal(0);
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t n = sizeof a;
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &n);
    close(s);
    return ntohs(a.sin_port);
}

bool servidorDisponivel() {
    return access(fonteServidor.c_str(), R_OK) == 0 && existeExecutavel("swipl");
}

ServidorRegras::ServidorRegras(int porta) : porta_(porta ? porta : portaLivre()) {}

ServidorRegras::~ServidorRegras() { para(); }

bool ServidorRegras::aceita() const {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = enderecoLocal(porta_);
    bool ok = connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ok;
}

bool ServidorRegras::inicia() {
    if (pid_ > 0) return true;
    std::fflush(stdout);
    pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        // The server's own chatter would only clutter the test's output.
        int nulo = open("/dev/null", O_WRONLY);
        if (nulo >= 0) dup2(nulo, STDOUT_FILENO);
        std::string porta = "--port=" + std::to_string(porta_);
        execlp("swipl", "swipl", fonteServidor.c_str(), porta.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    pid_ = pid;
    auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < limite) {
        int estado;
        if (waitpid(pid_, &estado, WNOHANG) == pid_) {
            pid_ = -1;
            return false;
        }
        if (aceita()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    mata();
    return false;
}

void ServidorRegras::espera() {
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

void ServidorRegras::para() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < limite) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    mata();
}

void ServidorRegras::mata() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    espera();
}

}  // namespace cantos_teste
