// The end of a game as the window announces it: the winner, the reason, and the final
// position, held in view until the player clicks.
#pragma once
#include <string>
#include <vector>

#include "game/peca.h"

enum class RazaoFim {
    desconhecida,   // the server's verdict fits none of the rules (an unreadable reply)
    metaCheia,      // all the winner's pieces in its goal camp
    semJogadas,     // the loser has no legal move
    ficouEmCasa,    // the loser still had a piece in its home camp from its 30th move
    distancia,      // at move 100 the winner's pieces were nearer their goal
    ultima = distancia,
};

struct FimDeJogo {
    bool activo = false;
    int vencedor = 0;
    RazaoFim razao = RazaoFim::desconhecida;
    int camara = 4;            // the camera the game was seen from
    std::vector<Peca> pecas;   // the final position
    std::string posicao;       // the same as a board text
    bool temUltima = false;
    int ultima[4] = {0, 0, 0, 0};  // the final move's squares: xi, yi, xf, yf
};

// Why the game ended, from the board after the last move (sides per square, [column][row]),
// the side that made it, that side's move number n (1 for its first), whether it won, and
// whether the other side has a move left (the server's rules put that before distance).
RazaoFim razaoDoFim(const int lados[8][8], int lado, int n, bool venceu, bool outroPodeJogar = true);

// Called as a game ends, before the pieces go back: keeps the final position `tab` (the
// board after the move of `jogador`, who had made m moves before it), the winner from the
// server's verdict r and the camera, and shows the banner.
void guardaFimDeJogo(int r, int m, const char* tab);

// The banner of a game that ended in an earlier run: winner, reason, camera, the final
// position as a board text and its last move (when temUltima).
void mostraFimDeJogo(int vencedor, RazaoFim razao, int camara, const std::string& posicao,
                     bool temUltima, const int ultima[4]);

// The player clicked: the banner goes and the menu shows.
void dispensaFimDeJogo();

// The banner's two lines: "Jog2 venceu!" and the reason.
void textoFimDeJogo(const FimDeJogo& f, char* titulo, char* razao, int tamanho);
