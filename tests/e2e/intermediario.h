// Stands on the game's fixed port between the program and the real rules server, and keeps
// what each side said, so a test can see what reached the server.
#pragma once
#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace cantos_teste {

class Intermediario {
public:
    Intermediario(int porta, int portaServidor);
    ~Intermediario();
    Intermediario(const Intermediario&) = delete;
    Intermediario& operator=(const Intermediario&) = delete;

    // False when the port could not be taken (another program holds it).
    bool aEscutar() const { return escuta >= 0; }
    std::string pedidos();  // everything the program sent so far

private:
    void corre();

    int escuta = -1;
    int portaServidor;
    std::atomic<bool> fim{false};
    std::mutex mutex;
    std::string enviado;
    std::thread fio;
};

}  // namespace cantos_teste
