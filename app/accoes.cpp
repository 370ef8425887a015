#include "app/accoes.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <string>

#include <GL/freeglut.h>

#include "app/camaras.h"
#include "app/globais.h"
#include "app/temporizadores.h"
#include "game/destinos.h"
#include "game/exportacao.h"
#include "game/globais.h"
#include "game/refazer.h"
#include "game/sugestao.h"
#include "game/traducao.h"
#include "game/veredicto.h"
#include "game/volta_menu.h"

const BotaoAccao botoesAccao[] = {
    {Accao::undo, N_("Undo"), 'u'},
    {Accao::refazer, N_("Refazer"), 'r'},
    {Accao::sugestao, N_("Sugestão"), 'h'},
    {Accao::filme, N_("Filme do jogo"), 'f'},
    {Accao::rodaCamara, N_("RodaCamara"), 0},
    {Accao::gravar, N_("Gravar partida"), 0},
    {Accao::menu, N_("Menu"), 'm'},
    {Accao::listaJogadas, N_("Jogadas"), 'j'},
    {Accao::ecraInteiro, N_("Ecrã inteiro"), tecladoEspecial + GLUT_KEY_F11},
};
const int numBotoesAccao = sizeof botoesAccao / sizeof botoesAccao[0];

namespace {

// The record goes to the player's documents; the console says where, and the window too.
void gravaPartidaAgora() {
    const std::string caminho = gravaPartida(std::time(nullptr));
    if (caminho.empty()) {
        std::printf("Nada gravado: sem partida para gravar ou sem pasta de documentos\n");
        notaEstado = _("Nada gravado: sem partida para gravar");
    } else {
        std::printf("Partida gravada em %s\n", caminho.c_str());
        notaEstado = _("Partida gravada em ") + caminho;
    }
    std::fflush(stdout);
}

}  // namespace

void aplicaEcraInteiro() {
    if (!glutGet(GLUT_INIT_STATE) || glutGetWindow() == 0) return;
    if (ecraInteiro)
        glutFullScreen();
    else
        glutLeaveFullScreen();
}

Accao accaoDaTecla(int tecla) {
    if (tecla < tecladoEspecial) tecla = std::tolower(tecla);
    for (int i = 0; i < numBotoesAccao; ++i)
        if (botoesAccao[i].tecla != 0 && botoesAccao[i].tecla == tecla) return botoesAccao[i].accao;
    return Accao::nenhuma;
}

int teclaDaAccao(Accao a) {
    for (int i = 0; i < numBotoesAccao; ++i)
        if (botoesAccao[i].accao == a) return botoesAccao[i].tecla;
    return 0;
}

void executa(Accao a) {
    notaEstado.clear();
    switch (a) {
    // These move pieces: the hints of a piece picked before would point from nowhere.
    case Accao::undo:
        limpaDestinos();
        undoCallback(1);
        break;
    case Accao::refazer:
        limpaDestinos();
        refazJogada();
        break;
    case Accao::filme:
        limpaDestinos();
        replayCallback(1);
        break;
    case Accao::sugestao:
        // The suggestion is the news now; what was said of the last move is not.
        anotaVeredicto(VeredictoJogada::nenhum);
        pedeSugestao();
        break;
    case Accao::rodaCamara:
        rodaCamaraCallback(1);
        break;
    case Accao::gravar:
        gravaPartidaAgora();
        break;
    case Accao::menu:
        voltaAoMenu();
        break;
    case Accao::listaJogadas:
        mostraJogadas = !mostraJogadas;
        break;
    case Accao::ecraInteiro:
        ecraInteiro = !ecraInteiro;
        aplicaEcraInteiro();
        break;
    default:
        break;
    }
}
