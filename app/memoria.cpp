#include "app/memoria.h"

#include <malloc.h>

void guardaMemoriaLibertada() {
    // Fixing the mmap threshold as well stops glibc from moving the trim threshold itself.
    mallopt(M_MMAP_THRESHOLD, 16 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 32 * 1024 * 1024);
}
