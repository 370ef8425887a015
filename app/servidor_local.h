// The rules server an installed game starts for itself when none answers on its port. Other
// windows of the game use it too, so none stops it: it ends by itself once no window has
// been connected for a while. The game's link to the server stays in game/ligacao.cpp; this
// file starts and awaits the process only.
#pragma once
#include <string>

// What listens on 127.0.0.1:porta: nothing, a rules server, or another program.
enum class NaPorta { Nada, Servidor, Outro };
// A rules server answers "quit." with "ok." (and closes that connection only); whatever
// accepts a connection and does not within esperaMs is another program.
NaPorta quemEscuta(int porta, int esperaMs);

// How long the started server outlives the last window connected to it, and how long it
// waits for the first: room for a slow start-up between the launch and the connection.
constexpr int segundosSemJanelas = 10;

// Starts `swipl script --port=porta --sai-sem-clientes=segundosSemJanelas` unless a rules
// server already answers there, without waiting for it to listen (esperaServidorLocal does).
// False, with avisoServidor set and printed, when SWI-Prolog is missing or another program
// holds the port.
bool lancaServidorLocal(const std::string& script, int porta);

// Waits at most limiteMs for the server lancaServidorLocal started to listen. False, with
// avisoServidor set and printed, when it ended or kept silent (it is stopped then). True at
// once when none was started.
bool esperaServidorLocal(int limiteMs);

// Stops the server this program started, if any: SIGTERM, then SIGKILL after two seconds.
// Only for a server that never served (esperaServidorLocal) and for tests: one that serves
// may be serving other windows too.
void paraServidorLocal();

// The started server's process id while it runs; -1 otherwise.
int pidServidorLocal();

// The game's start-up: an installed game launches the server it ships with on the game's
// port (a build tree ships none; ./play starts it there).
void lancaServidorInstalado();
