// Where every game starts: the one reset of the state that belongs to a single game.
#pragma once

// The starting position in every view of it: the board array, the pieces, both board
// texts, the move counts, no animation and no move picked. The history stays.
void poePosicaoInicial();

// A new game: the starting position, an empty history, no film, no Undo under way, no
// hints and no verdict. What outlives a game stays: the mode and level (the callers set
// them), the side to begin, the wins, the computer's passes, the cameras, the end banner.
void comecaPartida();
