// Choosing among selection-mode hits and acting on the picked name.
#include "game/selecao.h"

#include <cstddef>
#include <cstdio>

#include "game/desfazer.h"
#include "game/destinos.h"
#include "game/globais.h"
#include "game/turno.h"
#include "game/veredicto.h"

namespace {

// A hit record: number of names, minimum depth, maximum depth, then the names.
constexpr std::size_t cabecalhoRegisto = 3;

// Cameras from which the view turns to the side that picks.
bool camaraDeMenu() { return camara == 9 || camara == 3; }

// With "RodaCamara" on the player chose where to look: a chosen view from above stays.
void seguePeloJogador() {
    if (camaraDeMenu() && !(rodaCamara == 1 && camara == 3)) camara = camaraActual = jogador;
}

// A verdict belongs to the move it judged: a new pick starts another move.
void esqueceVeredicto() {
    if (ultimoVeredicto == VeredictoJogada::jogadaValida ||
        ultimoVeredicto == VeredictoJogada::jogadaInvalida)
        anotaVeredicto(VeredictoJogada::nenhum);
}

void escolhePeca(int name) {
    const std::size_t indice = static_cast<std::size_t>(name - 1);
    if (indice >= pecas.size()) return;
    const Peca& p = pecas[indice];
    selX = animX = p.x;
    selY = animY = p.y;
    xi = static_cast<int>(p.x);
    yi = static_cast<int>(p.y);
    mostraDestinos(xi, yi);
    seguePeloJogador();
}

void escolheCasa(int name) {
    const int k = name - 100;
    const int coluna = k / 10, linha = k % 10;
    // Only squares of the board carry names; anything else would reach casas out of range.
    if (coluna > 7 || linha > 7) return;
    selX = destX = coluna;
    selY = destY = linha;
    xf = coluna;
    yf = linha;
    seguePeloJogador();
}

}  // namespace

void processHits(int count, const unsigned int* buffer) {
    if (count <= 0 || buffer == nullptr) return;
    std::size_t pos = 0;
    bool achou = false;
    unsigned int menorProfundidade = 0;
    int nome = 0;
    for (int h = 0; h < count; ++h) {
        if (pos + cabecalhoRegisto > tamanhoSelecao) break;
        const std::size_t nomes = buffer[pos];
        const unsigned int profundidade = buffer[pos + 1];
        const std::size_t seguinte = pos + cabecalhoRegisto + nomes;
        // A record that claims more names than the buffer holds is not to be trusted.
        if (seguinte > tamanhoSelecao) break;
        if (nomes > 0 && (!achou || profundidade < menorProfundidade)) {
            achou = true;
            menorProfundidade = profundidade;
            nome = static_cast<int>(buffer[pos + cabecalhoRegisto]);
        }
        pos = seguinte;
    }
    if (achou) handlePick(nome);
}

void handlePick(int name) {
    std::printf("Resposta%d\n", name);
    selecionou = true;
    // Nothing is chosen while a piece moves, the film plays or an undo is under way.
    if (animando || filmeActivo() || undoArmado) return;
    if (name >= 1 && name <= 20) {
        esqueceVeredicto();
        escolhePeca(name);
    } else if (name >= 100 && name <= 199) {
        esqueceVeredicto();
        escolheCasa(name);
    } else if (name >= 500 && name <= 505) {
        menuChoice(name);
    }
}

int nomeNaCasa(int x, int y) {
    if (x < 0 || x > 7 || y < 0 || y > 7) return 0;
    for (std::size_t k = 0; k < pecas.size() && k < 20; ++k)
        if (pecas[k].x == x && pecas[k].y == y) return static_cast<int>(k) + 1;
    return casas[x][y] == 0 ? 100 + 10 * x + y : 0;
}
