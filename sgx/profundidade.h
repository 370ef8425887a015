// Element nesting depth of an XML text, measured before TinyXML sees it: its parser
// recurses once per level and runs out of stack on deeply nested input.
#pragma once
#include <cstddef>

// The most elements open at once when the parser reads `text` (up to its first NUL byte,
// where the parser stops too). It follows the parser's own idea of markup (comments,
// CDATA, declarations, quoted attribute values), so it never counts fewer levels than
// the parser will descend.
std::size_t profundidadeMaxima(const char* text);

// Deeper than this is refused: no scenery needs more.
constexpr std::size_t profundidadeLimite = 256;
