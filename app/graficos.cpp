// OpenGL state, the first scenery and every texture, before the first frame.
#include "app/graficos.h"

#include <ctime>

#include <GL/gl.h>

#include "app/desenho.h"
#include "app/globais.h"
#include "app/temas.h"
#include "game/globais.h"
#include "sgx/sgx.h"

void initGraphics() {
    glFrontFace(GL_CCW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glShadeModel(GL_SMOOTH);
    glPolygonMode(GL_FRONT, GL_FILL);
    preparaQuadrica();

    loadScene(ambiente);
    loadApplicationTextures();
    marcaRelogio = std::time(nullptr);
    // The scene textures come after the application's, so a scenery with more than a
    // hundred textures overrides them rather than the other way round.
    loadSceneTextures();
}
