#include "cartes.h"

#include <algorithm>
#include <iostream>
#include <locale>
#include <sstream>

namespace {

// Seat index of a holder letter, -1 for any other character.
int siege(char c) {
    switch (c) {
        case 'N': return 0;
        case 'E': return 1;
        case 'S': return 2;
        case 'O': return 3;
        default: return -1;
    }
}

bool carte_valide(int i) { return i >= 0 && i < 52; }

}  // namespace

// --- small predicates and bit operations ----------------------------------

bool dans(int x, int lo, int hi) { return lo <= x && x <= hi; }

int bitdans(unsigned mask, int n) { return static_cast<int>((mask >> (n & 31)) & 1u); }

int comptebit(unsigned mask, int hi, int lo) {
    if (lo < 0) lo = 0;
    if (hi > 31) hi = 31;
    if (lo > hi) return 0;
    const unsigned long long fenetre = ((1ULL << (hi - lo + 1)) - 1) << lo;
    return __builtin_popcountll(mask & fenetre);
}

int maxbit(unsigned mask, int start) {
    // No set bit: the highest position is taken as -1 rather than searched for.
    if (mask == 0) return -1;
    const int haut = 31 - __builtin_clz(mask);
    return haut < start ? haut : start;
}

// --- stable sorts -----------------------------------------------------------

void tri(int* a) {
    for (int i = 1; i < 4; ++i) {
        const int v = a[i];
        int j = i - 1;
        while (j >= 0 && a[j] > v) {
            a[j + 1] = a[j];
            --j;
        }
        a[j + 1] = v;
    }
}

namespace {

template <typename K>
void tri_decroissant(std::vector<int>& items, std::vector<K>& keys) {
    // Only the pairs that have both an item and a key take part.
    const std::size_t n = std::min(items.size(), keys.size());
    for (std::size_t i = 1; i < n; ++i) {
        const int it = items[i];
        const K k = keys[i];
        std::size_t j = i;
        while (j > 0 && keys[j - 1] < k) {
            items[j] = items[j - 1];
            keys[j] = keys[j - 1];
            --j;
        }
        items[j] = it;
        keys[j] = k;
    }
}

}  // namespace

void tri(std::vector<int>& items, std::vector<float>& keys) { tri_decroissant(items, keys); }

void tri(std::vector<int>& items, std::vector<int>& keys) { tri_decroissant(items, keys); }

void trifut(int* a, int* b, int* c) {
    for (int i = 1; i < 13; ++i) {
        const int va = a[i], vb = b[i], vc = c[i];
        int j = i;
        while (j > 0 && (a[j - 1] < va || (a[j - 1] == va && b[j - 1] < vb))) {
            a[j] = a[j - 1];
            b[j] = b[j - 1];
            c[j] = c[j - 1];
            --j;
        }
        a[j] = va;
        b[j] = vb;
        c[j] = vc;
    }
}

// --- deal and mask conversions ------------------------------------------------

void listetoremain(const char* deal, unsigned rc[4][4]) {
    for (int p = 0; p < 4; ++p)
        for (int s = 0; s < 4; ++s) rc[p][s] = 0;
    for (int i = 0; i < 52; ++i) {
        const int p = siege(deal[i]);
        if (p >= 0) rc[p][coulno(i)] |= 1u << rang(i);
    }
}

void remaintoliste(const unsigned rc[4][4], char* deal) {
    for (int i = 0; i < 52; ++i) deal[i] = 'V';
    for (int p = 0; p < 4; ++p)
        for (int s = 0; s < 4; ++s) {
            const unsigned m = rc[p][s] & couleur_pleine;
            for (int r = 2; r <= 14; ++r)
                if (m & (1u << r)) deal[13 * (3 - s) + 14 - r] = jsymbs[p];
        }
}

void complete_rc(unsigned rc[4][4]) {
    int nb[4];
    unsigned tenues[4] = {0, 0, 0, 0};
    for (int p = 0; p < 4; ++p) {
        nb[p] = 0;
        for (int s = 0; s < 4; ++s) {
            nb[p] += __builtin_popcount(rc[p][s] & couleur_pleine);
            tenues[s] |= rc[p][s] & couleur_pleine;
        }
    }
    int court = -1, pleins = 0;
    for (int p = 0; p < 4; ++p) {
        if (nb[p] == 13)
            ++pleins;
        else if (nb[p] < 13)
            court = p;
    }
    if (pleins != 3 || court < 0) return;
    int manquantes = 0;
    for (int s = 0; s < 4; ++s) manquantes += __builtin_popcount(couleur_pleine & ~tenues[s]);
    // Masks that claim one card twice would leave more cards missing than the
    // short hand lacks; completing them would make a hand of 14.
    if (manquantes != 13 - nb[court]) return;
    for (int s = 0; s < 4; ++s) rc[court][s] |= couleur_pleine & ~tenues[s];
}

