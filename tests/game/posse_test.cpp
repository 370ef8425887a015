// The user's files on disk: temporary files no one else can hijack or read, leftovers of
// crashed runs cleared, and one window at a time keeping the saved game.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <fstream>
#include <string>

#include "game/ficheiros.h"
#include "game/globais.h"
#include "game/gravacao.h"
#include "game/persistencia.h"
#include "game/posse.h"
#include "game/turno.h"
#include "support/pasta_temporaria.h"

using cantos_teste::PastaTemporaria;

namespace {

int modo(const std::string& caminho) {
    struct stat s;
    return lstat(caminho.c_str(), &s) == 0 ? int(s.st_mode & 07777) : -1;
}

// A pid that no process has now: a child's, once it has been reaped.
pid_t pidMorto() {
    const pid_t filho = fork();
    if (filho == 0) _exit(0);
    waitpid(filho, nullptr, 0);
    return filho;
}

TEST(Ficheiros, TemporaryFilesAreTheUsersAloneAndNeverFollowALink) {
    PastaTemporaria raiz;
    const std::string pasta = raiz.caminho + "/a/b";
    ASSERT_TRUE(criaPasta(pasta));
    EXPECT_EQ(modo(raiz.caminho + "/a"), 0700);
    EXPECT_EQ(modo(pasta), 0700);

    // A link planted where the next temporary file goes, and a leftover of a run that had
    // this pid: neither is written through, and the write still succeeds.
    const std::string caminho = pasta + "/jogo", alvo = raiz.caminho + "/alvo";
    std::ofstream(alvo) << "alheio";
    ASSERT_EQ(symlink(alvo.c_str(), (caminho + ".tmp" + std::to_string(getpid())).c_str()), 0);
    ASSERT_TRUE(escreveAtomico(caminho, "novo"));
    ASSERT_TRUE(escreveAtomico(caminho + "2", "outro"));
    std::string lido;
    EXPECT_TRUE(leFicheiro(alvo, lido));
    EXPECT_EQ(lido, "alheio");
    EXPECT_TRUE(leFicheiro(caminho, lido));
    EXPECT_EQ(lido, "novo");
    EXPECT_EQ(modo(caminho), 0600);
    EXPECT_FALSE(existeFicheiro(caminho + ".tmp" + std::to_string(getpid())));
}

TEST(Ficheiros, LeftoversOfRunsThatAreGoneOrOldAreClearedAndNothingElse) {
    PastaTemporaria pasta;
    const auto cria = [&](const std::string& nome) {
        std::ofstream(pasta.caminho + "/" + nome) << "x";
        return pasta.caminho + "/" + nome;
    };
    const std::string vivo = "jogo.tmp" + std::to_string(getppid());
    const std::string apagados[] = {cria("jogo.tmp" + std::to_string(pidMorto())),
                                    cria("definicoes.tmp" + std::to_string(pidMorto())),
                                    cria("velho.tmp" + std::to_string(getppid()))};
    const utimbuf horaAntiga{0, std::time(nullptr) - 3600};
    ASSERT_EQ(utime(apagados[2].c_str(), &horaAntiga), 0);
    const std::string ficam[] = {cria(vivo), cria("jogo"), cria("jogo.bad"), cria("jogo.tmp"),
                                 cria("jogo.tmp12x"), cria("jogo.tmp0"), cria(".tmp99999999"),
                                 cria("jogo.tmp" + std::to_string(getpid()))};

    EXPECT_EQ(limpaTemporarios(pasta.caminho), 3);
    for (const std::string& f : apagados) EXPECT_FALSE(existeFicheiro(f)) << f;
    for (const std::string& f : ficam) EXPECT_TRUE(existeFicheiro(f)) << f;
    EXPECT_EQ(limpaTemporarios(pasta.caminho + "/nao-existe"), 0);
}

// The second window: it neither reads nor writes nor puts aside the first one's saved game.
TEST(Posse, WhileAnotherWindowHoldsTheSavedGameThisOneLeavesItAlone) {
    PastaTemporaria estado("XDG_STATE_HOME");
    initBoardTexts();
    int aviso[2];
    ASSERT_EQ(pipe(aviso), 0);
    const pid_t primeira = fork();
    if (primeira == 0) {
        close(aviso[0]);
        const char dono = tomaPosseDoJogo() ? '1' : '0';
        if (write(aviso[1], &dono, 1) != 1) _exit(1);
        pause();
        _exit(0);
    }
    close(aviso[1]);
    char dono = 0;
    ASSERT_EQ(read(aviso[0], &dono, 1), 1);
    close(aviso[0]);
    EXPECT_EQ(dono, '1');

    const std::string guardado = "not a game, but the first window's";
    ASSERT_TRUE(escreveAtomico(ficheiroJogo(), guardado));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(tomaPosseDoJogo());
    EXPECT_FALSE(donoDoJogo);
    carregaJogoGuardado();
    ++alteracoesJogo;
    guardaJogoSeMudou();
    guardaJogoAoSair();
    const std::string saida = testing::internal::GetCapturedStdout();
    EXPECT_EQ(saida, "O jogo guardado em " + pastaEstado() + " e de outra janela: esta janela nao o grava\n");
    std::string lido;
    EXPECT_TRUE(leFicheiro(ficheiroJogo(), lido));
    EXPECT_EQ(lido, guardado);
    EXPECT_FALSE(existeFicheiro(ficheiroJogo() + ".bad"));

    // The lock goes with the window, however it ends.
    kill(primeira, SIGKILL);
    waitpid(primeira, nullptr, 0);
    EXPECT_TRUE(tomaPosseDoJogo());
    EXPECT_TRUE(donoDoJogo);
    ++alteracoesJogo;
    guardaJogoSeMudou();
    EXPECT_TRUE(leFicheiro(ficheiroJogo(), lido));
    EXPECT_EQ(lido, escreveJogo(jogoActual()));
    EXPECT_EQ(modo(ficheiroTrinco()), 0600);
}

}  // namespace
