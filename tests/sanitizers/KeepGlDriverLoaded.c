// Linked into every executable of a sanitizer build (never into a normal one).
//
// Mesa unloads its DRI driver, and the libraries it pulled in, when the last context or
// display closes. LeakSanitizer checks at exit: by then what those libraries still hold from
// their globals looks leaked, and its allocation stacks point into unmapped code, so no
// suppression can name them. Loading every DRI driver with RTLD_NODELETE keeps it (and its
// dependencies) mapped until the process ends.
//
// An executable's own definition of dlopen takes precedence over the C library's for every
// caller in the process, the GL libraries included; the real call is the next definition in
// lookup order (the sanitizer runtime's interceptor, then the C library's).
#define _GNU_SOURCE
#include <dlfcn.h>
#include <string.h>

void *dlopen(const char *file, int mode)
{
    // Threads may race to look it up first; each finds the same pointer.
    static void *(*sNext)(const char *, int);
    void *(*next)(const char *, int) = __atomic_load_n(&sNext, __ATOMIC_ACQUIRE);
    if (!next) {
        next = (void *(*)(const char *, int))dlsym(RTLD_NEXT, "dlopen");
        __atomic_store_n(&sNext, next, __ATOMIC_RELEASE);
    }
    if (file && strstr(file, "_dri.so"))
        mode |= RTLD_NODELETE;
    return next(file, mode);
}
