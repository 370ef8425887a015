// Which side of the window a mouse button event belongs to, and the order in which the
// panel is told about the mouse.
#pragma once
#include <deque>
#include <vector>

enum class Destino { Painel, Cena };

class RotaRato {
public:
    // A press goes where it lands; its release follows it there, wherever the cursor is then.
    // `noPainel` says whether the event's position is the panel's.
    Destino evento(int botao, int estado, bool noPainel);

private:
    static constexpr int numBotoes = 3;
    Destino destino[numBotoes] = {Destino::Cena, Destino::Cena, Destino::Cena};
};

struct EventoRato {
    bool botao;  // a button event; otherwise a movement
    int qual;    // the button, 0 to 2
    int estado;  // 0 down, 1 up
    int x, y;
};

// The mouse as the panel sees it. The panel samples the buttons once per frame, so a button
// may change at most once between two of its frames: a release waits for the frame after
// its press, a press for the frame after the release before it, and whatever comes after a
// waiting event waits behind it, in order. Otherwise a quick click would be lost, and a drag
// would take the movement of the next one.
class FilaRato {
public:
    // True when the event may reach the panel now; otherwise it is kept for later frames.
    bool aplicarJa(const EventoRato& e);
    // Once the panel's frame has read the buttons: the kept events it may now have, in order.
    std::vector<EventoRato> novoFrame();

private:
    static constexpr int numBotoes = 3;
    std::deque<EventoRato> fila;
    // Buttons changed since the panel last read them.
    bool mudou[numBotoes] = {false, false, false};
};

// True for a window row (counted from the top) inside the panel strip.
bool sobrePainel(int y, int alturaJanela);

// A rectangle of the window (pixels from the top left) the panel draws over, such as a
// list's open popup reaching up into the 3D view.
struct ZonaPainel {
    float x0, y0, x1, y1;
};
bool dentroDe(const ZonaPainel& z, int x, int y);
