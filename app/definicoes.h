// The player's settings kept across runs: scenery, material and the turning camera, in
// pastaDefinicoes()/definicoes as plain text:
//
//   cantos definicoes 1
//   ambiente 1            the panel's scenery ids: 1 "Japao", 2 "Castelo Medieval", 3 "Praia"
//                         (0, never chosen, loads the same file as "Japao")
//   material 0            0 "Normal", 1 "Madeira", 2 "Pele", 3 "Metal"
//   rodaCamara 0          1 on
//   ajudas 1              the move hints: 1 on, 0 off
//   jogadas 1             the move list: 1 shown, 0 hidden    (these two may be missing:
//   ecraInteiro 0         full screen: 1 on                    older files lack them)
#pragma once
#include <string>

struct Definicoes {
    int ambiente = 0;
    int material = 0;
    int rodaCamara = 0;
    int ajudas = 1;
    int jogadas = 1;
    int ecraInteiro = 0;
    bool operator==(const Definicoes& o) const {
        return ambiente == o.ambiente && material == o.material && rodaCamara == o.rodaCamara &&
               ajudas == o.ajudas && jogadas == o.jogadas && ecraInteiro == o.ecraInteiro;
    }
};

std::string escreveDefinicoes(const Definicoes& d);
// False, with the reason, for anything but whole settings of this version or older.
bool leDefinicoes(const std::string& texto, Definicoes& d, std::string& erro);

std::string ficheiroDefinicoes();
// Start-up, before the first scenery is loaded; a bad file is put aside as "<file>.bad".
void carregaDefinicoes();
// Each frame: writes the settings when the panel changed them.
void guardaDefinicoesSeMudaram();
