// The rules server an installed game starts for itself, on a free port: each way it can fail
// is named in avisoServidor, within a bounded time, and leaves no process behind. Starting
// and stopping the real server is checked on the installed game (tests/pacote).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "app/globais.h"
#include "app/servidor_local.h"
#include "support/servidor_regras.h"

namespace {

namespace fs = std::filesystem;
using Relogio = std::chrono::steady_clock;

const std::string fonte = std::string(CANTOS_SOURCE_DIR) + "/server/servidor.pl";

class ServidorLocal : public ::testing::Test {
protected:
    void SetUp() override { path = std::getenv("PATH"); }
    void TearDown() override {
        paraServidorLocal();
        setenv("PATH", path.c_str(), 1);
        fs::remove_all(falso);
    }

    // Launches with PATH holding only a swipl that runs `corpo`, then waits up to limiteMs.
    bool lancaComSwiplFalso(const std::string& corpo, int limiteMs) {
        fs::create_directories(falso);
        std::ofstream(falso / "swipl") << "#!/bin/sh\n" << corpo << "\n";
        fs::permissions(falso / "swipl", fs::perms::owner_all);
        setenv("PATH", falso.c_str(), 1);
        avisoServidor.clear();
        if (!lancaServidorLocal(fonte, porta)) return false;
        pid = pidServidorLocal();
        return esperaServidorLocal(limiteMs);
    }

    double segundos() const { return std::chrono::duration<double>(Relogio::now() - inicio).count(); }
    bool pidVivo() const { return kill(pid, 0) == 0 || errno != ESRCH; }

    std::string path;
    fs::path falso = fs::path(testing::TempDir()) / ("cantos-swipl-" + std::to_string(getpid()));
    int porta = cantos_teste::portaLivre();
    int pid = -1;
    Relogio::time_point inicio = Relogio::now();
};

TEST_F(ServidorLocal, AServerThatNeverListensOrEndsAtOnceIsNamedAndLeftNoProcess) {
    EXPECT_FALSE(lancaComSwiplFalso("exec /bin/sleep 60", 800));
    EXPECT_GT(segundos(), 0.7);
    EXPECT_LT(segundos(), 4.0);
    EXPECT_FALSE(pidVivo());
    EXPECT_EQ(pidServidorLocal(), -1);
    EXPECT_NE(avisoServidor.find("did not answer on 127.0.0.1:" + std::to_string(porta) +
                                 " within 0.8 s; it was stopped"), std::string::npos) << avisoServidor;

    EXPECT_FALSE(lancaComSwiplFalso("exit 3", 10000));
    EXPECT_EQ(pidServidorLocal(), -1);
    EXPECT_NE(avisoServidor.find("ended as it started, with status 3"), std::string::npos) << avisoServidor;
}

TEST_F(ServidorLocal, MissingSwiPrologOrAnotherProgramOnThePortStartNothing) {
    setenv("PATH", "/nonexistent", 1);
    EXPECT_FALSE(lancaServidorLocal(fonte, porta));
    EXPECT_NE(avisoServidor.find("SWI-Prolog (swipl) is not installed. Install the package "
                                 "swi-prolog-nox"), std::string::npos) << avisoServidor;

    // Listens, and never answers.
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<unsigned short>(porta));
    ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(listen(s, 4), 0);
    setenv("PATH", path.c_str(), 1);
    EXPECT_FALSE(lancaServidorLocal(fonte, porta));
    close(s);
    EXPECT_LT(segundos(), 4.0);
    EXPECT_EQ(pidServidorLocal(), -1);
    EXPECT_NE(avisoServidor.find("port " + std::to_string(porta) + " on 127.0.0.1 is taken by a "
                                 "program that is not a Cantos rules server"), std::string::npos)
        << avisoServidor;
}

TEST_F(ServidorLocal, ARulesServerThatAlreadyAnswersIsUsedAndNoSecondIsStarted) {
    if (!cantos_teste::servidorDisponivel()) GTEST_SKIP() << "needs swipl";
    cantos_teste::ServidorRegras outro(porta);
    ASSERT_TRUE(outro.inicia());
    EXPECT_TRUE(lancaServidorLocal(fonte, porta));
    EXPECT_EQ(pidServidorLocal(), -1);
    EXPECT_TRUE(esperaServidorLocal(10000));
    EXPECT_EQ(quemEscuta(porta, 2000), NaPorta::Servidor);
}

}  // namespace
