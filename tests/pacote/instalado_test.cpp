// The game as a player installs it: `cmake --install` into a temporary prefix with DESTDIR,
// then the installed cantos started from another folder, its home, with nothing telling it
// where its files are. Runs in a private network namespace (see tests/e2e/isolado.sh), so the game's
// own port 60070 is free for the server the game starts.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "app/programa_teste.h"
#include "e2e/janela_teste.h"
#include "e2e/mesa.h"
#include "support/servidor_regras.h"

// After the test framework: Xlib's macros would clash with its names.
#include <X11/Xutil.h>

namespace {

using namespace mesa;

constexpr int portaJogo = 60070;

std::string raiz;       // the DESTDIR
std::string prefixo;    // raiz + /usr
std::string registo;    // what the install said
bool instalou = false;

bool existe(const std::string& caminho) { return access(caminho.c_str(), F_OK) == 0; }

std::string le(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

sockaddr_in enderecoJogo() {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(portaJogo);
    return a;
}

bool algoEscuta() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in a = enderecoJogo();
    const bool ligou = connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ligou;
}

// Another program on the game's port: a web server of sorts, answering anything with an
// HTTP error and hanging up.
class Intruso {
public:
    bool escuta() {
        s_ = socket(AF_INET, SOCK_STREAM, 0);
        const int sim = 1;
        setsockopt(s_, SOL_SOCKET, SO_REUSEADDR, &sim, sizeof sim);
        const sockaddr_in a = enderecoJogo();
        if (bind(s_, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0 || listen(s_, 8) != 0)
            return false;
        fio_ = std::thread([this] {
            while (!fim_) {
                pollfd p{s_, POLLIN, 0};
                if (poll(&p, 1, 100) <= 0) continue;
                const int c = accept(s_, nullptr, nullptr);
                if (c < 0) continue;
                const char resposta[] = "HTTP/1.0 400 Bad Request\r\n\r\n";
                send(c, resposta, sizeof resposta - 1, MSG_NOSIGNAL);
                close(c);
            }
        });
        return true;
    }
    ~Intruso() {
        fim_ = true;
        if (fio_.joinable()) fio_.join();
        if (s_ >= 0) close(s_);
    }

private:
    int s_ = -1;
    std::atomic<bool> fim_{false};
    std::thread fio_;
};

class Instalado : public e2e::JanelaDoJogo {
protected:
    static void SetUpTestSuite() {
        JanelaDoJogo::SetUpTestSuite();
        char modelo[] = "/tmp/cantos-instalado-XXXXXX";
        if (mkdtemp(modelo) == nullptr) return;
        raiz = std::string(modelo) + "/raiz";
        prefixo = raiz + "/usr";
        const std::string saida = std::string(modelo) + "/install.log";
        instalou = std::system(("DESTDIR='" + raiz + "' '" CANTOS_CMAKE "' --install '" CANTOS_BINARY_DIR
                                "' --prefix /usr >'" + saida + "' 2>&1").c_str()) == 0;
        registo = le(saida);
    }
    static void TearDownTestSuite() {
        if (!raiz.empty()) std::system(("rm -rf '" + raiz.substr(0, raiz.rfind('/')) + "'").c_str());
        JanelaDoJogo::TearDownTestSuite();
    }

    void SetUp() override {
        ASSERT_TRUE(instalou) << registo;
        instalado = prefixo + "/bin/cantos";
        // Another folder, with nothing of the game's in it, as a player's home.
        char modelo[] = "/tmp/cantos-casa-XXXXXX";
        ASSERT_NE(mkdtemp(modelo), nullptr);
        casa = modelo;
        const char* h = std::getenv("HOME");
        home = h ? h : "";
        setenv("HOME", casa.c_str(), 1);
    }
    void TearDown() override {
        cantos.reset();
        setenv("HOME", home.c_str(), 1);
        std::system(("rm -rf '" + casa + "'").c_str());
    }

    // What the game and its server left in the home folder they were started from, beyond
    // the test's own record of their output.
    std::string deixadoEmCasa() {
        return teste::executa("cd '" + casa + "' && find . -mindepth 1 ! -name saida.txt");
    }

    // The installed game, started in `casa` with CANTOS_DATA unset, until its window shows.
    void arranca() {
        cantos = std::make_unique<teste::Programa>(casa, instalado, "", true);
        janela = teste::procuraJanela(instalado);
        ASSERT_FALSE(janela.empty()) << "no window appeared\n" << cantos->saida();
    }

    // The share of the viewport above the panel in the menu's cream and in its navy: both
    // are large when the menu texture was found and drawn.
    void partesDoMenu(double& creme, double& azul) {
        XImage* img = XGetImage(ecra, Window(std::stoul(janela)), 0, 0, largura, altura - painel,
                                AllPlanes, ZPixmap);
        ASSERT_NE(img, nullptr);
        long nCreme = 0, nAzul = 0;
        for (int y = 0; y < altura - painel; ++y) {
            for (int x = 0; x < largura; ++x) {
                const unsigned long p = XGetPixel(img, x, y);
                const int r = int((p & img->red_mask) >> 16), g = int((p & img->green_mask) >> 8),
                          b = int(p & img->blue_mask);
                if (r > 215 && g > 185 && b > 110 && b < 215 && r - b > 30) ++nCreme;
                if (b > r + 25 && r < 60) ++nAzul;
            }
        }
        XDestroyImage(img);
        const double total = double(largura) * (altura - painel);
        creme = nCreme / total;
        azul = nAzul / total;
    }

