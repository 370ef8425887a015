// Where the game's files are: the sceneries (*.sgx) and textures (*.bmp) it opens by bare
// name, and the rules server an installed game ships with. Defined in app/dados.cpp.
#pragma once
#include <string>

// The folder of the running program, from /proc/self/exe; empty if it cannot be read.
std::string pastaDoPrograma();

// The first folder that holds the game's data, a scenery (japan.sgx), in this order:
//   cantosData (the CANTOS_DATA variable);
//   pastaTrabalho, the folder the game was started in;
//   the install's share/cantos beside the program's bin folder;
//   the program's runtime folder in a build tree (build/cantos beside build/runtime).
// Empty when none does.
std::string procuraPastaDados(const char* cantosData, const std::string& pastaTrabalho,
                              const std::string& pastaPrograma);

// Moves into the folder procuraPastaDados finds, since the game opens its files by bare
// name. When CANTOS_DATA holds no scenery, or no folder is found, says so on the console;
// with none found the game stays in the folder it was started from. True when found.
bool entraPastaDados();

// The rules server an installed program ships with: share/cantos/server/servidor.pl beside
// its bin folder. Empty when there is none, as in a build tree, where ./play starts it.
std::string servidorInstalado(const std::string& pastaPrograma);
