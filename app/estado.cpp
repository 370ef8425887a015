#include "app/estado.h"

#include <cstdio>

#include "app/globais.h"
#include "app/teclado.h"
#include "game/desfazer.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/ligacao.h"
#include "game/notacao.h"
#include "game/persistencia.h"
#include "game/sugestao.h"
#include "game/traducao.h"

namespace {

constexpr int jogadaDoCanto = 30;

bool computadorAJogar(const Situacao& s) {
    return s.modo == id(Modo::computadores) || (s.modo == id(Modo::contraComputador) && s.jogador == 2);
}

void escreveJogo(const Situacao& s, char* t, int n) {
    const bool comNivel = s.nivel == 1 || s.nivel == 2;
    switch (idDeNumero<Modo>(s.modo)) {
    case Modo::doisJogadores:
        std::snprintf(t, n, _("Jogador contra Jogador"));
        break;
    case Modo::contraComputador:
        std::snprintf(t, n, _("Jogador contra Computador · Nível %d"), s.nivel);
        break;
    case Modo::computadores:
        std::snprintf(t, n, _("Computador contra Computador · Nível %d"), s.nivel);
        break;
    default:
        if (s.fimDeJogo)
            std::snprintf(t, n, _("Fim do jogo: clique na vista para voltar ao menu"));
        else if (comNivel)
            std::snprintf(t, n, _("Menu · Nível %d: escolha o modo"), s.nivel);
        else
            std::snprintf(t, n, _("Menu: escolha o modo (contra o computador, antes o nível)"));
        break;
    }
}

void escreveAviso(const Situacao& s, LinhasEstado& l) {
    const int n = sizeof l.aviso;
    l.tom = Tom::neutro;
    l.aviso[0] = '\0';
    if (s.filme) {
        std::snprintf(l.aviso, n, _("Filme: jogada %d de %d"), s.jogadaFilme, s.totalFilme);
    } else if (s.nota[0] != '\0') {
        std::snprintf(l.aviso, n, "%s", s.nota);
    } else if (s.semLigacao) {
        std::snprintf(l.aviso, n, s.jogoEmEspera ? _("Sem ligação ao servidor de regras: o jogo guardado espera por ele")
                                                 : _("Sem ligação ao servidor de regras"));
        l.tom = Tom::mau;
    } else if (modoDeJogo(s.modo) && computadorAJogar(s)) {
        std::snprintf(l.aviso, n, _("O computador está a pensar…"));
        l.tom = Tom::espera;
    } else if (s.sugestao == 1) {
        std::snprintf(l.aviso, n, _("Sugestão: %s"), s.textoSugestao);
        l.tom = Tom::sugestao;
    } else if (s.sugestao == 2) {
        std::snprintf(l.aviso, n, _("Sem sugestão: o servidor de regras não indicou jogada"));
        l.tom = Tom::mau;
    } else if (s.veredicto == VeredictoJogada::escolhaNivel) {
        // Stale once a level is chosen.
        if (s.nivel != 1 && s.nivel != 2) std::snprintf(l.aviso, n, _("Escolha primeiro o nível"));
        l.tom = Tom::mau;
    } else if (s.veredicto != VeredictoJogada::nenhum) {
        std::snprintf(l.aviso, n, "%s", s.textoVeredicto);
        l.tom = s.veredicto == VeredictoJogada::jogadaValida ? Tom::bom : Tom::mau;
    } else if (s.semGravar) {
        std::snprintf(l.aviso, n, "Outra janela guarda o jogo: esta não o grava");
    }
}

// From a side's 30th move on, a piece left in its home corner loses the game: the count
// says so.
void escreveVez(const Situacao& s, char* t, int n) {
    const char* cor = corDasPecas(s.jogador, s.material);
    if (s.jogadaDaVez >= jogadaDoCanto)
        // TRANSLATORS: Jog1 and Jog2 are the sides' names, as the scoreboard shows them.
        std::snprintf(t, n, _("Vez de Jog%d (%s) · %d.ª jogada: nenhuma peça pode ficar no canto de partida"),
                      s.jogador, cor, s.jogadaDaVez);
    else if (s.jogadaDaVez > 0)
        std::snprintf(t, n, _("Vez de Jog%d (%s) · %d.ª jogada"), s.jogador, cor, s.jogadaDaVez);
    else
        std::snprintf(t, n, _("Vez de Jog%d (%s)"), s.jogador, cor);
}

}  // namespace

const char* corDasPecas(int lado, int material) {
    // Side 1 moves the pieces that wear the odd texture names: black in "Normal", the light
    // images in the other materials.
    const bool escuras = (lado == 1) == (material == 0);
    return escuras ? _("peças escuras") : _("peças claras");
}

LinhasEstado compoeEstado(const Situacao& s) {
    LinhasEstado l{};
    escreveJogo(s, l.jogo, sizeof l.jogo);
    // The film tells its own moves: whose turn it is waits for it to end.
    if (modoDeJogo(s.modo) && !s.filme)
        escreveVez(s, l.vez, sizeof l.vez);
    else if (s.menu && !s.fimDeJogo)
        std::snprintf(l.vez, sizeof l.vez, _("Teclas: 1, 2, 3 escolhem o modo · F1, F2 o nível"));
    std::snprintf(l.placar, sizeof l.placar, "Jog1 %d · Jog2 %d  ·  %d%d:%d%d", s.vitorias1,
                  s.vitorias2, s.relogio[0], s.relogio[1], s.relogio[2], s.relogio[3]);
    escreveAviso(s, l);
    return l;
}

Situacao situacaoActual() {
    Situacao s;
    s.modo = modo;
    s.nivel = nivel;
    s.jogador = jogador;
    s.material = materialPecas;
    s.vitorias1 = vitorias1;
    s.vitorias2 = vitorias2;
    for (int i = 0; i < 4; ++i) s.relogio[i] = digitosRelogio[i];
    s.semLigacao = avisoSemLigacao || !serverConnected();
    s.semGravar = !donoDoJogo;
    s.jogoEmEspera = jogoGuardadoEmEspera();
    s.veredicto = ultimoVeredicto;
    s.textoVeredicto = textoVeredicto;
    s.filme = filmeActivo();
    s.fimDeJogo = fimDeJogo.activo;
    s.totalFilme = int(historico.size());
    s.jogadaFilme = indiceFilme + 1 < s.totalFilme ? indiceFilme + 1 : s.totalFilme;
    s.menu = menuEmVista();
    s.jogadaDaVez = (jogador == 1 ? jogadas1 : jogadas2) + 1;
    if (const Sugestao* g = sugestaoEmVista()) {
        s.sugestao = g->temJogada ? 1 : 2;
        std::snprintf(s.textoSugestao, sizeof s.textoSugestao, "%s",
                      textoDaJogada(g->xi, g->yi, g->xf, g->yf).c_str());
    }
    s.nota = notaEstado.c_str();
    return s;
}
