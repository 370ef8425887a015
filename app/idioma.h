// The language of the window's texts, chosen from the environment as gettext does.
#pragma once
#include <string>

// The catalogues beside the program: runtime/locale in a build tree, otherwise the
// install's share/locale as seen from the program's folder.
std::string pastaTraducoes(const std::string& pastaPrograma);

// Sets the messages' locale from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, in that order, and
// binds the "cantos" catalogue in `pasta`, in UTF-8.
void iniciaIdioma(const std::string& pasta);
