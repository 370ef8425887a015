// Starts the real rules server on a free port for a test, and stops it.
#pragma once
#include <sys/types.h>

namespace cantos_teste {

// A TCP port on 127.0.0.1 that nothing listens on right now.
int portaLivre();

// True when swipl and the server's source are there to be started.
bool servidorDisponivel();

class ServidorRegras {
public:
    // port 0 picks a free one.
    explicit ServidorRegras(int porta = 0);
    ~ServidorRegras();
    ServidorRegras(const ServidorRegras&) = delete;
    ServidorRegras& operator=(const ServidorRegras&) = delete;

    // Starts the server and waits until it accepts connections; false if it never does.
    bool inicia();
    // Asks it to end, and kills it if it does not.
    void para();
    // Kills it at once, as a crash would.
    void mata();

    int porta() const { return porta_; }
    bool aCorrer() const { return pid_ > 0; }
    // For signals a test sends of its own (SIGSTOP, SIGCONT).
    pid_t pid() const { return pid_; }

private:
    bool aceita() const;
    void espera();

    int porta_;
    pid_t pid_ = -1;
};

}  // namespace cantos_teste
