// What the panel's buttons do, each in one place: a button and its key run the same action.
#pragma once

enum class Accao {
    nenhuma,
    undo,
    refazer,
    sugestao,
    filme,
    rodaCamara,
    gravar,
    menu,
    ecraInteiro,
    listaJogadas,
};

// The panel's buttons and switches with their keys, in the order the panel shows them.
struct BotaoAccao {
    Accao accao;
    const char* rotulo;  // the panel's label
    int tecla;           // the key: a character, or a GLUT special key plus tecladoEspecial
};
constexpr int tecladoEspecial = 1000;
extern const BotaoAccao botoesAccao[];
extern const int numBotoesAccao;

// The action a key runs; Accao::nenhuma for a key with none.
Accao accaoDaTecla(int tecla);
// The action's key, for the texts that name it; 0 for none.
int teclaDaAccao(Accao a);

// Runs the action, as the press of its button.
void executa(Accao a);

// Puts the window in full screen or back, as ecraInteiro says (start-up, F11).
void aplicaEcraInteiro();
