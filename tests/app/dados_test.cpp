// Where the game finds its data and the server it ships with, over a made-up install tree:
// T/usr/bin (the program's folder), T/usr/share/cantos and T/usr/bin/runtime.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "app/dados.h"

namespace {

namespace fs = std::filesystem;

TEST(Dados, CantosDataThenTheInstallThenTheBuildTreeEachOnlyWhenItHoldsTheData) {
    const fs::path raiz = fs::path(testing::TempDir()) / ("cantos-dados-" + std::to_string(getpid()));
    const fs::path bin = raiz / "usr/bin", instalada = raiz / "usr/share/cantos",
                   runtime = bin / "runtime", minha = raiz / "minha";
    for (const fs::path& p : {instalada / "server", runtime, minha}) fs::create_directories(p);
    for (const fs::path& p : {instalada, runtime}) std::ofstream(p / "japan.sgx") << "<sgx/>";
    std::ofstream(instalada / "server/servidor.pl") << ":- true.";

    // CANTOS_DATA is the player's word: any folder will do, and a missing one is passed over.
    EXPECT_EQ(procuraPastaDados(minha.c_str(), bin.string()), minha.string());
    EXPECT_EQ(procuraPastaDados((raiz / "nada").c_str(), bin.string()), instalada.string());
    EXPECT_EQ(procuraPastaDados(nullptr, bin.string()), instalada.string());
    EXPECT_EQ(servidorInstalado(bin.string()), (instalada / "server/servidor.pl").string());

    // A folder without the sceneries is no data folder; a build tree ships no server.
    fs::remove_all(instalada);
    EXPECT_EQ(procuraPastaDados(nullptr, bin.string()), runtime.string());
    EXPECT_EQ(servidorInstalado(bin.string()), "");
    fs::remove(runtime / "japan.sgx");
    EXPECT_EQ(procuraPastaDados(nullptr, bin.string()), "");
    EXPECT_EQ(procuraPastaDados(nullptr, ""), "");

    EXPECT_EQ(pastaDoPrograma(), std::string(CANTOS_BINARY_DIR) + "/tests/app");
    fs::remove_all(raiz);
}

}  // namespace
