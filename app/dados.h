// Where the game's files are: the sceneries (*.sgx) and textures (*.bmp) it opens by bare
// name, and the rules server an installed game ships with. Defined in app/dados.cpp.
#pragma once
#include <string>

// The folder of the running program, from /proc/self/exe; empty if it cannot be read.
std::string pastaDoPrograma();

// The first folder that holds the game's data, in this order:
//   cantosData (the CANTOS_DATA variable), when it names a folder;
//   the install's share/cantos beside the program's bin folder;
//   the program's runtime folder in a build tree (build/cantos beside build/runtime).
// The last two count only when they hold a scenery (japan.sgx). Empty when none does.
std::string procuraPastaDados(const char* cantosData, const std::string& pastaPrograma);

// Moves into the folder procuraPastaDados finds, since the game opens its files by bare
// name. When CANTOS_DATA names no folder, or no folder is found, says so on the console;
// with none found the game stays in the folder it was started from. True when found.
bool entraPastaDados();

// The rules server an installed program ships with: share/cantos/server/servidor.pl beside
// its bin folder. Empty when there is none, as in a build tree, where ./play starts it.
std::string servidorInstalado(const std::string& pastaPrograma);
