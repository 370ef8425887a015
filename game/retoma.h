// Resuming a saved game: its moves are judged again by the rules server, from the starting
// position, before the game takes them.
#pragma once
#include <string>

#include "game/gravacao.h"

enum class Retoma { retomado, semServidor, invalido };

// On `retomado` the saved game is the game in progress; otherwise nothing changed, and
// `erro` says why (the first move the server refused, a position that does not match).
Retoma retomaJogo(const JogoGuardado& jogo, std::string& erro);
