// The turn step: the player's moves judged by the rules server, the computer's moves asked
// of it, and the end of games. No GL here: starting an animation is only setting the
// animation globals, which the 20 ms timer then plays.
#include "game/turno.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "game/animacao.h"
#include "game/desfazer.h"
#include "game/exportacao.h"
#include "game/fim_jogo.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/julgamento.h"
#include "game/partida.h"
#include "game/pedidos.h"
#include "game/refazer.h"
#include "game/veredicto.h"

extern const char tabuleiroInicial[] =
    "[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],"
    "[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]]";

int outro(int lado) { return lado == 1 ? 2 : 1; }

void largaSelecao() { xi = yi = xf = yf = -1; }

namespace {

// Printed and flushed at once: the console is read while the game runs.
void diz(const char* formato, ...) {
    va_list args;
    va_start(args, formato);
    std::vfprintf(stdout, formato, args);
    va_end(args);
    std::fflush(stdout);
}

int& jogadasDe(int lado) { return lado == 1 ? jogadas1 : jogadas2; }

void semLigacao() {
    if (!avisoSemLigacao) diz("Sem ligacao ao servidor de regras!\n");
    avisoSemLigacao = true;
}

void copiaTexto(char destino[tamanhoTexto], const char origem[tamanhoTexto]) {
    std::memcpy(destino, origem, tamanhoTexto);
}

// The board as computer-move requests send it: a line feed, then the board.
void tabuleiroParaPC() {
    char novo[tamanhoTexto] = {};
    novo[0] = '\n';
    std::memcpy(novo + 1, tabuleiro, strnlen(tabuleiro, tamanhoTexto - 2));
    copiaTexto(tabuleiroPC, novo);
}

void registaJogada(const char tab[tamanhoTexto]) {
    mov movimento{xi, xf, yi, yf, {}, jogador};
    copiaTexto(movimento.tabuleiro, tab);
    historico.push_back(movimento);
    anotaJogadaFeita(jogador, xi, yi, xf, yf);
    ++nJogadas;
    ++alteracoesJogo;
}

void animaJogada() {
    animX = xi;
    animY = yi;
    destX = xf;
    destY = yf;
}

void terminaJogo(int r, bool mostraVitorias) {
    camara = id(Camara::menu);
    int vencedor = r == 0 ? outro(jogador) : jogador;
    ++(vencedor == 1 ? vitorias1 : vitorias2);
    if (mostraVitorias) diz("v1 = %d | v2 = %d\n", vitorias1, vitorias2);
    guardaPartidaAcabada(vencedor);
    resetGame();
    ++alteracoesJogo;
    diz("Jogo terminado!\n");
    placar.setPontos1(vitorias1);
    placar.setPontos2(vitorias2);
}

// Asks whether the move by `jogador`, who had made m moves before it, ends the game, with
// `tab` the board after it. The move stands only once this is answered: false when the link
// failed, and then nothing of the move is kept, so it is asked for again.
bool perguntaFim(int m, const char* tab, Desfecho& d, int& r) {
    if (verificaTerminacao(jogador, m, tab, d, r)) return true;
    semLigacao();
    return false;
}

// The accepted move starts its animation; the game goes on or ends as the server said.
void aplicaFim(Desfecho d, int r, bool mostraVitorias) {
    animando = 1;
    if (d == Desfecho::continua) {
        ++jogadasDe(jogador);
        diz("Jogadas:\nJogador1: %d\nJogador2: %d\n", jogadas1, jogadas2);
    } else {
        guardaFimDeJogo(r, jogadasDe(jogador), tabuleiro);
        terminaJogo(r, mostraVitorias);
    }
}

bool selecaoCompleta() { return xi != -1 && yi != -1 && xf != -1 && yf != -1; }

// Sends the player's chosen move once all four coordinates are set. True when the server
// made it; otherwise the selection is dropped: a refused move is said, a reply that is not
// the answer is said by the request, no reply is said once.
bool pedeValidacao(RespostaTabuleiro& r) {
    if (!selecaoCompleta()) return false;
    r = validaJogada({xi, yi, xf, yf}, tabuleiro, jogador);
    switch (r.estado) {
    case Resposta::feita:
        return true;
    case Resposta::recusada:
        diz("Jogada Invalida!\n");
        anotaVeredicto(VeredictoJogada::jogadaInvalida);
        break;
    case Resposta::semLigacao:
        semLigacao();
        break;
    case Resposta::invalida:
        break;
    }
    largaSelecao();
    return false;
}

void vezDoisJogadores() {
    RespostaTabuleiro r;
    if (!pedeValidacao(r)) return;
    char depois[tamanhoTexto] = {};
    takeBoardFromReply(r.tabuleiro, depois);
    Desfecho d;
    int fim;
    if (!perguntaFim(jogadasDe(jogador), depois, d, fim)) return largaSelecao();
    // The turning camera looks from the side to move next.
    rodaParaOLado(outro(jogador));
    registaJogada(tabuleiro);
    diz("\n%d\n", nJogadas);
    diz("Jogada Valida!\n");
    anotaVeredicto(VeredictoJogada::jogadaValida);
    copiaTexto(tabuleiro, depois);
    tabuleiroParaPC();
    animaJogada();
    aplicaFim(d, fim, false);
    jogador = outro(jogador);
    largaSelecao();
}

void vezDoJogadorContraPC() {
    RespostaTabuleiro r;
    if (!pedeValidacao(r)) return;
    Desfecho d;
    int fim;
    if (!perguntaFim(jogadas1, r.tabuleiro, d, fim)) return largaSelecao();
    registaJogada(tabuleiro);
    diz("Jogada Valida\n");
    anotaVeredicto(VeredictoJogada::jogadaValida);
    copiaTexto(tabuleiro, r.tabuleiro);
    tabuleiroParaPC();
    animaJogada();
    aplicaFim(d, fim, false);
    jogador = 2;
    largaSelecao();
}

// The computer's reply as a move; false, said once, for a reply that made none.
bool leJogadaPC(const RespostaTabuleiro& r) {
    if (r.estado == Resposta::recusada) {
        if (!avisoJogadaPC) diz("Jogada do computador invalida!\n");
        anotaVeredicto(VeredictoJogada::jogadaPCInvalida);
        avisoJogadaPC = true;
        return false;
    }
    avisoJogadaPC = false;
    return r.estado == Resposta::feita;
}

void tomaCoordenadas(const Jogada& j) {
    xi = j.xi, yi = j.yi, xf = j.xf, yf = j.yf;
    animaJogada();
}

// Asks whether the computer's move ends the game and, once answered, records it: both
// board texts take the new position. False when the link failed; nothing is kept then.
bool aceitaJogadaPC(const RespostaTabuleiro& r, bool mostraVitorias) {
    char resposta[tamanhoTexto];
    stripLineFeeds(r.tabuleiro, resposta);
    Desfecho d;
    int fim;
    if (!perguntaFim(jogadasDe(jogador), resposta, d, fim)) return false;
    tomaCoordenadas(r.jogada);
    copiaTexto(tabuleiroPC, resposta);
    stripLineFeeds(tabuleiroPC, tabuleiro);
    registaJogada(tabuleiroPC);
    aplicaFim(d, fim, mostraVitorias);
    return true;
}

// The computer's move is asked for; a reply that is not one (said by the request) is not
// counted and the same request goes out on the next frame.
bool perguntaAoComputador(RespostaTabuleiro& r) {
    r = obtemJogadaPC(nivel, jogador, tabuleiroPC);
    if (r.estado == Resposta::semLigacao) semLigacao();
    return r.estado == Resposta::feita || r.estado == Resposta::recusada;
}

// The computer's answer that Undo took back comes back as it was, judged by the rules
// server as a player's move is; the computer is not asked again. False when there is none.
bool refazRespostaPC() {
    Jogada j;
    if (!respostaPorRefazer(j.xi, j.yi, j.xf, j.yf)) {
        refazPC = false;
        return false;
    }
    RespostaTabuleiro r = validaJogada(j, tabuleiro, jogador);
    if (r.estado == Resposta::semLigacao) {
        semLigacao();
        return true;
    }
    refazPC = false;
    if (r.estado != Resposta::feita) return false;
    r.jogada = j;
    if (!aceitaJogadaPC(r, true)) return true;
    jogador = 1;
    largaSelecao();
    return true;
}

void vezDoComputadorContraJogador() {
    if (refazPC && refazRespostaPC()) return;
    RespostaTabuleiro r;
    if (!perguntaAoComputador(r)) return;
    // The first replies after a reset are warm-up: the same request goes out again.
    if (passagensPC > 2 && leJogadaPC(r)) {
        if (!aceitaJogadaPC(r, true)) return;
        jogador = 1;
        largaSelecao();
    }
    ++passagensPC;
}

void vezComputadorContraComputador() {
    RespostaTabuleiro r;
    if (!perguntaAoComputador(r)) return;
    if (passagensPC > 1) {
        if (!leJogadaPC(r)) {
            ++passagensPC;
            return;
        }
        if (!aceitaJogadaPC(r, false)) return;
        jogador = outro(jogador);
    } else {
        tomaCoordenadas(r.jogada);
    }
    ++passagensPC;
}

}  // namespace

