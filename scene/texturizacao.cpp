#include "scene/texturizacao.h"

#include <GL/gl.h>

#include "scene/globais.h"

void comecaTexturizacao() {
    GLint nome = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &nome);
    texturizacao = Texturizacao(glIsEnabled(GL_TEXTURE_2D) == GL_TRUE, static_cast<unsigned>(nome));
}

void pedeTexturizacao(bool ligada) {
    texturizacao.pedeLigada(ligada);
    if (cenarioDeReferencia) aplicaTexturizacao();
}

void pedeTextura(unsigned nome) {
    texturizacao.pedeNome(nome);
    if (cenarioDeReferencia) aplicaTexturizacao();
}

void aplicaTexturizacao() {
    const Texturizacao::Mudancas m = texturizacao.aplica();
    if (m.nome) glBindTexture(GL_TEXTURE_2D, texturizacao.nome());
    if (!m.ligada) return;
    if (texturizacao.ligada())
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}
