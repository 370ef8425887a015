// The status area over the top of the 3D view and the end-of-game banner, drawn with the
// panel's toolkit inside its frame.
#pragma once

void desenhaEstado();
void desenhaFimDeJogo();
