// Which side of the window a mouse button event belongs to, and the quick clicks the panel
// would otherwise lose.
#pragma once

enum class Destino { Painel, Cena };

struct Encaminhamento {
    Destino destino;
    bool reter;  // a release to hand to the panel only after its next frame begins
};

class RotaRato {
public:
    // A press goes where it lands; its release follows it there, wherever the cursor is then.
    // A release whose press came after the panel's last frame began is held back: the panel
    // samples the buttons once per frame and would miss the click.
    // `noPainel` says whether the event's position is the panel's.
    Encaminhamento evento(int botao, int estado, bool noPainel);
    // Called right after the panel's frame begins; gives the held releases as a bit mask
    // (bit b for button b) and starts counting presses afresh.
    unsigned novoFrame();

private:
    static constexpr int numBotoes = 3;
    Destino destino[numBotoes] = {Destino::Cena, Destino::Cena, Destino::Cena};
    bool premidoNesteFrame[numBotoes] = {};
    bool retido[numBotoes] = {};
};

// True for a window row (counted from the top) inside the panel strip.
bool sobrePainel(int y, int alturaJanela);

// A rectangle of the window (pixels from the top left) the panel draws over, such as a
// list's open popup reaching up into the 3D view.
struct ZonaPainel {
    float x0, y0, x1, y1;
};
bool dentroDe(const ZonaPainel& z, int x, int y);
