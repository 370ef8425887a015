// Many games against the real rules server, driven through the real picks, turn step,
// Undo, film and menu, with random actions: legal and illegal moves, the computer at both
// levels, mode changes mid-game, "Menu", a server that dies and comes back, and restarts of
// the program (the game saved as the window saves it, then loaded into a fresh state, with
// or without the server at hand). After every action that leaves the game at rest, the
// board array, the pieces, both board texts, the last record and the server's own
// judgement must all tell the same position; after every restart, the game is the one left.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "game/animacao.h"
#include "game/desfazer.h"
#include "game/ficheiros.h"
#include "game/fim_jogo.h"
#include "game/gravacao.h"
#include "game/ids.h"
#include "game/persistencia.h"
#include "game/volta_menu.h"
#include "game/globais.h"
#include "game/jogo_teste.h"
#include "game/ligacao.h"
#include "game/selecao.h"
#include "game/tabuleiros.h"
#include "game/turno.h"
#include "support/pasta_temporaria.h"
#include "support/servidor_regras.h"

using namespace cantos_teste;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int jogosPedidos = 30;
#else
constexpr int jogosPedidos = 200;
#endif

using Digitos = std::string;  // the 64 digits of a board, row by row

// The squares of a board text: the digits after its first "[", line breaks ignored.
Digitos digitos(const char* texto) {
    Digitos d;
    const char* p = std::strchr(texto, '[');
    for (; p && *p && d.size() < 64; ++p)
        if (*p >= '0' && *p <= '2') d += *p;
    return d;
}

Digitos digitosDasCasas() { return digitos(casasComoTexto().c_str()); }

// The position as the pieces show it; "" when two pieces share a square or one stands off
// its square.
Digitos digitosDasPecas() {
    Digitos d(64, '0');
    for (const Peca& p : pecas) {
        int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
        if (p.x != x || p.y != y || x < 0 || x > 7 || y < 0 || y > 7) return "";
        char& c = d[static_cast<std::size_t>(8 * y + x)];
        if (c != '0') return "";
        c = static_cast<char>('0' + 3 - p.lado);
    }
    return d;
}

char casa(const Digitos& d, int x, int y) { return d[static_cast<std::size_t>(8 * y + x)]; }

Digitos move(Digitos d, int deX, int deY, int paraX, int paraY) {
    std::swap(d[static_cast<std::size_t>(8 * deY + deX)], d[static_cast<std::size_t>(8 * paraY + paraX)]);
    return d;
}

std::string comoTexto(const Digitos& d) {
    std::string t = "[";
    for (int y = 0; y < 8; ++y) {
        t += y ? ",[" : "[";
        for (int x = 0; x < 8; ++x) t += std::string(x ? "," : "") + casa(d, x, y);
        t += "]";
    }
    return t + "]";
}

// The test's own connection to the server, the judge the game is held to.
class Oraculo {
public:
    explicit Oraculo(int porta) : porta_(porta) {}
    ~Oraculo() { fecha(); }
    void fecha() {
        if (s_ >= 0) close(s_);
        s_ = -1;
    }
    // The board the server returns for the move; "" when it could not be asked.
    Digitos valida(int x0, int y0, int x1, int y1, const Digitos& antes, int lado) {
        char pedido[512];
        std::snprintf(pedido, sizeof pedido, "validaJogada(%d,%d,%d,%d,%s,%d).\n", x0, y0, x1, y1,
                      comoTexto(antes).c_str(), lado);
        std::string r;
        for (int tentativa = 0; tentativa < 2 && r.empty(); ++tentativa) r = troca(pedido);
        return digitos(r.c_str());
    }

private:
    std::string troca(const char* pedido) {
        if (s_ < 0 && !liga()) return "";
        if (send(s_, pedido, std::strlen(pedido), MSG_NOSIGNAL) < 0) return fecha(), "";
        std::string r;
        char c;
        while (recv(s_, &c, 1, 0) == 1) {
            if (c == '.') return r;
            r += c;
        }
        fecha();
        return "";
    }
    bool liga() {
        s_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(static_cast<unsigned short>(porta_));
        if (connect(s_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) return true;
        fecha();
        return false;
    }
    int porta_;
    int s_ = -1;
};

class Partidas : public ::testing::Test {
protected:
    void SetUp() override {
        if (!servidorDisponivel()) GTEST_SKIP() << "rules server not available";
        servidor_ = std::make_unique<ServidorRegras>();
        ASSERT_TRUE(servidor_->inicia());
        oraculo_ = std::make_unique<Oraculo>(servidor_->porta());
        estadoInicialDoJogo();
        setLinkClockForTests(leRelogioLigacao);
        setServerPortForTests(servidor_->porta());
        calado([] { connectServer(); });
        posicoes_ = {digitos(tabuleiroInicial)};
        alteracoesJogo = alteracoesGravadas = 0;
    }
    void TearDown() override {
        closeServer();
        setLinkClockForTests(nullptr);
        setServerPortForTests(portaServidor);
    }

