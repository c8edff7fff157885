#include "allocations.h"

#include <cstdlib>
#include <new>

namespace {
thread_local long compteur = 0;
}

long allocations_faites() { return compteur; }

// Array, nothrow and sized forms of the standard library forward to these.
void* operator new(std::size_t n) {
    ++compteur;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
