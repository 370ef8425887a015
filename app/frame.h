// One frame of the main window.
#pragma once

// Lights, game scene, scenery, scenery switch, turn step, panel, swap.
void displayCallback();

// The part of the frame before the panel, for callers that have no panel.
void desenhaCena();
