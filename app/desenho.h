// Drawing of the game scene: board, menu, pieces, clock button and the pick names.
#pragma once
#include <GL/gl.h>

// Everything of the game that is not scenery, in GL_RENDER or GL_SELECT mode. In select mode
// the caller has loaded the pick matrix and initialised the name stack.
void drawGameScene(GLenum mode);

// The board box with its top patch and the highlight of the picked square.
void drawBoard();

// A textured dx by dz rectangle in the local XZ plane at y = 0; faceUp 1 shows its front
// from above, 0 from below.
void drawQuad(float dz, float dx, int faceUp, unsigned int texture);

// A bilinear evaluator patch from four control points in grid order (0,0), (1,0), (0,1),
// (1,1), evaluated filled over a 4 x 6 grid with `texture` bound.
void drawPatch(const GLfloat vertices[12], const GLfloat normais[12], const GLfloat cores[16],
               const GLfloat texturas[8], unsigned int texture);

// Texture names of the board for a material choice (0 to 3).
unsigned int texturaTampo(int material);
unsigned int texturaBorda(int material);

// Makes `quadrica` ready for a frame: outside normals, no texture coordinates.
void preparaQuadrica();
