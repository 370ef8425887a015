// Texturing in the scenery's drawing, on or off and the texture bound, sent to OpenGL only
// when geometry follows.
//
// Every object turns texturing on and binds its texture as it begins, and turns texturing off
// as it ends, so a run of objects would switch OpenGL's texture state back and forth with no
// geometry in between. Each switch makes the software renderer revalidate its texture state
// at the next draw, which cost the drawing thread more than the scenery's geometry itself.
// What OpenGL has whenever geometry is drawn, and when the drawing ends, stays exactly what
// the drawing asked for last.
#pragma once

class Texturizacao {
public:
    // Starts from what OpenGL has now.
    Texturizacao(bool ligada = false, unsigned nome = 0)
        : pedida{ligada, nome}, enviada{ligada, nome} {}
    void pedeLigada(bool ligada) { pedida.ligada = ligada; }
    void pedeNome(unsigned nome) { pedida.nome = nome; }

    // What OpenGL must be told to have what was asked for; afterwards it has it.
    struct Mudancas {
        bool ligada = false;
        bool nome = false;
    };
    Mudancas aplica() {
        const Mudancas m{pedida.ligada != enviada.ligada, pedida.nome != enviada.nome};
        enviada = pedida;
        return m;
    }
    bool ligada() const { return pedida.ligada; }
    unsigned nome() const { return pedida.nome; }

private:
    struct Estado {
        bool ligada;
        unsigned nome;
    };
    Estado pedida;
    Estado enviada;
};

// As a root object begins to draw: OpenGL's own state, read back once.
void comecaTexturizacao();
// What the drawing asks for now; sent at once in the reference drawing.
void pedeTexturizacao(bool ligada);
void pedeTextura(unsigned nome);
// Before geometry, and as a root object ends: OpenGL takes the state asked for last.
void aplicaTexturizacao();