    int sorte(int n) { return std::uniform_int_distribution<int>(0, n - 1)(gerador_); }
    bool chance(int porCento) { return sorte(100) < porCento; }

    // The window's three 20 ms timers, until nothing moves and nothing waits.
    void assenta() {
        for (int tick = 0; tick < 20000 && (animando || filmeActivo() || undoArmado); ++tick) {
            moveTick();
            undoStep(0);
            replayStep(0);
        }
        ASSERT_FALSE(animando || filmeActivo() || undoArmado) << "the game never came to rest";
    }

    // What a restart must give back.
    struct Foto {
        Digitos posicao;
        int modo, nivel, jogador, jogadas1, jogadas2, vitorias1, vitorias2;
        std::vector<std::array<int, 5>> jogadas;
        bool fim;
        bool operator==(const Foto& o) const {
            return posicao == o.posicao && modo == o.modo && nivel == o.nivel && jogador == o.jogador &&
                   jogadas1 == o.jogadas1 && jogadas2 == o.jogadas2 && vitorias1 == o.vitorias1 &&
                   vitorias2 == o.vitorias2 && jogadas == o.jogadas && fim == o.fim;
        }
    };
    static Foto foto() {
        Foto f{digitosDasCasas(), modo, nivel, jogador, jogadas1, jogadas2, vitorias1, vitorias2, {}, fimDeJogo.activo};
        for (const mov& m : historico) f.jogadas.push_back({m.jogador, m.xi, m.yi, m.xf, m.yf});
        return f;
    }

    // The program ends and starts again: saved at the exit, or killed with only what each
    // frame saved, then loaded into a fresh state. Without the server a game with moves
    // waits, nothing is saved over it, and it comes back as soon as the server answers.
    void reinicia() {
        ++reinicios_;
        if (chance(50)) calado([] { guardaJogoAoSair(); });
        const Foto antes = foto();
        const bool semServidor = chance(30);
        if (semServidor) {
            servidor_->mata();
            oraculo_->fecha();
        }
        closeServer();
        estadoInicialDoJogo();
        alteracoesJogo = alteracoesGravadas = 0;
        relogioLigacao += 2000;
        const std::string dito = calado([] { carregaJogoGuardado(); });
        // A game by its moves, the menu by its wins: never "0 jogadas" for the menu.
        if (dito.find("Jogo retomado") != std::string::npos) {
            ASSERT_EQ(dito.find(" jogadas\n") != std::string::npos, modo >= 1 && modo <= 3) << dito;
        }
        if (semServidor && !antes.jogadas.empty()) {
            ASSERT_TRUE(jogoGuardadoEmEspera());
            ASSERT_EQ(nJogadas, 0);
            std::string guardado, depois;
            ASSERT_TRUE(leFicheiro(ficheiroJogo(), guardado));
            calado([] { retomaJogoEmEspera(), turnStep(), guardaJogoSeMudou(), guardaJogoAoSair(); });
            ASSERT_TRUE(leFicheiro(ficheiroJogo(), depois));
            ASSERT_EQ(depois, guardado) << "a saved game waiting for the server was written over";
        }
        if (semServidor) {
            ASSERT_TRUE(servidor_->inicia());
            relogioLigacao += 2000;
            calado([] { retomaJogoEmEspera(); });
        }
        ASSERT_FALSE(jogoGuardadoEmEspera());
        ASSERT_TRUE(foto() == antes) << "the game after a restart is not the one left";
        if (antes.modo <= 0) {
            ASSERT_EQ(camara, id(Camara::menu));
        }
    }

    void escolheModo() {
        // The click that takes the end banner away comes first, as in the window.
        if (fimDeJogo.activo) calado([] { dispensaFimDeJogo(); });
        int nivelPedido = chance(50) ? (chance(96) ? 504 : 505) : 0;
        int modoPedido = 501 + sorte(3);
        calado([&] {
            if (nivelPedido) handlePick(nivelPedido);
            handlePick(modoPedido);
        });
    }

    // A player's move, by picks in either order: mostly near the piece, so that many are legal.
    void tentaJogada() {
        int lado = 3 - jogador;
        std::vector<int> minhas;
        for (std::size_t k = 0; k < pecas.size(); ++k)
            if (pecas[k].lado == lado) minhas.push_back(static_cast<int>(k));
        const Peca& p = pecas[static_cast<std::size_t>(minhas[static_cast<std::size_t>(sorte(static_cast<int>(minhas.size())))])];
        int x0 = static_cast<int>(p.x), y0 = static_cast<int>(p.y);
        std::vector<int> vazias;
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y)
                if (casas[x][y] == 0 && (chance(10) || (std::abs(x - x0) <= 2 && std::abs(y - y0) <= 2)))
                    vazias.push_back(10 * x + y);
        if (vazias.empty()) return;
        int k = vazias[static_cast<std::size_t>(sorte(static_cast<int>(vazias.size())))];
        int nomePeca = static_cast<int>(&p - pecas.data()) + 1;
        bool pecaPrimeiro = chance(50);
        calado([&] {
            handlePick(pecaPrimeiro ? nomePeca : 100 + k);
            handlePick(pecaPrimeiro ? 100 + k : nomePeca);
        });
        Digitos antes = digitos(tabuleiro);
        int quem = jogador, registos = nJogadas;
        std::string saida = calado([] { turnStep(); });
        if (saida.find("Jogada Invalida!") != std::string::npos) {
            EXPECT_EQ(nJogadas, registos);
            EXPECT_EQ(oraculo_->valida(x0, y0, k / 10, k % 10, antes, quem), antes)
                << "a legal move was refused: (" << x0 << "," << y0 << ")->(" << k / 10 << ","
                << k % 10 << ") for side " << quem << " on " << comoTexto(antes);
        }
    }

