// Writing and reading the saved game's text. Reading trusts nothing: every line is checked
// for its key, its count of values and their ranges.
#include "game/gravacao.h"

#include <climits>
#include <cstdio>
#include <sstream>

#include "game/ficheiros.h"
#include "game/fim_jogo.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/linhas.h"
#include "game/julgamento.h"

namespace {

constexpr int maximoJogadas = 2000;

bool digito(char c, char ate) { return c >= '0' && c <= ate; }

// "x,y x,y" of single digits 0 to 7, two different squares.
bool leQuadrados(const std::string& t, int q[4]) {
    if (t.size() != 7 || t[1] != ',' || t[3] != ' ' || t[5] != ',') return false;
    for (int k = 0; k < 4; ++k) {
        if (!digito(t[static_cast<std::size_t>(2 * k)], '7')) return false;
        q[k] = t[static_cast<std::size_t>(2 * k)] - '0';
    }
    return q[0] != q[2] || q[1] != q[3];
}

// "jogada 1 7,4 6,3".
bool leJogada(const std::string& linha, JogadaGuardada& j) {
    int q[4];
    if (linha.size() != 16 || linha.compare(0, 7, "jogada ") != 0 || !digito(linha[7], '2') ||
        linha[7] == '0' || linha[8] != ' ' || !leQuadrados(linha.substr(9), q))
        return false;
    j = {linha[7] - '0', q[0], q[1], q[2], q[3]};
    return true;
}

// "acabado 2 1 9 [[...]]", then the last move's squares or nothing.
bool leAcabado(const std::string& linha, FimGuardado& f) {
    std::istringstream l(linha.substr(8));
    std::string vencedor, razao, camara, posicao;
    long v = 0, r = 0;
    if (!(l >> vencedor >> razao >> camara >> posicao) || !leInteiro(vencedor, 1, 2, v) ||
        !leInteiro(razao, 0, static_cast<long>(RazaoFim::ultima), r) ||
        idDeTexto<Camara>(camara) == Camara::invalido || !isBoardReply(posicao.c_str()))
        return false;
    std::string resto;
    std::getline(l, resto);
    f.temUltima = !resto.empty();
    if (f.temUltima && (resto[0] != ' ' || !leQuadrados(resto.substr(1), f.ultima))) return false;
    f.activo = true;
    f.vencedor = static_cast<int>(v), f.razao = static_cast<int>(r);
    f.camara = id(idDeTexto<Camara>(camara));
    f.posicao = posicao;
    return true;
}

bool falha(std::string& erro, const std::string& porque) {
    erro = porque;
    return false;
}

}  // namespace

std::string escreveJogo(const JogoGuardado& j) {
    std::ostringstream s;
    s << "cantos jogo " << versaoJogoGuardado << "\n"
      << "modo " << idParaTexto(idDeNumero<Modo>(j.modo)) << "\n"
      << "nivel " << j.nivel << "\n"
      << "vez " << j.jogador << "\n"
      << "jogadas " << j.jogadas1 << " " << j.jogadas2 << "\n"
      << "vitorias " << j.vitorias1 << " " << j.vitorias2 << "\n"
      << "camara " << idParaTexto(idDeNumero<Camara>(j.camara)) << " "
      << idParaTexto(idDeNumero<Camara>(j.camaraActual)) << "\n"
      << "passagens " << j.passagensPC << "\n"
      << "posicao " << j.posicao << "\n";
    for (const JogadaGuardada& m : j.jogadas)
        s << "jogada " << m.lado << " " << m.xi << "," << m.yi << " " << m.xf << "," << m.yf << "\n";
    const FimGuardado& f = j.fim;
    if (f.activo) {
        s << "acabado " << f.vencedor << " " << f.razao << " " << idParaTexto(idDeNumero<Camara>(f.camara))
          << " " << f.posicao;
        if (f.temUltima) s << " " << f.ultima[0] << "," << f.ultima[1] << " " << f.ultima[2] << "," << f.ultima[3];
        s << "\n";
    }
    s << "fim\n";
    return s.str();
}

bool leJogo(const std::string& texto, JogoGuardado& j, std::string& erro) {
    std::istringstream linhas(texto);
    std::string primeira;
    std::getline(linhas, primeira);
    switch (leVersao(primeira, "cantos jogo", versaoJogoGuardado)) {
    case Versao::nenhuma:
        return falha(erro, "not a saved game");
    case Versao::nova:
        return falha(erro, "saved by a newer version");
    default:
        break;
    }
    std::string v[2];
    long a = 0, b = 0;
    JogoGuardado n;
    if (!leLinhaDeId<Modo>(linhas, "modo", n.modo)) return falha(erro, "bad mode line");
    if (!leLinhaDeNumero(linhas, "nivel", -1, 2, n.nivel)) return falha(erro, "bad level line");
    if (!leLinhaDeNumero(linhas, "vez", 1, 2, n.jogador)) return falha(erro, "bad turn line");
    if (!leLinhaDeTextos(linhas, "jogadas", 2, v) || !leInteiro(v[0], 0, maximoJogadas, a) ||
        !leInteiro(v[1], 0, maximoJogadas, b))
        return falha(erro, "bad move count line");
    n.jogadas1 = static_cast<int>(a), n.jogadas2 = static_cast<int>(b);
    if (!leLinhaDeTextos(linhas, "vitorias", 2, v) || !leInteiro(v[0], 0, INT_MAX, a) ||
        !leInteiro(v[1], 0, INT_MAX, b))
        return falha(erro, "bad wins line");
    n.vitorias1 = static_cast<int>(a), n.vitorias2 = static_cast<int>(b);
    if (!leLinhaDeTextos(linhas, "camara", 2, v) || idDeTexto<Camara>(v[0]) == Camara::invalido ||
        idDeTexto<Camara>(v[1]) == Camara::invalido)
        return falha(erro, "bad camera line");
    n.camara = id(idDeTexto<Camara>(v[0])), n.camaraActual = id(idDeTexto<Camara>(v[1]));
    if (!leLinhaDeNumero(linhas, "passagens", 0, INT_MAX, n.passagensPC))
        return falha(erro, "bad computer passes line");
    std::string linha;
    if (!std::getline(linhas, linha) || linha.rfind("posicao ", 0) != 0 || !isBoardReply(linha.c_str() + 8))
        return falha(erro, "bad position line");
    n.posicao = linha.substr(8);
    while (std::getline(linhas, linha) && linha != "fim") {
        if (linha.rfind("acabado ", 0) == 0 && !n.fim.activo) {
            if (!leAcabado(linha, n.fim)) return falha(erro, "bad end line");
            continue;
        }
        JogadaGuardada m;
        if (n.fim.activo) return falha(erro, "a line after the end line: " + linha);
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
    const FimDeJogo& f = fimDeJogo;
    if (f.activo) {
        j.fim = {true, f.vencedor, static_cast<int>(f.razao), f.camara, f.posicao, f.temUltima, {}};
        for (int k = 0; k < 4; ++k) j.fim.ultima[k] = f.ultima[k];
    }
    return j;
}
