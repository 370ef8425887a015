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

// Creates the folder and its parents, those it creates for the user alone (0700); true when
// it exists afterwards.
bool criaPasta(const std::string& pasta);
// Writes the text whole or not at all; the previous file stays whole if anything fails. The
// temporary "<caminho>.tmp<pid>" is created afresh (never through a symbolic link), readable
// by the user alone, and the file keeps that mode.
bool escreveAtomico(const std::string& caminho, const std::string& texto);
// Removes the temporary files a crashed escreveAtomico left in `pasta`: "<name>.tmp<pid>"
// whose process is gone, or older than idadeMaxima seconds. The number removed.
int limpaTemporarios(const std::string& pasta, int idadeMaxima = 600);
// The whole file; false when it cannot be read (missing included).
bool leFicheiro(const std::string& caminho, std::string& texto);
bool existeFicheiro(const std::string& caminho);
// Renames a bad file to "<name>.bad", or "<name>.bad.1", ".bad.2"... when that is taken, so
// the next write does not overwrite it and no earlier bad file is lost. The new name; empty
// when the file could not be renamed.
std::string poeDeParte(const std::string& caminho);

