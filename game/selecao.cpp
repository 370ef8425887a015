// Choosing among selection-mode hits and acting on the picked name.
#include "game/selecao.h"

#include <cstddef>
#include <cstdio>

#include "game/desfazer.h"
#include "game/destinos.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/turno.h"
#include "game/veredicto.h"

namespace {

// A hit record: number of names, minimum depth, maximum depth, then the names.
constexpr std::size_t cabecalhoRegisto = 3;

// Cameras from which the view turns to the side that picks.
bool camaraDeMenu() { return camara == id(Camara::livre) || camara == id(Camara::deCima); }

// With "RodaCamara" on the player chose where to look: a chosen view from above stays.
void seguePeloJogador() {
    if (camaraDeMenu() && !(rodaCamara == 1 && camara == id(Camara::deCima)))
        camara = camaraActual = jogador;
}

// A verdict belongs to the move it judged: a new pick starts another move.
void esqueceVeredicto() {
    if (ultimoVeredicto == VeredictoJogada::jogadaValida ||
        ultimoVeredicto == VeredictoJogada::jogadaInvalida)
        anotaVeredicto(VeredictoJogada::nenhum);
}

void escolhePeca(int peca) {
    const std::size_t indice = static_cast<std::size_t>(peca);
    if (indice >= pecas.size()) return;
    const Peca& p = pecas[indice];
    selX = animX = p.x;
    selY = animY = p.y;
    xi = static_cast<int>(p.x);
    yi = static_cast<int>(p.y);
    mostraDestinos(xi, yi);
    seguePeloJogador();
}

void escolheCasa(int coluna, int linha) {
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
    // Only squares of the board carry names; anything else reads as nothing.
    const Escolha e = leNome(name);
    switch (e.alvo) {
    case Alvo::peca:
        esqueceVeredicto();
        escolhePeca(e.peca);
        break;
    case Alvo::casa:
        esqueceVeredicto();
        escolheCasa(e.x, e.y);
        break;
    case Alvo::relogio:
    case Alvo::menu:
        menuChoice(name);
        break;
    default:
        break;
    }
}

int nomeNaCasa(int x, int y) {
    if (x < 0 || x > 7 || y < 0 || y > 7) return nomeFundo;
    for (std::size_t k = 0; k < pecas.size() && k < numeroPecas; ++k)
        if (pecas[k].x == x && pecas[k].y == y) return nomeDe(Escolha::daPeca(int(k)));
    return casas[x][y] == 0 ? nomeDe(Escolha::daCasa(x, y)) : nomeFundo;
}
