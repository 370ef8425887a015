// Cantos 3D: the window, its panel and timers, the first scenery, the rules server, the loop.
#include <GL/freeglut.h>

#include "app/accoes.h"
#include "app/ajuda.h"
#include "app/dados.h"
#include "app/definicoes.h"
#include "app/idioma.h"
#include "app/janela.h"
#include "app/servidor_local.h"
#include "app/temporizadores.h"
#include "game/ligacao.h"
#include "game/persistencia.h"
#include "game/posse.h"
#include "game/turno.h"

int main(int argc, char** argv) {
    if (const int fim = trataOpcoes(argc, argv); fim >= 0) return fim;
    entraPastaDados();
    iniciaIdioma(pastaTraducoes(pastaDoPrograma()));
    // Started now, it is up by the time the window is: the wait below is seldom a wait.
    lancaServidorInstalado();
    abreJanela(argc, argv);
    carregaDefinicoes();
    aplicaEcraInteiro();
    preparaDesenho();
    pedeSincroniaVertical();
    // No idle routine: the loop sleeps until input, a timer or a frame asks for the next one.
    iniciaRelogio();

    esperaServidorLocal(10000);
    connectServer();
    initBoardTexts();
    tomaPosseDoJogo();
    carregaJogoGuardado();
    glutMainLoop();
    guardaJogoAoSair();
    quitServer();
    return 0;
}
