// Handing the scene's lights and textures to OpenGL.
#include <GL/gl.h>

#include "scene/globais.h"
#include "sgx/globais.h"
#include "sgx/sgx.h"

namespace {
// OpenGL promises eight lights; GL_LIGHT0 + 8 and beyond are not lights at all.
constexpr int luzesGL = 8;
}  // namespace

void applyLight(int i) {
    if (i < 0 || i >= static_cast<int>(sceneLights.size()) || i >= luzesGL) return;
    const lightElements& L = sceneLights[static_cast<std::size_t>(i)];
    const GLenum n = GL_LIGHT0 + static_cast<GLenum>(i);

    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, L.globalAmbient);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, local != 0 ? 1 : 0);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, doublesided != 0 ? 1 : 0);
    glClearColor(L.background[0], L.background[1], L.background[2], L.background[3]);

    glLightfv(n, GL_POSITION, L.position);
    glLightfv(n, GL_AMBIENT, L.ambient);
    glLightfv(n, GL_DIFFUSE, L.diffuse);
    glLightfv(n, GL_SPECULAR, L.specular);
    // Positional lights fade as 1/d, not with OpenGL's constant default.
    glLightf(n, GL_CONSTANT_ATTENUATION, 0.0f);
    glLightf(n, GL_LINEAR_ATTENUATION, 1.0f);
    glLightf(n, GL_QUADRATIC_ATTENUATION, 0.0f);

    if (L.enabled == 1)
        glEnable(n);
    else
        glDisable(n);
}

void loadSceneTexture(textureElement entry) {
    // A file that does not load leaves the image read last in place, and the texture is
    // defined from that: the scenery still shows something where its image is missing.
    imagemTextura.load(entry.file);
    imagemTextura.makeTexture(static_cast<unsigned int>(entry.textureName));
}
