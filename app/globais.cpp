// Definitions of the presentation state, with their starting values.
#include "app/globais.h"

int janelaPrincipal = 0;
int larguraJanela = 500, alturaJanela = 500;
float aspecto = 0.0f;
double intervalo = 20.0;
std::uint64_t quadrosDesenhados = 0;
float escalaJanela = 1.0f;
bool ecraInteiro = false;
bool mostraJogadas = true;
CursorTabuleiro cursor;
std::string notaEstado;

float rotacao[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
float zoomX = 0.0f, zoomY = 0.0f, zoomZ = 0.0f;
int ambiente = 0;
int ambienteCarregado = 0;
int materialPecas = 0;

const double origemTabuleiro[3] = {0.0, 0.0, 0.0};
const double centroMenu[3] = {-100.0, 0.0, 0.0};

// The eye starts behind side 1's corner; the two turning ends lie on the board's axis.
float olho[3] = {float(origemTabuleiro[0] + ladoTabuleiro / 2), float(origemTabuleiro[1] + 7),
                 float(origemTabuleiro[2] + 2 * ladoTabuleiro)};
float posicoesCamara[3][3] = {
    {float(origemTabuleiro[0] + ladoTabuleiro / 2), float(origemTabuleiro[1]),
     float(origemTabuleiro[2] - ladoTabuleiro / 2)},
    {float(origemTabuleiro[0] + ladoTabuleiro / 2), float(origemTabuleiro[1]),
     float(origemTabuleiro[2] + ladoTabuleiro / 2 + ladoTabuleiro)},
    {0.0f, 0.0f, 0.0f},
};
Volta volta;

GLUquadric* quadrica = nullptr;
bool desenhoDeReferencia = false;
std::int64_t instanteRelogio = 0;
unsigned int selectBuf[tamanhoSelectBuf];

Definicoes definicoesGravadas;
std::string avisoServidor;
