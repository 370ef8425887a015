// 4 x 4 matrices composed the way the OpenGL matrix stack would compose them, so scenery
// files can be read, and shapes judged against the view, without a GL context.
#pragma once
#include <array>

// Column-major: row i, column j at index 4j + i, as glGetFloatv and glMultMatrixf use it.
using Matriz = std::array<float, 16>;

Matriz identidade();
// a · b
Matriz multiplica(const Matriz& a, const Matriz& b);
// Each returns m post-multiplied by the transformation, like glTranslatef, glRotatef and
// glScalef applied to the current matrix m.
Matriz translada(const Matriz& m, float x, float y, float z);
Matriz roda(const Matriz& m, float angulo, float x, float y, float z);  // degrees, any axis
Matriz escala(const Matriz& m, float x, float y, float z);
