// The game's record as a text file in the player's documents.
#include "game/exportacao.h"

#include <cstdio>
#include <sstream>

#include "game/ficheiros.h"
#include "game/globais.h"
#include "game/ids.h"

namespace {

std::string data(std::time_t quando, const char* formato) {
    std::tm t{};
    localtime_r(&quando, &t);
    char texto[64];
    std::strftime(texto, sizeof texto, formato, &t);
    return texto;
}

const char* nomeDoModo(int m) {
    switch (idDeNumero<Modo>(m)) {
    case Modo::doisJogadores: return "Jogador contra Jogador";
    case Modo::contraComputador: return "Jogador contra Computador";
    case Modo::computadores: return "Computador contra Computador";
    default: return "-";
    }
}

}  // namespace

std::string textoDaPartida(const std::vector<mov>& jogadas, int modoJogo, int nivelJogo,
                           const std::string& resultado, std::time_t quando) {
    std::ostringstream s;
    s << "Cantos 3D - partida\n"
      << "Data: " << data(quando, "%Y-%m-%d %H:%M") << "\n"
      << "Modo: " << nomeDoModo(modoJogo);
    if ((modoJogo == id(Modo::contraComputador) || modoJogo == id(Modo::computadores)) && (nivelJogo == 1 || nivelJogo == 2)) s << ", nivel " << nivelJogo;
    s << "\nResultado: " << resultado << "\n"
      << "Jogadas (coluna,linha):\n";
    int n = 0;
    for (const mov& m : jogadas)
        s << "  " << ++n << ". Jog" << m.jogador << " " << m.xi << "," << m.yi << " -> " << m.xf
          << "," << m.yf << "\n";
    return s.str();
}

void guardaPartidaAcabada(int vencedor) {
    partidaAcabada.jogadas = historico;
    partidaAcabada.modo = modo;
    partidaAcabada.nivel = nivel;
    partidaAcabada.vencedor = vencedor;
}

std::string gravaPartida(std::time_t agora) {
    std::string texto;
    if (!historico.empty())
        texto = textoDaPartida(historico, modo, nivel, "em curso", agora);
    else if (!partidaAcabada.jogadas.empty())
        texto = textoDaPartida(partidaAcabada.jogadas, partidaAcabada.modo, partidaAcabada.nivel,
                               "Jog" + std::to_string(partidaAcabada.vencedor) + " venceu", agora);
    const std::string pasta = pastaDocumentos();
    if (texto.empty() || pasta.empty()) return "";
    const std::string caminho = pasta + "/cantos-partida-" + data(agora, "%Y-%m-%d-%H%M%S") + ".txt";
    return escreveAtomico(caminho, texto) ? caminho : "";
}
