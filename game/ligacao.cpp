// The rules-server link over BSD sockets. Messages keep the wording of the original
// Winsock client, so the console reads the same on every system.
#include "game/ligacao.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>

#include "game/globais.h"

namespace {

constexpr std::int64_t intervaloReligacaoMs = 1000;

int portaLigacao = portaServidor;
int limiteRespostaMs = 10000;
std::int64_t (*relogioLigacao)() = nullptr;

std::int64_t agoraMs() {
    if (relogioLigacao) return relogioLigacao();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The connection failed after it was open: say so once and close it, so that a late
// reply can never be read as the answer to the next request.
void perdeLigacao() {
    if (socketServidor < 0) return;
    std::printf("Client: connection to the rules server lost.\n");
    std::fflush(stdout);
    closeServer();
}

// A dropped link comes back on the next request, but a missing server is not hammered
// with a connect every frame.
bool religaSeParada() {
    if (socketServidor >= 0) return true;
    std::int64_t agora = agoraMs();
    if (ultimaLigacaoMs != INT64_MIN && agora - ultimaLigacaoMs < intervaloReligacaoMs) return false;
    return connectServer();
}

// Waits for the next bytes of a reply; false on silence past the limit or a failed poll.
bool esperaDados() {
    pollfd p{socketServidor, POLLIN, 0};
    for (;;) {
        int n = poll(&p, 1, limiteRespostaMs);
        if (n > 0) return true;
        if (n == 0) return false;
        if (errno != EINTR) return false;
    }
}

// Takes the next bytes of a reply, up to its "." at most, so that what the server sends
// after the "." stays in the connection. Returns how many bytes were taken (0 when the
// connection closed or failed) and sets `fim` when the last one is the ".".
ssize_t recebeTroco(char* destino, std::size_t espaco, bool& fim) {
    ssize_t vistos;
    do {
        vistos = recv(socketServidor, destino, espaco, MSG_PEEK);
    } while (vistos < 0 && errno == EINTR);
    if (vistos <= 0) return 0;
    const void* ponto = std::memchr(destino, '.', static_cast<std::size_t>(vistos));
    std::size_t querer = ponto ? static_cast<const char*>(ponto) - destino + 1
                               : static_cast<std::size_t>(vistos);
    ssize_t lidos;
    do {
        lidos = recv(socketServidor, destino, querer, 0);
    } while (lidos < 0 && errno == EINTR);
    if (lidos <= 0) return 0;
    // Bytes only looked at belong to the next reply; callers scan whole buffers for line
    // feeds, so none may be left behind the terminator.
    std::memset(destino + lidos, 0, static_cast<std::size_t>(vistos - lidos));
    fim = destino[lidos - 1] == '.';
    return lidos;
}

}  // namespace

bool connectServer() {
    closeServer();
    ultimaLigacaoMs = agoraMs();
    // Sockets need no library start-up here; the message keeps the console's order.
    std::printf("Client: WSAStartup() is OK.\n");

    int s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s < 0) {
        std::printf("Client: socket() - Error at socket(): %ld\n", static_cast<long>(errno));
        std::fflush(stdout);
        return false;
    }
    std::printf("Client: socket() is OK.\n");

    sockaddr_in clientService{};
    clientService.sin_family = AF_INET;
    clientService.sin_addr.s_addr = inet_addr("127.0.0.1");
    clientService.sin_port = htons(static_cast<unsigned short>(portaLigacao));
    if (connect(s, reinterpret_cast<sockaddr*>(&clientService), sizeof clientService) != 0) {
        std::printf("Client: connect() - Failed to connect.\n");
        std::fflush(stdout);
        close(s);
        return false;
    }
    // Requests are small and answered at once; waiting to coalesce them only adds delay.
    int um = 1;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &um, sizeof um);
    socketServidor = s;

    std::printf("Client: connect() is OK.\n");
    std::printf("Client: Can start sending and receiving data...\n");
    std::printf("Connected\n");
    std::fflush(stdout);
    return true;
}

bool sendMessage(const char* text, int length) {
    if (!religaSeParada()) return false;
    std::size_t enviados = 0;
    std::size_t total = length > 0 ? static_cast<std::size_t>(length) : 0;
    while (enviados < total) {
        // MSG_NOSIGNAL: a server gone away must not kill the game with SIGPIPE.
        ssize_t n = send(socketServidor, text + enviados, total - enviados, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            std::printf("Client: send() error %ld.\n", static_cast<long>(errno));
            perdeLigacao();
            return false;
        }
        enviados += static_cast<std::size_t>(n);
    }
    return true;
}

bool receiveReply(char* buffer, std::size_t size) {
    if (size == 0) return false;
    buffer[0] = '\0';
    if (socketServidor < 0) return false;

    std::size_t k = 0;
    bool fim = false;
    while (k < size - 1) {
        if (!esperaDados()) break;
        ssize_t n = recebeTroco(buffer + k, size - 1 - k, fim);
        if (n == 0) break;
        k += static_cast<std::size_t>(n);
        if (fim) {
            buffer[k - 1] = '\0';
            return true;
        }
    }
    // Closed, failed, silent, or more text than the buffer holds: the rest of this reply
    // would otherwise be read as the next one.
    buffer[k] = '\0';
    perdeLigacao();
    return false;
}

bool serverConnected() { return socketServidor >= 0; }

void closeServer() {
    if (socketServidor < 0) return;
    close(socketServidor);
    socketServidor = -1;
}

void setServerPortForTests(int port) { portaLigacao = port; }

void setReplyTimeoutForTests(int milliseconds) { limiteRespostaMs = milliseconds; }

void setLinkClockForTests(std::int64_t (*relogio)()) { relogioLigacao = relogio; }
