// Writes every BMP texture of the game into a folder (the runtime folder by default).
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/catalogo.h"
#include "tools/texto.h"

int main(int argc, char** argv) {
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
