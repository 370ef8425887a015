// The game as a player installs it: `cmake --install` into a temporary prefix with DESTDIR,
// then the installed cantos started from another folder, its home, with nothing telling it
// where its files are. Runs in a private network namespace (see tests/e2e/isolado.sh), so
// the game's own port 60070 is free for the server the game starts.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/programa_teste.h"
#include "e2e/janela_teste.h"
#include "e2e/mesa.h"
#include "support/servidor_regras.h"

// After the test framework: Xlib's macros would clash with its names.
#include <X11/Xutil.h>

namespace {

using namespace mesa;

bool algoEscutaNoJogo() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(60070);
    const bool ligou = connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
    close(s);
    return ligou;
}

// A process that runs: neither gone nor a zombie no one has reaped yet.
bool corre(int pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/stat");
    std::string texto((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const auto fecho = texto.rfind(')');
    return fecho != std::string::npos && texto.size() > fecho + 2 && texto[fecho + 2] != 'Z';
}

// The server outlives its last window by app/servidor_local.h's ten seconds, and no more.
bool terminaDentroDe(int pid, int segundos) {
    for (int i = 0; i < segundos * 10 && corre(pid); ++i) teste::dorme(100);
    return !corre(pid);
}

class Instalado : public e2e::JanelaDoJogo {
protected:
    static void SetUpTestSuite() {
        JanelaDoJogo::SetUpTestSuite();
        char modelo[] = "/tmp/cantos-instalado-XXXXXX";
        if (mkdtemp(modelo) == nullptr) return;
        pasta = modelo;
        registo = teste::executa("DESTDIR='" + pasta + "' '" CANTOS_CMAKE "' --install '" CANTOS_BINARY_DIR
                                 "' --prefix /usr 2>&1; echo status=$?");
    }
    static void TearDownTestSuite() {
        if (!pasta.empty()) teste::executa("rm -rf '" + pasta + "'");
        JanelaDoJogo::TearDownTestSuite();
    }

    void SetUp() override {
        ASSERT_NE(registo.find("status=0"), std::string::npos) << registo;
        // Another folder, with nothing of the game's in it, as a player's home.
        char modelo[] = "/tmp/cantos-casa-XXXXXX";
        ASSERT_NE(mkdtemp(modelo), nullptr);
        casa = modelo;
        home = std::getenv("HOME") ? std::getenv("HOME") : "";
        setenv("HOME", casa.c_str(), 1);
    }
    void TearDown() override {
        cantos.reset();
        setenv("HOME", home.c_str(), 1);
        teste::executa("rm -rf '" + casa + "'");
    }

    // The share of the viewport in the menu's cream and in its navy: both are large only when
    // the menu's texture was found and drawn.
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
                nCreme += r > 215 && g > 185 && b > 110 && b < 215 && r - b > 30;
                nAzul += b > r + 25 && r < 60;
            }
        }
        XDestroyImage(img);
        creme = nCreme / (double(largura) * (altura - painel));
        azul = nAzul / (double(largura) * (altura - painel));
    }

    inline static std::string pasta, registo;
    const std::string prefixo = pasta + "/usr", instalado = prefixo + "/games/cantos";
    std::string casa, home;
};

TEST_F(Instalado, EverythingIsInItsStandardPlaceAndTheDesktopEntryIsValid) {
    for (const char* f : {"/share/cantos/japan.sgx", "/share/cantos/castle.sgx",
                          "/share/cantos/ambiente.sgx", "/share/cantos/menu.bmp", "/share/cantos/menu-en.bmp",
                          "/share/locale/en/LC_MESSAGES/cantos.mo",
                          "/share/cantos/server/servidor.pl", "/share/cantos/server/rede.pl",
                          "/share/cantos/server/protocolo.pl", "/share/cantos/server/regras.pl",
                          "/share/cantos/server/jogador.pl", "/share/man/man6/cantos.6.gz"})
        EXPECT_EQ(access((prefixo + f).c_str(), R_OK), 0) << f << "\n" << registo;
    EXPECT_NE(access((prefixo + "/share/cantos/.pintado").c_str(), F_OK), 0);
    EXPECT_NE(access((prefixo + "/share/cantos/locale").c_str(), F_OK), 0);

    const std::string entrada = prefixo + "/share/applications/" CANTOS_APP_ID ".desktop";
    EXPECT_EQ(teste::executa("desktop-file-validate '" + entrada + "' 2>&1; echo status=$?"), "status=0");
    std::stringstream texto;
    texto << std::ifstream(entrada).rdbuf();
    EXPECT_NE(texto.str().find("\nExec=cantos\nIcon=cantos\n"), std::string::npos) << texto.str();
    // The icon it names, at each size icon themes look for.
    std::stringstream tamanhos(CANTOS_ICON_SIZES);
    for (std::string n; std::getline(tamanhos, n, ',');) {
        const std::string png = prefixo + "/share/icons/hicolor/" + n + "x" + n + "/apps/cantos.png";
        EXPECT_EQ(teste::executa("file -b '" + png + "'").rfind("PNG image data, " + n + " x " + n +
                                                                ", 8-bit/color RGBA", 0), 0u) << png;
    }

    const std::string ajuda = teste::executa("'" + instalado + "' --help; echo status=$?");
    EXPECT_EQ(ajuda.rfind("Usage: cantos", 0), 0u) << ajuda;
    EXPECT_NE(ajuda.find("CANTOS_DATA"), std::string::npos) << ajuda;
    EXPECT_NE(ajuda.find("status=0"), std::string::npos) << ajuda;
}

