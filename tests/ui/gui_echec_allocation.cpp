#include "echec_allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> seuil_echec{0};
}

void echoue_allocations(std::size_t seuil) { seuil_echec.store(seuil); }

// The array and nothrow forms of the standard library forward to these.
void* operator new(std::size_t n) {
    const std::size_t seuil = seuil_echec.load(std::memory_order_relaxed);
    if (seuil != 0 && n >= seuil) throw std::bad_alloc();
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
