// Choosing among selection-mode hits and acting on the picked name.
#include "game/selecao.h"

#include <cstddef>
#include <cstdio>

#include "game/desfazer.h"
#include "game/destinos.h"
#include "game/globais.h"
#include "game/turno.h"

namespace {

// A hit record: number of names, minimum depth, maximum depth, then the names.
constexpr std::size_t cabecalhoRegisto = 3;

// Cameras from which the view turns to the side that picks.
bool camaraDeMenu() { return camara == 9 || camara == 3; }

void seguePeloJogador() {
    if (camaraDeMenu()) camara = camaraActual = jogador;
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
        escolhePeca(name);
    } else if (name >= 100 && name <= 199) {
        escolheCasa(name);
    } else if (name >= 500 && name <= 505) {
        menuChoice(name);
    }
}
