// A one-connection-at-a-time TCP relay.
#include "e2e/intermediario.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

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

// Every connection gets its own pair: other programs on this machine may knock on the
// same port, and must not cut the game's link.
void Intermediario::corre() {
    std::vector<std::pair<int, int>> pares;  // program side, server side
    while (!fim) {
        std::vector<pollfd> fds{{escuta, POLLIN, 0}};
        for (const auto& p : pares) {
            fds.push_back({p.first, POLLIN, 0});
            fds.push_back({p.second, POLLIN, 0});
        }
        if (poll(fds.data(), fds.size(), 100) <= 0) continue;
        for (std::size_t i = 0; i < pares.size(); ++i) {
            const short deCliente = fds[1 + 2 * i].revents, deServidor = fds[2 + 2 * i].revents;
            auto& [cliente, servidor] = pares[i];
            const bool falhou =
                ((deCliente & (POLLIN | POLLHUP | POLLERR)) &&
                 !passa(cliente, servidor, &enviado, mutex)) ||
                ((deServidor & (POLLIN | POLLHUP | POLLERR)) &&
                 !passa(servidor, cliente, nullptr, mutex));
            if (falhou) {
                fecha(cliente);
                fecha(servidor);
            }
        }
        pares.erase(std::remove_if(pares.begin(), pares.end(),
                                   [](const auto& p) { return p.first < 0; }),
                    pares.end());
        if (fds[0].revents & POLLIN) {
            int cliente = accept(escuta, nullptr, nullptr);
            int servidor = socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in a = local(portaServidor);
            if (cliente >= 0 && connect(servidor, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
                pares.emplace_back(cliente, servidor);
            } else {
                std::perror("relay: no rules server");
                fecha(cliente);
                fecha(servidor);
            }
        }
    }
    for (auto& [cliente, servidor] : pares) {
        fecha(cliente);
        fecha(servidor);
    }
}

}  // namespace cantos_teste
