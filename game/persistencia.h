// The game in progress kept across runs: resumed at start-up, written after every move,
// Undo and game end.
#pragma once
#include <string>

// The saved game's file: pastaEstado()/jogo.
std::string ficheiroJogo();
// Start-up, once the rules server is connected: resumes a good saved game. A bad one is put
// aside as "<file>.bad" with one message, and the game starts fresh.
void carregaJogoGuardado();
// Each frame: writes the game when a move, an Undo or a game end changed it since.
void guardaJogoSeMudou();
// When the program ends: the camera in view too, if anything was played in this run.
void guardaJogoAoSair();
