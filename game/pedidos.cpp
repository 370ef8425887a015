// Every reply after the first starts with the CR LF that ended the one before, so replies
// are judged by their squares, never by position.
#include "game/pedidos.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "game/destinos.h"
#include "game/globais.h"
#include "game/julgamento.h"
#include "game/ligacao.h"
#include "game/tabuleiro_texto.h"
#include "game/veredicto.h"

namespace {

bool dentro(int v) { return v >= 0 && v <= 7; }
bool completa(const Jogada& j) { return dentro(j.xi) && dentro(j.yi) && dentro(j.xf) && dentro(j.yf); }
std::size_t casa(int x, int y) { return static_cast<std::size_t>(8 * y + x); }

// A request cut short by its buffer would lack its ".", and the server would wait for the
// rest while the game waits for the reply: such a request is never sent.
bool formata(char* destino, std::size_t tamanho, const char* formato, ...) {
    va_list args;
    va_start(args, formato);
    const int n = std::vsnprintf(destino, tamanho, formato, args);
    va_end(args);
    return n >= 0 && static_cast<std::size_t>(n) < tamanho;
}

// A request and its reply; false when the link did not carry both.
bool troca(const char* pedido, char resposta[tamanhoTexto]) {
    std::memset(resposta, 0, tamanhoTexto);
    const bool ok = sendMessage(pedido, static_cast<int>(std::strlen(pedido))) &&
                    receiveReply(resposta, tamanhoTexto);
    if (ok) avisoSemLigacao = false;
    return ok;
}

// A board request: a reply that is not a board ("erro", a cut reply) is no answer at all.
bool trocaTabuleiro(const char* pedido, RespostaTabuleiro& r) {
    if (!troca(pedido, r.tabuleiro) || !isBoardReply(r.tabuleiro)) {
        r.estado = Resposta::semLigacao;
        return false;
    }
    return true;
}

bool avisado = false;

void respostaBoa(const RespostaTabuleiro& r) {
    if (r.estado == Resposta::invalida)
        avisaRespostaInvalida();
    else if (r.estado != Resposta::semLigacao)
        avisado = false;
}

}  // namespace

Resposta julgaValidacao(const char* enviado, const char* resposta, const Jogada& j, int lado) {
    char antes[64], depois[64];
    if (!boardSquares(enviado, antes) || !boardSquares(resposta, depois)) return Resposta::invalida;
    if (std::memcmp(antes, depois, sizeof antes) == 0) return Resposta::recusada;
    const char peca = static_cast<char>('0' + lado);
    if (!completa(j) || antes[casa(j.xi, j.yi)] != peca || antes[casa(j.xf, j.yf)] != '0')
        return Resposta::invalida;
    antes[casa(j.xi, j.yi)] = '0';
    antes[casa(j.xf, j.yf)] = peca;
    return std::memcmp(antes, depois, sizeof antes) == 0 ? Resposta::feita : Resposta::invalida;
}

Resposta julgaJogadaPC(const char* enviado, const char* resposta, int lado, Jogada& j) {
    char antes[64], depois[64];
    if (!boardSquares(enviado, antes) || !boardSquares(resposta, depois)) return Resposta::invalida;
    const char peca = static_cast<char>('0' + lado);
    Jogada achada;
    int mudadas = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const char a = antes[casa(x, y)], d = depois[casa(x, y)];
            if (a == d) continue;
            ++mudadas;
            if (a == peca && d == '0')
                achada.xi = x, achada.yi = y;
            else if (a == '0' && d == peca)
                achada.xf = x, achada.yf = y;
        }
    if (mudadas == 0) return Resposta::recusada;
    if (mudadas != 2 || !completa(achada)) return Resposta::invalida;
    j = achada;
    return Resposta::feita;
}