    std::string instalado, casa, home;
};

TEST_F(Instalado, EverythingIsInItsStandardPlaceAndTheDesktopEntryIsValid) {
    for (const char* f : {"/bin/cantos", "/share/cantos/japan.sgx", "/share/cantos/castle.sgx",
                          "/share/cantos/ambiente.sgx", "/share/cantos/menu.bmp",
                          "/share/cantos/tab.bmp", "/share/cantos/server/servidor.pl",
                          "/share/cantos/server/rede.pl", "/share/cantos/server/protocolo.pl",
                          "/share/cantos/server/regras.pl", "/share/cantos/server/jogador.pl",
                          "/share/applications/cantos.desktop", "/share/man/man6/cantos.6.gz"})
        EXPECT_TRUE(existe(prefixo + f)) << f << "\n" << registo;
    EXPECT_EQ(access((prefixo + "/bin/cantos").c_str(), X_OK), 0);
    EXPECT_FALSE(existe(prefixo + "/share/cantos/.pintado"));

    const std::string entrada = prefixo + "/share/applications/cantos.desktop";
    EXPECT_EQ(teste::executa("desktop-file-validate '" + entrada + "' 2>&1; echo status=$?"),
              "status=0");
    const std::string texto = le(entrada);
    EXPECT_NE(texto.find("\nExec=cantos\n"), std::string::npos) << texto;
    EXPECT_NE(texto.find("\nIcon=cantos\n"), std::string::npos) << texto;

    // The icon the entry names, at each size, as a PNG of that size with an alpha channel.
    std::stringstream tamanhos(CANTOS_ICON_SIZES);
    for (std::string lado; std::getline(tamanhos, lado, ',');) {
        const std::string png =
            le(prefixo + "/share/icons/hicolor/" + lado + "x" + lado + "/apps/cantos.png");
        ASSERT_GT(png.size(), 26u) << lado;
        EXPECT_EQ(png.substr(1, 3), "PNG");
        const auto inteiro = [&](std::size_t i) {
            return (unsigned char)png[i] << 24 | (unsigned char)png[i + 1] << 16 |
                   (unsigned char)png[i + 2] << 8 | (unsigned char)png[i + 3];
        };
        EXPECT_EQ(inteiro(16), std::stoi(lado));
        EXPECT_EQ(inteiro(20), std::stoi(lado));
        EXPECT_EQ(png[25], 6) << "red, green, blue and alpha";
    }

    const std::string ajuda = teste::executa("'" + instalado + "' --help; echo status=$?");
    EXPECT_EQ(ajuda.rfind("Usage: cantos", 0), 0u) << ajuda;
    EXPECT_NE(ajuda.find("CANTOS_DATA"), std::string::npos) << ajuda;
    EXPECT_NE(ajuda.find("status=0"), std::string::npos) << ajuda;
}

TEST_F(Instalado, StartsItsOwnServerShowsTheMenuJudgesAFirstMoveAndStopsTheServer) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
    if (!cantos_teste::servidorDisponivel()) GTEST_SKIP() << "needs swipl";
    if (algoEscuta()) GTEST_SKIP() << "port " << portaJogo << " is taken";
    arranca();
    const std::string arrancou = "Cantos: started the rules server on 127.0.0.1:60070 (pid ";
    ASSERT_TRUE(cantos->esperaSaida(arrancou)) << cantos->saida();
    ASSERT_TRUE(cantos->esperaSaida("Client: connect() is OK.\n")) << cantos->saida();
    const std::string saida = cantos->saida();
    const int pidServidor = std::atoi(saida.c_str() + saida.find(arrancou) + arrancou.size());
    ASSERT_GT(pidServidor, 0);
    teste::dorme(1000);

    // The screenshot: the menu, drawn with its texture from the installed data. A copy is
    // left beside the test for a person to look at.
    teste::executa("import -window " + janela + " '" CANTOS_BINARY_DIR
                   "/tests/pacote/instalado-menu.png' 2>/dev/null");
    double creme = 0, azul = 0;
    partesDoMenu(creme, azul);
    EXPECT_GT(creme, 0.10) << "the menu's buttons";
    EXPECT_GT(azul, 0.10) << "the menu's background";

    // "Jogador contra Jogador", and side 1's first move.
    escolhe(itemMenu(4.8, 2.25), 501);
    escolhe(cabeca(camaraLivre(), 4, 7), 17);
    escolhe(casaVazia(camaraJogador(), 3, 7), 137);
    ASSERT_TRUE(cantos->esperaSaida("Jogada Valida!\n")) << cantos->saida();

    saiComEscape();
    EXPECT_TRUE(kill(pidServidor, 0) != 0 && errno == ESRCH) << "the server outlived the game";
    EXPECT_FALSE(algoEscuta()) << "something still listens on the game's port";
    EXPECT_EQ(deixadoEmCasa(), "");
}

TEST_F(Instalado, AnotherProgramOnThePortIsNamedOnTheConsoleAndTheGameStillOpens) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
    if (algoEscuta()) GTEST_SKIP() << "port " << portaJogo << " is taken";
    Intruso intruso;
    ASSERT_TRUE(intruso.escuta());
    arranca();
    EXPECT_TRUE(cantos->esperaSaida("Cantos: port 60070 on 127.0.0.1 is taken by a program that "
                                    "is not a Cantos rules server"))
        << cantos->saida();
    EXPECT_EQ(teste::Programa::conta(cantos->saida(), "started the rules server"), 0);
    saiComEscape();
}

}  // namespace
