#include "game/linhas.h"

#include <sstream>

#include "game/ids.h"

bool leLinhaDeTextos(std::istream& linhas, const char* chave, int n, std::string* textos) {
    std::string linha;
    if (!std::getline(linhas, linha)) return false;
    std::istringstream l(linha);
    std::string k;
    if (!(l >> k) || k != chave) return false;
    for (int i = 0; i < n; ++i)
        if (!(l >> textos[i])) return false;
    std::string resto;
    return !(l >> resto);
}

bool leLinhaDeNumero(std::istream& linhas, const char* chave, long de, long ate, int& valor) {
    std::string texto;
    long n = 0;
    if (!leLinhaDeTextos(linhas, chave, 1, &texto) || !leInteiro(texto, de, ate, n)) return false;
    valor = static_cast<int>(n);
    return true;
}

Versao leVersao(const std::string& primeira, const char* tipo, int nossa) {
    std::istringstream l(primeira);
    std::string um, dois, numero, resto;
    if (!(l >> um >> dois >> numero) || (l >> resto) || um + " " + dois != tipo) return Versao::nenhuma;
    if (numero.find_first_not_of("0123456789") != std::string::npos) return Versao::nenhuma;
    long v = 0;
    if (!leInteiro(numero, 0, INT_MAX, v)) return Versao::nova;
    if (v < 1) return Versao::nenhuma;
    return v > nossa ? Versao::nova : v < nossa ? Versao::antiga : Versao::nossa;
}