RespostaTabuleiro validaJogada(const Jogada& j, const char* tabuleiro, int lado) {
    RespostaTabuleiro r;
    if (!formata(msg, sizeof msg, "validaJogada(%d,%d,%d,%d,%s,%d).\n", j.xi, j.yi, j.xf, j.yf,
                 tabuleiro, lado) ||
        !trocaTabuleiro(msg, r))
        return r;
    r.estado = julgaValidacao(tabuleiro, r.tabuleiro, j, lado);
    if (r.estado == Resposta::feita) r.jogada = j;
    // Each move the player picks is a question of its own: a refusal is said every time.
    avisado = false;
    respostaBoa(r);
    return r;
}

RespostaTabuleiro obtemJogadaPC(int nivel, int lado, const char* tabuleiro) {
    RespostaTabuleiro r;
    if (!formata(msg, sizeof msg, "obtemJogadaPC%d(%d,%s).\n", nivel == 2 ? 2 : 1, lado, tabuleiro) ||
        !trocaTabuleiro(msg, r))
        return r;
    r.estado = julgaJogadaPC(tabuleiro, r.tabuleiro, lado, r.jogada);
    respostaBoa(r);
    return r;
}

bool sugereJogada(const char* tabuleiro, int lado, Jogada& j) {
    char pedido[2 * tamanhoTexto];
    RespostaTabuleiro r;
    if (!formata(pedido, sizeof pedido, "obtemJogadaPC2(%d,%s).\n", lado, tabuleiro) ||
        !trocaTabuleiro(pedido, r))
        return false;
    r.estado = julgaJogadaPC(tabuleiro, r.tabuleiro, lado, r.jogada);
    respostaBoa(r);
    if (r.estado != Resposta::feita) return false;
    j = r.jogada;
    return true;
}

bool verificaTerminacao(int lado, int feitas, const char* tabuleiro, Desfecho& d, int& r) {
    char pedido[2 * tamanhoTexto], resposta[tamanhoTexto];
    if (!formata(pedido, sizeof pedido, "verificaTerminacao(%d,%d,%s).\n", lado, feitas, tabuleiro) ||
        !troca(pedido, resposta))
        return false;
    r = readOutcome(resposta);
    d = r == 1 ? Desfecho::continua : r == 0 ? Desfecho::perdeu : Desfecho::venceu;
    return true;
}

bool pedeDestinos(int x, int y, const char casas[64], bool marcados[8][8]) {
    char pedido[2 * tamanhoTexto], resposta[tamanhoTexto];
    if (!dentro(x) || !dentro(y) ||
        !formata(pedido, sizeof pedido, "destinos(%d,%d,%s).\n", x, y, textoCompacto(casas).c_str()) ||
        !troca(pedido, resposta))
        return false;
    return leDestinos(resposta, marcados);
}

bool temJogadas(int lado, const char* tabuleiro) {
    char casas[64];
    if (!boardSquares(tabuleiro, casas)) return true;
    for (int k = 0; k < 64; ++k) {
        if (casas[k] != '0' + lado) continue;
        bool marcados[8][8];
        if (!pedeDestinos(k % 8, k / 8, casas, marcados)) return true;
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y)
                if (marcados[x][y]) return true;
    }
    return false;
}

const char* pedidoSaida() { return "quit.\n"; }

bool respostaDeServidor(const std::string& resposta) { return resposta.compare(0, 3, "ok.") == 0; }

void quitServer() {
    std::printf("Asking prolog to quit\n");
    std::fflush(stdout);
    // No reconnecting just to say goodbye.
    if (!serverConnected()) return;
    char ans[128];
    if (sendMessage(pedidoSaida(), static_cast<int>(std::strlen(pedidoSaida()))))
        receiveReply(ans, sizeof ans);
    closeServer();
}

void avisaRespostaInvalida() {
    if (!avisado) {
        std::printf("Resposta inválida do servidor de regras\n");
        std::fflush(stdout);
    }
    avisado = true;
    anotaVeredicto(VeredictoJogada::respostaInvalida);
}
