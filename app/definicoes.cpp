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

Definicoes actuais() { return {ambiente, materialPecas, rodaCamara, ajudas ? 1 : 0}; }

}  // namespace

std::string escreveDefinicoes(const Definicoes& d) {
    std::ostringstream s;
    s << "cantos definicoes " << versaoDefinicoes << "\n"
      << "ambiente " << idParaTexto(idDeNumero<Ambiente>(d.ambiente)) << "\n"
      << "material " << idParaTexto(idDeNumero<Material>(d.material)) << "\n"
      << "rodaCamara " << d.rodaCamara << "\n"
      << "ajudas " << d.ajudas << "\n";
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
        !leLinhaDeNumero(linhas, "ajudas", 0, 1, n.ajudas)) {
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
    if (pastaDefinicoes().empty() || !existeFicheiro(caminho)) return;
    std::string texto, erro = "cannot be read";
    Definicoes d;
    if (leFicheiro(caminho, texto) && leDefinicoes(texto, d, erro)) {
        ambiente = d.ambiente;
        materialPecas = d.material;
        rodaCamara = d.rodaCamara;
        ajudas = d.ajudas != 0;
        definicoesGravadas = d;
        return;
    }
    poeDeParte(caminho);
    std::printf("Definicoes invalidas (%s): postas de parte em %s.bad\n", erro.c_str(), caminho.c_str());
    std::fflush(stdout);
}

void guardaDefinicoesSeMudaram() {
    const Definicoes d = actuais();
    if (d == definicoesGravadas) return;
    definicoesGravadas = d;
    if (!criaPasta(pastaDefinicoes()) || !escreveAtomico(ficheiroDefinicoes(), escreveDefinicoes(d))) {
        std::printf("Nao foi possivel guardar as definicoes em %s\n", ficheiroDefinicoes().c_str());
        std::fflush(stdout);
    }
}
