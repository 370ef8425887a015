// The record of a game for the player to keep: "Gravar partida" writes it as a text file.
#pragma once
#include <ctime>
#include <string>
#include <vector>

#include "game/historico.h"

// The record: date, mode, result and one line per move in square coordinates.
std::string textoDaPartida(const std::vector<mov>& jogadas, int modoJogo, int nivelJogo,
                           const std::string& resultado, std::time_t quando);
// Keeps the game that just ended, so that it can still be written once the board is reset.
void guardaPartidaAcabada(int vencedor);
// Writes the game in progress, or else the last one finished, under pastaDocumentos();
// returns the file written, "" when there was nothing to write or the write failed.
std::string gravaPartida(std::time_t agora);
