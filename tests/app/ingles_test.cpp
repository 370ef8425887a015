// The window in English: whatever the status area, the end banner and the panel's lists
// can show, for every mode, level, verdict and ending, reads without a Portuguese word.
// A text left unmarked, or marked but composed before the language is set, shows here.
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/controlos.h"
#include "app/estado.h"
#include "app/idioma.h"
#include "game/fim_jogo.h"
#include "game/globais.h"
#include "game/ids.h"
#include "game/turno.h"
#include "game/veredicto.h"
#include "game/traducao.h"

namespace {

bool temPortugues(const std::string& t) {
    static const std::regex palavra(
        // Accented letters as whole UTF-8 sequences: a class would match bytes of "…" too.
        "á|à|â|ã|ç|é|ê|í|ó|ô|õ|ú|À|Á|É|Í|Ó|Ú|\\b(contra|Jogador|Computador|[Jj]ogadas?|peças?|Vez|[Nn]ível|[Ee]scolha|Sem|servidor|"
        "Filme|vista|venceu|Camara|Japao|Castelo|Praia|Madeira|Pele|ficou|chegaram|canto|meta)\\b");
    return std::regex_search(t, palavra);
}

class Ingles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const char* v : {"LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(v);
        setenv("LANGUAGE", "en", 1);
        iniciaIdioma(std::string(CANTOS_RUNTIME_DIR) + "/locale");
    }
    void vê(const std::string& texto, const std::string& onde) {
        EXPECT_FALSE(temPortugues(texto)) << onde << ": \"" << texto << "\"";
    }
};

TEST_F(Ingles, StatusAreaInEveryModeLevelVerdictAndFilm) {
    std::vector<std::string> recusas;
    char texto[192];
    // An empty square, the other side's piece, a piece that cannot get there.
    for (const auto& [x, y] : {std::pair{4, 4}, std::pair{0, 0}, std::pair{7, 7}}) {
        explicaRecusa(tabuleiroInicial, 1, x, y, texto, sizeof texto);
        recusas.push_back(texto);
    }
    int vistas = 0;
    for (const Modo m : {Modo::acabado, Modo::nenhum, Modo::doisJogadores, Modo::contraComputador, Modo::computadores})
        for (int nivel : {0, 1, 2})
            for (int v = int(VeredictoJogada::nenhum); v <= int(VeredictoJogada::respostaInvalida); ++v)
                for (int caso = 0; caso < 6; ++caso) {
                    Situacao s;
                    s.modo = id(m);
                    s.nivel = nivel;
                    s.jogador = 1 + caso % 2;
                    s.material = caso % 4;
                    s.veredicto = VeredictoJogada(v);
                    anotaVeredicto(s.veredicto);
                    s.textoVeredicto = textoVeredicto;
                    if (s.veredicto == VeredictoJogada::jogadaInvalida) s.textoVeredicto = recusas[caso % 3].c_str();
                    s.filme = caso == 2;
                    s.jogadaFilme = 3, s.totalFilme = 9;
                    s.semLigacao = caso >= 4;
                    s.jogoEmEspera = caso == 5;
                    s.fimDeJogo = caso == 3;
                    s.menu = m == Modo::nenhum || m == Modo::acabado;
                    s.jogadaDaVez = caso * 7;  // 0, 7, ... 35: before and after the 30th move
                    s.sugestao = caso % 3;
                    std::snprintf(s.textoSugestao, sizeof s.textoSugestao, "g2–f3");
                    const LinhasEstado l = compoeEstado(s);
                    const std::string onde = "mode " + std::to_string(id(m)) + ", level " + std::to_string(nivel) +
                                             ", verdict " + std::to_string(v) + ", case " + std::to_string(caso);
                    for (const char* linha : {l.jogo, l.vez, l.placar, l.aviso}) vê(linha, onde);
                    ++vistas;
                }
    EXPECT_EQ(vistas, 5 * 3 * 6 * 6);
}

TEST_F(Ingles, EndBannerForEveryEnding) {
    for (int r = int(RazaoFim::desconhecida); r <= int(RazaoFim::ultima); ++r)
        for (int vencedor : {1, 2}) {
            FimDeJogo f;
            f.vencedor = vencedor;
            f.razao = RazaoFim(r);
            char titulo[128], razao[256];
            textoFimDeJogo(f, titulo, razao, 128);
            vê(titulo, "ending " + std::to_string(r));
            vê(razao, "ending " + std::to_string(r));
        }
}

TEST_F(Ingles, PanelListsShowTheirItemsInEnglish) {
    for (const auto& [itens, n] : {std::pair{itensCamara, 4}, std::pair{itensAmbiente, 3}, std::pair{itensMateriais, 4}})
        for (int i = 0; i < n; ++i) vê(_(itens[i].texto), itens[i].texto);
    vê(textoCamara(id(Camara::menu), 0), "the camera list on the menu");
    vê(textoCamara(id(Camara::livre), 0), "the camera list");
}

}  // namespace
