// When the saved game is read and written. A fresh game replaces the saved one only with
// its first move: the counter of changes moves on with moves, Undo and game ends alone.
#include "game/persistencia.h"

#include <cstdio>

#include "game/ficheiros.h"
#include "game/globais.h"
#include "game/gravacao.h"
#include "game/retoma.h"

namespace {

void diz(const std::string& texto) {
    std::fputs(texto.c_str(), stdout);
    std::fflush(stdout);
}

void guarda() {
    // Another window keeps the saved game: this one's would overwrite it.
    if (!donoDoJogo) return;
    const std::string pasta = pastaEstado();
    if (!criaPasta(pasta) || !escreveAtomico(ficheiroJogo(), escreveJogo(jogoActual())))
        diz("Nao foi possivel guardar o jogo em " + ficheiroJogo() + "\n");
    alteracoesGravadas = alteracoesJogo;
}

}  // namespace

std::string ficheiroJogo() { return pastaEstado() + "/jogo"; }

void carregaJogoGuardado() {
    const std::string caminho = ficheiroJogo();
    std::string texto, erro;
    if (!donoDoJogo || pastaEstado().empty() || !existeFicheiro(caminho)) return;
    JogoGuardado jogo;
    Retoma r = Retoma::invalido;
    if (!leFicheiro(caminho, texto))
        erro = "cannot be read";
    else if (leJogo(texto, jogo, erro))
        r = retomaJogo(jogo, erro);
    if (r == Retoma::retomado) {
        diz("Jogo retomado de " + caminho + ": " + std::to_string(jogo.jogadas.size()) + " jogadas\n");
    } else if (r == Retoma::semServidor) {
        // Nothing is wrong with the file: it waits for a run with the server.
        diz("Jogo guardado nao retomado (" + erro + "): fica em " + caminho + "\n");
    } else {
        const std::string posto = poeDeParte(caminho);
        diz("Jogo guardado invalido (" + erro + "): posto de parte em " + (posto.empty() ? caminho : posto) +
            "; jogo novo\n");
    }
}

void guardaJogoSeMudou() {
    if (alteracoesJogo != alteracoesGravadas) guarda();
}

void guardaJogoAoSair() {
    // Only a game with moves: a fresh game replaces the saved one with its first move.
    if (alteracoesJogo != 0 && !historico.empty()) guarda();
}
