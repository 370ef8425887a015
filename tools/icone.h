// The game's icon for the desktop's menu: a corner of the board in its navy and gold frame,
// each side's pieces packed into their starting corners. Painted like the textures, with
// an alpha channel, and written as PNG, the format icon themes read.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The icon `lado` pixels square: red, green, blue, alpha per pixel, top row first.
std::vector<std::uint8_t> pintarIcone(int lado);

// Writes the icon `lado` pixels square as a PNG file; false when it cannot be written.
bool gravarIconePng(const std::string& caminho, int lado);
