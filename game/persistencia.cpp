// When the saved game is read and written. A fresh game replaces the saved one only with
// its first move: the counter of changes moves on with moves, Undo and game ends alone.
#include "game/persistencia.h"

#include <cstdio>

#include "game/ficheiros.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/gravacao.h"
#include "game/linhas.h"
#include "game/retoma.h"

namespace {

void diz(const std::string& texto) {
    std::fputs(texto.c_str(), stdout);
    std::fflush(stdout);
}

// Nothing may be saved over a game that waits for the server, nor over a newer version's.
bool emEspera = false;
bool ficheiroMaisNovo = false;
JogoGuardado jogoEmEspera;

void guarda() {
    alteracoesGravadas = alteracoesJogo;
    // Nor over the game of another window, which keeps it.
    if (!donoDoJogo || emEspera || ficheiroMaisNovo) return;
    const std::string pasta = pastaEstado();
    if (!criaPasta(pasta) || !escreveAtomico(ficheiroJogo(), escreveJogo(jogoActual())))
        diz("Nao foi possivel guardar o jogo em " + ficheiroJogo() + "\n");
}

void poeDeParteComAviso(const std::string& caminho, const std::string& erro) {
    const std::string posto = poeDeParte(caminho);
    diz("Jogo guardado invalido (" + erro + "): posto de parte em " + (posto.empty() ? caminho : posto) +
        "; jogo novo\n");
}

// A game in progress by its moves; the menu between games by the wins so far.
std::string resumo(const JogoGuardado& jogo) {
    if (modoDeJogo(jogo.modo)) return std::to_string(jogo.jogadas.size()) + " jogadas";
    return "no menu, vitorias " + std::to_string(jogo.vitorias1) + "-" + std::to_string(jogo.vitorias2);
}

// Resumes `jogo`, read from `caminho`; a bad one is put aside, one without a judge waits.
void retoma(const JogoGuardado& jogo, const std::string& caminho, bool primeiraVez) {
    std::string erro;
    switch (retomaJogo(jogo, erro)) {
    case Retoma::retomado:
        emEspera = false;
        diz("Jogo retomado de " + caminho + ": " + resumo(jogo) + "\n");
        break;
    case Retoma::semServidor:
        // Nothing is wrong with the file: it waits for the server.
        if (primeiraVez) diz("Jogo guardado nao retomado (" + erro + "): fica em " + caminho + "\n");
        jogoEmEspera = jogo;
        emEspera = true;
        break;
    case Retoma::invalido:
        emEspera = false;
        poeDeParteComAviso(caminho, erro);
        break;
    }
}

}  // namespace

std::string ficheiroJogo() { return pastaEstado() + "/jogo"; }

void carregaJogoGuardado() {
    emEspera = ficheiroMaisNovo = false;
    const std::string caminho = ficheiroJogo();
    std::string texto, erro;
    if (!donoDoJogo || pastaEstado().empty() || !existeFicheiro(caminho)) return;
    JogoGuardado jogo;
    if (!leFicheiro(caminho, texto)) {
        erro = "cannot be read";
    } else if (leVersao(texto.substr(0, texto.find('\n')), "cantos jogo", versaoJogoGuardado) == Versao::nova) {
        ficheiroMaisNovo = true;
        diz("Jogo guardado por uma versao mais recente: fica intacto em " + caminho +
            "; este jogo nao sera guardado\n");
        return;
    } else if (leJogo(texto, jogo, erro)) {
        return retoma(jogo, caminho, true);
    }
    poeDeParteComAviso(caminho, erro);
}

void retomaJogoEmEspera() {
    if (emEspera) retoma(jogoEmEspera, ficheiroJogo(), false);
}

bool jogoGuardadoEmEspera() { return emEspera; }

void guardaJogoSeMudou() {
    if (alteracoesJogo != alteracoesGravadas) guarda();
}

void guardaJogoAoSair() {
    // The camera in view too, which no change counts; nothing when the run changed nothing.
    if (alteracoesJogo != 0) guarda();
}
