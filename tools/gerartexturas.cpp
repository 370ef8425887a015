// Writes every BMP texture of the game into a folder (the runtime folder by default), or
// with --icone FILE SIZE the game's icon as a PNG of SIZE pixels square.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tools/catalogo.h"
#include "tools/icone.h"
#include "tools/texto.h"

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--icone") {
        const int lado = std::atoi(argv[3]);
        if (lado > 0 && gravarIconePng(argv[2], lado)) return 0;
        std::printf("Nao foi possivel escrever o icone %s\n", argv[2]);
        return 1;
    }
    const std::string pasta = argc > 1 ? argv[1] : ".";
    std::error_code erro;
    std::filesystem::create_directories(pasta, erro);
    // Without the fonts the menu would have no labels: better to stop the build.
    if (!Fonte(caminhoFonte("DejaVuSans.ttf")).valida()) {
        std::printf("Fontes DejaVu em falta (fonts-dejavu-core)\n");
        return 1;
    }
    const int falhas = gravarTodas(pasta);
    std::printf("%zu texturas em %s\n", catalogo().size() - falhas, pasta.c_str());
    return falhas == 0 ? 0 : 1;
}
