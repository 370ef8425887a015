// Reading and writing the player's settings; the panel's variables are the live copy.
#include "app/definicoes.h"

#include <cstdio>
#include <istream>
#include <sstream>

#include "app/globais.h"
#include "game/ficheiros.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/linhas.h"

namespace {

constexpr int versaoDefinicoes = 1;

// Settings written by a newer version are never saved over.
bool definicoesMaisNovas = false;

Definicoes actuais() {
    return {ambiente, materialPecas, rodaCamara, ajudas ? 1 : 0, mostraJogadas ? 1 : 0,
            ecraInteiro ? 1 : 0};
}

// The lines later versions of the file added, in any order; a file without them keeps the
// defaults.
bool leOpcionais(std::istream& linhas, Definicoes& d) {
    std::string linha;
    while (std::getline(linhas, linha)) {
        int v = -1;
        char fim;
        if (std::sscanf(linha.c_str(), "jogadas %d %c", &v, &fim) == 1 && (v == 0 || v == 1))
            d.jogadas = v;
        else if (std::sscanf(linha.c_str(), "ecraInteiro %d %c", &v, &fim) == 1 && (v == 0 || v == 1))
            d.ecraInteiro = v;
        else if (!linha.empty())
            return false;
    }
    return true;
}

}  // namespace

std::string escreveDefinicoes(const Definicoes& d) {
    std::ostringstream s;
    s << "cantos definicoes " << versaoDefinicoes << "\n"
      << "ambiente " << idParaTexto(idDeNumero<Ambiente>(d.ambiente)) << "\n"
      << "material " << idParaTexto(idDeNumero<Material>(d.material)) << "\n"
      << "rodaCamara " << d.rodaCamara << "\n"
      << "ajudas " << d.ajudas << "\n"
      << "jogadas " << d.jogadas << "\n"
      << "ecraInteiro " << d.ecraInteiro << "\n";
    return s.str();
}

bool leDefinicoes(const std::string& texto, Definicoes& d, std::string& erro) {
    std::istringstream linhas(texto);
    std::string primeira;
    std::getline(linhas, primeira);
    switch (leVersao(primeira, "cantos definicoes", versaoDefinicoes)) {
    case Versao::nenhuma:
        erro = "not a settings file";
        return false;
    case Versao::nova:
        erro = "saved by a newer version";
        return false;
    default:
        break;
    }
    Definicoes n;
    if (!leLinhaDeId<Ambiente>(linhas, "ambiente", n.ambiente) || !leLinhaDeId<Material>(linhas, "material", n.material) ||
        !leLinhaDeNumero(linhas, "rodaCamara", 0, 1, n.rodaCamara) ||
        !leLinhaDeNumero(linhas, "ajudas", 0, 1, n.ajudas) || !leOpcionais(linhas, n)) {
        erro = "bad or missing line";
        return false;
    }
    d = n;
    return true;
}

std::string ficheiroDefinicoes() { return pastaDefinicoes() + "/definicoes"; }

void carregaDefinicoes() {
    const std::string caminho = ficheiroDefinicoes();
    definicoesGravadas = actuais();
    definicoesMaisNovas = false;
    if (pastaDefinicoes().empty() || !existeFicheiro(caminho)) return;
    std::string texto, erro = "cannot be read";
    Definicoes d;
    const bool lido = leFicheiro(caminho, texto);
    if (lido && leVersao(texto.substr(0, texto.find('\n')), "cantos definicoes", versaoDefinicoes) == Versao::nova) {
        definicoesMaisNovas = true;
        std::printf("Definicoes de uma versao mais recente: ficam intactas em %s e nao sao guardadas\n",
                    caminho.c_str());
        std::fflush(stdout);
        return;
    }
    if (lido && leDefinicoes(texto, d, erro)) {
        ambiente = d.ambiente;
        materialPecas = d.material;
        rodaCamara = d.rodaCamara;
        ajudas = d.ajudas != 0;
        mostraJogadas = d.jogadas != 0;
        ecraInteiro = d.ecraInteiro != 0;
        definicoesGravadas = d;
        return;
    }
    const std::string posto = poeDeParte(caminho);
    std::printf("Definicoes invalidas (%s): postas de parte em %s\n", erro.c_str(),
                (posto.empty() ? caminho : posto).c_str());
    std::fflush(stdout);
}

void guardaDefinicoesSeMudaram() {
    const Definicoes d = actuais();
    if (d == definicoesGravadas || definicoesMaisNovas) return;
    definicoesGravadas = d;
    if (!criaPasta(pastaDefinicoes()) || !escreveAtomico(ficheiroDefinicoes(), escreveDefinicoes(d))) {
        std::printf("Nao foi possivel guardar as definicoes em %s\n", ficheiroDefinicoes().c_str());
        std::fflush(stdout);
    }
}
