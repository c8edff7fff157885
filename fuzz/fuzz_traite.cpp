// Formula evaluation on arbitrary formulas and results, against a plain
// evaluation with an unbounded stack; and what the checks before a draw
// read of a formula, against that evaluation.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "formule.h"

namespace {

// The same rules, written the simple way; -1 when the formula lacks an
// operand or leaves nothing, -2 when it goes deeper than the bounded stack.
int reference(const std::vector<bool>& r, const std::string& f, const std::vector<bool>* k) {
    std::vector<bool> pile;
    for (unsigned char c : f) {
        if (c >= 'a' && c <= 'z') {
            if (c - 'a' < static_cast<int>(r.size())) pile.push_back(r[c - 'a']);
        } else if (c >= 'A' && c <= 'Z') {
            if (k && c - 'A' < static_cast<int>(k->size())) pile.push_back((*k)[c - 'A']);
        } else if (c == '&' || c == '|') {
            if (pile.size() < 2) return -1;
            const bool y = pile.back();
            pile.pop_back();
            const bool x = pile.back();
            pile.back() = c == '&' ? (x && y) : (x || y);
        } else if (c == '!') {
            if (pile.empty()) return -1;
            pile.back() = !pile.back();
        }
        if (pile.size() > profondeur_max_formule) return -2;
    }
    if (pile.empty()) return -1;
    return pile.front();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    if (n < 10) return 0;
    const std::size_t nr = d[0] % 27, nk = d[1] % 27;
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(d[2 + i]) << (8 * i);
    std::vector<bool> r(nr), k(nk);
    for (std::size_t i = 0; i < nr; ++i) r[i] = (bits >> i) & 1;
    for (std::size_t i = 0; i < nk; ++i) k[i] = (bits >> (26 + i)) & 1;
    const std::string f(reinterpret_cast<const char*>(d + 10), n - 10);

    const int a = reference(r, f, nullptr);
    if (traite(r, f) != (a == 1)) std::abort();
    const int b = reference(r, f, &k);
    if (traite(r, f, k) != (b == 1)) std::abort();
    // What the checks before a draw read of a formula agrees with traite.
    const LectureFormule l = lit_formule(f, nr);
    if (l.manque == LectureFormule::aucun && l.profondeur <= profondeur_max_formule &&
        (l.reste == 0) != (a == -1))
        std::abort();
    if (a == 1 && toujours_fausse(f, nr)) std::abort();
    return 0;
}