    void derrubaServidor() {
        servidor_->mata();
        calado([] { turnStep(); });  // a request into the void, if one is due
        ASSERT_TRUE(servidor_->inicia());
        oraculo_->fecha();
        relogioLigacao += 2000;  // the link may try again
    }

    void acao() {
        if (modo <= 0) return chance(10) ? reinicia() : escolheModo();
        int r = sorte(100);
        bool vezDoJogador = modo == 1 || (modo == 2 && jogador == 1);
        if (r < 3) return escolheModo();
        if (r < 4 && chance(50)) return calado([] { voltaAoMenu(); }), void();
        if (r < 5) return reinicia();
        if (r < 8) return calado([] { undoStep(1); }), void();
        if (r < 10) return calado([] { replayStep(1); }), void();
        if (r < 11 && chance(3)) return derrubaServidor();
        if (vezDoJogador) return tentaJogada();
        calado([] { turnStep(); });
    }

    // Everything the game holds must show one position, the one the server agreed to.
    void confere(const std::string& contexto) {
        SCOPED_TRACE(contexto);
        Digitos agora = digitosDasCasas();
        ASSERT_EQ(digitosDasPecas(), agora);
        ASSERT_EQ(digitos(tabuleiro), agora);
        ASSERT_EQ(digitos(tabuleiroPC), agora);
        ASSERT_EQ(static_cast<std::size_t>(nJogadas), historico.size());
        if (modo == -1) {
            ASSERT_EQ(agora, digitos(tabuleiroInicial));
            ASSERT_TRUE(historico.empty());
            if (posicoes_.size() > 1 || !acabado_) ++jogosAcabados_;
            acabado_ = true;
            posicoes_ = {agora};
            return;
        }
        acabado_ = false;
        std::size_t n = historico.size();
        ASSERT_LE(n, posicoes_.size());
        if (n + 1 < posicoes_.size()) posicoes_.resize(n + 1);  // moves taken back
        if (n + 1 == posicoes_.size()) {
            ASSERT_EQ(agora, posicoes_.back());
        } else {
            const mov& m = historico.back();
            ASSERT_EQ(oraculo_->valida(m.xi, m.yi, m.xf, m.yf, posicoes_.back(), m.jogador), agora)
                << "the game took a move the server does not make: (" << m.xi << "," << m.yi
                << ")->(" << m.xf << "," << m.yf << ") side " << m.jogador << " from "
                << comoTexto(posicoes_.back());
            posicoes_.push_back(agora);
        }
        if (n > 0) {
            const mov& m = historico.back();
            ASSERT_EQ(casa(agora, m.xf, m.yf), '0' + m.jogador);
            ASSERT_EQ(casa(agora, m.xi, m.yi), '0');
            Digitos registado = digitos(m.tabuleiro);
            ASSERT_TRUE(registado == agora || move(registado, m.xi, m.yi, m.xf, m.yf) == agora);
            ASSERT_EQ(jogador, 3 - m.jogador);
        }
    }

    std::unique_ptr<ServidorRegras> servidor_;
    std::unique_ptr<Oraculo> oraculo_;
    std::mt19937 gerador_;
    std::vector<Digitos> posicoes_;  // the position after each record of the game so far
    int jogosAcabados_ = 0;
    int reinicios_ = 0;
    bool acabado_ = false;
    PastaTemporaria pasta_{"XDG_STATE_HOME"};
};

TEST_F(Partidas, EveryStateAgreesWithTheRulesServer) {
    unsigned semente = std::random_device{}();
    if (const char* s = std::getenv("CANTOS_SEMENTE")) semente = static_cast<unsigned>(std::atoi(s));
    gerador_.seed(semente);
    std::printf("seed %u (CANTOS_SEMENTE repeats it)\n", semente);
    const long limiteAccoes = 400L * jogosPedidos;
    long accoes = 0;
    for (; jogosAcabados_ < jogosPedidos && accoes < limiteAccoes; ++accoes) {
        acao();
        assenta();
        if (HasFatalFailure()) return;
        calado([] { guardaJogoSeMudou(); });  // as every frame does
        confere("action " + std::to_string(accoes) + ", seed " + std::to_string(semente));
        if (HasFatalFailure()) return;
    }
    std::printf("%d games ended in %ld actions, %d restarts\n", jogosAcabados_, accoes, reinicios_);
    EXPECT_EQ(jogosAcabados_, jogosPedidos);
}

}  // namespace
