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
#include "game/julgamento.h"
#include "game/ligacao.h"
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

// A request and its reply; false when the link did not carry both.
bool troca(const char* pedido, char resposta[tamanhoTexto]) {
    std::memset(resposta, 0, tamanhoTexto);
    return sendMessage(pedido, static_cast<int>(std::strlen(pedido))) &&
           receiveReply(resposta, tamanhoTexto);
}

void semLigacao() {
    if (!avisoSemLigacao) diz("Sem ligacao ao servidor de regras!\n");
    avisoSemLigacao = true;
}

// A board request whose reply is not a board ("erro", a cut reply) is treated like no
// reply at all: judging it would accept or refuse moves at random.
bool pedeTabuleiro(const char* pedido, char resposta[tamanhoTexto]) {
    if (!troca(pedido, resposta) || !isBoardReply(resposta)) {
        semLigacao();
        return false;
    }
    avisoSemLigacao = false;
    return true;
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
    camara = 4;
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
bool perguntaFim(int m, const char* tab, int& r) {
    char msg1[2 * tamanhoTexto];
    int n = std::snprintf(msg1, sizeof msg1, "verificaTerminacao(%d,%d,%s).\n", jogador, m, tab);
    char ans1[tamanhoTexto];
    if (n < 0 || n >= static_cast<int>(sizeof msg1) || !troca(msg1, ans1)) {
        semLigacao();
        return false;
    }
    avisoSemLigacao = false;
    r = readOutcome(ans1);
    return true;
}

// The accepted move starts its animation; the game goes on or ends as the server said.
void aplicaFim(int r, bool mostraVitorias) {
    animando = 1;
    if (r == 1) {
        ++jogadasDe(jogador);
        diz("Jogadas:\nJogador1: %d\nJogador2: %d\n", jogadas1, jogadas2);
    } else {
        guardaFimDeJogo(r, jogadasDe(jogador), tabuleiro);
        terminaJogo(r, mostraVitorias);
    }
}

bool selecaoCompleta() { return xi != -1 && yi != -1 && xf != -1 && yf != -1; }

// A request cut short by its buffer would lack its ".", and the server would wait for the
// rest while the game waits for the reply: such a request is never sent.
bool formataValidaJogada() {
    int n = std::snprintf(msg, sizeof msg, "validaJogada(%d,%d,%d,%d,%s,%d).\n", xi, yi, xf, yf,
                          tabuleiro, jogador);
    return n >= 0 && n < static_cast<int>(sizeof msg);
}

bool formataPedidoPC() {
    int n = std::snprintf(msg, sizeof msg, "obtemJogadaPC%d(%d,%s).\n", nivel == 2 ? 2 : 1,
                          jogador, tabuleiroPC);
    return n >= 0 && n < static_cast<int>(sizeof msg);
}

// Sends the player's chosen move once all four coordinates are set. False when nothing
// was sent or the exchange failed; a failed exchange drops the selection.
bool pedeValidacao(char ans[tamanhoTexto]) {
    bool cabe = formataValidaJogada();
    if (!selecaoCompleta()) return false;
    if (!cabe || !pedeTabuleiro(msg, ans)) {
        semLigacao();
        largaSelecao();
        return false;
    }
    return true;
}

void vezDoisJogadores() {
    char ans[tamanhoTexto];
    if (!pedeValidacao(ans)) return;
    if (!boardChanged(tabuleiro, ans)) {
        diz("Jogada Invalida!\n");
        anotaVeredicto(VeredictoJogada::jogadaInvalida);
        return largaSelecao();
    }
    char depois[tamanhoTexto] = {};
    takeBoardFromReply(ans, depois);
    int r;
    if (!perguntaFim(jogadasDe(jogador), depois, r)) return largaSelecao();
    if (rodaCamara == 1) camara = jogador == 1 ? 0 : 1;
    registaJogada(tabuleiro);
    diz("\n%d\n", nJogadas);
    diz("Jogada Valida!\n");
    anotaVeredicto(VeredictoJogada::jogadaValida);
    copiaTexto(tabuleiro, depois);
    tabuleiroParaPC();
    animaJogada();
    aplicaFim(r, false);
    jogador = outro(jogador);
    largaSelecao();
}

void vezDoJogadorContraPC() {
    char ans[tamanhoTexto];
    if (!pedeValidacao(ans)) return;
    if (!boardChanged(tabuleiro, ans)) {
        diz("Jogada Invalida!\n");
        anotaVeredicto(VeredictoJogada::jogadaInvalida);
        return largaSelecao();
    }
    int r;
    if (!perguntaFim(jogadas1, ans, r)) return largaSelecao();
    registaJogada(tabuleiro);
    diz("Jogada Valida\n");
    anotaVeredicto(VeredictoJogada::jogadaValida);
    copiaTexto(tabuleiro, ans);
    tabuleiroParaPC();
    animaJogada();
    aplicaFim(r, false);
    jogador = 2;
    largaSelecao();
}

// The computer's reply as a move from tabuleiroPC; false, said once, when the two
// squares are not both there (a reply that changed nothing).
bool leJogadaPC(const char resposta[tamanhoTexto], std::array<int, 4>& numeros) {
    numeros = findMove(tabuleiroPC, resposta);
    for (int n : numeros) {
        if (n < 0 || n > 7) {
            if (!avisoJogadaPC) diz("Jogada do computador invalida!\n");
            anotaVeredicto(VeredictoJogada::jogadaPCInvalida);
            avisoJogadaPC = true;
            return false;
        }
    }
    avisoJogadaPC = false;
    return true;
}

void tomaCoordenadas(const std::array<int, 4>& numeros) {
    xi = numeros[0], yi = numeros[1], xf = numeros[2], yf = numeros[3];
    animaJogada();
}

// Asks whether the computer's move ends the game and, once answered, records it: both
// board texts take the new position. False when the link failed; nothing is kept then.
bool aceitaJogadaPC(const char resposta[tamanhoTexto], const std::array<int, 4>& numeros,
                    bool mostraVitorias) {
    int r;
    if (!perguntaFim(jogadasDe(jogador), resposta, r)) return false;
    tomaCoordenadas(numeros);
    copiaTexto(tabuleiroPC, resposta);
    stripLineFeeds(tabuleiroPC, tabuleiro);
    registaJogada(tabuleiroPC);
    aplicaFim(r, mostraVitorias);
    return true;
}

void vezDoComputadorContraJogador() {
    char ans[tamanhoTexto];
    if (!formataPedidoPC() || !pedeTabuleiro(msg, ans)) return semLigacao();
    // The first replies after a reset are warm-up: the same request goes out again.
    if (passagensPC > 2) {
        char resposta[tamanhoTexto];
        stripLineFeeds(ans, resposta);
        std::array<int, 4> numeros;
        if (leJogadaPC(resposta, numeros)) {
            if (!aceitaJogadaPC(resposta, numeros, true)) return;
            jogador = 1;
            largaSelecao();
        }
    }
    ++passagensPC;
}

void vezComputadorContraComputador() {
    char ans[tamanhoTexto];
    if (!formataPedidoPC() || !pedeTabuleiro(msg, ans)) return semLigacao();
    char resposta[tamanhoTexto];
    stripLineFeeds(ans, resposta);
    std::array<int, 4> numeros = findMove(tabuleiroPC, resposta);
    if (passagensPC > 1) {
        if (!leJogadaPC(resposta, numeros)) {
            ++passagensPC;
            return;
        }
        if (!aceitaJogadaPC(resposta, numeros, false)) return;
        jogador = outro(jogador);
    } else {
        tomaCoordenadas(numeros);
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
    switch (modo) {
    case 1:
        vezDoisJogadores();
        break;
    case 2:
        if (jogador == 1)
            vezDoJogadorContraPC();
        else
            vezDoComputadorContraJogador();
        break;
    case 3:
        vezComputadorContraComputador();
        break;
    default:
        break;
    }
}

bool turnoPorDar() {
    if (animando || filmeActivo()) return false;
    switch (modo) {
    case 1:
        return selecaoCompleta();
    case 2:
        return jogador != 1 || selecaoCompleta();
    case 3:
        return true;
    default:
        return false;
    }
}

void resetGame() {
    copyBoard(casas, casasIniciais);
    historico.clear();
    nJogadas = 0;
    animX = animY = destX = destY = selX = selY = 0.0;
    // -1 in every mode: a next game must not start with a move nobody chose.
    largaSelecao();
    animando = 0;
    jogadas1 = jogadas2 = 0;
    buildPieces();
    nivel = -1;
    modo = -1;
    initBoardTexts();
}

void restartClock() {
    for (int& d : digitosRelogio) d = 0;
    marcaRelogio = agoraRelogio;
}

namespace {

// A mode choice goes on from the position shown; a move picked or left over from the
// computer's passes before it must not be sent as the next player's move.
void comecaModo(int novoModo) {
    camara = 9;
    restartClock();
    largaSelecao();
    modo = novoModo;
}

}  // namespace

void menuChoice(int name) {
    bool comNivel = nivel == 1 || nivel == 2;
    switch (name) {
    case 500:
        restartClock();
        break;
    case 501:
        comecaModo(1);
        break;
    case 502:
        if (!comNivel) return anotaVeredicto(VeredictoJogada::escolhaNivel);
        comecaModo(2);
        break;
    case 503:
        if (!comNivel) return anotaVeredicto(VeredictoJogada::escolhaNivel);
        passagensPC = 0;
        comecaModo(3);
        break;
    case 504:
        diz("Nivel de dificuldade: 1!\n");
        nivel = 1;
        break;
    case 505:
        diz("Nivel de dificuldade: 2!\n");
        nivel = 2;
        break;
    default:
        break;
    }
}
