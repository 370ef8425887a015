// The lock is the kernel's: it goes with the window however that ends, a crash included,
// and no stale lock file can keep the next window from saving.
#include "game/posse.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>

#include "game/ficheiros.h"
#include "game/globais.h"

namespace {

int fdTrinco = -1;

}  // namespace

std::string ficheiroTrinco() { return pastaEstado() + "/trinco"; }

bool tomaPosseDoJogo() {
    const std::string pasta = pastaEstado();
    limpaTemporarios(pastaDefinicoes());
    if (fdTrinco >= 0 || !criaPasta(pasta)) return donoDoJogo;
    // Close-on-exec: the rules server the game starts must not carry the lock away.
    const int fd = open(ficheiroTrinco().c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return donoDoJogo;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        donoDoJogo = false;
        std::printf("O jogo guardado em %s e de outra janela: esta janela nao o grava\n", pasta.c_str());
        std::fflush(stdout);
        return false;
    }
    fdTrinco = fd;
    donoDoJogo = true;
    limpaTemporarios(pasta);
    return true;
}
