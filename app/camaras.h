// The view of the game scene: camera choice to projection and eye, and the turning camera.
#pragma once
#include <cstdint>

struct Frustum {
    float esquerda, direita, baixo, cima, perto, longe;
};

// The one perspective every camera uses, for a viewport of the given aspect ratio.
Frustum frustumCamara(float aspecto);

// Projection and model-view for the current `camara`; multiplies its frustum onto the
// projection matrix the caller prepared (identity, or the pick matrix). Leaves the
// model-view matrix current.
void setCamera();
// The same for camera `camaraEmVista` (a Camara id), whatever `camara` holds.
void setCamera(int camaraEmVista);

// One step of a turn of the player eye between two entries of posicoesCamara, at
// millisecond tick `tick`. True on the step that ends the turn.
bool cameraTurnStep(int from, int to, std::uint32_t tick);

// True while the player eye swings from one side to the other (or is about to).
bool cameraARodar();

// What the camera timer does each tick: steps the turn while the choice asks for one.
void cameraStep(std::uint32_t tick);

// The "RodaCamara" button.
void rodaCamaraCallback(int id);

// Milliseconds of the monotonic clock, wrapping at 32 bits.
std::uint32_t tickMilissegundos();
