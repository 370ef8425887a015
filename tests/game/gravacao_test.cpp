// The saved game: written as the window writes it after moves, read back at start-up and
// judged again by the real rules server; bad files put aside; writes never half done.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

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

// Each bad file: one message, a fresh game, the file kept aside and not overwritten.
TEST_F(Gravacao, BadFilesArePutAsideAndTheGameStartsFresh) {
    calado([] { handlePick(501); });
    joga(7, 4, 6, 3);
    const std::string bom = escreveJogo(jogoActual());
    const std::string ilegal =
        bom.substr(0, bom.find("jogada")) + "jogada 1 7,7 3,3\nfim\n";
    const std::string outraPosicao = bom.substr(0, bom.find("posicao")) + "posicao " +
                                     tabuleiroInicialTexto + bom.substr(bom.find("\njogada"));
    const std::string casos[] = {"",
                                 bom.substr(0, bom.size() / 2),
                                 bom.substr(0, bom.size() - 4),
                                 std::string("\x7f" "ELF\x01\x02\0\0garbage", 16),
                                 "cantos jogo 2\n" + bom.substr(bom.find('\n') + 1),
                                 ilegal,
                                 outraPosicao};
    int postos = 0;
    for (const std::string& conteudo : casos) {
        SCOPED_TRACE("file: " + conteudo);
        estadoInicialDoJogo();
        ASSERT_TRUE(criaPasta(pastaEstado()));
        ASSERT_TRUE(escreveAtomico(ficheiroJogo(), conteudo));
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
        EXPECT_EQ(posto, conteudo);
    }
    std::string primeiro;
    EXPECT_TRUE(leFicheiro(ficheiroJogo() + ".bad", primeiro));
    EXPECT_EQ(primeiro, casos[0]);
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
