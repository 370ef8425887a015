// The link to the rules server: one TCP connection to 127.0.0.1:60070, one request and
// one reply in lock step. The only code that touches the socket.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr int portaServidor = 60070;

// Opens the connection; prints the connect messages. True when connected.
bool connectServer();
// Sends `length` bytes; reconnects first (at most once a second) when the link is down.
// False when the request could not be sent.
bool sendMessage(const char* text, int length);
// Reads one reply up to its "." into buffer (zero-terminated, without the "."), never past
// `size` bytes. False when no whole reply arrived (closed, error, full buffer, 10 s silence).
bool receiveReply(char* buffer, std::size_t size);
// Tells the server the program is ending: "quit.\n" and one reply. Written with the other
// requests, in game/pedidos.cpp.
void quitServer();

// True while the connection is open.
bool serverConnected();
// Closes the connection without a word; the next request reconnects.
void closeServer();

// For tests only: the port the next connect uses. The game always uses portaServidor.
void setServerPortForTests(int port);
// For tests only: how long a reply may keep silent before the link gives up (10 s).
void setReplyTimeoutForTests(int milliseconds);
// For tests only: the clock, in milliseconds, that spaces reconnections; nullptr restores
// the steady clock.
void setLinkClockForTests(std::int64_t (*relogio)());
