// Choosing among selection-mode hits and acting on the picked name.
#pragma once

// Walks `count` hit records and hands the nearest named one to handlePick.
void processHits(int count, const unsigned int* buffer);
// Acts on one pick name: a piece, an empty square, the clock button or a menu item.
void handlePick(int name);
