// The built game when things around it fail: the rules server killed or hung in the middle
// of a game, and files missing from its folder. Runs inside a private network namespace
// (see isolado.sh), so the server can sit on the game's own port 60070.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/cenario_teste.h"
#include "app/programa_teste.h"
#include "e2e/janela_teste.h"
#include "e2e/mesa.h"
#include "support/servidor_regras.h"

namespace {

using namespace mesa;
using Relogio = std::chrono::steady_clock;

constexpr int portaJogo = 60070;
const char* const perdida = "Client: connection to the rules server lost.\n";
const char* const semServidor = "Sem ligacao ao servidor de regras!\n";
const char* const ligou = "Client: connect() is OK.\n";
const char* const naoLigou = "Client: connect() - Failed to connect.\n";

// Free unless something listens there: connections of an earlier server that wait out
// their close do not count, as they do not stop a new server.
bool portaLivreParaJogo() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    const int sim = 1;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &sim, sizeof sim);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(portaJogo);
    const bool livre = bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return livre;
}

// User and system time a process has used, in clock ticks (all its threads).
long tempoCpu(pid_t pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/stat");
    std::string texto((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const auto fecho = texto.rfind(')');
    if (fecho == std::string::npos) return -1;
    std::istringstream campos(texto.substr(fecho + 2));
    std::string c;
    long utime = 0, stime = 0;
    // After the name: state is field 3, utime 14 and stime 15.
    for (int campo = 3; campos >> c; ++campo) {
        if (campo == 14) utime = std::stol(c);
        if (campo == 15) {
            stime = std::stol(c);
            break;
        }
    }
    return utime + stime;
}

double segundosDesde(Relogio::time_point t) {
    return std::chrono::duration<double>(Relogio::now() - t).count();
}

// The picks of a game, counted in its output.
class ComEcra : public e2e::JanelaDoJogo {
protected:
    int conta(const std::string& texto) const {
        return teste::Programa::conta(cantos->saida(), texto);
    }
    void sai() { saiComEscape(); }
};

// A game against the real rules server on the game's port.
class Faltas : public ComEcra {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
        if (!cantos_teste::servidorDisponivel()) GTEST_SKIP() << "needs swipl";
        if (!portaLivreParaJogo()) GTEST_SKIP() << "port " << portaJogo << " is taken";
        arrancaServidor();
        abreJogo(ligou);
        if (HasFatalFailure()) return;
        // Hints would ask the server at every piece picked; these tests time the requests
        // of moves alone.
        clica(caixaAjudas);
    }

    void TearDown() override {
        if (servidor && servidor->aCorrer()) kill(servidor->pid(), SIGCONT);
        cantos.reset();
        servidor.reset();
        teste::apagaPastaCenarios(pasta);
    }

    void arrancaServidor() {
        servidor = std::make_unique<cantos_teste::ServidorRegras>(portaJogo);
        ASSERT_TRUE(servidor->inicia());
    }

    // A server back on the port, found by the game's next request: the link tries to
    // reconnect at most once a second, so a request sooner after a failed try is dropped.
    void rearrancaServidor() {
        arrancaServidor();
        teste::dorme(1100);
    }

    // Side 1 opens: the piece in the corner of row 7 steps left, and is set down.
    void primeiraJogada() {
        escolhe(cabeca(camaraLivre(), 4, 7), 17);
        escolhe(casaVazia(camaraJogador(), 3, 7), 137);
        ASSERT_TRUE(cantos->esperaSaida("Jogada Valida!\n")) << cantos->saida();
        teste::dorme(1500);
    }

    // Side 2's reply in two-player games: the piece at column 0, row 3 steps down.
    void jogadaDoLado2() {
        escolhe(cabeca(camaraJogador(), 0, 3), 10);
        escolhe(casaVazia(camaraJogador(), 0, 4), 104);
    }

    // Side 1 moves its first piece on again: legal only if the game kept the opening.
    void segundaDoLado1() {
        escolhe(corpo(camaraJogador(), 3, 7), 17);
        escolhe(casaVazia(camaraJogador(), 2, 7), 127);
    }

    std::unique_ptr<cantos_teste::ServidorRegras> servidor;
};

TEST_F(Faltas, ServerKilledBetweenAndDuringRequestsFakesNoMoveAndARestartedOneGoesOn) {
    escolhe(itemMenu(4.8, 2.25), 501);
    primeiraJogada();

    // Killed between requests: the next move finds the link gone.
    servidor->mata();
    jogadaDoLado2();
    EXPECT_TRUE(cantos->esperaSaida(perdida)) << cantos->saida();
    EXPECT_TRUE(cantos->esperaSaida(semServidor)) << cantos->saida();
    // The window still answers, and the same move again only tries to reconnect.
    teste::dorme(1000);
    jogadaDoLado2();
    EXPECT_TRUE(cantos->esperaSaida(naoLigou)) << cantos->saida();
    EXPECT_EQ(conta("Jogada Valida!\n"), 1) << cantos->saida();
    EXPECT_EQ(conta("Jogada Invalida!\n"), 0) << cantos->saida();

    rearrancaServidor();
    jogadaDoLado2();
    ASSERT_TRUE(cantos->esperaSaida("Jogada Valida!\n", 2)) << cantos->saida();
    EXPECT_EQ(conta(ligou), 2);
    EXPECT_EQ(conta("\n2\nJogada Valida!\n"), 1) << "the history goes on: " << cantos->saida();
    teste::dorme(1500);

    // Killed while a request waits for its reply: stopped first, so the request is in.
    kill(servidor->pid(), SIGSTOP);
    segundaDoLado1();
    teste::dorme(1000);
    servidor->mata();
    EXPECT_TRUE(cantos->esperaSaida(perdida, 2)) << cantos->saida();
    EXPECT_TRUE(cantos->esperaSaida(semServidor, 2)) << cantos->saida();
    EXPECT_EQ(conta("Jogada Valida!\n"), 2) << cantos->saida();

    rearrancaServidor();
    segundaDoLado1();
    EXPECT_TRUE(cantos->esperaSaida("\n3\nJogada Valida!\n")) << cantos->saida();
    EXPECT_EQ(conta("Jogada Invalida!\n"), 0) << cantos->saida();
    sai();
}

TEST_F(Faltas, ServerKilledWhileLevelTwoThinksLeavesTheComputersTurnToARestartedOne) {
    escolhe(itemMenu(7.0, 8.95), 505);
    ASSERT_TRUE(cantos->esperaSaida("Nivel de dificuldade: 2!\n"));
    escolhe(itemMenu(4.8, 4.05), 502);
    escolhe(cabeca(camaraLivre(), 4, 7), 17);
    escolhe(casaVazia(camaraJogador(), 3, 7), 137);
    ASSERT_TRUE(cantos->esperaSaida("Jogador1: 1\nJogador2: 0\n")) << cantos->saida();

    // While the piece moves, hold the server, until the game waits on the computer's move:
    // a window waiting on the server uses no processor time.
    const pid_t pidServidor = servidor->pid();
    kill(pidServidor, SIGSTOP);
    ASSERT_EQ(conta("Jogador2: 1\n"), 0) << "the computer was too quick for the test";
    bool aEspera = false;
    for (int i = 0; i < 30 && !aEspera; ++i) {
        const long antes = tempoCpu(cantos->pid);
        teste::dorme(300);
        aEspera = tempoCpu(cantos->pid) == antes;
    }
    ASSERT_TRUE(aEspera) << "the game never waited on the computer's move\n" << cantos->saida();
    // Let it take the request and think, then kill it before it answers.
    const long pensou = tempoCpu(pidServidor);
    kill(pidServidor, SIGCONT);
    const auto inicio = Relogio::now();
    while (tempoCpu(pidServidor) == pensou && segundosDesde(inicio) < 0.03) usleep(1000);
    servidor->mata();

    EXPECT_TRUE(cantos->esperaSaida(perdida)) << cantos->saida();
    EXPECT_TRUE(cantos->esperaSaida(semServidor)) << cantos->saida();
    // Still drawing: every frame asks again, reconnecting at most once a second, and a
    // click is still picked.
    EXPECT_TRUE(cantos->esperaSaida(naoLigou, 2, 5)) << cantos->saida();
    escolhe(corpo(camaraJogador(), 3, 7), 17);
    EXPECT_EQ(conta("Jogador2: 1\n"), 0) << "no computer move without a server";

    rearrancaServidor();
    ASSERT_TRUE(cantos->esperaSaida("Jogador1: 1\nJogador2: 1\n", 1, 15)) << cantos->saida();
    teste::dorme(1500);
    segundaDoLado1();
    EXPECT_TRUE(cantos->esperaSaida("Jogada Valida\n", 2)) << cantos->saida();
    EXPECT_EQ(conta("Jogada Invalida!\n"), 0) << cantos->saida();
    sai();
}

TEST_F(Faltas, HungServerIsGivenUpAfterTenSecondsAndTheGameGoesOnWhenItWakes) {
    escolhe(itemMenu(4.8, 2.25), 501);
    primeiraJogada();

    kill(servidor->pid(), SIGSTOP);
    escolhe(cabeca(camaraJogador(), 0, 3), 10);
    clica(casaVazia(camaraJogador(), 0, 4));
    ASSERT_TRUE(cantos->esperaSaida("Resposta104\n")) << cantos->saida();
    const auto pedido = Relogio::now();

    // While the reply is awaited the window is still: a click waits its turn.
    teste::dorme(1000);
    clica(cabeca(camaraJogador(), 0, 3));
    teste::dorme(2000);
    EXPECT_EQ(conta("Resposta10\n"), 1) << cantos->saida();

    ASSERT_TRUE(cantos->esperaSaida(perdida, 1, 20)) << cantos->saida();
    const double esperou = segundosDesde(pedido);
    EXPECT_GT(esperou, 9.0);
    EXPECT_LT(esperou, 14.0);
    EXPECT_TRUE(cantos->esperaSaida(semServidor)) << cantos->saida();
    // Drawing again: the held click is picked now.
    EXPECT_TRUE(cantos->esperaSaida("Resposta10\n", 2, 5)) << cantos->saida();
    EXPECT_EQ(conta("Jogada Valida!\n"), 1) << cantos->saida();

    // The server wakes and answers the old request into a closed connection; the game
    // reconnects and its next move is judged on the same board.
    kill(servidor->pid(), SIGCONT);
    escolhe(casaVazia(camaraJogador(), 0, 4), 104);
    EXPECT_TRUE(cantos->esperaSaida("\n2\nJogada Valida!\n")) << cantos->saida();
    teste::dorme(1500);
    segundaDoLado1();
    EXPECT_TRUE(cantos->esperaSaida("\n3\nJogada Valida!\n")) << cantos->saida();
    EXPECT_EQ(conta("Jogada Invalida!\n"), 0) << cantos->saida();
    sai();
}

// The game's own folder, copied, with files taken away.
class Ficheiros : public ComEcra {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
        char modelo[] = "/tmp/cantos-faltas-XXXXXX";
        ASSERT_NE(mkdtemp(modelo), nullptr);
        base = modelo;
        pasta = base + "/runtime";
        ASSERT_EQ(std::system(("cp -r '" CANTOS_RUNTIME_DIR "' '" + pasta + "'").c_str()), 0);
        // A sanitizer's own exit status must not pass for the program's.
        setenv("ASAN_OPTIONS", "detect_leaks=0:exitcode=86", 1);
        setenv("UBSAN_OPTIONS", "exitcode=87", 1);
    }

    void TearDown() override {
        cantos.reset();
        if (!base.empty() && std::system(("rm -rf '" + base + "'").c_str()) != 0)
            std::fprintf(stderr, "could not remove %s\n", base.c_str());
    }

    void tira(const char* ficheiro) { std::remove((pasta + "/" + ficheiro).c_str()); }

    std::string base;
};

