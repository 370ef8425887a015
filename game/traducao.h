// The texts the window shows go through the "cantos" catalogue; Portuguese is the source.
// _() translates now; N_() only marks a text kept in a table, translated where it is shown.
// Console diagnostics are never marked: they read the same in every language.
// Include it after the system and library headers, which its short names must not reach.
#pragma once
#include <libintl.h>

#define CANTOS_DOMINIO "cantos"
#define _(texto) dgettext(CANTOS_DOMINIO, texto)
#define N_(texto) texto
