// Start-up to first frame, and peak memory, of the program itself under an X display.
//
// Launches the program in its runtime folder with the rules server already listening, and
// reads two pixels of its window straight from the X server every couple of milliseconds:
// one at the bottom right of the panel strip, one at the top left of the 3D view. Before
// the first buffer swap the window is black; the first swap brings both the panel's
// background and the scenery's clear colour at once, so the first sample showing both is
// the first frame. The clock starts just before fork.
//
// The last launch is left running: its CPU time over 10 s at rest on the menu, then over 10 s
// in a two-player game waiting for a move, and then its VmHWM (the resident set's high-water
// mark, from /proc) as the peak memory.
//
// Prints rows like the other benchmarks: figure, baseline, measured, ratio, goal, verdict,
// separated by tabs.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Relogio = std::chrono::steady_clock;

double msDesde(Relogio::time_point t0) {
    return std::chrono::duration<double, std::milli>(Relogio::now() - t0).count();
}

void dorme(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// A window that vanishes or is not yet viewable between two calls is not an error here.
int ignoraErros(Display*, XErrorEvent*) { return 0; }

struct Cor {
    int r, g, b;
};

// The panel's background, as the panel's style sets it (0.11, 0.10, 0.09).
constexpr Cor fundoPainel = {28, 26, 23};

bool perto(Cor a, Cor b) {
    return std::abs(a.r - b.r) <= 2 && std::abs(a.g - b.g) <= 2 && std::abs(a.b - b.b) <= 2;
}

bool lePixel(Display* d, Window w, int x, int y, Cor& c) {
    XImage* img = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!img) return false;
    const unsigned long p = XGetPixel(img, 0, 0);
    c = {int((p & img->red_mask) >> 16), int((p & img->green_mask) >> 8), int(p & img->blue_mask)};
    XDestroyImage(img);
    return true;
}

// The top-level window titled `titulo` (the program names its window after its path).
Window procura(Display* d, const std::string& titulo) {
    Window raiz = DefaultRootWindow(d), pai = 0, *filhos = nullptr;
    unsigned n = 0;
    Window achada = 0;
    if (!XQueryTree(d, raiz, &raiz, &pai, &filhos, &n)) return 0;
    for (unsigned i = 0; i < n && !achada; ++i) {
        char* nome = nullptr;
        if (XFetchName(d, filhos[i], &nome) && nome) {
            if (titulo == nome) achada = filhos[i];
            XFree(nome);
        }
    }
    if (filhos) XFree(filhos);
    return achada;
}

pid_t lanca(const std::string& programa, const std::string& pasta, const std::string& saida) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(pasta.c_str()) != 0) _exit(126);
        const int fd = open(saida.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            dup2(fd, STDOUT_FILENO);
            dup2(fd, STDERR_FILENO);
            close(fd);
        }
        execl(programa.c_str(), programa.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void termina(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

struct Arranque {
    double mapa = -1;      // window viewable
    double quadro = -1;    // first frame on screen
    Window janela = 0;
};

// Times one launch; leaves the program running.
Arranque mede(Display* d, pid_t& pid, const std::string& programa, const std::string& pasta,
              const std::string& saida, double limiteMs) {
    Arranque a;
    const auto t0 = Relogio::now();
    pid = lanca(programa, pasta, saida);
    Window w = 0;
    while (msDesde(t0) < limiteMs) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            break;
        }
        if (!w) w = procura(d, programa);
        XWindowAttributes atr;
        if (w && XGetWindowAttributes(d, w, &atr) && atr.map_state == IsViewable) {
            if (a.mapa < 0) a.mapa = msDesde(t0);
            Cor painel{}, vista{};
            if (atr.width > 10 && atr.height > 10 &&
                lePixel(d, w, atr.width - 5, atr.height - 5, painel) &&
                lePixel(d, w, 5, 5, vista) && perto(painel, fundoPainel) &&
                (vista.r | vista.g | vista.b) != 0) {
                a.quadro = msDesde(t0);
                a.janela = w;
                break;
            }
        }
        dorme(2);
    }
    return a;
}

long vmHWMkB(pid_t pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string l;
    while (std::getline(f, l)) {
        if (l.rfind("VmHWM:", 0) == 0) return std::strtol(l.c_str() + 6, nullptr, 10);
    }
    return -1;
}

