#include "formule.h"

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

bool formule_complete(const std::string& f, std::size_t nr, std::size_t nk) {
    std::size_t h = 0;
    for (const char ch : f) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z') {
            if (static_cast<std::size_t>(c - 'a') < nr) ++h;
        } else if (c >= 'A' && c <= 'Z') {
            if (static_cast<std::size_t>(c - 'A') < nk) ++h;
        } else if (c == '&' || c == '|') {
            if (h < 2) return false;
            --h;
        } else if (c == '!') {
            if (h < 1) return false;
        }
    }
    return true;
}
