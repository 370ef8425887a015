// Which language the window speaks for each environment a desktop may give. Each case runs
// in a child of its own, since gettext keeps what it chose for the life of the process.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "app/idioma.h"
#include "game/traducao.h"

namespace {

struct Caso {
    const char* ambiente[4][2];  // variable, value; unset when null
    bool ingles;
};

// The menu picture the catalogue names: the English one only in English.
bool falaIngles(const Caso& c) {
    const pid_t filho = fork();
    if (filho == 0) {
        for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(v);
        for (const auto& par : c.ambiente)
            if (par[0] != nullptr) setenv(par[0], par[1], 1);
        iniciaIdioma(std::string(CANTOS_RUNTIME_DIR) + "/locale");
        _exit(std::string(_("menu.bmp")) == "menu-en.bmp" ? 0 : 1);
    }
    int estado = 0;
    waitpid(filho, &estado, 0);
    EXPECT_TRUE(WIFEXITED(estado));
    return WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
}

TEST(Idioma, TheEnvironmentChoosesTheLanguageInGettextsOrder) {
    const Caso casos[] = {
        {{}, false},
        {{{"LANGUAGE", "en"}}, true},
        {{{"LANG", "en_GB.UTF-8"}}, true},
        {{{"LANG", "en_US"}}, true},
        {{{"LANG", "pt_PT.UTF-8"}}, false},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "en"}}, true},
        {{{"LANGUAGE", "fr:en"}}, true},
        {{{"LANGUAGE", "pt"}, {"LANG", "en_US.UTF-8"}}, false},
        {{{"LC_MESSAGES", "en_GB.UTF-8"}, {"LANG", "pt_PT.UTF-8"}}, true},
        {{{"LC_ALL", "pt_PT.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}, false},
        {{{"LC_ALL", "en_US.UTF-8"}, {"LANG", "pt_BR.UTF-8"}}, true},
        // "C" named outright keeps the source texts, as gettext does.
        {{{"LC_ALL", "C"}, {"LANGUAGE", "en"}}, false},
        {{{"LANG", "POSIX"}, {"LANGUAGE", "en"}}, false},
    };
    for (const Caso& c : casos) {
        std::string nome;
        for (const auto& par : c.ambiente)
            if (par[0] != nullptr) nome += std::string(par[0]) + "=" + par[1] + " ";
        EXPECT_EQ(falaIngles(c), c.ingles) << (nome.empty() ? "nothing set" : nome);
    }
}

TEST(Idioma, TheCataloguesAreBesideTheProgramInABuildTreeAndInShareWhenInstalled) {
    EXPECT_EQ(pastaTraducoes(CANTOS_BINARY_DIR), std::string(CANTOS_BINARY_DIR) + "/runtime/locale");
    EXPECT_EQ(pastaTraducoes("/opt/jogos/games"), "/opt/jogos/share/locale");
}

}  // namespace
