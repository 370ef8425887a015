// Writing and reading the saved game's text. Reading trusts nothing: every line is checked
// for its key, its count of values and their ranges.
#include "game/gravacao.h"

#include <cstdio>
#include <sstream>

#include "game/ficheiros.h"
#include "game/globais.h"
#include "game/julgamento.h"

namespace {

constexpr int maximoJogadas = 2000;

bool dentro(int v, int de, int ate) { return v >= de && v <= ate; }

bool leJogada(const std::string& linha, JogadaGuardada& j) {
    char fim;
    if (std::sscanf(linha.c_str(), "jogada %d %d,%d %d,%d %c", &j.lado, &j.xi, &j.yi, &j.xf, &j.yf,
                    &fim) != 5)
        return false;
    return dentro(j.lado, 1, 2) && dentro(j.xi, 0, 7) && dentro(j.yi, 0, 7) && dentro(j.xf, 0, 7) &&
           dentro(j.yf, 0, 7) && (j.xi != j.xf || j.yi != j.yf);
}

bool falha(std::string& erro, const std::string& porque) {
    erro = porque;
    return false;
}

}  // namespace

std::string escreveJogo(const JogoGuardado& j) {
    std::ostringstream s;
    s << "cantos jogo " << versaoJogoGuardado << "\n"
      << "modo " << j.modo << "\n"
      << "nivel " << j.nivel << "\n"
      << "vez " << j.jogador << "\n"
      << "jogadas " << j.jogadas1 << " " << j.jogadas2 << "\n"
      << "vitorias " << j.vitorias1 << " " << j.vitorias2 << "\n"
      << "camara " << j.camara << " " << j.camaraActual << "\n"
      << "passagens " << j.passagensPC << "\n"
      << "posicao " << j.posicao << "\n";
    for (const JogadaGuardada& m : j.jogadas)
        s << "jogada " << m.lado << " " << m.xi << "," << m.yi << " " << m.xf << "," << m.yf << "\n";
    s << "fim\n";
    return s.str();
}

bool leJogo(const std::string& texto, JogoGuardado& j, std::string& erro) {
    std::istringstream linhas(texto);
    std::string primeira;
    int versao = 0;
    if (!std::getline(linhas, primeira) || std::sscanf(primeira.c_str(), "cantos jogo %d", &versao) != 1)
        return falha(erro, "not a saved game");
    if (versao > versaoJogoGuardado) return falha(erro, "saved by a newer version (" + std::to_string(versao) + ")");
    if (versao < 1) return falha(erro, "unknown version");
    int v[2];
    JogoGuardado n;
    if (!leLinhaDeValores(linhas, "modo", 1, &n.modo) || !dentro(n.modo, -1, 3)) return falha(erro, "bad mode line");
    if (!leLinhaDeValores(linhas, "nivel", 1, &n.nivel) || !dentro(n.nivel, -1, 2)) return falha(erro, "bad level line");
    if (!leLinhaDeValores(linhas, "vez", 1, &n.jogador) || !dentro(n.jogador, 1, 2)) return falha(erro, "bad turn line");
    if (!leLinhaDeValores(linhas, "jogadas", 2, v) || !dentro(v[0], 0, maximoJogadas) || !dentro(v[1], 0, maximoJogadas))
        return falha(erro, "bad move count line");
    n.jogadas1 = v[0], n.jogadas2 = v[1];
    if (!leLinhaDeValores(linhas, "vitorias", 2, v) || v[0] < 0 || v[1] < 0) return falha(erro, "bad wins line");
    n.vitorias1 = v[0], n.vitorias2 = v[1];
    if (!leLinhaDeValores(linhas, "camara", 2, v) || !dentro(v[0], 0, 9) || !dentro(v[1], 0, 9))
        return falha(erro, "bad camera line");
    n.camara = v[0], n.camaraActual = v[1];
    if (!leLinhaDeValores(linhas, "passagens", 1, &n.passagensPC) || n.passagensPC < 0)
        return falha(erro, "bad computer passes line");
    std::string linha;
    if (!std::getline(linhas, linha) || linha.rfind("posicao ", 0) != 0 || !isBoardReply(linha.c_str() + 8))
        return falha(erro, "bad position line");
    n.posicao = linha.substr(8);
    while (std::getline(linhas, linha) && linha != "fim") {
        JogadaGuardada m;
        if (!leJogada(linha, m) || n.jogadas.size() >= maximoJogadas) return falha(erro, "bad move line: " + linha);
        n.jogadas.push_back(m);
    }
    if (linha != "fim") return falha(erro, "cut short");
    j = n;
    return true;
}

JogoGuardado jogoActual() {
    // While the film plays, the game itself waits in estadoAntesFilme.
    const bool filme = filmeEmCurso;
    JogoGuardado j;
    j.modo = modo, j.nivel = nivel;
    j.jogador = filme ? estadoAntesFilme.jogador : jogador;
    j.jogadas1 = filme ? estadoAntesFilme.jogadas1 : jogadas1;
    j.jogadas2 = filme ? estadoAntesFilme.jogadas2 : jogadas2;
    j.vitorias1 = vitorias1, j.vitorias2 = vitorias2;
    j.camara = camara, j.camaraActual = camaraActual;
    j.passagensPC = filme ? estadoAntesFilme.passagensPC : passagensPC;
    char casas[64];
    boardSquares(filme ? estadoAntesFilme.tabuleiro : tabuleiro, casas);
    j.posicao = textoCompacto(casas);
    for (const mov& m : historico) j.jogadas.push_back({m.jogador, m.xi, m.yi, m.xf, m.yf});
    return j;
}
