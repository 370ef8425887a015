// The rules server an installed game starts for itself, on a free port: started and stopped,
// not started twice, and each way it can fail named in avisoServidor.
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

bool processoVivo(int pid) { return kill(pid, 0) == 0 || errno != ESRCH; }

double segundosDesde(Relogio::time_point t) {
    return std::chrono::duration<double>(Relogio::now() - t).count();
}

class ServidorLocal : public ::testing::Test {
protected:
    void SetUp() override {
        avisoServidor.clear();
        porta = cantos_teste::portaLivre();
        path = std::getenv("PATH") ? std::getenv("PATH") : "";
    }
    void TearDown() override {
        paraServidorLocal();
        setenv("PATH", path.c_str(), 1);
        if (!falso.empty()) fs::remove_all(falso);
    }

    // PATH holding only a swipl that runs `corpo` (a shell script).
    void swiplFalso(const std::string& corpo) {
        falso = fs::path(testing::TempDir()) / ("cantos-swipl-" + std::to_string(getpid()));
        fs::create_directories(falso);
        std::ofstream(falso / "swipl") << "#!/bin/sh\n" << corpo << "\n";
        fs::permissions(falso / "swipl", fs::perms::owner_all);
        setenv("PATH", falso.c_str(), 1);
    }

    int porta = 0;
    std::string path;
    fs::path falso;
};

TEST_F(ServidorLocal, StartsTheServerWhenNoneAnswersAndStopsIt) {
    if (!cantos_teste::servidorDisponivel()) GTEST_SKIP() << "needs swipl";
    ASSERT_TRUE(lancaServidorLocal(fonte, porta)) << avisoServidor;
    ASSERT_TRUE(esperaServidorLocal(10000)) << avisoServidor;
    const int pid = pidServidorLocal();
    ASSERT_GT(pid, 0);
    EXPECT_EQ(quemEscuta(porta, 2000), NaPorta::Servidor);
    EXPECT_EQ(avisoServidor, "");

    paraServidorLocal();
    EXPECT_EQ(pidServidorLocal(), -1);
    EXPECT_FALSE(processoVivo(pid));
    EXPECT_EQ(quemEscuta(porta, 2000), NaPorta::Nada);
}

TEST_F(ServidorLocal, ARulesServerThatAlreadyAnswersIsUsedAndNoSecondIsStarted) {
    if (!cantos_teste::servidorDisponivel()) GTEST_SKIP() << "needs swipl";
    cantos_teste::ServidorRegras outro(porta);
    ASSERT_TRUE(outro.inicia());
    EXPECT_TRUE(lancaServidorLocal(fonte, porta));
    EXPECT_EQ(pidServidorLocal(), -1);
    EXPECT_TRUE(esperaServidorLocal(10000));
    EXPECT_EQ(avisoServidor, "");
}

TEST_F(ServidorLocal, APortHeldByAnotherProgramIsNamedAndNothingIsStarted) {
    // Listens, and never answers.
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<unsigned short>(porta));
    ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(listen(s, 4), 0);
    const auto inicio = Relogio::now();
    EXPECT_FALSE(lancaServidorLocal(fonte, porta));
    EXPECT_LT(segundosDesde(inicio), 4.0);
    close(s);
    EXPECT_EQ(pidServidorLocal(), -1);
    EXPECT_NE(avisoServidor.find("port " + std::to_string(porta) + " on 127.0.0.1 is taken by a "
                                 "program that is not a Cantos rules server"),
              std::string::npos)
        << avisoServidor;
}

TEST_F(ServidorLocal, MissingSwiPrologIsNamedWithItsPackage) {
    setenv("PATH", "/nonexistent", 1);
    EXPECT_FALSE(lancaServidorLocal(fonte, porta));
    EXPECT_EQ(pidServidorLocal(), -1);
    EXPECT_NE(avisoServidor.find("SWI-Prolog (swipl) is not installed"), std::string::npos)
        << avisoServidor;
    EXPECT_NE(avisoServidor.find("swi-prolog-nox"), std::string::npos) << avisoServidor;
}

TEST_F(ServidorLocal, AServerThatNeverListensIsGivenUpAfterTheWaitAndStopped) {
    swiplFalso("exec /bin/sleep 60");
    ASSERT_TRUE(lancaServidorLocal(fonte, porta)) << avisoServidor;
    const int pid = pidServidorLocal();
    const auto inicio = Relogio::now();
    EXPECT_FALSE(esperaServidorLocal(800));
    const double esperou = segundosDesde(inicio);
    EXPECT_GT(esperou, 0.7);
    EXPECT_LT(esperou, 4.0);
    EXPECT_EQ(pidServidorLocal(), -1);
    EXPECT_FALSE(processoVivo(pid));
    EXPECT_NE(avisoServidor.find("did not answer on 127.0.0.1:" + std::to_string(porta) +
                                 " within 0.8 s; it was stopped"),
              std::string::npos)
        << avisoServidor;
}

TEST_F(ServidorLocal, AServerThatEndsAsItStartsIsReportedWithItsStatus) {
    swiplFalso("echo 'Server: something went wrong' >&2; exit 3");
    ASSERT_TRUE(lancaServidorLocal(fonte, porta)) << avisoServidor;
    EXPECT_FALSE(esperaServidorLocal(10000));
    EXPECT_EQ(pidServidorLocal(), -1);
    EXPECT_NE(avisoServidor.find("ended as it started, with status 3"), std::string::npos)
        << avisoServidor;
}

}  // namespace