void initBoardTexts() { setBoardTexts(tabuleiroInicial); }

void setBoardTexts(const char* texto) {
    char novo[tamanhoTexto] = {};
    std::snprintf(novo, tamanhoTexto, "%s", texto);
    copiaTexto(tabuleiro, novo);
    tabuleiroParaPC();
}

void turnStep() {
    if (animando || filmeActivo()) return;
    retomaRefazer();
    switch (idDeNumero<Modo>(modo)) {
    case Modo::doisJogadores:
        vezDoisJogadores();
        break;
    case Modo::contraComputador:
        if (jogador == 1)
            vezDoJogadorContraPC();
        else
            vezDoComputadorContraJogador();
        break;
    case Modo::computadores:
        vezComputadorContraComputador();
        break;
    default:
        break;
    }
}

bool turnoPorDar() {
    if (animando || filmeActivo()) return false;
    switch (idDeNumero<Modo>(modo)) {
    case Modo::doisJogadores:
        return selecaoCompleta();
    case Modo::contraComputador:
        return jogador != 1 || selecaoCompleta();
    case Modo::computadores:
        return true;
    default:
        return false;
    }
}

void resetGame() {
    // The last move is not animated: the pieces jump back.
    comecaPartida();
    nivel = -1;
    modo = id(Modo::acabado);
}

