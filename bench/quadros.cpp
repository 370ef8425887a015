// Frame, pick and scenery-switch times of the client, in its real 550 x 550 window.
//
// Opens the window the way the program does (same display mode, panel, callbacks and
// textures), from the runtime folder, and calls the frame routines directly so nothing but
// the drawing is timed. There is no rules server: with no game started the turn step does
// nothing. Each timed call ends with glFinish, so the clock sees the work done, not queued.
//
// Prints one row per figure, fields separated by tabs:
//   figure, baseline, measured, ratio, goal, pass or FAIL
// Absolute times drift with the machine's load, so each configuration's frames are judged
// against empty frames (clear, panel, swap) timed in rounds alternating with its own; the
// same ratio in processor time (the renderer's threads included) follows the measured time,
// since on a shared machine the wall clock also counts the waits for a core.
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <stb/stb_image_write.h>

#include "app/bola.h"
#include "app/desenho.h"
#include "app/escolha.h"
#include "app/eventos.h"
#include "app/faixas.h"
#include "app/frame.h"
#include "app/globais.h"
#include "app/graficos.h"
#include "app/janela.h"
#include "app/painel.h"
#include "app/temas.h"
#include "app/camaras.h"
#include "game/animacao.h"
#include "game/globais.h"
#include "scene/globais.h"
#include "sgx/globais.h"

