// The one dispatcher GLUT calls for input and reshape: the panel sees every event first.
#pragma once

// Registers the dispatcher's routines with GLUT for the current window.
void registaEventos();

// After the panel's frame has begun: hands it the quick-click releases held back.
void libertaRetidos();
