#include "formule.h"

#include <algorithm>
#include <cstdint>

namespace {

// k is null for the form without calculations, where upper-case letters are
// skipped like any other character. R is a std::vector<bool> or a plain bool
// array: the generator keeps its results in a fixed array per worker.
template <class R>
bool evalue(const R& r, std::size_t nr, const std::string& f, const std::vector<bool>* k) {
    // Called for every try of the generator: a fixed stack, no allocation.
    bool pile[profondeur_max_formule];
    std::size_t h = 0;
    const std::size_t nk = k ? k->size() : 0;
    for (const char ch : f) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z') {
            const std::size_t i = c - 'a';
            if (i >= nr) continue;
            if (h == profondeur_max_formule) return false;
            pile[h++] = r[i];
        } else if (c >= 'A' && c <= 'Z') {
            const std::size_t i = c - 'A';
            if (i >= nk) continue;
            if (h == profondeur_max_formule) return false;
            pile[h++] = (*k)[i];
        } else if (c == '&' || c == '|') {
            if (h < 2) return false;
            const bool y = pile[--h];
            pile[h - 1] = c == '&' ? (pile[h - 1] && y) : (pile[h - 1] || y);
        } else if (c == '!') {
            if (h < 1) return false;
            pile[h - 1] = !pile[h - 1];
        }
    }
    // The first value left decides, as when several remain.
    return h > 0 && pile[0];
}

}  // namespace

bool traite(const std::vector<bool>& r, const std::string& f) {
    return evalue(r, r.size(), f, nullptr);
}

bool traite(const std::vector<bool>& r, const std::string& f, const std::vector<bool>& k) {
    return evalue(r, r.size(), f, &k);
}

bool traite(const bool* r, std::size_t n, const std::string& f) {
    return evalue(r, r ? n : 0, f, nullptr);
}

LectureFormule lit_formule(const std::string& f, std::size_t nr, std::size_t nk) {
    LectureFormule l;
    std::size_t h = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(f[i]);
        std::size_t besoin = 0;
        if (c >= 'a' && c <= 'z') {
            if (static_cast<std::size_t>(c - 'a') < nr) ++h;
        } else if (c >= 'A' && c <= 'Z') {
            if (static_cast<std::size_t>(c - 'A') < nk) ++h;
        } else if (c == '&' || c == '|') {
            besoin = 2;
        } else if (c == '!') {
            besoin = 1;
        }
        if (h < besoin) {
            if (l.manque == LectureFormule::aucun) l.manque = i;
            continue;
        }
        if (besoin == 2) --h;
        l.profondeur = std::max(l.profondeur, h);
    }
    l.reste = h;
    return l;
}

bool formule_complete(const std::string& f, std::size_t nr, std::size_t nk) {
    return lit_formule(f, nr, nk).manque == LectureFormule::aucun;
}

bool toujours_fausse(const std::string& f, std::size_t nr, std::size_t nk) {
    // Each condition the formula names takes a place j in the combinations.
    int place[26];
    std::fill(place, place + 26, -1);
    std::size_t k = 0;
    for (const char ch : f) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 'a' || c > 'z' || static_cast<std::size_t>(c - 'a') >= nr || place[c - 'a'] >= 0)
            continue;
        if (k == lettres_enumerees) return false;
        place[c - 'a'] = static_cast<int>(k++);
    }
    // 64 combinations at a time: bit b of word w is combination 64w + b, in
    // which the condition of place j holds when bit j of that number is set.
    static constexpr std::uint64_t motifs[6] = {
        0xAAAAAAAAAAAAAAAAULL, 0xCCCCCCCCCCCCCCCCULL, 0xF0F0F0F0F0F0F0F0ULL,
        0xFF00FF00FF00FF00ULL, 0xFFFF0000FFFF0000ULL, 0xFFFFFFFF00000000ULL};
    const std::size_t mots = k <= 6 ? 1 : std::size_t{1} << (k - 6);
    const std::uint64_t existantes = k >= 6 ? ~0ULL : (1ULL << (1u << k)) - 1;
    std::vector<std::uint64_t> pile;
    for (std::size_t w = 0; w < mots; ++w) {
        pile.clear();
        for (const char ch : f) {
            const unsigned char c = static_cast<unsigned char>(ch);
            if (c >= 'a' && c <= 'z') {
                if (static_cast<std::size_t>(c - 'a') >= nr) continue;
                const std::size_t j = static_cast<std::size_t>(place[c - 'a']);
                pile.push_back(j < 6 ? motifs[j] : ((w >> (j - 6)) & 1u ? ~0ULL : 0ULL));
            } else if (c >= 'A' && c <= 'Z') {
                if (static_cast<std::size_t>(c - 'A') < nk) pile.push_back(0);
            } else if (c == '&' || c == '|') {
                if (pile.size() < 2) return false;  // incomplete: not this question
                const std::uint64_t y = pile.back();
                pile.pop_back();
                pile.back() = c == '&' ? (pile.back() & y) : (pile.back() | y);
            } else if (c == '!') {
                if (pile.empty()) return false;
                pile.back() = ~pile.back();
            }
        }
        // Nothing left reads false, as in traite.
        if (!pile.empty() && (pile.front() & existantes) != 0) return false;
    }
    return true;
}
