// A fresh folder under /tmp for one test, removed afterwards; optionally named by an
// environment variable (XDG_STATE_HOME, XDG_CONFIG_HOME) for as long as it lives.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace cantos_teste {

class PastaTemporaria {
public:
    explicit PastaTemporaria(const char* variavel = nullptr) : variavel_(variavel) {
        char modelo[] = "/tmp/cantos-teste-XXXXXX";
        if (mkdtemp(modelo) == nullptr) {
            ADD_FAILURE() << "mkdtemp failed";
            return;
        }
        caminho = modelo;
        if (variavel_) setenv(variavel_, modelo, 1);
    }
    ~PastaTemporaria() {
        if (variavel_) unsetenv(variavel_);
        if (!caminho.empty()) std::system(("rm -rf '" + caminho + "'").c_str());
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    std::string caminho;

private:
    const char* variavel_;
};

}  // namespace cantos_teste
