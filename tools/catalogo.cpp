#include "tools/catalogo.h"

#include <cstdio>

const std::vector<Textura>& catalogo() {
    static const std::vector<Textura> lista = [] {
        std::vector<Textura> l;
        juntarTexturasJogo(l);
        juntarTexturasCenarios(l);
        return l;
    }();
    return lista;
}

int gravarTodas(const std::string& pasta) {
    int falhas = 0;
    for (const Textura& t : catalogo()) {
        const std::string caminho = pasta + "/" + t.ficheiro;
        if (!t.pintar().gravarBmp(caminho)) {
            std::printf("Nao foi possivel escrever %s\n", caminho.c_str());
            ++falhas;
        }
    }
    return falhas;
}
