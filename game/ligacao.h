// The link to the rules server: one TCP connection to 127.0.0.1:60070, one request and
// one reply in lock step. The only code that touches the socket.
#pragma once
#include <cstddef>

constexpr int portaServidor = 60070;

// Opens the connection; prints the connect messages. True when connected.
bool connectServer();
// Sends `length` bytes; reconnects first (at most once a second) when the link is down.
// False when the request could not be sent.
bool sendMessage(const char* text, int length);
// Reads one reply up to its "." into buffer (zero-terminated, without the "."), never past
// `size` bytes. False when no whole reply arrived (closed, error, full buffer, 10 s silence).
bool receiveReply(char* buffer, std::size_t size);
// Tells the server the program is ending: "quit.\n" and one reply.
void quitServer();

// For tests only: the port the next connect uses. The game always uses portaServidor.
void setServerPortForTests(int port);
