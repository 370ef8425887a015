// The saved game: written as the window writes it after moves, read back at start-up and
// judged again by the real rules server; bad files put aside; writes never half done.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/com_servidor.h"
#include "game/ficheiros.h"
#include "game/gravacao.h"
#include "game/globais.h"
#include "game/persistencia.h"
#include "game/selecao.h"
#include "game/tabuleiros.h"
#include "game/turno.h"
#include "support/pasta_temporaria.h"

using namespace cantos_teste;

namespace {

std::string joga(int x0, int y0, int x1, int y1) {
    std::string saida = jogaPeloRato(x0, y0, x1, y1);
    guardaJogoSeMudou();
    return saida;
}

class Gravacao : public ComServidor {
protected:
    void SetUp() override {
        alteracoesJogo = alteracoesGravadas = 0;
        ComServidor::SetUp();
    }
    PastaTemporaria pasta_{"XDG_STATE_HOME"};
};

TEST_F(Gravacao, AGameSavedAfterItsMovesIsResumedAndJudgedFromThere) {
    calado([] { handlePick(504), handlePick(502); });
    joga(7, 4, 6, 3);
    calado([] {
        for (int i = 0; i < 6 && jogador == 2; ++i) turnStep(), terminaAnimacao(), guardaJogoSeMudou();
    });
    ASSERT_EQ(nJogadas, 2);
    const std::string posicao = casasComoTexto();
    const JogoGuardado antes = jogoActual();

    estadoInicialDoJogo();  // a new run of the program
    std::string saida = calado([] { carregaJogoGuardado(); });
    EXPECT_NE(saida.find("Jogo retomado"), std::string::npos) << saida;
    EXPECT_EQ(casasComoTexto(), posicao);
    EXPECT_EQ(escreveJogo(jogoActual()), escreveJogo(antes));
    EXPECT_NE(joga(7, 7, 3, 3).find("Jogada Invalida!"), std::string::npos);
    EXPECT_NE(joga(6, 5, 5, 4).find("Jogada Valida"), std::string::npos);
}

// A saved game written from its moves, as the game writes them.
JogoGuardado jogoDe(int modoJogo, const std::vector<JogadaGuardada>& jogadas) {
    JogoGuardado j;
    j.modo = modoJogo;
    std::string posicao = tabuleiroInicialTexto;
    for (const JogadaGuardada& m : jogadas) {
        posicao = comJogada(posicao, m.xi, m.yi, m.xf, m.yf);
        ++(m.lado == 1 ? j.jogadas1 : j.jogadas2);
        j.jogador = 3 - m.lado;
    }
    j.posicao = posicao;
    j.jogadas = jogadas;
    return j;
}

// Each bad file: one message with the reason, a fresh game, the file kept aside and not
// overwritten. Files that are whole saved games in form but not games: out of turn, counts
// or side to move that do not follow, a position the moves do not reach, a game the rules
// had already ended.
TEST_F(Gravacao, FilesThatAreNotGamesArePutAsideAndNoneIsResumed) {
    const JogadaGuardada a{1, 7, 4, 6, 3}, b{2, 0, 3, 1, 4}, c{1, 6, 5, 5, 4};
    const std::string bom = escreveJogo(jogoDe(1, {a, b}));
    JogoGuardado foraDeVez = jogoDe(1, {a, c});
    JogoGuardado foraDeVezSemContas = foraDeVez;  // as the issue found it: vez 1, jogadas 0 0
    foraDeVezSemContas.jogador = 1, foraDeVezSemContas.jogadas1 = 0;
    JogoGuardado contas = jogoDe(1, {a, b});
    contas.jogadas1 = 5;
    JogoGuardado vez = jogoDe(1, {a, b});
    vez.jogador = 2;
    JogoGuardado semJogo = jogoDe(-1, {a, b});
    JogoGuardado outraPosicao = jogoDe(1, {a, b});
    outraPosicao.posicao = tabuleiroInicialTexto;
    // Side 1 steps out and back 30 times: its 30th move leaves a piece at home, and loses.
    std::vector<JogadaGuardada> vaiEVem;
    for (int k = 0; k < 59; ++k) {
        const bool ida = k % 4 < 2;
        vaiEVem.push_back(k % 2 == 0 ? (ida ? a : JogadaGuardada{1, 6, 3, 7, 4})
                                     : (ida ? b : JogadaGuardada{2, 1, 4, 0, 3}));
    }
    const struct {
        const char* caso;
        std::string conteudo;
    } casos[] = {
        {"empty", ""},
        {"cut in half", bom.substr(0, bom.size() / 2)},
        {"no end line", bom.substr(0, bom.size() - 4)},
        {"binary", std::string("\x7f" "ELF\x01\x02\0\0garbage", 16)},
        {"a version wrapped by reading", "cantos jogo -4294967295\n" + bom.substr(bom.find('\n') + 1)},
        {"a move the rules refuse", escreveJogo(jogoDe(1, {{1, 7, 7, 3, 3}}))},
        {"out of turn", escreveJogo(foraDeVez)},
        {"out of turn, counts left at 0", escreveJogo(foraDeVezSemContas)},
        {"wrong counts", escreveJogo(contas)},
        {"wrong side to move", escreveJogo(vez)},
        {"moves with no game in progress", escreveJogo(semJogo)},
        {"wrong position", escreveJogo(outraPosicao)},
        {"already ended", escreveJogo(jogoDe(1, vaiEVem))},
    };
    int postos = 0;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        estadoInicialDoJogo();
        ASSERT_TRUE(criaPasta(pastaEstado()));
        ASSERT_TRUE(escreveAtomico(ficheiroJogo(), c.conteudo));
        std::string saida = calado([] { carregaJogoGuardado(); });
        EXPECT_EQ(std::count(saida.begin(), saida.end(), '\n'), 1) << saida;
        EXPECT_NE(saida.find("invalido"), std::string::npos) << saida;
        EXPECT_EQ(modo, 0);
        EXPECT_EQ(nJogadas, 0);
        EXPECT_EQ(casasComoTexto(), tabuleiroInicialTexto);
        EXPECT_FALSE(existeFicheiro(ficheiroJogo()));
        // Beside the earlier ones, under the name the message gives.
        const std::string nome = ficheiroJogo() + ".bad" + (postos ? "." + std::to_string(postos) : "");
        ++postos;
        EXPECT_NE(saida.find("posto de parte em " + nome + ";"), std::string::npos) << saida;
        std::string posto;
        EXPECT_TRUE(leFicheiro(nome, posto));
        EXPECT_EQ(posto, c.conteudo);
    }
    std::string primeiro;
    EXPECT_TRUE(leFicheiro(ficheiroJogo() + ".bad", primeiro));
    EXPECT_EQ(primeiro, casos[0].conteudo);
    // The same game with its counts right is one.
    estadoInicialDoJogo();
    ASSERT_TRUE(escreveAtomico(ficheiroJogo(), bom));
    EXPECT_NE(calado([] { carregaJogoGuardado(); }).find("Jogo retomado"), std::string::npos);
}

