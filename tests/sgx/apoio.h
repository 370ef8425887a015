// Shared by the scenery reading tests: case files, a clean scene state, captured output.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "sgx/globais.h"
#include "sgx/sgx.h"

inline std::string caso(const std::string& nome) {
    return std::string(CANTOS_TESTS_DIR) + "/sgx/casos/" + nome;
}

// The scene state as the program starts with it.
inline void cenaInicial() {
    clearScene();
    sceneTextures.clear();
    sceneGlobals = globalsElement{};
    sceneView = viewElement{};
    doublesided = local = 0;
}

// Loads a case file; returns everything it printed.
inline std::string carrega(const std::string& nome, bool* resultado = nullptr) {
    testing::internal::CaptureStdout();
    const bool ok = loadSceneFile(caso(nome));
    std::string saida = testing::internal::GetCapturedStdout();
    if (resultado) *resultado = ok;
    return saida;
}

class Cena : public ::testing::Test {
protected:
    void SetUp() override { cenaInicial(); }
    void TearDown() override { cenaInicial(); }
};

inline std::string repete(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

// "Values were successfully obtained\n", n times.
inline std::string ok(int n) { return repete("Values were successfully obtained\n", n); }

#define EXPECT_COR(cor, r, g, b, a)        \
    do {                                   \
        EXPECT_FLOAT_EQ((cor)[0], (r));    \
        EXPECT_FLOAT_EQ((cor)[1], (g));    \
        EXPECT_FLOAT_EQ((cor)[2], (b));    \
        EXPECT_FLOAT_EQ((cor)[3], (a));    \
    } while (0)
