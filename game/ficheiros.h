// Where the game keeps its files for the user, and how it writes them: in the XDG folders,
// always whole (a temporary file in the same folder, flushed, then renamed over the old one).
#pragma once
#include <string>

// $XDG_STATE_HOME/cantos (default ~/.local/state/cantos) and $XDG_CONFIG_HOME/cantos
// (default ~/.config/cantos). Empty when neither the variable nor HOME is set.
std::string pastaEstado();
std::string pastaDefinicoes();
// ~/Documents when it exists, else $HOME.
std::string pastaDocumentos();

// Creates the folder and its parents; true when it exists afterwards.
bool criaPasta(const std::string& pasta);
// Writes the text whole or not at all; the previous file stays whole if anything fails.
bool escreveAtomico(const std::string& caminho, const std::string& texto);
// The whole file; false when it cannot be read (missing included).
bool leFicheiro(const std::string& caminho, std::string& texto);
bool existeFicheiro(const std::string& caminho);
// Renames a bad file to "<name>.bad", so the next write does not overwrite it.
void poeDeParte(const std::string& caminho);

