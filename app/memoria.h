// How the process's heap gives memory back.
#pragma once

// Keeps freed heap memory for the next frame instead of returning it to the system at once.
// Each frame the renderer frees a few megabytes at the top of the heap and takes them again;
// with glibc's defaults every frame then faults those pages back in, zeroed, which took about
// a quarter of the drawing thread's time on a software renderer. Memory in use is unchanged;
// only up to 32 MB of freed memory stays with the process.
void guardaMemoriaLibertada();
