#include "scene/recorte.h"

#include <GL/gl.h>

#include "scene/globais.h"

bool foraDaVista(const float clip[16], const Caixa& caixa) {
    unsigned fora = 0x3f;  // the planes every corner so far lies beyond
    for (int canto = 0; canto < 8 && fora != 0; ++canto) {
        const float v[3] = {(canto & 1) ? caixa.maximo[0] : caixa.minimo[0],
                            (canto & 2) ? caixa.maximo[1] : caixa.minimo[1],
                            (canto & 4) ? caixa.maximo[2] : caixa.minimo[2]};
        float c[4];
        for (int r = 0; r < 4; ++r)
            c[r] = clip[r] * v[0] + clip[4 + r] * v[1] + clip[8 + r] * v[2] + clip[12 + r];
        unsigned aqui = 0;
        for (int eixo = 0; eixo < 3; ++eixo) {
            if (c[eixo] < -c[3]) aqui |= 1u << (2 * eixo);
            if (c[eixo] > c[3]) aqui |= 2u << (2 * eixo);
        }
        fora &= aqui;
    }
    return fora != 0;
}

void comecaRecorte() { glGetFloatv(GL_PROJECTION_MATRIX, projeccaoDoCenario.data()); }

bool caixaForaDaVista(const Caixa& caixa) {
    if (cenarioDeReferencia) return false;
    Matriz mv;
    glGetFloatv(GL_MODELVIEW_MATRIX, mv.data());
    return foraDaVista(multiplica(projeccaoDoCenario, mv).data(), caixa);
}
