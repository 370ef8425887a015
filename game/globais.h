// Every program-wide variable of the game, in one place. Defined in game/globais.cpp.
// What belongs to one game is reset in one place, comecaPartida (game/partida.cpp), at a
// game's end, "Menu", the resume and in the tests; what outlives a game is marked so. Each
// group names who writes it; the ids of modes and cameras are in game/ids.h.
#pragma once
#include <cstdint>
#include <vector>

#include "game/fim_jogo.h"
#include "game/gravacao.h"
#include "game/historico.h"
#include "game/peca.h"
#include "game/placar.h"
#include "game/veredicto.h"

constexpr int tamanhoTexto = 512;  // size of every board and request text buffer

// Game state and turn flow: written by the turn step and the menu choices (game/turno.cpp),
// Undo and the film (game/desfazer.cpp), picking (game/selecao.cpp, the move under way)
// and the resume (game/retoma.cpp). `modo`, `nivel`, `jogador`, the wins and `passagensPC`
// outlive a game.
extern int modo;      // 0 no game yet, 1 two players, 2 player v computer, 3 computer v computer, -1 ended
extern int nivel;     // difficulty 1 or 2; -1 after a game has ended
extern int jogador;   // side to move
extern int xi, yi, xf, yf;  // the move under way; -1 when not chosen
extern char tabuleiro[tamanhoTexto];
extern char tabuleiroPC[tamanhoTexto];
extern char msg[tamanhoTexto];
extern int jogadas1, jogadas2;
extern int vitorias1, vitorias2;
extern int passagensPC;

// Move history: the turn step appends, Undo removes, the resume fills it.
extern std::vector<mov> historico;
extern int nJogadas;

// Picking: game/selecao.cpp; the animation's set-down moves the highlight along.
extern bool selecionou;
extern double selX, selY;

// Pieces, board array and the move animation: game/animacao.cpp moves them; whoever starts
// an animation sets animX..destY and `animando`.
extern std::vector<Peca> pecas;
extern int casas[8][8];               // [column][row]
extern const int casasIniciais[8][8];
extern int animando;
extern int faseAnim;
extern double animX, animY, destX, destY;

// Scoreboard and its clock: the wins through the turn step and the resume, the clock by the
// scoreboard's own update and the clock button. Outlive a game.
extern Placar placar;
extern int digitosRelogio[4];
extern std::int64_t marcaRelogio;
extern std::int64_t agoraRelogio;

// The camera choice: the game steers it (turn step, Undo, picks, "Menu", the resume, the
// "RodaCamara" switch in game/camara_jogo.cpp) and the panel's "Camara" list sets it; the
// camera timer moves `camaraActual` along as the eye arrives. The drawing only reads them.
// Outlive a game.
extern int camara;
extern int camaraActual;
extern int rodaCamara;

// Undo and the replay film: game/desfazer.cpp.
extern int faseUndo;
extern int undoArmado;
extern int undoRetira;
extern int faseFilme;
extern int indiceFilme;

// The rules-server link (game/ligacao.cpp) and the turn step's one-time warnings.
extern int socketServidor;            // -1 while there is no connection
extern std::int64_t ultimaLigacaoMs;  // link clock when a connect was last tried
extern bool avisoSemLigacao;          // "Sem ligacao..." printed since the server last answered
extern bool avisoJogadaPC;            // "Jogada do computador invalida!" printed

// Moves, Undo steps, game ends, menu choices, "Menu" and the end banner's dismissal since the program
// started: the saved game is written whenever it moves on.
extern int alteracoesJogo;
extern int alteracoesGravadas;  // the count when the saved game was last written
// Whether this window keeps the saved game: false when another window of the game held it
// at start-up. Written by tomaPosseDoJogo (game/posse.cpp) alone.
extern bool donoDoJogo;

// The last game that ended, kept for "Gravar partida" after the board was reset.
struct PartidaAcabada {
    std::vector<mov> jogadas;
    int modo = 0, nivel = 0, vencedor = 0;
};
extern PartidaAcabada partidaAcabada;

// The game state saved when the replay film starts; it comes back after the film's last move.
struct EstadoJogo {
    char tabuleiro[tamanhoTexto];
    char tabuleiroPC[tamanhoTexto];
    int jogador;
    int jogadas1;
    int jogadas2;
    int passagensPC;
};
extern bool filmeEmCurso;
extern EstadoJogo estadoAntesFilme;

// What the window tells the player: the last verdict and its text, the hints ("Ajudas"
// on the panel) with the squares they mark, [column][row], and the end of the last game.
extern VeredictoJogada ultimoVeredicto;
extern char textoVeredicto[160];
extern bool ajudas;
extern bool destinosMarcados[8][8];
extern FimDeJogo fimDeJogo;

// Redo: the moves Undo took back, the next one to play again last. A move that is not the
// next one drops them all. refazPC: a redo press against the computer brings its answer
// back too, so the computer's turn plays the undone move instead of asking for one.
extern std::vector<JogadaGuardada> porRefazer;
extern bool refazPC;

// The move the computer suggests for the side to move, and the board it was asked for.
struct Sugestao {
    bool pedida = false;  // asked for; false again once shown stale or dropped
    bool temJogada = false;
    int jogador = 0;
    int xi = -1, yi = -1, xf = -1, yf = -1;
    char casas[64] = {};
};
extern Sugestao sugestao;
