// The saved game and the settings are lines of a key and its values. Values are read as
// text and turned into numbers or ids with range checks, so nothing wraps.
#pragma once
#include <istream>
#include <string>

#include "game/ids.h"

// Reads the next line as "chave t1 ... tn": exactly n words after the key, nothing more.
bool leLinhaDeTextos(std::istream& linhas, const char* chave, int n, std::string* textos);

// The same with one integer in [de, ate].
bool leLinhaDeNumero(std::istream& linhas, const char* chave, long de, long ate, int& valor);

// The same with one id of E, by its text; its number goes to `valor`.
template <class E>
bool leLinhaDeId(std::istream& linhas, const char* chave, int& valor) {
    std::string texto;
    if (!leLinhaDeTextos(linhas, chave, 1, &texto)) return false;
    const E e = idDeTexto<E>(texto);
    if (e == E::invalido) return false;
    valor = id(e);
    return true;
}

// The first line, "<tipo> <version>": how it compares with `nossa`, the version this build
// writes. A version of digits too large to read is still a newer one.
enum class Versao { nenhuma, antiga, nossa, nova };
Versao leVersao(const std::string& primeira, const char* tipo, int nossa);
