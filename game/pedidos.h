// What the game asks the rules server, one function per request: each formats its request,
// refuses to send one cut short, sends it, reads the reply and judges it. No other file
// writes a request or reads a reply. The bytes on the wire are those the server has always
// been sent: board texts go out as the game holds them.
#pragma once
#include <string>

// A move: from column xi, row yi to column xf, row yf; -1 for a square not chosen.
struct Jogada {
    int xi = -1, yi = -1, xf = -1, yf = -1;
};

// How a reply answered its request.
enum class Resposta {
    feita,       // the move asked for was made
    recusada,    // the board came back unchanged: no such move (or, for the computer, none at all)
    invalida,    // a board, but not the answer to the question asked: nothing of it is taken
    semLigacao,  // nothing came back, or no board did (a cut reply, "erro", no server)
};

struct RespostaTabuleiro {
    Resposta estado = Resposta::semLigacao;
    Jogada jogada;                  // the computer's move, when feita
    char tabuleiro[512] = {};  // the reply as received, line breaks in front kept
};

// "validaJogada": side `lado` moves `j` on `tabuleiro`. The reply is taken only as the
// board sent (recusada) or exactly that board with the move made: origin emptied,
// destination filled by `lado`, nothing else changed (feita). The request is left in `msg`.
RespostaTabuleiro validaJogada(const Jogada& j, const char* tabuleiro, int lado);

// "obtemJogadaPC1" or "obtemJogadaPC2" by `nivel`: the computer's move for `lado`. Taken
// only when exactly one square of `lado` became empty and one empty square became `lado`'s.
// The request is left in `msg`.
RespostaTabuleiro obtemJogadaPC(int nivel, int lado, const char* tabuleiro);

// A suggestion for side `lado` on `tabuleiro`: the level-2 computer move, judged as the
// computer's own, and not applied. False when there is none to give.
bool sugereJogada(const char* tabuleiro, int lado, Jogada& j);

// The verdict of "verificaTerminacao".
enum class Desfecho { continua, perdeu, venceu };
// Whether the move side `lado` just made, its number `feitas` + 1, ends the game on
// `tabuleiro`, the board after it. False when the link failed; `r` is the server's number
// (1 goes on, 0 the mover lost, any other the mover won; no number counts as 0).
bool verificaTerminacao(int lado, int feitas, const char* tabuleiro, Desfecho& d, int& r);

// "destinos": the squares the piece on (x, y) of board `casas` (64 digits, row by row) can
// reach, marked in `marcados` [column][row]. False, with nothing marked, when the server
// gave no list.
bool pedeDestinos(int x, int y, const char casas[64], bool marcados[8][8]);

// Whether side `lado` has any move on `tabuleiro`: "destinos" for each of its pieces. True
// when the server cannot say.
bool temJogadas(int lado, const char* tabuleiro);

// "quit." and whether a reply to it is a rules server's ("ok."): how a program on the port
// is told from another.
const char* pedidoSaida();
bool respostaDeServidor(const std::string& resposta);

// The server's fault: said on the console and in the status area, once until a reply is
// good again.
void avisaRespostaInvalida();

// Pure judges of the replies, for the tests and the fuzzers.
Resposta julgaValidacao(const char* enviado, const char* resposta, const Jogada& j, int lado);
Resposta julgaJogadaPC(const char* enviado, const char* resposta, int lado, Jogada& j);
