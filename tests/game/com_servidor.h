// A test fixture with the real rules server started once for the suite, on a free port, and
// the game's link connected to it before every test, from a fresh game state.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/globais.h"
#include "game/jogo_teste.h"
#include "game/ligacao.h"
#include "support/servidor_regras.h"

namespace cantos_teste {

class ComServidor : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!servidorDisponivel()) return;
        servidor_ = std::make_unique<ServidorRegras>();
        if (!servidor_->inicia()) servidor_.reset();
    }
    static void TearDownTestSuite() { servidor_.reset(); }

    void SetUp() override {
        if (!servidor_) GTEST_SKIP() << "rules server not available";
        estadoInicialDoJogo();
        setLinkClockForTests(leRelogioLigacao);
        relogioLigacao += 60000;
        liga(servidor_->porta());
    }
    void TearDown() override {
        closeServer();
        setLinkClockForTests(nullptr);
        setServerPortForTests(portaServidor);
    }
    static void liga(int porta) {
        closeServer();
        setServerPortForTests(porta);
        testing::internal::CaptureStdout();
        connectServer();
        testing::internal::GetCapturedStdout();
    }

    static inline std::unique_ptr<ServidorRegras> servidor_;
};

}  // namespace cantos_teste
