// The frame: the game scene and the scenery under the scene's lights, then the panel.
#include "app/frame.h"

#include <cstdint>
#include <ctime>
#include <string>

#include <GL/freeglut.h>

#include "app/definicoes.h"
#include "app/desenho.h"
#include "game/persistencia.h"
#include "app/globais.h"
#include "app/painel.h"
#include "app/redesenho.h"
#include "app/temas.h"
#include "game/turno.h"
#include "sgx/globais.h"
#include "sgx/sgx.h"

namespace {

const double posicaoLuz0[3] = {3.0, 1.0, 2.5};

void acendeLuzes() {
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    for (int i = 0; i < int(sceneLights.size()); ++i) applyLight(i);
    // Still under last frame's view: the lights stay fixed in the world.
    const GLfloat posicao[4] = {GLfloat(posicaoLuz0[0]), GLfloat(posicaoLuz0[1]),
                                GLfloat(posicaoLuz0[2]), 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, posicao);
}

void materialDoCenario() {
    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 0.0f);
    glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0.0f);
    glLightf(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, 0.1f);
    glDisable(GL_COLOR_MATERIAL);
    const GLfloat especular[4] = {0.4f, 0.4f, 0.4f, 1.0f};
    const GLfloat difusa[4] = {0.6f, 0.6f, 0.6f, 1.0f};
    const GLfloat ambiente[4] = {0.6f, 0.6f, 0.6f, 1.0f};
    glMaterialf(GL_FRONT, GL_SHININESS, 128.0f);
    glMaterialfv(GL_FRONT, GL_SPECULAR, especular);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, difusa);
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambiente);
}

void desenhaCenario() {
    for (const auto& objecto : sceneObjects) {
        if (!objecto || objecto->getId() != sceneGlobals.root) continue;
        glPushMatrix();
        objecto->draw();
        glPopMatrix();
    }
}

}  // namespace

void desenhaCena() {
    preparaQuadrica();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    acendeLuzes();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    instanteRelogio = std::time(nullptr);
    drawGameScene(GL_RENDER);
    materialDoCenario();
    desenhaCenario();
    mudaAmbiente();
}

void displayCallback() {
    const std::uint64_t antes = retratoDoJogo();
    // A step that talks to the server changes the game, or must be tried again.
    const bool turno = turnoPorDar();
    desenhaCena();
    // A saved game that waits for the server goes first: no new game may replace it.
    retomaJogoEmEspera();
    turnStep();
    guardaJogoSeMudou();
    guardaDefinicoesSeMudaram();
    desenhaPainel();
    glutSwapBuffers();
    glFlush();
    ++quadrosDesenhados;
    depoisDoQuadro(turno || retratoDoJogo() != antes);
}
