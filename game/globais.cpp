// Definitions of the game's program-wide variables, with their starting values.
#include "game/globais.h"

int modo = 0;
int nivel = 0;
int jogador = 1;
int xi = -1, yi = -1, xf = -1, yf = -1;
char tabuleiro[tamanhoTexto];
char tabuleiroPC[tamanhoTexto];
char msg[tamanhoTexto];
int jogadas1 = 0, jogadas2 = 0;
int vitorias1 = 0, vitorias2 = 0;
int passagensPC = 0;

std::vector<mov> historico;
int nJogadas = 0;

bool selecionou = false;
double selX = 0.0, selY = 0.0;

std::vector<Peca> pecas;
int casas[8][8];
// Side 1 where row + column <= 3, side 2 where row + column >= 11.
const int casasIniciais[8][8] = {
    {1, 1, 1, 1, 0, 0, 0, 0}, {1, 1, 1, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0, 0, 0},
    {1, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 2}, {0, 0, 0, 0, 0, 0, 2, 2},
    {0, 0, 0, 0, 0, 2, 2, 2}, {0, 0, 0, 0, 2, 2, 2, 2},
};
int animando = 0;
int faseAnim = 1;
double animX = 0.0, animY = 0.0, destX = 0.0, destY = 0.0;

Placar placar(0, 0);
int digitosRelogio[4] = {0, 0, 0, 0};
std::int64_t marcaRelogio = 0;
std::int64_t agoraRelogio = 0;

int camara = 4;
int camaraActual = 1;
int rodaCamara = 0;

int faseUndo = 1;
int undoArmado = 0;
int undoRetira = 0;
int faseFilme = 1;
int indiceFilme = 0;

int socketServidor = -1;
std::int64_t ultimaLigacaoMs = INT64_MIN;
bool avisoSemLigacao = false;
bool avisoJogadaPC = false;

int alteracoesJogo = 0;
int alteracoesGravadas = 0;
bool donoDoJogo = true;
PartidaAcabada partidaAcabada;

bool filmeEmCurso = false;
EstadoJogo estadoAntesFilme = {};

VeredictoJogada ultimoVeredicto = VeredictoJogada::nenhum;
char textoVeredicto[160] = "";
bool ajudas = true;
bool destinosMarcados[8][8] = {};
FimDeJogo fimDeJogo;

std::vector<JogadaGuardada> porRefazer;
bool refazPC = false;
Sugestao sugestao;
