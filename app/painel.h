// The control panel along the bottom of the window, drawn with Dear ImGui.
#pragma once

// Creates the panel's context and backends (no GL objects yet).
void iniciaPainel();
// Creates the panel's font texture under a name the program never defines itself
// (above 135); false when no such name could be had.
bool criaTexturaFonte();
// Lays out, answers and draws the panel over the bottom strip, leaving the GL state as
// it found it.
void desenhaPainel();

// True when window point (x, y), from the top left, belongs to the panel: its strip, or a
// popup it showed in its last frame.
bool painelCobre(int x, int y);
