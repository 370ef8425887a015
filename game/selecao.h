// Choosing among selection-mode hits and acting on the picked name.
#pragma once
#include <cstddef>

// Entries of the selection buffer; processHits never reads beyond them.
constexpr std::size_t tamanhoSelecao = 512;

// Walks `count` hit records and hands the nearest named one to handlePick.
void processHits(int count, const unsigned int* buffer);
// Acts on one pick name: a piece, an empty square, the clock button or a menu item.
void handlePick(int name);

// The name a click on square (x, y) gives when it lands there: the piece standing on it,
// otherwise the empty square's name; 0 (the board) for a square neither names.
int nomeNaCasa(int x, int y);
