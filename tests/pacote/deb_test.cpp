// The Debian package as CPack builds it from the install: what lintian says of it, and
// whether its desktop entry, AppStream metainfo, changelog and program agree with each other.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/programa_teste.h"

namespace {

bool temPrograma(const std::string& nome) {
    return teste::executa("command -v " + nome + " >/dev/null && echo sim") == "sim";
}

std::string le(const std::string& ficheiro) {
    std::stringstream texto;
    texto << std::ifstream(ficheiro).rdbuf();
    return texto.str();
}

// The first match's first group, or "" when there is none.
std::string primeiro(const std::string& texto, const char* padrao) {
    std::smatch m;
    return std::regex_search(texto, m, std::regex(padrao)) ? m[1].str() : std::string();
}

class Pacote : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char modelo[] = "/tmp/cantos-deb-XXXXXX";
        if (mkdtemp(modelo) == nullptr) return;
        pasta = modelo;
        registo = teste::executa("cd '" + pasta + "' && '" CANTOS_CPACK "' -G DEB --config '" CANTOS_BINARY_DIR
                                 "/CPackConfig.cmake' -B '" + pasta + "' 2>&1; echo status=$?");
        deb = teste::executa("ls '" + pasta + "'/cantos_*.deb 2>/dev/null | head -n1");
        if (!deb.empty()) teste::executa("dpkg-deb -x '" + deb + "' '" + pasta + "/raiz'");
    }
    static void TearDownTestSuite() {
        if (!pasta.empty()) teste::executa("rm -rf '" + pasta + "'");
    }
    void SetUp() override { ASSERT_FALSE(deb.empty()) << registo; }

    inline static std::string pasta, registo, deb;
};

TEST_F(Pacote, LintianFindsNoErrorsOrWarnings) {
    const std::string controlo = teste::executa("dpkg-deb -f '" + deb + "'");
    EXPECT_NE(controlo.find("\nSection: games\n"), std::string::npos) << controlo;
    EXPECT_TRUE(std::regex_search(controlo, std::regex("\nMaintainer: [^<\n]+ <[^@>\\s]+@[^>\\s]+>\n")))
        << controlo;
    EXPECT_EQ(access((pasta + "/raiz/usr/games/cantos").c_str(), X_OK), 0);
    if (!temPrograma("lintian")) GTEST_SKIP() << "lintian is not installed";
    // Lintian warns when run as root, on its own standard error; only its findings count.
    const std::string achados = teste::executa("lintian --no-tag-display-limit '" + deb + "' 2>/dev/null");
    EXPECT_FALSE(std::regex_search(achados, std::regex("(^|\n)[EW]: "))) << achados;
}

TEST_F(Pacote, DesktopEntryMetainfoChangelogAndProgramAgree) {
    const std::string raiz = pasta + "/raiz/usr";
    const std::string metainfo = raiz + "/share/metainfo/" CANTOS_APP_ID ".metainfo.xml";
    const std::string entrada = raiz + "/share/applications/" CANTOS_APP_ID ".desktop";
    const std::string texto = le(metainfo);
    ASSERT_FALSE(texto.empty()) << metainfo;
    EXPECT_EQ(primeiro(texto, "<id>([^<]+)</id>"), CANTOS_APP_ID);
    EXPECT_EQ(primeiro(texto, "<launchable type=\"desktop-id\">([^<]+)</launchable>"),
              CANTOS_APP_ID ".desktop");
    EXPECT_EQ(teste::executa("desktop-file-validate '" + entrada + "' 2>&1; echo status=$?"), "status=0");
    if (temPrograma("appstreamcli")) {
        // Offline: the screenshots' addresses are checked for form, not fetched.
        const std::string validacao =
            teste::executa("appstreamcli validate --no-net '" + metainfo + "' 2>&1; echo status=$?");
        EXPECT_NE(validacao.find("status=0"), std::string::npos) << validacao;
    }

    // One version everywhere: the newest release, the newest changelog entry, the program.
    const std::string versao = teste::executa("'" + raiz + "/games/cantos' --version");
    const std::string registoAlteracoes =
        teste::executa("gzip -dc '" + raiz + "/share/doc/cantos/changelog.gz'");
    EXPECT_EQ("cantos " + primeiro(texto, "<release version=\"([^\"]+)\""), versao);
    EXPECT_EQ("cantos " + primeiro(registoAlteracoes, "^cantos \\(([^)]+)\\)"), versao) << registoAlteracoes;
    EXPECT_EQ(primeiro(le(entrada), "\nExec=([^\n]+)"), "cantos");
    EXPECT_EQ(primeiro(le(entrada), "\nComment=([^\n]+)"), primeiro(texto, "<summary>([^<]+)</summary>"));
}

TEST_F(Pacote, TheManualPageAndHelpNameTheSameOptionsAndVariables) {
    const std::string raiz = pasta + "/raiz/usr";
    const std::string ajuda = teste::executa("'" + raiz + "/games/cantos' --help");
    // The page's source writes "-" as "\-" and names variables in bold.
    std::string manual = teste::executa("gzip -dc '" + raiz + "/share/man/man6/cantos.6.gz'");
    manual = std::regex_replace(manual, std::regex("\\\\-"), "-");
    const std::string opcoes = manual.substr(manual.find(".SH OPTIONS"));
    const std::size_t inicio = manual.find('\n', manual.find(".SH ENVIRONMENT"));
    const std::string ambiente = manual.substr(inicio, manual.find(".SH FILES") - inicio);
    int vistas = 0;
    const std::regex opcao("(^|\\n)\\s+(-\\w, )?(--[a-z-]+)");
    for (auto i = std::sregex_iterator(ajuda.begin(), ajuda.end(), opcao); i != std::sregex_iterator(); ++i, ++vistas)
        EXPECT_NE(opcoes.find((*i)[3].str()), std::string::npos) << (*i)[3] << " is not in the manual page";
    EXPECT_GE(vistas, 2) << ajuda;
    // The variables, which the page sets in bold.
    std::stringstream linhas(ambiente);
    const std::regex variavel("\\b[A-Z][A-Z_]+\\b");
    vistas = 0;
    for (std::string linha; std::getline(linhas, linha);) {
        if (linha.rfind(".B", 0) != 0) continue;
        linha.erase(0, linha.find(' '));
        for (auto i = std::sregex_iterator(linha.begin(), linha.end(), variavel); i != std::sregex_iterator();
             ++i, ++vistas)
            EXPECT_NE(ajuda.find(i->str()), std::string::npos) << i->str() << " is not in --help";
    }
    EXPECT_GE(vistas, 5) << ambiente;
}

}  // namespace
