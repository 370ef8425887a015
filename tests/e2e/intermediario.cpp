// A one-connection-at-a-time TCP relay.
#include "e2e/intermediario.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cantos_teste {

namespace {

sockaddr_in local(int porta) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<unsigned short>(porta));
    return a;
}

void fecha(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

bool passa(int de, int para, std::string* registo, std::mutex& m) {
    char buffer[4096];
    const ssize_t n = read(de, buffer, sizeof buffer);
    if (n <= 0) return false;
    if (registo) {
        std::lock_guard<std::mutex> g(m);
        registo->append(buffer, std::size_t(n));
    }
    return write(para, buffer, std::size_t(n)) == n;
}

}  // namespace

Intermediario::Intermediario(int porta, int portaServidor) : portaServidor(portaServidor) {
    escuta = socket(AF_INET, SOCK_STREAM, 0);
    const int sim = 1;
    setsockopt(escuta, SOL_SOCKET, SO_REUSEADDR, &sim, sizeof sim);
    sockaddr_in a = local(porta);
    if (bind(escuta, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(escuta, 4) != 0) {
        fecha(escuta);
        return;
    }
    fio = std::thread([this] { corre(); });
}

Intermediario::~Intermediario() {
    fim = true;
    if (fio.joinable()) fio.join();
    fecha(escuta);
}

std::string Intermediario::pedidos() {
    std::lock_guard<std::mutex> g(mutex);
    return enviado;
}

void Intermediario::corre() {
    int cliente = -1, servidor = -1;
    while (!fim) {
        pollfd fds[3] = {{escuta, POLLIN, 0}, {cliente, POLLIN, 0}, {servidor, POLLIN, 0}};
        if (poll(fds, 3, 100) <= 0) continue;
        if (fds[0].revents & POLLIN) {
            // The program reconnects after a failure: only its newest connection counts.
            fecha(cliente);
            fecha(servidor);
            cliente = accept(escuta, nullptr, nullptr);
            servidor = socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in a = local(portaServidor);
            if (connect(servidor, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
                fecha(cliente);
                fecha(servidor);
            }
            continue;
        }
        const bool daCliente = fds[1].revents & (POLLIN | POLLHUP | POLLERR);
        const bool doServidor = fds[2].revents & (POLLIN | POLLHUP | POLLERR);
        if ((daCliente && !passa(cliente, servidor, &enviado, mutex)) ||
            (doServidor && !passa(servidor, cliente, nullptr, mutex))) {
            fecha(cliente);
            fecha(servidor);
        }
    }
    fecha(cliente);
    fecha(servidor);
}

}  // namespace cantos_teste