void rodaParaOLado(int lado) {
    // The view from above was chosen over the players' cameras: it stays.
    if (rodaCamara == 1 && camara != id(Camara::deCima)) camara = id(camaraDoLado(lado));
}

void restartClock() {
    for (int& d : digitosRelogio) d = 0;
    marcaRelogio = agoraRelogio;
}

namespace {

// A mode choice goes on from the position shown; a move picked or left over from the
// computer's passes before it must not be sent as the next player's move.
void comecaModo(Modo novoModo) {
    // The player has moved on from the last game's end.
    dispensaFimDeJogo();
    camara = id(Camara::livre);
    restartClock();
    largaSelecao();
    modo = id(novoModo);
}

}  // namespace

void menuChoice(int name) {
    const Escolha e = leNome(name);
    if (e.alvo == Alvo::relogio) return restartClock();
    if (e.alvo != Alvo::menu) return;
    bool comNivel = nivel == 1 || nivel == 2;
    // The saved game follows the mode and level chosen, even before a move is made.
    ++alteracoesJogo;
    switch (e.item) {
    case ItemMenu::doisJogadores:
        comecaModo(Modo::doisJogadores);
        break;
    case ItemMenu::contraComputador:
        if (!comNivel) return anotaVeredicto(VeredictoJogada::escolhaNivel);
        comecaModo(Modo::contraComputador);
        break;
    case ItemMenu::computadores:
        if (!comNivel) return anotaVeredicto(VeredictoJogada::escolhaNivel);
        passagensPC = 0;
        comecaModo(Modo::computadores);
        break;
    case ItemMenu::nivel1:
        diz("Nivel de dificuldade: 1!\n");
        nivel = 1;
        break;
    case ItemMenu::nivel2:
        diz("Nivel de dificuldade: 2!\n");
        nivel = 2;
        break;
    }
}
