// The link's receiveReply fed by a socket pair: the link's own socket is one end, and a
// thread writes the input into the other in pieces of varying size, then closes it.
//
// Input: one byte choosing the caller's buffer size, one byte seeding the piece sizes,
// then the bytes the "server" sends. Reading replies until the link gives up must give
// exactly the texts between the full stops, each zero-terminated, as long as one fits the
// buffer with its terminator; a reply that does not fit, or no full stop before the end,
// is a failure that closes the link, and nothing is ever written past the buffer.
#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <thread>

#include "fuzz/comum.h"
#include "game/globais.h"
#include "game/ligacao.h"

namespace {

// The game's buffers (512 for replies, 128 for the quit reply) and sizes around the edges.
constexpr std::size_t tamanhos[] = {512, 128, 1, 2, 3, 16, 146, 147};

void escreve(int fd, const uint8_t* d, std::size_t n, unsigned semente) {
    std::size_t feito = 0;
    while (feito < n) {
        semente = semente * 1103515245u + 12345u;
        std::size_t pedaco = 1 + (semente >> 16) % 700;
        if (pedaco > n - feito) pedaco = n - feito;
        ssize_t k = send(fd, d + feito, pedaco, MSG_NOSIGNAL);
        if (k < 0) break;  // the link closed its end after a failed reply
        feito += static_cast<std::size_t>(k);
    }
    shutdown(fd, SHUT_WR);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    silenciaConsola();
    // Every byte is written before the reader could time out; a stall is a finding.
    setReplyTimeoutForTests(5000);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t size) {
    if (size < 2 || size > (1 << 20)) return -1;
    const std::size_t tamanho = tamanhos[d[0] % (sizeof tamanhos / sizeof tamanhos[0])];
    const uint8_t* fluxo = d + 2;
    const std::size_t n = size - 2;

    int par[2];
    exige(socketpair(AF_UNIX, SOCK_STREAM, 0, par) == 0, "socketpair failed");
    socketServidor = par[0];
    std::thread servidor(escreve, par[1], fluxo, n, unsigned{d[1]});

    std::size_t pos = 0;
    for (;;) {
        // Exactly the caller's size on the heap, so one byte too far is caught.
        std::unique_ptr<char[]> buffer(new char[tamanho]);
        std::memset(buffer.get(), 'x', tamanho);
        const bool ok = receiveReply(buffer.get(), tamanho);

        const void* ponto = pos < n ? std::memchr(fluxo + pos, '.', n - pos) : nullptr;
        const std::size_t comprimento =
            ponto ? static_cast<std::size_t>(static_cast<const uint8_t*>(ponto) - (fluxo + pos)) : 0;
        // The full stop itself is not kept, but the link reads it into the buffer before
        // ending the text there: a text one byte shorter than the buffer may be refused.
        if (!ok) {
            exige(!ponto || comprimento + 2 > tamanho,
                  "a reply of %zu bytes in a %zu-byte buffer was refused", comprimento, tamanho);
            exige(!serverConnected(), "the link stayed open after a failed reply");
            exige(std::memchr(buffer.get(), '\0', tamanho),
                  "a failed reply left the buffer unterminated");
            break;
        }
        exige(ponto, "receiveReply accepted text with no full stop");
        exige(comprimento + 1 <= tamanho, "a reply of %zu bytes passed a %zu-byte buffer",
              comprimento, tamanho);
        exige(std::memcmp(buffer.get(), fluxo + pos, comprimento) == 0 &&
                  buffer[comprimento] == '\0',
              "reply at byte %zu differs from what was sent", pos);
        pos += comprimento + 1;
    }
    servidor.join();
    close(par[1]);
    closeServer();
    return 0;
}
