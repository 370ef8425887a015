// The link against a scripted local server (split replies, full buffers, a server that
// closes or keeps silent), against no server at all, and against the real rules server.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "game/globais.h"
#include "game/ligacao.h"
#include "game/tabuleiros.h"
#include "support/servidor_falso.h"
#include "support/servidor_regras.h"

using cantos_teste::ServidorFalso;
using cantos_teste::ServidorRegras;

namespace {

std::int64_t relogio = 0;
std::int64_t relogioFalso() { return relogio; }

void envia(int fd, const std::string& texto) { send(fd, texto.data(), texto.size(), MSG_NOSIGNAL); }

std::string leLinha(int fd) {
    std::string linha;
    char c;
    while (recv(fd, &c, 1, 0) == 1) {
        linha += c;
        if (c == '\n') break;
    }
    return linha;
}

void dorme(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

class Ligacao : public ::testing::Test {
protected:
    void SetUp() override {
        closeServer();
        setLinkClockForTests(relogioFalso);
        relogio += 60000;  // far past any earlier test's connect
        setReplyTimeoutForTests(10000);
    }
    void TearDown() override {
        closeServer();
        setLinkClockForTests(nullptr);
        setServerPortForTests(portaServidor);
        setReplyTimeoutForTests(10000);
    }
    bool liga(int porta) {
        setServerPortForTests(porta);
        testing::internal::CaptureStdout();
        bool ok = connectServer();
        saida_ = testing::internal::GetCapturedStdout();
        return ok;
    }
    std::string saida_;
};

const char* const mensagensLigado =
    "Client: WSAStartup() is OK.\nClient: socket() is OK.\nClient: connect() is OK.\n"
    "Client: Can start sending and receiving data...\nConnected\n";
const char* const mensagensFalhou =
    "Client: WSAStartup() is OK.\nClient: socket() is OK.\nClient: connect() - Failed to connect.\n";

TEST_F(Ligacao, RepliesSplitAcrossPacketsEndAtTheFullStopAndLeaveTheRest) {
    ServidorFalso falso([](int fd) {
        leLinha(fd);
        envia(fd, "ab");
        dorme(50);
        envia(fd, "c.\r\n");
        leLinha(fd);
        envia(fd, ".\r\n");
        leLinha(fd);
        envia(fd, "ok.\r\n");
    });
    ASSERT_TRUE(liga(falso.porta()));
    EXPECT_EQ(saida_, mensagensLigado);

    char buf[512] = {};
    ASSERT_TRUE(sendMessage("um.\n", 4));
    ASSERT_TRUE(receiveReply(buf, sizeof buf));
    EXPECT_STREQ(buf, "abc");
    // The turn step counts line feeds in the whole buffer: the next reply's must not show.
    EXPECT_EQ(std::memchr(buf, '\n', sizeof buf), nullptr);

    // The line break after a "." is the start of the next reply; "." alone is an empty text.
    ASSERT_TRUE(sendMessage("dois.\n", 6));
    ASSERT_TRUE(receiveReply(buf, sizeof buf));
    EXPECT_STREQ(buf, "\r\n");
    ASSERT_TRUE(sendMessage("tres.\n", 6));
    ASSERT_TRUE(receiveReply(buf, sizeof buf));
    EXPECT_STREQ(buf, "\r\nok");
    EXPECT_TRUE(serverConnected());
}

TEST_F(Ligacao, AFullBufferStopsWithoutWritingPastItAndDropsTheLink) {
    ServidorFalso falso([](int fd) {
        leLinha(fd);
        envia(fd, std::string(600, 'a') + ".\r\n");
    });
    ASSERT_TRUE(liga(falso.porta()));
    char buf[520];
    std::memset(buf, '#', sizeof buf);
    ASSERT_TRUE(sendMessage("x.\n", 3));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(receiveReply(buf, 512));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Client: connection to the rules server lost.\n");
    EXPECT_EQ(std::strlen(buf), 511u);
    for (int i = 512; i < 520; ++i) EXPECT_EQ(buf[i], '#') << i;
    // What is left of the long reply must never pass for the next one.
    EXPECT_FALSE(serverConnected());
}

TEST_F(Ligacao, AServerClosingMidReplyIsALostLinkSaidOnce) {
    ServidorFalso falso([](int fd) {
        leLinha(fd);
        envia(fd, "[[2,2");
    });
    ASSERT_TRUE(liga(falso.porta()));
    char buf[512];
    ASSERT_TRUE(sendMessage("x.\n", 3));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(receiveReply(buf, sizeof buf));
    EXPECT_STREQ(buf, "[[2,2");
    // Without a connection nothing more is read, said or tried within the second.
    EXPECT_FALSE(receiveReply(buf, sizeof buf));
    EXPECT_FALSE(sendMessage("y.\n", 3));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Client: connection to the rules server lost.\n");
    EXPECT_STREQ(buf, "");
}

TEST_F(Ligacao, SendingToAServerThatLeftFailsWithoutKillingTheProgram) {
    ServidorFalso falso([](int) {});
    ASSERT_TRUE(liga(falso.porta()));
    dorme(100);
    testing::internal::CaptureStdout();
    bool algumFalhou = false;
    std::string grande(4096, 'x');
    for (int i = 0; i < 50 && !algumFalhou; ++i) {
        algumFalhou = !sendMessage(grande.c_str(), static_cast<int>(grande.size()));
        dorme(10);
    }
    std::string saida = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(algumFalhou);
    EXPECT_NE(saida.find("Client: send() error "), std::string::npos);
    EXPECT_NE(saida.find("Client: connection to the rules server lost.\n"), std::string::npos);
}

TEST_F(Ligacao, ASilentServerIsGivenUpAfterTheTimeLimit) {
    ServidorFalso falso([](int fd) {
        leLinha(fd);
        dorme(600);
        envia(fd, "tarde.");
    });
    ASSERT_TRUE(liga(falso.porta()));
    setReplyTimeoutForTests(150);
    char buf[512];
    ASSERT_TRUE(sendMessage("x.\n", 3));
    auto antes = std::chrono::steady_clock::now();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(receiveReply(buf, sizeof buf));
    testing::internal::GetCapturedStdout();
    EXPECT_LT(std::chrono::steady_clock::now() - antes, std::chrono::milliseconds(500));
    EXPECT_FALSE(serverConnected());
}

TEST_F(Ligacao, WithNoServerConnectFailsAndRetriesAtMostOnceASecond) {
    int porta = cantos_teste::portaLivre();
    EXPECT_FALSE(liga(porta));
    EXPECT_EQ(saida_, mensagensFalhou);

    testing::internal::CaptureStdout();
    EXPECT_FALSE(sendMessage("x.\n", 3));
    relogio += 999;
    EXPECT_FALSE(sendMessage("x.\n", 3));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    relogio += 1;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(sendMessage("x.\n", 3));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), mensagensFalhou);

