// The random source of the generator and of the statistics.
//
// One master generator is seeded once (main seeds it with the time, a test
// with a constant). Every worker draws from its own stream, a copy of the
// master taken at a point 2^128 draws away from every other stream's start,
// so no two workers ever share a sequence and no draw touches memory shared
// with another thread. Only taking a new stream locks the master.
#pragma once

#include <cstdint>
#include <vector>

// One stream of pseudo-random numbers (xoshiro256++). Aligned on a cache line
// so that the streams of a team, side by side in an array, never share one.
class alignas(64) Flux {
public:
    // A stream seeded from the fixed value 0 (never all-zero state).
    Flux() : Flux(0) {}
    // A stream whose state is expanded from graine by splitmix64.
    explicit Flux(std::uint64_t graine);

    // The next 64 random bits.
    std::uint64_t suivant() {
        const std::uint64_t r = rotl(s_[0] + s_[3], 23) + s_[0];
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 45);
        return r;
    }

    // A uniform integer in 0 .. m-1, for 1 <= m < 2^32, without bias: the
    // high half of a 32 × 32-bit product, with the rare draws that would
    // favour some values redrawn (multiply-shift with rejection).
    std::uint32_t tire(std::uint32_t m) { return reduit(static_cast<std::uint32_t>(suivant() >> 32), m); }

    // The same from 32 random bits x already drawn: x reduced to 0 .. m-1,
    // drawing again from the stream only when x falls in the biased zone.
    std::uint32_t reduit(std::uint32_t x, std::uint32_t m) {
        std::uint64_t p = static_cast<std::uint64_t>(x) * m;
        if (static_cast<std::uint32_t>(p) < m) {
            const std::uint32_t seuil = static_cast<std::uint32_t>(-m) % m;
            while (static_cast<std::uint32_t>(p) < seuil)
                p = static_cast<std::uint64_t>(static_cast<std::uint32_t>(suivant() >> 32)) * m;
        }
        return static_cast<std::uint32_t>(p >> 32);
    }

    // The same from 16 random bits x (1 <= m <= 2^16): a short list is
    // shuffled with four draws from each 64-bit word.
    std::uint32_t reduit16(std::uint32_t x, std::uint32_t m) {
        std::uint32_t p = x * m;
        if ((p & 0xFFFFu) < m) {
            const std::uint32_t seuil = (0x10000u - m) % m;
            while ((p & 0xFFFFu) < seuil) p = static_cast<std::uint32_t>(suivant() >> 48) * m;
        }
        return p >> 16;
    }

    // Moves the stream 2^128 draws ahead.
    void saut();

    bool operator==(const Flux& o) const {
        return s_[0] == o.s_[0] && s_[1] == o.s_[1] && s_[2] == o.s_[2] && s_[3] == o.s_[3];
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t s_[4];
};

// Seeds the master generator. Every stream taken afterwards, and every
// thread's own stream at its next use, follows from this seed.
void graine_aleatoire(std::uint64_t graine);

// A new stream for one worker, taken from the master. Safe from any thread;
// it locks the master, so take streams before a loop, not per draw.
Flux nouveau_flux();

// n new streams, in order: worker w of a team draws from entry w. With the
// same seed and the same calls, a run gets the same streams.
std::vector<Flux> flux_equipe(int n);

// The calling thread's own stream, for the forms that take none. It is taken
// from the master at the thread's first use and again after each reseeding.
Flux& flux_thread();
