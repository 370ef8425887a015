// The saved game: what is kept of the game in progress between runs, as plain text.
//
//   cantos jogo 2            version line (1 has no "acabado" line)
//   modo 2                   0 none, 1 two players, 2 against the computer, 3 computers, -1 ended
//   nivel 1
//   vez 1                    side to move
//   jogadas 3 2              moves made by side 1 and side 2
//   vitorias 0 1             games won by side 1 and side 2
//   camara 1 1               camera in view, last player camera
//   passagens 7              computer turns handled
//   posicao [[2,2,...]]      the position shown, as the rules server writes boards
//   jogada 1 7,4 6,3         one line per move, oldest first: side, origin, destination
//   acabado 2 1 9 [[..]] 7,4 6,3   only while the end banner shows: the winner, the reason
//                            (RazaoFim), the camera, the final position, its last move if any
//   fim
#pragma once
#include <string>
#include <vector>

constexpr int versaoJogoGuardado = 2;

struct JogadaGuardada {
    int lado, xi, yi, xf, yf;
};

// The end of the last game, while its banner shows.
struct FimGuardado {
    bool activo = false;
    int vencedor = 1, razao = 0, camara = 4;
    std::string posicao;
    bool temUltima = false;
    int ultima[4] = {0, 0, 0, 0};
};

struct JogoGuardado {
    int modo = 0, nivel = 0, jogador = 1;
    int jogadas1 = 0, jogadas2 = 0, vitorias1 = 0, vitorias2 = 0;
    int camara = 4, camaraActual = 1, passagensPC = 0;
    std::string posicao;  // a board text
    std::vector<JogadaGuardada> jogadas;
    FimGuardado fim;
};

std::string escreveJogo(const JogoGuardado& jogo);
// False, with the reason in `erro`, for any text that is not a whole saved game of this
// version or older.
bool leJogo(const std::string& texto, JogoGuardado& jogo, std::string& erro);

// The game as the program-wide variables hold it now.
JogoGuardado jogoActual();