// A newer version's saved game stays as it is: said once, never resumed, never saved over.
TEST_F(Gravacao, ANewerVersionsGameIsLeftAloneAndNotSavedOver) {
    const std::string resto = escreveJogo(jogoDe(1, {{1, 7, 4, 6, 3}}));
    for (const std::string versao : {"3", "4294967297"}) {
        SCOPED_TRACE(versao);
        estadoInicialDoJogo();
        const std::string conteudo = "cantos jogo " + versao + resto.substr(resto.find('\n'));
        ASSERT_TRUE(criaPasta(pastaEstado()));
        ASSERT_TRUE(escreveAtomico(ficheiroJogo(), conteudo));
        std::string saida = calado([] { carregaJogoGuardado(); });
        EXPECT_NE(saida.find("mais recente"), std::string::npos) << saida;
        EXPECT_EQ(nJogadas, 0);
        calado([] { handlePick(501); });
        joga(7, 4, 6, 3);
        guardaJogoAoSair();
        std::string lido;
        EXPECT_TRUE(leFicheiro(ficheiroJogo(), lido));
        EXPECT_EQ(lido, conteudo);
        EXPECT_FALSE(existeFicheiro(ficheiroJogo() + ".bad"));
    }
}

// A write killed at any moment leaves the old file or the new one, never a mix of both.
TEST(EscreveAtomico, AKillMidWriteLeavesOneWholeFile) {
    PastaTemporaria pasta;
    const std::string caminho = pasta.caminho + "/jogo";
    const std::string a(400000, 'a'), b(300000, 'b');
    ASSERT_TRUE(escreveAtomico(caminho, a));
    for (int volta = 0; volta < 30; ++volta) {
        pid_t filho = fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            for (int i = 0;; ++i) escreveAtomico(caminho, i % 2 ? a : b);
        }
        usleep(static_cast<useconds_t>(1000 + 700 * volta));
        kill(filho, SIGKILL);
        waitpid(filho, nullptr, 0);
        std::string lido;
        ASSERT_TRUE(leFicheiro(caminho, lido));
        ASSERT_TRUE(lido == a || lido == b) << "a mixed file of " << lido.size() << " bytes";
    }
}

}  // namespace
