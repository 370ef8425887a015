// The last verdict on what the player did, as the window shows it.
#pragma once
#include <cstddef>

enum class VeredictoJogada {
    nenhum,
    jogadaValida,
    jogadaInvalida,
    escolhaNivel,       // a computer mode picked before a level
    jogadaPCInvalida,   // the computer's reply changed nothing that makes a move
    respostaInvalida,   // the server's reply was not the answer to the question asked
};

// Records a verdict and its text; the hints of the judged move are dropped. For a refused
// move the text says why when the board tells: the picked square is empty or holds a
// piece of the other side, or the piece cannot reach the square.
void anotaVeredicto(VeredictoJogada v);

// The text of a refused move of side `jogador` from (xi, yi), read on board text `tab`.
void explicaRecusa(const char* tab, int jogador, int xi, int yi, char* texto, std::size_t tamanho);
