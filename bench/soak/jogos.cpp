// Computer-against-computer games played headless, with the game's own turn step and
// animation, against a rules server this program starts. Reports per level the games, the
// moves, the wins of each side and the computer's reply times; every 20 games it samples the
// server's resident memory and this program's open files, which must stay flat.
//
//   soak_jogos --servidor=server/servidor.pl [--jogos=200] [--porta=60070]
//
// Prints tab-separated lines on standard output and exits non-zero when a game did not end
// by the rules, the link failed, or the samples grew.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "game/animacao.h"
#include "game/globais.h"
#include "game/ligacao.h"
#include "game/turno.h"

namespace {

using Relogio = std::chrono::steady_clock;

std::FILE* relatorio = nullptr;  // the real standard output; the game's chatter goes to /dev/null

void diz(const char* formato, ...) __attribute__((format(printf, 1, 2)));
void diz(const char* formato, ...) {
    va_list args;
    va_start(args, formato);
    std::vfprintf(relatorio, formato, args);
    va_end(args);
    std::fflush(relatorio);
}

pid_t arrancaServidor(const std::string& fonte, int porta) {
    pid_t pid = fork();
    if (pid == 0) {
        int nulo = open("/dev/null", O_WRONLY);
        if (nulo >= 0) dup2(nulo, STDOUT_FILENO);
        std::string opcao = "--port=" + std::to_string(porta);
        execlp("swipl", "swipl", fonte.c_str(), opcao.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// Resident memory of a process in kB, from its status file; -1 when unreadable.
long memoriaResidente(pid_t pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string linha;
    while (std::getline(f, linha))
        if (linha.rfind("VmRSS:", 0) == 0) return std::atol(linha.c_str() + 6);
    return -1;
}

int ficheirosAbertos() {
    int n = 0;
    if (DIR* d = opendir("/proc/self/fd")) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.') ++n;
        closedir(d);
    }
    return n - 1;  // the directory being read
}

// The link's two calls, wrapped at link time (see CMakeLists.txt), so that the computer's
// reply is timed from its request going out to the reply read, and nothing else the turn
// step does is counted.
extern "C" bool __real__Z11sendMessagePKci(const char* text, int length);
extern "C" bool __real__Z12receiveReplyPcm(char* buffer, std::size_t size);

bool pedidoPC = false;
Relogio::time_point enviado;
std::vector<double>* esperas = nullptr;

}  // namespace

extern "C" bool __wrap__Z11sendMessagePKci(const char* text, int length) {
    pedidoPC = std::strncmp(text, "obtemJogadaPC", 13) == 0;
    enviado = Relogio::now();
    return __real__Z11sendMessagePKci(text, length);
}

extern "C" bool __wrap__Z12receiveReplyPcm(char* buffer, std::size_t size) {
    const bool lido = __real__Z12receiveReplyPcm(buffer, size);
    if (pedidoPC && lido && esperas)
        esperas->push_back(std::chrono::duration<double, std::milli>(Relogio::now() - enviado).count());
    pedidoPC = false;
    return lido;
}

namespace {

struct Nivel {
    int jogos = 0, jogadas = 0, falhas = 0;
    int vitorias[3] = {0, 0, 0};
    std::vector<double> esperasMs;  // one per computer request answered
};

double percentil(std::vector<double> v, double p) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    std::size_t i = static_cast<std::size_t>(p * (v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

// One game to its end as the window would play it: a turn step per frame, and the
// animation's 20 ms ticks until the piece is down. False, with the reason, when it does not
// end by the rules.
bool jogaUmJogo(int nivelJogo, Nivel& n, std::string& porque) {
    const int limitePassos = 2000;
    const int antes = vitorias1 + vitorias2;
    const int antes1 = vitorias1;
    menuChoice(nivelJogo == 1 ? 504 : 505);
    menuChoice(503);
    int jogadas = 0;
    esperas = &n.esperasMs;
    for (int passo = 0; modo == 3 && passo < limitePassos; ++passo) {
        const int registos = nJogadas;
        turnStep();
        if (avisoSemLigacao) {
            porque = "the link to the rules server failed";
            return false;
        }
        if (avisoJogadaPC) {
            porque = "the computer's reply was not a move";
            return false;
        }
        if (modo != 3) break;
        if (nJogadas > registos) ++jogadas;
        for (int tick = 0; animando && tick < 2000; ++tick) moveTick();
        if (animando) {
            porque = "an animation never ended";
            return false;
        }
    }
    if (modo != -1 || vitorias1 + vitorias2 != antes + 1) {
        porque = "no end after " + std::to_string(limitePassos) + " turn steps";
        return false;
    }
    if (!historico.empty() || std::strcmp(tabuleiro, tabuleiroInicial) != 0) {
        porque = "the game did not start afresh after its end";
        return false;
    }
    ++n.jogos;
    n.jogadas += jogadas + 1;  // and the final move, which the end resets away
    ++n.vitorias[vitorias1 > antes1 ? 1 : 2];
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string fonte;
    int jogos = 200, porta = portaServidor;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a.rfind("--servidor=", 0) == 0) fonte = a.substr(11);
        else if (a.rfind("--jogos=", 0) == 0) jogos = std::atoi(a.c_str() + 8);
        else if (a.rfind("--porta=", 0) == 0) porta = std::atoi(a.c_str() + 8);
        else {
            std::fprintf(stderr, "soak_jogos: unknown option %s\n", a.c_str());
            return 2;
        }
    }
    if (fonte.empty() || jogos < 2) {
        std::fprintf(stderr, "usage: soak_jogos --servidor=servidor.pl [--jogos=N] [--porta=P]\n");
        return 2;
    }

    int saida = dup(STDOUT_FILENO);
    relatorio = fdopen(saida, "w");
    if (!relatorio || !std::freopen("/dev/null", "w", stdout)) return 2;

    const pid_t servidor = arrancaServidor(fonte, porta);
    if (porta != portaServidor) setServerPortForTests(porta);
    bool ligado = false;
    for (int i = 0; i < 300 && !ligado; ++i) {
        if (waitpid(servidor, nullptr, WNOHANG) == servidor) break;
        ligado = connectServer();
        if (!ligado) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (!ligado) {
        std::fprintf(stderr, "soak_jogos: the rules server never answered on port %d\n", porta);
        kill(servidor, SIGKILL);
        waitpid(servidor, nullptr, 0);
        return 1;
    }

    initBoardTexts();
    buildPieces();
    Nivel niveis[3];
    std::vector<long> memorias;
    std::vector<int> abertos;
    int falhas = 0;
    const auto inicio = Relogio::now();
    for (int j = 0; j < jogos; ++j) {
        if (j % 20 == 0) {
            memorias.push_back(memoriaResidente(servidor));
            abertos.push_back(ficheirosAbertos());
        }
        const int nivelJogo = j < jogos / 2 ? 1 : 2;
        std::string porque;
        if (!jogaUmJogo(nivelJogo, niveis[nivelJogo], porque)) {
            ++falhas;
            diz("failure\tgame %d at level %d: %s\n", j + 1, nivelJogo, porque.c_str());
            // A broken game leaves its state behind; the next starts from the beginning.
            resetGame();
            if (!serverConnected() && !connectServer()) break;
        }
    }
    memorias.push_back(memoriaResidente(servidor));
    abertos.push_back(ficheirosAbertos());
    const double segundos = std::chrono::duration<double>(Relogio::now() - inicio).count();

    quitServer();
    kill(servidor, SIGTERM);
    waitpid(servidor, nullptr, 0);

    for (int l = 1; l <= 2; ++l) {
        const Nivel& n = niveis[l];
        diz("level\t%d\t%d\t%d\t%d\t%d\t%.1f\t%.1f\t%.1f\t%zu\n", l, n.jogos, n.jogadas,
            n.vitorias[1], n.vitorias[2], percentil(n.esperasMs, 0.5),
            percentil(n.esperasMs, 0.99),
            n.esperasMs.empty() ? 0.0 : *std::max_element(n.esperasMs.begin(), n.esperasMs.end()),
            n.esperasMs.size());
    }
    for (std::size_t i = 0; i < memorias.size(); ++i)
        diz("sample\t%zu\t%ld\t%d\n", std::min<std::size_t>(i * 20, jogos), memorias[i], abertos[i]);
    diz("time\t%.0f\n", segundos);

    // Flat: no file left open, and the server's memory after the first sample (its warm-up)
    // within a quarter of that sample.
    bool planos = std::all_of(abertos.begin(), abertos.end(),
                              [&](int n) { return n == abertos.front(); });
    long base = memorias.size() > 1 ? memorias[1] : memorias.front();
    for (std::size_t i = 1; i < memorias.size(); ++i)
        if (memorias[i] < 0 || memorias[i] > base + base / 4) planos = false;
    diz("verdict\t%s\n", falhas == 0 && planos ? "pass" : "fail");
    return falhas == 0 && planos ? 0 : 1;
}