namespace {

using Relogio = std::chrono::steady_clock;

double agoraMs() {
    return std::chrono::duration<double, std::milli>(Relogio::now().time_since_epoch()).count();
}

// The process's processor time, its renderer threads included: steadier than the wall
// clock on a shared machine. With CLOCK_THREAD_CPUTIME_ID, the calling thread's alone: the
// drawing thread without the renderer's.
double cpuMs(clockid_t relogio = CLOCK_PROCESS_CPUTIME_ID) {
    timespec t{};
    clock_gettime(relogio, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double mediana(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// Milliseconds of each call of `f`, each followed by glFinish.
template <class F>
std::vector<double> cronometra(int vezes, F f) {
    std::vector<double> t;
    t.reserve(vezes);
    for (int i = 0; i < vezes; ++i) {
        const double a = agoraMs();
        f();
        glFinish();
        t.push_back(agoraMs() - a);
    }
    return t;
}

// Nothing in the 3D view, and the panel as the program draws it: its strips put back as kept.
void quadroVazioGuardado() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    desenhaPainel();
    glutSwapBuffers();
    glFlush();
}

// The yardstick frames are judged against: nothing in the 3D view, and the panel drawn in
// full, as when the goals were set. Its strips put back from kept pixels would make it a
// third as long at 550 x 550, and move the yardstick with the very thing it measures; that
// frame is timed too, and shown beside it.
void quadroVazio() {
    esqueceFaixas();
    quadroVazioGuardado();
}

struct Opcoes {
    int quadros = 60;   // timed frames per configuration
    int vazios = 40;    // empty frames beside each configuration
    int picks = 40;
    int mudancas = 3;   // switches to each scenery
    // For a profiler: only frames of one scenery, material and camera, nothing printed.
    int perfilAmbiente = 0, perfilMaterial = 0, perfilCamara = 0;
    bool partes = false;  // with it, also the frame taken apart
    bool vazio = false;   // with it, the profiler times empty frames instead
    bool referencia = false;  // with it, also against the reference drawing, in turns
    int largura = 550, altura = 550;  // of the profiler's window
    std::string retrato;  // with it, the profiler's last frame saved there as a PNG
    bool girar = false;   // with it, each profiled frame turns the free camera, as at full HD
};

Opcoes leOpcoes(int argc, char** argv) {
    Opcoes o;
    for (int i = 1; i < argc; ++i) {
        int v = 0;
        if (std::sscanf(argv[i], "--quadros=%d", &v) == 1 && v > 0) o.quadros = v;
        else if (std::sscanf(argv[i], "--vazios=%d", &v) == 1 && v > 0) o.vazios = v;
        else if (std::sscanf(argv[i], "--picks=%d", &v) == 1 && v > 0) o.picks = v;
        else if (std::sscanf(argv[i], "--mudancas=%d", &v) == 1 && v > 0) o.mudancas = v;
        else if (std::sscanf(argv[i], "--perfil=%d,%d,%d", &o.perfilAmbiente, &o.perfilMaterial,
                             &o.perfilCamara) == 3) {}
        else if (std::strcmp(argv[i], "--partes") == 0) o.partes = true;
        else if (std::strcmp(argv[i], "--vazio") == 0) o.vazio = true;
        else if (std::strcmp(argv[i], "--referencia") == 0) o.referencia = true;
        else if (std::strcmp(argv[i], "--girar") == 0) o.girar = true;
        else if (std::sscanf(argv[i], "--tamanho=%dx%d", &o.largura, &o.altura) == 2) {}
        else if (std::strncmp(argv[i], "--retrato=", 10) == 0) o.retrato = argv[i] + 10;
    }
    return o;
}

// The table goes to the standard output the program started with; the loader's own
// console lines go nowhere.
std::FILE* tabela = stdout;

void linha(const std::string& figura, const std::string& base, const std::string& medido,
           const std::string& razao, const std::string& meta, bool passou) {
    std::fprintf(tabela, "%s\t%s\t%s\t%s\t%s\t%s\n", figura.c_str(), base.c_str(),
                 medido.c_str(), razao.c_str(), meta.c_str(), passou ? "pass" : "FAIL");
    std::fflush(tabela);
}

std::string ms(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f ms", v);
    return b;
}

std::string vezes(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2fx", v);
    return b;
}

const char* nomeAmbiente(int a) {
    switch (a) {
    case 1: return "Japao";
    case 2: return "Castelo Medieval";
    default: return "Praia";
    }
}

const char* nomeMaterial(int m) {
    static const char* nomes[] = {"Normal", "Madeira", "Pele", "Metal"};
    return nomes[m];
}

// Opens the window as the program does and waits until it has been shown and sized.
void abreJanelaDeMedida(int& argc, char** argv) {
    abreJanela(argc, argv);
    preparaDesenho();
    // The first reshape sizes both the viewport and the panel.
    const double limite = agoraMs() + 5000.0;
    while (larguraJanela != 550 && agoraMs() < limite) glutMainLoopEvent();
    if (larguraJanela != 550) {
        std::fprintf(stderr, "quadros: the window was never sized\n");
        std::exit(1);
    }
}

// Window point, from the bottom left, where the current camera shows the board centre.
bool centroDoTabuleiro(double& x, double& y) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    setCamera();
    GLdouble mv[16], pr[16], z;
    GLint vp[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, mv);
    glGetDoublev(GL_PROJECTION_MATRIX, pr);
    glGetIntegerv(GL_VIEWPORT, vp);
    const double c = ladoTabuleiro / 2;
    return gluProject(origemTabuleiro[0] + c, origemTabuleiro[1], origemTabuleiro[2] + c, mv, pr,
                      vp, &x, &y, &z) == GL_TRUE;
}

// The frame as drawn against the reference drawing the picture tests compare it with (the
// pieces command by command, ImGui's own backgrounds, each texturing switch of the scenery
// sent as asked), in alternating rounds so that both see the same load.
void comparaComReferencia(int quadros, bool vazios) {
    std::vector<double> tempo[2];
    double processador[2] = {0.0, 0.0};
    for (int ronda = 0; ronda < 10; ++ronda) {
        for (int r = 0; r < 2; ++r) {
            desenhoDeReferencia = cenarioDeReferencia = r == 1;
            for (int i = 0; i < 3; ++i) displayCallback();
            const double antes = cpuMs();
            const auto t =
                cronometra(std::max(1, quadros / 10), vazios ? quadroVazio : displayCallback);
            processador[r] += cpuMs() - antes;
            tempo[r].insert(tempo[r].end(), t.begin(), t.end());
        }
    }
    desenhoDeReferencia = cenarioDeReferencia = false;
    for (int r = 0; r < 2; ++r)
        std::fprintf(tabela, "%s: median %.2f ms, %.2f ms of processor time a frame\n",
                     r ? "reference" : "as drawn", mediana(tempo[r]),
                     processador[r] / double(tempo[r].size()));
}

// The back buffer of the frame just drawn, for a person to compare pictures by.
void guardaRetrato(const std::string& caminho, int largura, int altura) {
    displayCallback();
    std::vector<unsigned char> px(std::size_t(largura) * altura * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, largura, altura, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    stbi_flip_vertically_on_write(1);
    if (!stbi_write_png(caminho.c_str(), largura, altura, 3, px.data(), largura * 3))
        std::fprintf(stderr, "quadros: could not write %s\n", caminho.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const Opcoes o = leOpcoes(argc, argv);
#ifdef CANTOS_RUNTIME_DIR
    if (chdir(CANTOS_RUNTIME_DIR) != 0) {
        std::perror("quadros: " CANTOS_RUNTIME_DIR);
        return 1;
    }
#endif
    const int fdTabela = dup(STDOUT_FILENO);
    if (fdTabela < 0 || !(tabela = fdopen(fdTabela, "w")) || !std::freopen("/dev/null", "w", stdout)) {
        std::perror("quadros: standard output");
        return 1;
    }
    abreJanelaDeMedida(argc, argv);

    if (o.perfilAmbiente > 0) {
        glutReshapeWindow(o.largura, o.altura);
        const double limite = agoraMs() + 5000.0;
        while (larguraJanela != o.largura && agoraMs() < limite) glutMainLoopEvent();
        ambiente = o.perfilAmbiente;
        mudaAmbiente();
        materialPecas = o.perfilMaterial;
        camara = o.perfilCamara;
        // Enough for every shader variant to be compiled before anything is timed.
        for (int i = 0; i < 30; ++i) displayCallback();
        const float eixo[3] = {0.0f, 1.0f, 0.0f};
        const auto quadro = [&] {
            if (o.girar) rodaMatriz(rotacao, eixo, 0.02f);
            displayCallback();
        };
        const double cpu0 = cpuMs(), fio0 = cpuMs(CLOCK_THREAD_CPUTIME_ID);
        const double t = o.vazio ? mediana(cronometra(o.quadros, quadroVazio))
                                 : mediana(cronometra(o.quadros, quadro));
        const double fio = (cpuMs(CLOCK_THREAD_CPUTIME_ID) - fio0) / o.quadros;
        const double cpu = (cpuMs() - cpu0) / o.quadros;
        std::fprintf(tabela,
                     "frame median %.2f ms over %d, %.2f ms of processor time a frame "
                     "(drawing thread %.2f ms, renderer threads %.2f ms)\n",
                     t, o.quadros, cpu, fio, cpu - fio);
        if (o.referencia) comparaComReferencia(o.quadros, o.vazio);
        if (!o.retrato.empty()) guardaRetrato(o.retrato, o.largura, o.altura);
        if (o.partes) {
            // Where the frame goes: without the scenery, the game scene alone, nothing.
            const std::string raiz = sceneGlobals.root;
            sceneGlobals.root = "\x01";
            const double semCenario = mediana(cronometra(o.quadros, displayCallback));
            sceneGlobals.root = raiz;
            const double jogo = mediana(cronometra(o.quadros, [] {
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                glMatrixMode(GL_PROJECTION);
                glLoadIdentity();
                drawGameScene(GL_RENDER);
                glutSwapBuffers();
            }));
            const double vazio = mediana(cronometra(o.quadros, quadroVazio));
            const double limpo = mediana(cronometra(o.quadros, [] {
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                glutSwapBuffers();
            }));
            std::fprintf(tabela,
                         "without scenery %.2f ms, game scene alone %.2f ms, empty %.2f ms, "
                         "clear and swap %.2f ms\n",
                         semCenario, jogo, vazio, limpo);
        }
        return 0;
    }

    for (int i = 0; i < 10; ++i) quadroVazio();

    // Frames: every scenery, material and the two cameras. Each configuration is timed in
    // rounds that alternate with batches of empty frames, and judged against those, so a
    // change of load in the middle of the run moves both sides of its ratio.
    constexpr int rondas = 4;
    struct Config {
        int ambiente, material, camara;
        double quadro, vazio;
        double razaoCpu;  // the same ratio in processor time, renderer threads included
    };
    std::vector<Config> configs;
    std::vector<double> todosVazios;
    for (int a = 1; a <= 3; ++a) {
        ambiente = a;
        mudaAmbiente();
        for (int m = 0; m <= 3; ++m) {
            for (int c : {1, 9}) {
                materialPecas = m;
                camara = c;
                for (int i = 0; i < 3; ++i) displayCallback();
                std::vector<double> quadros, vazios;
                double cpuQuadros = 0.0, cpuVazios = 0.0;
                for (int r = 0; r < rondas; ++r) {
                    double c0 = cpuMs();
                    const auto v = cronometra((o.vazios + rondas - 1) / rondas, quadroVazio);
                    cpuVazios += cpuMs() - c0;
                    vazios.insert(vazios.end(), v.begin(), v.end());
                    c0 = cpuMs();
                    const auto q = cronometra((o.quadros + rondas - 1) / rondas, displayCallback);
                    cpuQuadros += cpuMs() - c0;
                    quadros.insert(quadros.end(), q.begin(), q.end());
                }
                todosVazios.insert(todosVazios.end(), vazios.begin(), vazios.end());
                const double razaoCpu = (cpuQuadros / double(quadros.size())) /
                                        (cpuVazios / double(vazios.size()));
                configs.push_back({a, m, c, mediana(quadros), mediana(vazios), razaoCpu});
            }
        }
    }
    linha("empty frame (clear, panel drawn in full, swap), median of the run", "-",
          ms(mediana(todosVazios)), "-", "-", true);
    for (int i = 0; i < 3; ++i) quadroVazioGuardado();
    const double guardado = mediana(cronometra(o.vazios, quadroVazioGuardado));
    linha("empty frame with the panel's strips put back as kept", ms(mediana(todosVazios)),
          ms(guardado), vezes(guardado / mediana(todosVazios)), "-", true);
    for (const Config& k : configs) {
        const double r = k.quadro / k.vazio;
        char figura[96];
        std::snprintf(figura, sizeof figura, "frame: %s, %s, camera %d", nomeAmbiente(k.ambiente),
                      nomeMaterial(k.material), k.camara);
        char medido[64];
        std::snprintf(medido, sizeof medido, "%.2f ms (%.0f fps); processor %.2fx", k.quadro,
                      1000.0 / k.quadro, k.razaoCpu);
        linha(figura, ms(k.vazio) + " empty", medido, vezes(r), "<= 4x, >= 60 fps",
              r <= 4.0 && k.quadro <= 1000.0 / 60.0);
    }

    // Picks at the board centre against the render-mode frame of the same view.
    ambiente = 1;
    mudaAmbiente();
    materialPecas = 0;
    for (int c : {1, 9}) {
        camara = c;
        double x = 0, y = 0;
        if (!centroDoTabuleiro(x, y)) {
            std::fprintf(stderr, "quadros: the board centre is off screen for camera %d\n", c);
            return 1;
        }
        for (int i = 0; i < 3; ++i) displayCallback();
        std::vector<double> quadros, picks;
        int acertos = 0;
        // Interleaved, so both see the same load.
        for (int r = 0; r < 4; ++r) {
            const auto q = cronometra(o.quadros / 4 + 1, displayCallback);
            quadros.insert(quadros.end(), q.begin(), q.end());
            const auto p = cronometra(o.picks / 4 + 1, [&] { acertos = selectionPass(x, y); });
            picks.insert(picks.end(), p.begin(), p.end());
        }
        if (acertos <= 0) {
            std::fprintf(stderr, "quadros: the pick at the board centre hit nothing (%d)\n", acertos);
            return 1;
        }
        const double q = mediana(quadros), p = mediana(picks);
        linha("pick at the board centre, camera " + std::to_string(c),
              ms(q) + " frame", ms(p), vezes(p / q), "<= 1x", p <= q);
    }

    // Full HD with the free camera turning, as the rotation ball left spinning turns it: every
    // frame a new view. Judged by its rate; the empty frame at that size is its baseline.
    glutReshapeWindow(1920, 1080);
    const double limite = agoraMs() + 5000.0;
    while (larguraJanela != 1920 && agoraMs() < limite) glutMainLoopEvent();
    if (larguraJanela != 1920) {
        std::fprintf(stderr, "quadros: the window never reached 1920 x 1080\n");
        return 1;
    }
    camara = 9;
    materialPecas = 0;
    const float eixo[3] = {0.0f, 1.0f, 0.0f};
    const auto quadroAGirar = [&] {
        rodaMatriz(rotacao, eixo, 0.02f);
        displayCallback();
    };
    for (int a = 1; a <= 3; ++a) {
        ambiente = a;
        mudaAmbiente();
        for (int i = 0; i < 3; ++i) quadroAGirar();
        std::vector<double> quadros, vazios;
        double processador = 0.0;
        for (int r = 0; r < 4; ++r) {
            const auto v = cronometra((o.vazios + 3) / 4, quadroVazio);
            vazios.insert(vazios.end(), v.begin(), v.end());
            const double c0 = cpuMs();
            const auto q = cronometra((o.quadros + 3) / 4, quadroAGirar);
            processador += cpuMs() - c0;
            quadros.insert(quadros.end(), q.begin(), q.end());
        }
        const double q = mediana(quadros), v = mediana(vazios);
        char medido[80];
        std::snprintf(medido, sizeof medido, "%.2f ms (%.0f fps); processor %.2f ms a frame", q,
                      1000.0 / q, processador / double(quadros.size()));
        linha(std::string("frame at 1920 x 1080, camera 9 turning: ") + nomeAmbiente(a) +
                  ", Normal",
              ms(v) + " empty", medido, vezes(q / v), ">= 60 fps", q <= 1000.0 / 60.0);
    }
    glutReshapeWindow(550, 550);
    while (larguraJanela != 550 && agoraMs() < limite + 5000.0) glutMainLoopEvent();

    // Scenery switches: clear the scene, read the file, define its textures.
    std::vector<std::vector<double>> mudancas(4);
    camara = 1;
    for (int r = 0; r < o.mudancas; ++r) {
        for (int a : {2, 3, 1}) {
            ambiente = a;
            const double t0 = agoraMs();
            mudaAmbiente();
            glFinish();
            mudancas[a].push_back(agoraMs() - t0);
            displayCallback();
        }
    }
    for (int a = 1; a <= 3; ++a) {
        const double m = mediana(mudancas[a]);
        const double maximo = *std::max_element(mudancas[a].begin(), mudancas[a].end());
        linha(std::string("scenery switch to ") + nomeAmbiente(a) + " (median; worst " +
                  ms(maximo) + ")",
              "-", ms(m), "-", "<= 300 ms", maximo <= 300.0);
    }
    return 0;
}
