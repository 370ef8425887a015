// What asks the window for its next frame.
#include "app/redesenho.h"

#include <cstring>
#include <string>

#include <GL/freeglut.h>

#include "app/globais.h"
#include "app/temporizadores.h"
#include "game/desfazer.h"
#include "game/globais.h"
#include "game/ligacao.h"
#include "game/persistencia.h"
#include "game/turno.h"

namespace {

// One frame to show a change, one more for a panel window that stays hidden on its first.
constexpr int quadrosParaAssentar = 2;
int porAssentar = 0;

// FNV-1a over the bytes of each value.
class Mistura {
public:
    template <class T>
    void junta(const T& v) {
        const auto* b = reinterpret_cast<const unsigned char*>(&v);
        for (std::size_t i = 0; i < sizeof v; ++i) h = (h ^ b[i]) * 1099511628211ull;
    }
    template <class T, std::size_t N>
    void junta(const T (&v)[N]) {
        for (const T& x : v) junta(x);
    }
    std::uint64_t valor() const { return h; }

private:
    std::uint64_t h = 14695981039346656037ull;
};

}  // namespace

void redesenha() {
    if (glutGetWindow() != 0) glutPostRedisplay();
}

void pedeQuadro() {
    porAssentar = quadrosParaAssentar;
    redesenha();
}

std::uint64_t retratoDoJogo() {
    Mistura m;
    for (int v : {modo, nivel, jogador, xi, yi, xf, yf, nJogadas, int(historico.size()), jogadas1,
                  jogadas2, vitorias1, vitorias2, animando, camara, camaraActual, rodaCamara,
                  ambiente, ambienteCarregado, materialPecas, indiceFilme, larguraJanela,
                  alturaJanela, fimDeJogo.camara, cursor.x, cursor.y, int(porRefazer.size()),
                  sugestao.xi, sugestao.yi, sugestao.xf, sugestao.yf})
        m.junta(v);
    for (bool v : {selecionou, filmeEmCurso, ajudas, fimDeJogo.activo, avisoSemLigacao,
                   serverConnected(), cursor.visivel, mostraJogadas, ecraInteiro,
                   sugestao.pedida, sugestao.temJogada})
        m.junta(v);
    m.junta(escalaJanela);
    m.junta(selX);
    m.junta(selY);
    for (const Peca& p : pecas) {
        m.junta(p.x);
        m.junta(p.y);
        m.junta(p.altura);
        m.junta(p.lado);
    }
    m.junta(olho);
    m.junta(rotacao);
    m.junta(zoomX);
    m.junta(zoomY);
    m.junta(zoomZ);
    m.junta(ultimoVeredicto);
    m.junta(destinosMarcados);
    m.junta(std::hash<std::string>()(textoVeredicto));
    m.junta(std::hash<std::string>()(avisoServidor));
    m.junta(std::hash<std::string>()(notaEstado));
    return m.valor();
}

void depoisDoQuadro(bool mudou) {
    armaTemporizadores();
    // A saved game waiting for the server is tried again by the frames, a few a second.
    if (jogoGuardadoEmEspera()) esperaReligacao();
    if (turnoPorDar()) {
        // The link retries at most once a second: without it, frames would only spin.
        if (serverConnected())
            redesenha();
        else
            esperaReligacao();
        return;
    }
    if (mudou) porAssentar = quadrosParaAssentar;
    if (porAssentar > 0) {
        --porAssentar;
        redesenha();
    }
}
