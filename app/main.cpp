// Cantos 3D: the window, its panel and timers, the first scenery, the rules server, the loop.
#include <GL/freeglut.h>

#include "app/ajuda.h"
#include "app/camaras.h"
#include "app/definicoes.h"
#include "app/dados.h"
#include "app/eventos.h"
#include "app/frame.h"
#include "app/globais.h"
#include "app/graficos.h"
#include "app/idioma.h"
#include "app/janela.h"
#include "app/painel.h"
#include "app/servidor_local.h"
#include "app/temporizadores.h"
#include "game/animacao.h"
#include "game/globais.h"
#include "game/ligacao.h"
#include "game/persistencia.h"
#include "game/turno.h"

int main(int argc, char** argv) {
    if (const int fim = trataOpcoes(argc, argv); fim >= 0) return fim;
    entraPastaDados();
    iniciaIdioma(pastaTraducoes(pastaDoPrograma()));
    // Started now, it is up by the time the window is: the wait below is seldom a wait.
    lancaServidorInstalado();
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(550, 550);
    glutInitWindowPosition(200, 200);
    janelaPrincipal = glutCreateWindow(argv[0]);
    // Closing the window must still reach the quit request below.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);

    glutDisplayFunc(displayCallback);
    registaEventos();
    const unsigned periodo = unsigned(intervalo);
    glutTimerFunc(periodo, moveTimer, 0);
    iniciaPainel();
    buildPieces();
    // The board array starts as the pieces stand: picking names only its empty squares.
    copyBoard(casas, casasIniciais);
    carregaDefinicoes();
    ambienteCarregado = ambiente;
    glutTimerFunc(periodo, cameraTimer, 0);
    glutIdleFunc(idleCallback);
    initGraphics();
    // After the program's own textures exist, so the font is unlikely to want their names.
    criaTexturaFonte();

    esperaServidorLocal(10000);
    connectServer();
    initBoardTexts();
    carregaJogoGuardado();
    glutMainLoop();
    guardaJogoAoSair();
    quitServer();
    return 0;
}
