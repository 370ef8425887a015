// The scoreboard clock. Drawing the scoreboard belongs to the window's code.
#include "game/placar.h"

#include "game/globais.h"

namespace {

enum { dezenasMinutos, minutos, dezenasSegundos, segundos };

}  // namespace

// The seconds digit is the time since the last ten-second step; frames more than ten seconds
// apart lose the surplus, since the mark jumps to the present.
void Placar::updateClock(std::int64_t agora) {
    agoraRelogio = agora;
    int* d = digitosRelogio;
    d[segundos] = static_cast<int>(agora - marcaRelogio);
    if (d[segundos] > 9) {
        marcaRelogio = agora;
        ++d[dezenasSegundos];
    }
    if (d[dezenasSegundos] >= 6) {
        d[dezenasSegundos] = 0;
        ++d[minutos];
    }
    if (d[minutos] > 9) {
        d[minutos] = 0;
        ++d[dezenasMinutos];
    }
    if (d[dezenasMinutos] >= 6) {
        for (int i = 0; i < 4; ++i) d[i] = 0;
    }
}