TEST_F(Ficheiros, MissingTexturesAreBornePlayGoesOnAndAMissingSceneryEndsWithItsName) {
    tira("placar.bmp");
    tira("menu.bmp");
    ASSERT_EQ(mkdir((pasta + "/menu.bmp").c_str(), 0755), 0);  // there, but not a file
    std::ofstream(pasta + "/wood.bmp") << "BM not an image";
    tira("castle.sgx");

    cantos = std::make_unique<teste::Programa>(pasta);
    janela = teste::procuraJanela();
    ASSERT_FALSE(janela.empty()) << "no window appeared\n" << cantos->saida();
    teste::dorme(1000);
    // The file that is not an image is named as such; the missing ones say nothing.
    EXPECT_NE(cantos->saida().find("A image nao e de 24 bits por pixel!"), std::string::npos)
        << cantos->saida();
    escolhe(itemMenu(2.3, 8.95), 504);
    EXPECT_TRUE(cantos->esperaSaida("Nivel de dificuldade: 1!\n")) << cantos->saida();

    // "Ambiente", then "Castelo Medieval".
    clica({470, 477});
    clica({470, 513});
    EXPECT_EQ(cantos->espera(15), 1) << cantos->saida();
    const std::string saida = cantos->saida();
    EXPECT_NE(saida.find("Could not load test file 'castle.sgx'. Error='"), std::string::npos)
        << saida;
    EXPECT_NE(saida.find("Exiting.\n"), std::string::npos) << saida;
}

}  // namespace
