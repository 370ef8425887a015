// Program-wide presentation state: the window, the panel's bound variables, the cameras and
// the geometry of board, menu and scoreboard. Defined in app/globais.cpp.
#pragma once
#include <cstdint>
#include <string>

#include <GL/glu.h>

#include "app/definicoes.h"

// Window.
extern int janelaPrincipal;
extern int larguraJanela, alturaJanela;  // last size given to the reshape callback
extern float aspecto;                    // width / height of the 3D viewport
extern double intervalo;                 // period of every timer, in milliseconds
constexpr int alturaPainel = 130;        // the control panel's strip along the bottom, at scale 1
constexpr int alturaEstado = 52;         // the status area's strip along the top, at scale 1
extern float escalaJanela;               // how much larger than at 550 x 550 texts and panel are
extern bool ecraInteiro;                 // full screen (F11), kept in the settings
// The two strips in pixels at the window's scale.
inline int alturaDoPainel() { return int(alturaPainel * escalaJanela + 0.5f); }
inline int alturaDoEstado() { return int(alturaEstado * escalaJanela + 0.5f); }
extern std::uint64_t quadrosDesenhados;  // frames drawn since the start

// Bound to the control panel.
extern float rotacao[16];
extern float zoomX, zoomY, zoomZ;
extern int ambiente;
extern int ambienteCarregado;  // scenery whose file is loaded
extern int materialPecas;

// The move list "Jogadas" beside the view (shown or hidden, kept in the settings).
extern bool mostraJogadas;

// The keyboard's square cursor on the board; shown once an arrow key moves it.
struct CursorTabuleiro {
    bool visivel = false;
    int x = 4, y = 4;  // column, row
};
extern CursorTabuleiro cursor;

// A word for the status area from the last panel action, such as where "Gravar partida"
// wrote; it goes with the next action or pick.
extern std::string notaEstado;

// Cameras: the player eye and the ends of the turning camera.
extern float olho[3];
extern float posicoesCamara[3][3];

// The turning camera's swing, kept between timer ticks.
struct Volta {
    int estado = 0;            // 0 idle, 1 a turn is running
    std::uint32_t inicio = 0;  // millisecond tick at which it began
    float deltaZ = 0.0f;
    float meio = 0.0f;         // sideways amplitude
    double angulo = 0.0;
};
extern Volta volta;

// Board, menu and scoreboard geometry.
constexpr float ladoTabuleiro = 5.0f;
constexpr float casasPorLado = 8.0f;
constexpr float tamanhoCasa = ladoTabuleiro / casasPorLado;
constexpr float espessuraTabuleiro = 1.0f;
extern const double origemTabuleiro[3];
extern const double centroMenu[3];

// The quadric every GLU shape of the game scene is drawn with.
extern GLUquadric* quadrica;

// Draws the pieces command by command instead of through their display lists: the picture
// the lists must give, for tests to compare against.
extern bool desenhoDeReferencia;

// Calendar time (whole seconds) the scoreboard clock is advanced to when it is next drawn;
// the window glue stamps it before each drawing so the drawing itself reads no clock.
extern std::int64_t instanteRelogio;

// Selection buffer of the picking pass.
constexpr int tamanhoSelectBuf = 512;
extern unsigned int selectBuf[tamanhoSelectBuf];

// The settings as last written, so that a frame writes them only when they change.
extern Definicoes definicoesGravadas;

// Why the rules server an installed game starts for itself could not be had; empty while
// nothing went wrong. Printed on the console when set, for a status area to show as well.
extern std::string avisoServidor;
