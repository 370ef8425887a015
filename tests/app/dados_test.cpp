// Where the game finds its data and the server it ships with, over a made-up install tree:
// T/usr/bin (the program's folder), T/usr/share/cantos and T/usr/bin/runtime, beside the
// player's own folders T/minha (CANTOS_DATA) and T/trabalho (where the game was started).
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "app/dados.h"

namespace {

namespace fs = std::filesystem;

TEST(Dados, TheFirstFolderHoldingTheSceneriesInTheOrderCantosDataWorkInstallBuildTree) {
    const fs::path raiz = fs::path(testing::TempDir()) / ("cantos-dados-" + std::to_string(getpid()));
    const fs::path bin = raiz / "usr/bin";
    // In the order they are looked at.
    const fs::path pastas[] = {raiz / "minha", raiz / "trabalho", raiz / "usr/share/cantos", bin / "runtime"};
    for (const fs::path& p : pastas) fs::create_directories(p);
    fs::create_directories(pastas[2] / "server");
    std::ofstream(pastas[2] / "server/servidor.pl") << ":- true.";

    // Every way the four folders may hold the sceneries or not; a folder without them
    // (CANTOS_DATA included) is passed over.
    for (int com = 0; com < 16; ++com) {
        for (int i = 0; i < 4; ++i) {
            if (com & (1 << i)) std::ofstream(pastas[i] / "japan.sgx") << "<sgx/>";
            else fs::remove(pastas[i] / "japan.sgx");
        }
        std::string esperada;
        for (int i = 3; i >= 0; --i)
            if (com & (1 << i)) esperada = pastas[i].string();
        EXPECT_EQ(procuraPastaDados(pastas[0].c_str(), pastas[1].string(), bin.string()), esperada) << com;
    }
    EXPECT_EQ(procuraPastaDados((raiz / "nada").c_str(), "", bin.string()), pastas[2].string());
    EXPECT_EQ(procuraPastaDados(nullptr, "", bin.string()), pastas[2].string());
    EXPECT_EQ(procuraPastaDados("", "", ""), "");

    EXPECT_EQ(servidorInstalado(bin.string()), (pastas[2] / "server/servidor.pl").string());
    // A build tree ships no server.
    fs::remove_all(pastas[2]);
    EXPECT_EQ(servidorInstalado(bin.string()), "");

    EXPECT_EQ(pastaDoPrograma(), std::string(CANTOS_BINARY_DIR) + "/tests/app");
    fs::remove_all(raiz);
}

}  // namespace