std::string le(const std::string& caminho) {
    std::ifstream f(caminho);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Seconds of CPU (user and system) the process has used so far; -1 when it is gone.
double cpuSegundos(pid_t pid) {
    const std::string s = le("/proc/" + std::to_string(pid) + "/stat");
    const auto fecho = s.rfind(')');
    if (fecho == std::string::npos) return -1;
    std::istringstream campos(s.substr(fecho + 2));
    std::string c;
    unsigned long long utime = 0, stime = 0;
    // After the name: state is field 3, utime and stime fields 14 and 15.
    for (int i = 3; i <= 15 && campos >> c; ++i) {
        if (i == 14) utime = std::stoull(c);
        if (i == 15) stime = std::stoull(c);
    }
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

// Share of one core the process uses over the next `segundos`.
double cpuEm(pid_t pid, int segundos) {
    const double c0 = cpuSegundos(pid);
    const auto t0 = Relogio::now();
    dorme(segundos * 1000);
    const double c1 = cpuSegundos(pid);
    if (c0 < 0 || c1 < 0) return -1;
    return 100.0 * (c1 - c0) / (msDesde(t0) / 1000.0);
}

// A left click at a window point, as a player's.
void clica(Window w, int x, int y) {
    const std::string comando = "xdotool mousemove --window " + std::to_string(w) + " " +
                                std::to_string(x) + " " + std::to_string(y) +
                                " click 1 >/dev/null 2>&1";
    if (std::system(comando.c_str()) != 0) std::fprintf(stderr, "arranque: xdotool failed\n");
}

// Where the menu camera shows the middle of the menu's first item ("two players") in a
// 550 x 550 window: the camera looks straight down from 12 above the menu's centre, its
// frustum 0.04 per 0.1 of depth, onto the 420 rows above the panel.
void pontoDoisJogadores(int& x, int& y) {
    const double largura = 550, altura = 550 - 130, aspecto = largura / altura;
    const double dx = -0.2, dz = -2.75, distancia = 12, meia = 0.04 / 0.1 * distancia;
    x = int((dx / (meia * aspecto) + 1) / 2 * largura);
    y = int((dz / meia + 1) / 2 * altura);
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

void linha(const char* figura, const char* medido, const char* meta, bool passou) {
    std::printf("%s\t-\t%s\t-\t%s\t%s\n", figura, medido, meta, passou ? "pass" : "FAIL");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    std::string programa, pasta;
    int vezes = 5, segundos = 3, repouso = 10;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--programa=", 0) == 0) programa = a.substr(11);
        else if (a.rfind("--pasta=", 0) == 0) pasta = a.substr(8);
        else if (a.rfind("--vezes=", 0) == 0) vezes = std::max(1, std::atoi(a.c_str() + 8));
        else if (a.rfind("--segundos=", 0) == 0) segundos = std::max(1, std::atoi(a.c_str() + 11));
        else if (a.rfind("--repouso=", 0) == 0) repouso = std::max(1, std::atoi(a.c_str() + 10));
    }
    if (programa.empty() || pasta.empty()) {
        std::fprintf(stderr, "usage: arranque --programa=PATH --pasta=RUNTIME [--vezes=N] [--segundos=S] [--repouso=S]\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "arranque: no X display\n");
        return 1;
    }
    XSetErrorHandler(ignoraErros);
    char modelo[] = "/tmp/cantos-arranque-XXXXXX";
    const char* tmp = mkdtemp(modelo);
    if (!tmp) {
        std::perror("arranque: mkdtemp");
        return 1;
    }
    const std::string saida = std::string(tmp) + "/saida.txt";

    std::vector<double> quadros, mapas;
    bool ligou = true;
    pid_t ultimo = -1;
    Window janela = 0;
    for (int i = 0; i < vezes; ++i) {
        pid_t pid = -1;
        const Arranque a = mede(d, pid, programa, pasta, saida, 20000.0);
        if (a.quadro < 0) {
            std::fprintf(stderr, "arranque: no first frame within 20 s; the program said:\n%s\n",
                         le(saida).c_str());
            if (pid > 0) termina(pid);
            return 1;
        }
        quadros.push_back(a.quadro);
        mapas.push_back(a.mapa);
        if (i + 1 < vezes) {
            dorme(300);  // its connection is up by now, or never will be
            ligou = ligou && le(saida).find("Connected") != std::string::npos;
            termina(pid);
            dorme(200);
        } else {
            ultimo = pid;
            janela = a.janela;
        }
    }

    // The last launch keeps running; its high-water mark is read before it ends.
    for (int s = 0; s < segundos * 10; ++s) {
        if (waitpid(ultimo, nullptr, WNOHANG) == ultimo) {
            std::fprintf(stderr, "arranque: the program ended on its own; it said:\n%s\n",
                         le(saida).c_str());
            return 1;
        }
        dorme(100);
    }
    const double cpuMenu = cpuEm(ultimo, repouso);
    int x = 0, y = 0;
    pontoDoisJogadores(x, y);
    clica(janela, x, y);
    dorme(2000);  // the camera goes to the board and the panel settles
    const double cpuJogo = cpuEm(ultimo, repouso);
    const long pico = vmHWMkB(ultimo);
    ligou = ligou && le(saida).find("Connected") != std::string::npos;
    termina(ultimo);
    std::remove(saida.c_str());
    rmdir(tmp);

    const double q = mediana(quadros);
    const double pior = *std::max_element(quadros.begin(), quadros.end());
    char figura[160], medido[64];
    std::snprintf(figura, sizeof figura,
                  "start-up to first frame, server %s (median of %d; worst %.0f ms; window shown at %.0f ms)",
                  ligou ? "connected" : "NOT connected", vezes, pior, mediana(mapas));
    std::snprintf(medido, sizeof medido, "%.0f ms", q);
    linha(figura, medido, "<= 1500 ms", ligou && q <= 1500.0);
    std::snprintf(figura, sizeof figura, "client peak memory (VmHWM after %d s)",
                  segundos + 2 * repouso + 2);
    const double mb = pico * 1024.0 / 1e6;
    std::snprintf(medido, sizeof medido, "%.1f MB", mb);
    linha(figura, medido, "<= 150 MB", pico > 0 && mb <= 150.0);
    const struct {
        const char* onde;
        double cpu;
    } repousos[] = {{"on the menu", cpuMenu}, {"in a two-player game waiting for a move", cpuJogo}};
    for (const auto& r : repousos) {
        std::snprintf(figura, sizeof figura, "client CPU at rest, %d s %s", repouso, r.onde);
        std::snprintf(medido, sizeof medido, "%.1f%% of one core", r.cpu);
        linha(figura, medido, "<= 5%", r.cpu >= 0 && r.cpu <= 5.0);
    }
    XCloseDisplay(d);
    return 0;
}
