// The game in progress kept across runs: resumed at start-up, written after every move,
// Undo, "Menu" and game end.
#pragma once
#include <string>

// The saved game's file: pastaEstado()/jogo.
std::string ficheiroJogo();
// Start-up, once the rules server is connected: resumes a good saved game. A bad one is put
// aside with one message, and the game starts fresh. One the rules server could not judge
// waits (jogoGuardadoEmEspera) and nothing is saved over it; one written by a newer version
// is left as it is, and nothing is saved over it this run.
void carregaJogoGuardado();
// Each frame, before the turn step: a saved game that waits for the rules server is
// resumed as soon as the server answers, before any new game can replace it.
void retomaJogoEmEspera();
// True while a saved game waits for the rules server.
bool jogoGuardadoEmEspera();
// Each frame: writes the game when a move, an Undo, a menu choice, "Menu" or a game end
// changed it since.
void guardaJogoSeMudou();
// When the program ends: the camera in view too, if anything was played in this run.
void guardaJogoAoSair();
