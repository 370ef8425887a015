// Cameras: the free view, the two top views, the player views and the turning camera.
#include "app/camaras.h"

#include <chrono>
#include <cmath>

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "app/globais.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/camara_jogo.h"

namespace {

constexpr float duracaoVolta = 2000.0f;  // milliseconds for a whole turn
constexpr double piVolta = 3.141592653;

double centroX() { return origemTabuleiro[0] + ladoTabuleiro / 2; }
double centroZ() { return origemTabuleiro[2] + ladoTabuleiro / 2; }

void aplicaFrustum() {
    const Frustum f = frustumCamara(aspecto);
    glFrustum(f.esquerda, f.direita, f.baixo, f.cima, f.perto, f.longe);
}

void limpa() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

void cameraLivre() {
    limpa();
    glMatrixMode(GL_PROJECTION);
    aplicaFrustum();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(zoomX - 5.0f, zoomY, -zoomZ - 25.0f);
    glRotatef(20.0f, 1.0f, 0.0f, 0.0f);
    glMultMatrixf(rotacao);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
}

void olhaDeCima(double x, double y, double z, double alvoX, double alvoZ) {
    aplicaFrustum();
    limpa();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(x, y, z, alvoX, origemTabuleiro[1], alvoZ, 0.0, 0.0, -1.0);
}

}  // namespace

Frustum frustumCamara(float aspecto) {
    return {-0.04f * aspecto, 0.04f * aspecto, -0.04f, 0.04f, 0.1f, 50.0f};
}

void setCamera() { setCamera(camara); }

void setCamera(int camaraEmVista) {
    switch (idDeNumero<Camara>(camaraEmVista)) {
    case Camara::livre:
        cameraLivre();
        break;
    case Camara::menu:
        olhaDeCima(centroMenu[0], centroMenu[1] + 12, centroMenu[2], centroMenu[0], centroMenu[2]);
        break;
    case Camara::deCima:
        olhaDeCima(centroX(), origemTabuleiro[1] + 7, centroZ(), centroX(), centroZ());
        break;
    default:
        aplicaFrustum();
        limpa();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(olho[0], olho[1], olho[2], centroX(), origemTabuleiro[1], centroZ(), 0.0, 1.0,
                  0.0);
        break;
    }
}

bool cameraTurnStep(int from, int to, std::uint32_t tick) {
    const float* de = posicoesCamara[from];
    const float* para = posicoesCamara[to];
    if (volta.estado == 0) {
        volta.deltaZ = para[2] - de[2];
        volta.meio = volta.deltaZ / 2;
        volta.angulo = 0.0;
        volta.inicio = tick;
        volta.estado = 1;
        return false;
    }
    // Signed difference, so the turn survives the tick wrapping round.
    const float t = float(std::int32_t(tick - volta.inicio)) / duracaoVolta;
    volta.angulo = t * piVolta;
    olho[0] = de[0] + volta.meio * float(std::sin(volta.angulo));
    olho[2] = de[2] + volta.deltaZ * t;
    if (t >= 1.0f) {
        olho[0] = para[0];
        olho[2] = para[2];
        volta.estado = 0;
        return true;
    }
    return false;
}

bool cameraARodar() {
    const int um = id(Camara::jogador1), dois = id(Camara::jogador2);
    return (camaraActual == um && camara == dois) || (camaraActual == dois && camara == um);
}

void cameraStep(std::uint32_t tick) {
    if (cameraARodar() && cameraTurnStep(camaraActual, camara, tick)) camaraActual = camara;
}

std::uint32_t tickMilissegundos() {
    using namespace std::chrono;
    return std::uint32_t(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void rodaCamaraCallback(int) { alternaRodaCamara(); }