void complete_donne(char* deal) {
    unsigned rc[4][4];
    listetoremain(deal, rc);
    complete_rc(rc);
    remaintoliste(rc, deal);
}

std::vector<int> maxlongs(const unsigned rc[4][4]) {
    std::vector<int> l(4, 0);
    for (int p = 0; p < 4; ++p)
        for (int s = 0; s < 4; ++s) l[p] = std::max(l[p], __builtin_popcount(rc[p][s] & couleur_pleine));
    return l;
}

std::vector<int> numeros(const char* deal, char letter) {
    std::vector<int> v;
    for (int i = 0; i < 52; ++i)
        if (deal[i] == letter) v.push_back(i);
    return v;
}

// --- text -----------------------------------------------------------------------

std::string bitstocartes(unsigned mask) {
    std::string s;
    for (int r = 14; r >= 2; --r)
        if (mask & (1u << r)) s += cartes[r];
    return s;
}

std::string enttonoms(unsigned mask) { return bitstocartes(mask); }

unsigned nomstoent(const std::string& s) {
    unsigned m = 0;
    for (const char c : s) {
        if (c == ' ') continue;
        int r = -1;
        for (int k = 2; k <= 14; ++k)
            if (cartes[k] == c) r = k;
        if (r < 0 || (m & (1u << r)))
            m |= carte_invalide;
        else
            m |= 1u << r;
    }
    return m;
}

std::string cartetochar(int i) {
    if (!carte_valide(i)) return std::string();
    return std::string{cartes[rang(i)], lettres_couleurs[coulno(i)]};
}

std::string aff_carte(int i) {
    if (!carte_valide(i)) return std::string();
    return std::string(" ") + cartes[rang(i)] + sycoul[coulno(i)];
}

std::string cartes_couleur(const char* deal, char letter, int suit) {
    std::string s;
    if (suit < 0 || suit > 3) return s;
    for (int k = 0; k < 13; ++k)
        if (deal[13 * (3 - suit) + k] == letter) s += vl[k];
    return s;
}

std::string cartes_couleur(std::string deal, char letter, int suit) {
    // A string shorter than a deal holds no card beyond its end.
    deal.resize(52, 'V');
    return cartes_couleur(deal.data(), letter, suit);
}

std::string enchere(int code) {
    if (code < 0) return std::string();
    int c = code;
    bool contre = false;
    if (c % 10 >= 5) {
        c -= 5;
        contre = true;
    }
    std::string s = std::to_string(c / 10) + scoul[c % 10];
    if (contre) s += "X";
    return s;
}

std::string dstring(double x, int n) {
    std::ostringstream o;
    o.imbue(std::locale::classic());
    o.precision(n);
    o << x;
    return o.str();
}

void affiche(const std::vector<int>& v) {
    for (const int x : v) std::cout << x << " ; ";
    std::cout << '\n';
}

// --- candidate cards --------------------------------------------------------------

std::vector<int> numeros_entame(const char* deal, char letter) {
    std::vector<int> v;
    for (int i = 0; i < 52; ++i) {
        if (deal[i] != letter) continue;
        // The ace opens its suit block: there is no higher card to touch.
        if (i % 13 != 0 && deal[i - 1] == letter) continue;
        v.push_back(i);
    }
    return v;
}

std::vector<int> numeros_utiles(const char* deal, char letter) {
    std::vector<int> v = numeros(deal, letter);
    for (std::size_t j = v.size(); j-- > 1;) {
        const int haute = v[j - 1], basse = v[j];
        if (haute / 13 != basse / 13) continue;
        bool egales = true;
        for (int i = haute + 1; i < basse; ++i)
            if (deal[i] != 'V') egales = false;
        if (egales) v.erase(v.begin() + static_cast<long>(j));
    }
    return v;
}

std::vector<int> numeros_jouables(const char* deal, char letter, int suit) {
    const std::vector<int> utiles = numeros_utiles(deal, letter);
    std::vector<int> v;
    for (const int i : utiles)
        if (coulno(i) == suit) v.push_back(i);
    return v.empty() ? utiles : v;
}
