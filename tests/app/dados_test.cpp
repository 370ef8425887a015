// Where the game finds its data and the server it ships with, over a made-up install tree:
// T/usr/bin (the program's folder), T/usr/share/cantos and T/usr/bin/runtime.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "app/dados.h"

namespace {

namespace fs = std::filesystem;

class Dados : public ::testing::Test {
protected:
    void SetUp() override {
        raiz = fs::path(testing::TempDir()) / ("cantos-dados-" + std::to_string(getpid()));
        fs::remove_all(raiz);
        bin = raiz / "usr/bin";
        instalada = raiz / "usr/share/cantos";
        runtime = raiz / "usr/bin/runtime";
        fs::create_directories(bin);
    }
    void TearDown() override { fs::remove_all(raiz); }

    // A folder holding the first scenery.
    std::string comCenario(const fs::path& pasta) {
        fs::create_directories(pasta);
        std::ofstream(pasta / "japan.sgx") << "<sgx/>";
        return pasta.string();
    }

    fs::path raiz, bin, instalada, runtime;
};

TEST_F(Dados, CantosDataComesFirstWhenItNamesAFolderEvenWithoutSceneries) {
    comCenario(instalada);
    comCenario(runtime);
    const fs::path minha = raiz / "minha";
    fs::create_directories(minha);
    EXPECT_EQ(procuraPastaDados(minha.c_str(), bin.string()), minha.string());
}

TEST_F(Dados, TheInstallsShareFolderComesBeforeTheBuildTreesRuntime) {
    const std::string esperada = comCenario(instalada);
    comCenario(runtime);
    EXPECT_EQ(procuraPastaDados((raiz / "nao-existe").c_str(), bin.string()), esperada);
    EXPECT_EQ(procuraPastaDados(nullptr, bin.string()), esperada);
}

TEST_F(Dados, AFolderWithoutSceneriesIsPassedOverForTheRuntime) {
    fs::create_directories(instalada);
    const std::string esperada = comCenario(runtime);
    EXPECT_EQ(procuraPastaDados(nullptr, bin.string()), esperada);
}

TEST_F(Dados, NothingFoundIsEmpty) {
    EXPECT_EQ(procuraPastaDados(nullptr, bin.string()), "");
    EXPECT_EQ(procuraPastaDados(nullptr, ""), "");
}

TEST_F(Dados, OnlyAnInstallShipsItsServer) {
    comCenario(runtime);
    EXPECT_EQ(servidorInstalado(bin.string()), "");
    fs::create_directories(instalada / "server");
    std::ofstream(instalada / "server/servidor.pl") << ":- true.";
    EXPECT_EQ(servidorInstalado(bin.string()), (instalada / "server/servidor.pl").string());
}

TEST(PastaDoPrograma, IsTheFolderOfTheRunningTest) {
    EXPECT_EQ(pastaDoPrograma(), std::string(CANTOS_BINARY_DIR) + "/tests/app");
}

}  // namespace
