// The panel's strips kept as pixels between frames.
//
// A strip's pixels follow from its colour and ImGui's drawing of it alone: the 3D view never
// reaches into it, and everything else ImGui draws comes after it. Once two frames in a row
// drew a strip from the same bytes, its pixels are copied into a texture; later frames whose
// strip has those bytes again put it back with one quad, instead of clearing and drawing it.
// On a software renderer at 1920 x 1080 that is most of the panel's cost.
#pragma once
#include <string>
#include <vector>

#include "app/fundos.h"

struct ImDrawData;
struct ImDrawList;

// What a frame does with a strip.
enum class UsoDasFaixas { desenha, desenhaEGuarda, repoe };

// The choice, from the bytes of the strip in each frame.
class MemoriaDasFaixas {
public:
    UsoDasFaixas decide(std::string conteudo);
    // The kept pixels are gone, or could not be kept: the next frame starts afresh.
    void esquece() {
        temGuardado = false;
        anterior.clear();
    }

private:
    std::string anterior, guardado;
    bool temGuardado = false;
};

// The bytes that decide a strip's pixels: its rectangle, its colour, and ImGui's vertices,
// indices and commands for it.
std::string conteudoDaFaixa(const Faixa& faixa, unsigned int cor);

// ImGui's drawing of this frame: its lists in their order, with `porCima` right after
// `dono`'s. When the strips are ImGui's first lists, they are drawn, or put back as kept,
// before the rest, and `porCima` comes after all of them.
void desenhaListas(const ImDrawData& dados, const std::vector<Faixa>& faixas,
                   const ImDrawList* dono, ImDrawList* porCima);

// The next frame draws its strips in full, and keeps nothing.
void esqueceFaixas();
