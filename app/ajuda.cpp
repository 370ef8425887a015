// The --help text, kept in step with the manual page pacote/cantos.6.
#include "app/ajuda.h"

#include <cstdio>
#include <cstring>

#ifndef CANTOS_VERSION
#define CANTOS_VERSION "0"
#endif

const char* textoAjuda() {
    return "Usage: cantos [--help] [--version] [X options such as -display or -geometry]\n"
           "\n"
           "Cantos 3D: a board game for two in 3D. Each side starts in a corner of the board\n"
           "and races its ten pieces into the opposite corner. Play against a friend or the\n"
           "computer: click a menu item, then a piece and the square it moves to.\n"
           "\n"
           "Keys: the arrows move a square cursor over the board and Enter or Space picks\n"
           "under it; on the menu 1, 2, 3 choose the mode and F1, F2 the level. U undo,\n"
           "R redo, H a suggested move, F the film, M the menu, J the move list, F11 full\n"
           "screen. Escape quits.\n"
           "\n"
           "The window speaks Portuguese, or English when LANGUAGE, LC_ALL, LC_MESSAGES or\n"
           "LANG ask for it (LANGUAGE=en, say).\n"
           "\n"
           "The game opens its sceneries (*.sgx) and textures (*.bmp) from the first of:\n"
           "  $CANTOS_DATA                  when it holds them (japan.sgx)\n"
           "  the folder it is started in   when it holds them\n"
           "  ../share/cantos               beside the folder of the cantos program\n"
           "  runtime                       beside the program, in a build tree\n"
           "\n"
           "The rules are judged by a server on 127.0.0.1:60070, written in SWI-Prolog. An\n"
           "installed game starts the server it ships with when none answers there; the server\n"
           "serves every window of the game and ends a while after the last has closed.\n"
           "\n"
           "Options:\n"
           "  -h, --help     print this text and exit\n"
           "      --version  print the version and exit\n";
}

int trataOpcoes(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(textoAjuda(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("cantos %s\n", CANTOS_VERSION);
            return 0;
        }
    }
    return -1;
}
