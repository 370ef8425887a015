// The scoreboard clock. Drawing the scoreboard belongs to the window's code.
#include "game/placar.h"

#include "game/globais.h"

namespace {

enum { dezenasMinutos, minutos, dezenasSegundos, segundos };

// Tens of seconds + 1, carried into the minutes; at 59:59 the clock starts again.
void avancaDezena(int* d) {
    if (++d[dezenasSegundos] >= 6) {
        d[dezenasSegundos] = 0;
        ++d[minutos];
    }
    if (d[minutos] > 9) {
        d[minutos] = 0;
        ++d[dezenasMinutos];
    }
    if (d[dezenasMinutos] >= 6)
        for (int i = 0; i < 4; ++i) d[i] = 0;
}

}  // namespace

// The seconds digit is the time since the last ten-second step. Frames come only when
// something changes, so two may be more than ten seconds apart (a covered window draws
// none): each whole ten seconds since the mark is one step, and the digit never shows 10.
void Placar::updateClock(std::int64_t agora) {
    agoraRelogio = agora;
    int* d = digitosRelogio;
    // A calendar set back restarts the count here; one set forward by hours skips the whole
    // hours, which the clock's 59:59 wrap would come back from anyway.
    if (agora < marcaRelogio) marcaRelogio = agora;
    marcaRelogio += (agora - marcaRelogio) / 3600 * 3600;
    while (agora - marcaRelogio > 9) {
        marcaRelogio += 10;
        avancaDezena(d);
    }
    d[segundos] = static_cast<int>(agora - marcaRelogio);
}