    char buf[128];
    EXPECT_FALSE(receiveReply(buf, sizeof buf));
    EXPECT_STREQ(buf, "");
}

TEST_F(Ligacao, QuitSendsExactlyTheSixBytesAndReadsOneReply) {
    std::string recebido;
    ServidorFalso falso([&recebido](int fd) {
        char c;
        while (recv(fd, &c, 1, 0) == 1) {
            recebido += c;
            if (c == '\n') break;
        }
        envia(fd, "qualquer coisa.\r\n");
        dorme(50);
    });
    ASSERT_TRUE(liga(falso.porta()));
    testing::internal::CaptureStdout();
    quitServer();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Asking prolog to quit\n");
    EXPECT_FALSE(serverConnected());
    // Said once: a second call finds no link and sends nothing.
    testing::internal::CaptureStdout();
    quitServer();
    testing::internal::GetCapturedStdout();
    falso.espera();
    EXPECT_EQ(recebido, "quit.\n");
}

TEST_F(Ligacao, TheRealServerAnswersInLockStepAndPicksUpAfterARestart) {
    if (!cantos_teste::servidorDisponivel()) GTEST_SKIP() << "rules server not available";
    ServidorRegras servidor;
    ASSERT_TRUE(servidor.inicia());
    ASSERT_TRUE(liga(servidor.porta()));

    const std::string& inicial = cantos_teste::tabuleiroInicialTexto;
    std::string pedido = "validaJogada(7,4,6,3," + inicial + ",1).\n";
    char buf[512];
    ASSERT_TRUE(sendMessage(pedido.c_str(), static_cast<int>(pedido.size())));
    ASSERT_TRUE(receiveReply(buf, sizeof buf));
    std::string depois = cantos_teste::comJogada(inicial, 7, 4, 6, 3);
    EXPECT_EQ(std::string(buf), depois);

    ASSERT_TRUE(sendMessage("pergunta(sem,sentido).\n", 23));
    ASSERT_TRUE(receiveReply(buf, sizeof buf));
    EXPECT_STREQ(buf, "\r\nerro");

    servidor.mata();
    testing::internal::CaptureStdout();
    bool ok = sendMessage(pedido.c_str(), static_cast<int>(pedido.size())) &&
              receiveReply(buf, sizeof buf);
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(ok);
    EXPECT_FALSE(serverConnected());

    ASSERT_TRUE(servidor.inicia());
    relogio += 1000;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(sendMessage(pedido.c_str(), static_cast<int>(pedido.size())));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), mensagensLigado);
    ASSERT_TRUE(receiveReply(buf, sizeof buf));
    EXPECT_EQ(std::string(buf), depois);

    testing::internal::CaptureStdout();
    quitServer();
    testing::internal::GetCapturedStdout();
}

}  // namespace
