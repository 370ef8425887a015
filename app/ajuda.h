// The command line: --help and --version, answered before any window opens.
#pragma once

// The usage text --help prints.
const char* textoAjuda();

// Answers --help (-h) and --version. The exit status when one was given, so the program
// ends at once; -1 otherwise, and the game starts (X options such as -display go to GLUT).
int trataOpcoes(int argc, char** argv);
