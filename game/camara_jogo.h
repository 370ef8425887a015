// The camera choices the game makes for the player: the turning camera's switch.
#pragma once

// The "RodaCamara" button: off when on; when off, on, with the eye swinging from the other
// side's end to the side to move. Nothing on the menu.
void alternaRodaCamara();