TEST_F(Instalado, StartsItsOwnServerShowsTheMenuJudgesAFirstMoveAndTheServerEndsAfterIt) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
    if (!cantos_teste::servidorDisponivel()) GTEST_SKIP() << "needs swipl";
    if (algoEscutaNoJogo()) GTEST_SKIP() << "port 60070 is taken";
    cantos = std::make_unique<teste::Programa>(casa, instalado, "", true);
    janela = teste::procuraJanela(instalado);
    ASSERT_FALSE(janela.empty()) << "no window appeared\n" << cantos->saida();
    const std::string arrancou = "Cantos: started the rules server on 127.0.0.1:60070 (pid ";
    ASSERT_TRUE(cantos->esperaSaida(arrancou)) << cantos->saida();
    ASSERT_TRUE(cantos->esperaSaida("Client: connect() is OK.\n")) << cantos->saida();
    const std::string saida = cantos->saida();
    const int pidServidor = std::atoi(saida.c_str() + saida.find(arrancou) + arrancou.size());
    ASSERT_GT(pidServidor, 0);
    teste::dorme(1000);

    // The screenshot: the menu, with its texture from the installed data. A copy is left
    // beside the test for a person to look at.
    teste::executa("import -window " + janela + " '" CANTOS_BINARY_DIR "/tests/pacote/instalado-menu.png'");
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
    EXPECT_TRUE(terminaDentroDe(pidServidor, 30)) << "the server outlived its last window";
    EXPECT_FALSE(algoEscutaNoJogo());
    // The game in progress is kept where the player's state belongs, and nothing else is left
    // but the lock the window held on it.
    EXPECT_EQ(teste::executa("cd '" + casa + "' && find . -mindepth 1 ! -name saida.txt | sort"),
              "./.local\n./.local/state\n./.local/state/cantos\n./.local/state/cantos/jogo\n"
              "./.local/state/cantos/trinco")
        << "left in the home folder";
}

// Two windows of one player: the first starts the server and keeps the saved game; the second
// plays on the same server after the first has closed, saving nothing over the first's game.
TEST_F(Instalado, TwoWindowsShareTheServerWhichOutlivesTheFirstAndEndsAfterTheLast) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
    if (!cantos_teste::servidorDisponivel()) GTEST_SKIP() << "needs swipl";
    if (algoEscutaNoJogo()) GTEST_SKIP() << "port 60070 is taken";
    auto primeira = std::make_unique<teste::Programa>(casa, instalado, "", true);
    const std::string janelaPrimeira = teste::procuraJanela(instalado);
    ASSERT_FALSE(janelaPrimeira.empty()) << "no window appeared\n" << primeira->saida();
    const std::string arrancou = "Cantos: started the rules server on 127.0.0.1:60070 (pid ";
    ASSERT_TRUE(primeira->esperaSaida(arrancou)) << primeira->saida();
    ASSERT_TRUE(primeira->esperaSaida("Client: connect() is OK.\n")) << primeira->saida();
    std::string saida = primeira->saida();
    const int pidServidor = std::atoi(saida.c_str() + saida.find(arrancou) + arrancou.size());
    ASSERT_GT(pidServidor, 0);

    const std::string outra = casa + "/outra";
    ASSERT_EQ(mkdir(outra.c_str(), 0700), 0);
    cantos = std::make_unique<teste::Programa>(outra, instalado, "", true, casa);
    for (int i = 0; i < 100 && janela.empty(); ++i) {
        std::istringstream ids(teste::executa("xdotool search --onlyvisible --name '^" + instalado + "$'"));
        for (std::string id; std::getline(ids, id);)
            if (id != janelaPrimeira) janela = id;
        if (janela.empty()) teste::dorme(100);
    }
    ASSERT_FALSE(janela.empty()) << "no second window appeared\n" << cantos->saida();
    ASSERT_TRUE(cantos->esperaSaida("Client: connect() is OK.\n")) << cantos->saida();
    EXPECT_TRUE(cantos->esperaSaida("a rules server already answers on 127.0.0.1:60070")) << cantos->saida();
    EXPECT_TRUE(cantos->esperaSaida("e de outra janela: esta janela nao o grava\n")) << cantos->saida();
    EXPECT_EQ(teste::Programa::conta(primeira->saida(), "outra janela"), 0) << primeira->saida();

    // The first window goes; the server stays for the second.
    teste::executa("xdotool windowfocus --sync " + janelaPrimeira + " key Escape");
    EXPECT_EQ(primeira->espera(10), 0) << primeira->saida();
    teste::dorme(1000);
    EXPECT_TRUE(corre(pidServidor));

    // The second window's next move is judged: "Jogador contra Jogador", side 1's first move.
    escolhe(itemMenu(4.8, 2.25), 501);
    escolhe(cabeca(camaraLivre(), 4, 7), 17);
    escolhe(casaVazia(camaraJogador(), 3, 7), 137);
    ASSERT_TRUE(cantos->esperaSaida("Jogada Valida!\n")) << cantos->saida();
    EXPECT_EQ(teste::Programa::conta(cantos->saida(), "Sem ligacao"), 0) << cantos->saida();

    saiComEscape();
    EXPECT_TRUE(terminaDentroDe(pidServidor, 30)) << "the server outlived its last window";
    EXPECT_FALSE(algoEscutaNoJogo());
    // The first window played nothing, and the second's move was not saved.
    EXPECT_EQ(teste::executa("ls '" + casa + "/.local/state/cantos'"), "trinco");
}

}  // namespace
