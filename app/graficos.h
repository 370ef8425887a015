// One-time OpenGL and resource set-up before the first frame.
#pragma once

void initGraphics();
