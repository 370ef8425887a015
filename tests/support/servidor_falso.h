// A scripted stand-in for the rules server: listens on a free loopback port and plays a
// script with the first client that connects.
#pragma once
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <thread>

namespace cantos_teste {

class ServidorFalso {
public:
    explicit ServidorFalso(std::function<void(int)> guiao) {
        escuta_ = socket(AF_INET, SOCK_STREAM, 0);
        int um = 1;
        setsockopt(escuta_, SOL_SOCKET, SO_REUSEADDR, &um, sizeof um);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(escuta_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t n = sizeof a;
        getsockname(escuta_, reinterpret_cast<sockaddr*>(&a), &n);
        porta_ = ntohs(a.sin_port);
        listen(escuta_, 1);
        fio_ = std::thread([this, guiao] {
            pollfd p{escuta_, POLLIN, 0};
            if (poll(&p, 1, 5000) != 1) return;
            int cliente = accept(escuta_, nullptr, nullptr);
            guiao(cliente);
            close(cliente);
        });
    }
    ~ServidorFalso() {
        espera();
        close(escuta_);
    }
    // Waits for the script to end.
    void espera() {
        if (fio_.joinable()) fio_.join();
    }
    int porta() const { return porta_; }

private:
    int escuta_;
    int porta_;
    std::thread fio_;
};

}  // namespace cantos_teste
