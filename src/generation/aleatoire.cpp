#include "aleatoire.h"

#include <atomic>
#include <mutex>

namespace {

std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::mutex verrou_maitre;
Flux maitre;  // seeded with 0 until graine_aleatoire

// Bumped at each seeding, so that the threads' own streams are retaken from
// the new seed (a test that seeds twice gets the same draws twice).
std::atomic<std::uint64_t> epoque{1};

thread_local Flux propre;
thread_local std::uint64_t epoque_propre = 0;

}  // namespace

Flux::Flux(std::uint64_t graine) {
    for (std::uint64_t& s : s_) s = splitmix64(graine);
}

void Flux::saut() {
    static constexpr std::uint64_t pas[4] = {0x180EC6D33CFD0ABAULL, 0xD5A61266F0C9392CULL,
                                            0xA9582618E03FC9AAULL, 0x39ABDC4529B1661CULL};
    std::uint64_t t[4] = {0, 0, 0, 0};
    for (std::uint64_t p : pas)
        for (int b = 0; b < 64; ++b) {
            if (p & (1ULL << b))
                for (int i = 0; i < 4; ++i) t[i] ^= s_[i];
            suivant();
        }
    for (int i = 0; i < 4; ++i) s_[i] = t[i];
}

void graine_aleatoire(std::uint64_t graine) {
    {
        std::lock_guard<std::mutex> l(verrou_maitre);
        maitre = Flux(graine);
    }
    epoque.fetch_add(1, std::memory_order_acq_rel);
}

Flux nouveau_flux() {
    std::lock_guard<std::mutex> l(verrou_maitre);
    Flux f = maitre;
    maitre.saut();
    return f;
}

std::vector<Flux> flux_equipe(int n) {
    std::vector<Flux> f;
    if (n <= 0) return f;
    f.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) f.push_back(nouveau_flux());
    return f;
}

Flux& flux_thread() {
    const std::uint64_t e = epoque.load(std::memory_order_acquire);
    if (epoque_propre != e) {
        propre = nouveau_flux();
        epoque_propre = e;
    }
    return propre;
}
