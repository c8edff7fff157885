#include "generateur.h"

#include <omp.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

#include "edition_cocos.h"
#include "evaluation.h"
#include "formes.h"
#include "formule.h"
#include "gen.h"
#include "hooks.h"
#include "interventions.h"
#include "ouvertures.h"
#include "reponses.h"

// --- shuffle and deal -----------------------------------------------------------

namespace {

// Positions of a shuffle handled per block: the draws of a block are made
// first, then its exchanges. Knowing every exchange's address in advance
// spares the processor the stalls of a load that might hit the store of
// the step before.
constexpr int bloc_melange = 64;

// The shuffle of t[0..m-1]: for i = 0 .. m-2, j = i + a uniform draw in
// 0 .. m-i-1, entries i and j exchanged (the last step would exchange
// entry m-1 with itself and is skipped, with its draw). Entry i is fixed at
// step i and never read again: pose(i, v) receives its final value v and
// stores it where the caller wants it.
//
// The draws are the costly part: a list of at most 256 entries takes four
// from each 64-bit word (16 bits each), a longer one two (32 bits each);
// each is reduced without bias (Flux::reduit, Flux::reduit16).
template <class Pose>
inline void melange(int* t, int m, Flux& g, Pose pose) {
    std::uint32_t d[bloc_melange];
    for (int debut = 0; debut < m; debut += bloc_melange) {
        const int fin = std::min(m, debut + bloc_melange);
        const int tirages = std::min(fin, m - 1);  // positions below it draw
        int i = debut;
        if (m <= 256) {
            for (; i + 3 < tirages; i += 4) {
                const std::uint64_t r = g.suivant();
                const auto b = static_cast<std::uint32_t>(m - i);
                d[i - debut] = g.reduit16(static_cast<std::uint32_t>(r >> 48), b);
                d[i + 1 - debut] = g.reduit16(static_cast<std::uint32_t>(r >> 32) & 0xFFFFu, b - 1);
                d[i + 2 - debut] = g.reduit16(static_cast<std::uint32_t>(r >> 16) & 0xFFFFu, b - 2);
                d[i + 3 - debut] = g.reduit16(static_cast<std::uint32_t>(r) & 0xFFFFu, b - 3);
            }
        } else {
            for (; i + 1 < tirages; i += 2) {
                const std::uint64_t r = g.suivant();
                const auto b = static_cast<std::uint32_t>(m - i);
                d[i - debut] = g.reduit(static_cast<std::uint32_t>(r >> 32), b);
                d[i + 1 - debut] = g.reduit(static_cast<std::uint32_t>(r), b - 1);
            }
        }
        for (; i < tirages; ++i) d[i - debut] = g.tire(static_cast<std::uint32_t>(m - i));
        for (; i < fin; ++i) d[i - debut] = 0;
        for (i = debut; i < fin; ++i) {
            const int j = i + static_cast<int>(d[i - debut]);
            const int v = t[j];
            t[j] = t[i];
            pose(i, v);
        }
    }
}

}  // namespace

void randomise(int* cards, int m, Flux& flux) {
    Flux g = flux;
    melange(cards, m, g, [cards](int i, int v) { cards[i] = v; });
    flux = g;
}

void randomise(std::vector<int>& cards, Flux& flux) {
    randomise(cards.data(), static_cast<int>(cards.size()), flux);
}

void randomise(std::vector<int>& cards) { randomise(cards, flux_thread()); }

bool template_complet(const Contraintes& c) {
    int places = 0;
    for (int n : c.nbmarquees) {
        if (n < 0 || n > 13) return false;
        places += 13 - n;
    }
    return static_cast<std::size_t>(places) == c.numrestants.size();
}

void creedonne(char* deal, const char* fixed, const Contraintes& c, Flux& flux) {
    std::memcpy(deal, fixed, 52);
    // A set holds at most 52 free cards; more could only come from a set that
    // never went through eff, and are not dealt.
    const int m = static_cast<int>(std::min<std::size_t>(c.numrestants.size(), 52));
    int cartes[52];
    std::memcpy(cartes, c.numrestants.data(), sizeof(int) * static_cast<std::size_t>(m));
    // The seat of each place of the shuffled list: Sud's share first, then
    // Ouest, Nord and Est; places beyond the shares (counts that do not add
    // up) go to Est.
    char lettres[52];
    int p = 0;
    for (int s = 0; s < 4; ++s) {
        const int n = std::max(0, std::min(m - p, 13 - c.nbmarquees[s]));
        std::memset(lettres + p, symbj[s], static_cast<std::size_t>(n));
        p += n;
    }
    std::memset(lettres + p, symbj[3], static_cast<std::size_t>(m - p));
    // A private copy of the stream: the deal's characters may alias anything,
    // and every store to them would otherwise reload the stream's state.
    Flux g = flux;
    melange(cartes, m, g, [&](int i, int carte) { deal[carte] = lettres[i]; });
    flux = g;
}

void creedonne(char* deal, const char* fixed, const Contraintes& c) {
    creedonne(deal, fixed, c, flux_thread());
}

void creedonne(char* deal, const SerieTirage& s, Flux& flux) {
    std::memcpy(deal, s.fixe, 52);
    int cartes[52];
    std::memcpy(cartes, s.cartes, sizeof cartes);
    Flux g = flux;
    melange(cartes, s.m, g, [&](int i, int carte) { deal[carte] = s.lettres[i]; });
    flux = g;
}

namespace {

// The draws of places i .. i+3 of a shuffle of m <= 52 entries from one
// word, as melange makes them.
inline void tire_mot(Flux& g, std::uint32_t* d, int i, int m) {
    const std::uint64_t r = g.suivant();
    const auto b = static_cast<std::uint32_t>(m - i);
    d[i] = g.reduit16(static_cast<std::uint32_t>(r >> 48), b);
    d[i + 1] = g.reduit16(static_cast<std::uint32_t>(r >> 32) & 0xFFFFu, b - 1);
    d[i + 2] = g.reduit16(static_cast<std::uint32_t>(r >> 16) & 0xFFFFu, b - 2);
    d[i + 3] = g.reduit16(static_cast<std::uint32_t>(r) & 0xFFFFu, b - 3);
}

// The draws of places i .. m-2, as melange makes them (four places from
// each word while four remain, then one word each), written to d; the last
// place draws nothing (d[m-1] = 0). i is a multiple of 4.
inline void tire_places(Flux& g, std::uint32_t* d, int i, int m) {
    const int tirages = m - 1;
    for (; i + 3 < tirages; i += 4) tire_mot(g, d, i, m);
    for (; i < tirages; ++i) d[i] = g.tire(static_cast<std::uint32_t>(m - i));
    if (m > 0) d[m - 1] = 0;
}

}  // namespace

bool essai(char* deal, const SerieTirage& s, int board, Flux& flux) {
    const int m = s.m, L = s.lues;
    // The early test pays when a good share of the places can wait.
    if (L + 8 > m) {
        creedonne(deal, s, flux);
        return cond_ouvs(deal, s, board);
    }
    std::memcpy(deal, s.fixe, 52);
    int t[52];
    std::memcpy(t, s.cartes, sizeof t);
    std::uint32_t d[52];
    Flux g = flux;
    // The draws of the first L places, in whole words as the shuffle takes
    // them (L + 8 <= m leaves whole words to cover them).
    int suite = 0;
    for (; suite < L; suite += 4) tire_mot(g, d, suite, m);
    // Place p is final once exchanged: the seats dealt first are complete
    // after their places, and the other free cards still read 'V'.
    for (int p = 0; p < L; ++p) {
        const int j = p + static_cast<int>(d[p]);
        const int v = t[j];
        t[j] = t[p];
        deal[v] = s.lettres[p];
    }
    if (!cond_ouvs(deal, s, board)) {
        flux = g;
        return false;
    }
    // Accepted: the draws of the other places follow from the stream. They
    // are independent of the first places', as in one whole shuffle, so the
    // deal is drawn with the same law; a refused try spends no draw on
    // places it never deals.
    tire_places(g, d, suite, m);
    flux = g;
    for (int p = L; p < m; ++p) {
        const int j = p + static_cast<int>(d[p]);
        const int v = t[j];
        t[j] = t[p];
        deal[v] = s.lettres[p];
    }
    return true;
}

// --- condition tests ---------------------------------------------------------------

bool teste_condition(const char* deal, const Condouv& k, int board) {
    switch (k.id_condition) {
        case 0: return ouverture(deal, board, k);
        case 1: return repo(deal, board, k);
        case 2: return intervention(deal, k, board);
        case 3: return cond_points(deal, k);
        case 4: return forme(deal, k);
        case 5: return distribution(deal, k);
        case 6: return coul_plus_longue(deal, k);
        case 7: return comp_couleurs(deal, k);
        case 8: return teneur(deal, k);
        case 9: return nb_cartes(deal, k);
        case 10: return cartes_niveau(deal, k);
        case 11: return arret(deal, k);
        case 12: return cles(deal, k);
        case 13: return contr_italiens(deal, k);
        case 14: return cond_ldj(deal, k);
        default: return false;
    }
}

int vconditions(const char* deal, const Contraintes& c, int board, bool r[max_lettres]) {
    const int m = static_cast<int>(std::min<std::size_t>(c.cocos.size(), max_lettres));
    for (int i = 0; i < m; ++i) r[i] = teste_condition(deal, c.cocos[i], board);
    return m;
}

std::vector<bool> vconditions(const char* deal, int board) {
    std::vector<bool> r(contr.cocos.size());
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = teste_condition(deal, contr.cocos[i], board);
    return r;
}

bool a_contexte(const Contraintes& c) { return !sans_contexte(c.con); }

bool cond_ouvs(const char* deal, const Contraintes& c, int board) {
    if (c.cocos.empty()) return true;
    if (a_contexte(c)) {
        bool r[max_lettres];
        const int m = vconditions(deal, c, board, r);
        return traite(r, static_cast<std::size_t>(m), c.con);
    }
    // The tests are pure: stopping at the first failure gives the same
    // answer as evaluating them all, in a fraction of the time.
    for (const Condouv& k : c.cocos)
        if (!teste_condition(deal, k, board)) return false;
    return true;
}

// --- the prepared series -------------------------------------------------------------

namespace {

// How a condition of a prepared series is tested: most through
// teste_condition on the deal, the commonest hand measures from what the
// tests of the try share.
enum Mode : unsigned char { sur_la_donne, points_seul, points_ligne, par_forme, par_distribution };

// The seats (bit j for seat j) whose cards a condition's test reads.
unsigned sieges_lus(const Condouv& k) {
    if (k.id_condition < 0 || k.id_condition > 14) return 0;  // false unread
    const int j = k.joueur;
    if (j < 0 || j > 3) return 0xFu;
    const unsigned seul = 1u << j, avec = seul | 1u << ((j + 2) & 3);
    switch (k.id_condition) {
        // The stoppers and the support points, which overcalls and
        // responses use, count the partner's ten; the line's points count
        // the partner's hand. Openings read the opener's hand alone.
        case 0: return seul;
        case 1:
        case 2:
        case 11: return avec;
        case 3:
            return k.params.size() >= 2 && k.params[0] == 0 && k.params[1] >= 0 && k.params[1] <= 2 ? seul
                                                                                                   : avec;
        default: return seul;
    }
}

// What the tests of one try have measured of each hand, taken on first use.
class Partage {
public:
    explicit Partage(const char* deal) : d_(deal) {}
    int points(int j) {
        if (!(pts_ & 1u << j)) {
            p_[j] = points_bits(main(j));
            pts_ |= 1u << j;
        }
        return p_[j];
    }
    const int* lens(int j) {
        longueurs(j);
        return l_[j];
    }
    const int* tries(int j) {
        longueurs(j);
        return t_[j];
    }

private:
    [[gnu::always_inline]] std::uint64_t main(int j) {
        if (!(lue_ & 1u << j)) {
            m_[j] = main_bits(d_, j);
            lue_ |= 1u << j;
        }
        return m_[j];
    }
    void longueurs(int j) {
        if (!(lon_ & 1u << j)) {
            fodistr_bits(main(j), l_[j], t_[j]);
            lon_ |= 1u << j;
        }
    }
    const char* d_;
    unsigned lue_ = 0, pts_ = 0, lon_ = 0;
    std::uint64_t m_[4];
    int p_[4];
    int l_[4][4], t_[4][4];
};

[[gnu::always_inline]] inline bool teste(const char* deal, const SerieTirage::Epreuve& e, int board, Partage& p) {
    const Condouv& k = *e.k;
    switch (e.mode) {
        case points_seul: {
            const int v = p.points(k.joueur);
            return e.bas <= v && v <= e.haut;
        }
        case points_ligne: {
            const int v = p.points(k.joueur) + p.points((k.joueur + 2) & 3);
            return e.bas <= v && v <= e.haut;
        }
        case par_forme: return forme_mesuree(p.lens(k.joueur), p.tries(k.joueur), k);
        case par_distribution: return distribution_mesuree(p.lens(k.joueur), p.tries(k.joueur), k);
        default: return teste_condition(deal, k, board);
    }
}

// Contexts over at most this many conditions are tabulated (4096 entries).
constexpr int lettres_tabulees = 12;

}  // namespace

SerieTirage prepare_serie(const Contraintes& c) {
    SerieTirage s;
    s.c = &c;
    std::memcpy(s.fixe, c.cfixees, 52);
    s.m = static_cast<int>(std::min<std::size_t>(c.numrestants.size(), 52));
    std::fill(std::begin(s.cartes), std::end(s.cartes), 0);
    std::copy(c.numrestants.begin(), c.numrestants.begin() + s.m, s.cartes);
    // As creedonne deals: Sud's share first, then Ouest, Nord and Est;
    // places beyond the shares go to Est.
    std::fill(std::begin(s.lettres), std::end(s.lettres), symbj[3]);
    int fin[4];
    int p = 0;
    for (int e = 0; e < 4; ++e) {
        const int n = std::max(0, std::min(s.m - p, 13 - c.nbmarquees[e]));
        std::memset(s.lettres + p, symbj[e], static_cast<std::size_t>(n));
        p += n;
        fin[e] = e == 3 ? s.m : p;
    }
    unsigned lus = 0;
    s.epreuves.reserve(c.cocos.size());
    for (const Condouv& k : c.cocos) {
        lus |= sieges_lus(k);
        SerieTirage::Epreuve e{&k, sur_la_donne, 0, 0};
        const bool siege = k.joueur >= 0 && k.joueur <= 3;
        if (k.id_condition == 3 && points_de_la_main(k)) {
            e.mode = k.params[0] == 0 ? points_seul : points_ligne;
            // A whole count is within half a point of slack of whole bounds
            // exactly when it is within the bounds.
            e.bas = k.params[3];
            e.haut = k.params[4];
        } else if (k.id_condition == 4 && siege) {
            e.mode = par_forme;
        } else if (k.id_condition == 5 && siege) {
            e.mode = par_distribution;
        }
        s.epreuves.push_back(e);
    }
    // The test can be decided once the last seat it reads is dealt.
    s.lues = 0;
    for (int e = 0; e < 4; ++e) {
        const int j = static_cast<int>(std::strchr(jsymbs, symbj[e]) - jsymbs);
        if (lus & 1u << j) s.lues = fin[e];
    }
    s.contexte = !c.cocos.empty() && a_contexte(c);
    s.nb_lettres = static_cast<int>(std::min<std::size_t>(c.cocos.size(), max_lettres));
    if (s.contexte && s.nb_lettres <= lettres_tabulees) {
        // Level k (entries 2^k .. 2^(k+1)-1) holds, for each value of the
        // first k results, the context's value when the others cannot
        // change it, else -1. Level nb_lettres is the context itself.
        const int n = s.nb_lettres;
        s.table.assign(std::size_t{2} << n, -1);
        bool r[max_lettres];
        for (std::size_t x = 0; x < (std::size_t{1} << n); ++x) {
            for (int i = 0; i < n; ++i) r[i] = (x >> i) & 1u;
            s.table[(std::size_t{1} << n) + x] = traite(r, static_cast<std::size_t>(n), c.con);
        }
        for (int k = n - 1; k >= 0; --k)
            for (std::size_t x = 0; x < (std::size_t{1} << k); ++x) {
                const signed char a = s.table[(std::size_t{2} << k) + x];
                const signed char b = s.table[(std::size_t{2} << k) + x + (std::size_t{1} << k)];
                s.table[(std::size_t{1} << k) + x] = a == b ? a : -1;
            }
    }
    return s;
}

bool cond_ouvs(const char* deal, const SerieTirage& s, int board) {
    const SerieTirage::Epreuve* e = s.epreuves.data();
    const int n = static_cast<int>(s.epreuves.size());
    if (n == 0) return true;
    Partage p(deal);
    if (s.contexte && !s.table.empty()) {
        // The tests are pure: once the results so far decide the context,
        // the others need not be made.
        unsigned bits = 0;
        for (int i = 0;; ++i) {
            const signed char v = s.table[(std::size_t{1} << i) + bits];
            if (v >= 0) return v != 0;
            bits |= static_cast<unsigned>(teste(deal, e[i], board, p)) << i;
        }
    }
    if (s.contexte) {
        bool r[max_lettres];
        for (int i = 0; i < s.nb_lettres; ++i)
            r[i] = teste(deal, e[i], board, p);
        return traite(r, static_cast<std::size_t>(s.nb_lettres), s.c->con);
    }
    for (int i = 0; i < n; ++i)
        if (!teste(deal, e[i], board, p)) return false;
    return true;
}

// --- the parallel loop ---------------------------------------------------------------

int threads_generation(int voulus) {
    const int plafond = plafond_threads > 0 ? plafond_threads : omp_get_max_threads();
    return std::max(1, std::min(voulus, std::max(1, plafond)));
}

PartageEssais::PartageEssais(std::int64_t items, std::uint64_t budget, int equipe)
    : items_(items),
      diviseur_(4 * static_cast<std::uint64_t>(std::max(1, equipe))),
      restant_(budget) {}

bool PartageEssais::prend_item(std::uint64_t reste) {
    if (prochain_.fetch_add(1, std::memory_order_relaxed) < items_) return true;
    // The new items are all taken: an item given back, or the end. Both
    // under the lock that reclame holds while it gives an item back, so that
    // no item is left behind by a worker whose tries come back too late.
    std::lock_guard<std::mutex> l(verrou_);
    if (rendus_ > 0 && !arrete_) {
        --rendus_;
        return true;
    }
    restant_ += reste;
    return false;
}

std::uint64_t PartageEssais::reclame() {
    std::lock_guard<std::mutex> l(verrou_);
    if (restant_ == 0 || arrete_) {
        ++rendus_;
        return 0;
    }
    const std::uint64_t bloc = std::max<std::uint64_t>(1, restant_ / diviseur_);
    restant_ -= bloc;
    return bloc;
}

void PartageEssais::arrete() {
    prochain_.store(items_, std::memory_order_relaxed);
    std::lock_guard<std::mutex> l(verrou_);
    arrete_ = true;
}

int numero_donne(int numerofixe, int i) {
    if (numerofixe == 0) return i + 1;
    if (numerofixe > 0) return numerofixe;
    return -numerofixe + 4 * i;
}

namespace {

bool test_contraintes(const char* deal, int board, const void* ctx) {
    return cond_ouvs(deal, *static_cast<const Contraintes*>(ctx), board);
}

// The deals one worker accepted, with their rank in the series.
struct Acceptees {
    std::vector<std::int64_t> rangs;
    std::vector<char> donnes;  // 52 characters each
};

}  // namespace

bool depend_du_numero(const Contraintes& c) {
    for (const Condouv& k : c.cocos)
        if (k.id_condition >= 0 && k.id_condition <= 2) return true;
    return false;
}

namespace {

// The loop of boucle and boucle_avec; propre says that test is cond_ouvs
// over c itself, which a try may then decide before the deal is complete;
// refus (when not null) receives the alert of a refusal.
std::vector<std::string> boucle_serie(int n, Contraintes& c, int limite, std::int64_t* tries,
                                      int nbthreads, TestDonne test, const void* ctx,
                                      bool selon_numero, bool propre, std::string* refus) {
    std::vector<std::string> res;
    if (tries) *tries = 0;
    if (refus) refus->clear();
    const auto refuse = [&](const std::string& message) {
        alerte(message);
        if (refus) *refus = message;
        return res;
    };
    // A condition without a kind, or a context that can never hold, is never
    // met: drawing would spend the whole budget.
    if (const std::string r = verifie_tirage(c, false); !r.empty()) return refuse(r);
    if (limite < 0) return refuse("limite ne doit pas être négative");
    if (limite > 31) return refuse("limite ne doit pas dépasser 31");
    if (n <= 0) return res;
    c.eff();
    if (!template_complet(c))
        return refuse(
            "les cartes fixées ne laissent pas 13 cartes à chaque joueur : aucune donne tirée");

    const int equipe = threads_generation(nbthreads);
    const std::uint64_t budget = 1ULL << limite;
    const int premier = c.numerofixe == 0 ? 1 : std::abs(c.numerofixe);
    const int pas = c.numerofixe == 0 ? 1 : (c.numerofixe < 0 ? 4 : 0);
    // The board counter: the board the next accepted deal carries. When the
    // test looks at the board and boards advance, a deal claims its board by
    // moving the counter on; otherwise the rank counter numbers the deals.
    const bool par_numero = selon_numero && pas != 0;
    // Each shared counter has a cache line of its own: the board counter is
    // read at every try, and must not be lost each time another worker
    // takes an item or a rank.
    alignas(64) std::atomic<int> numero{premier};
    alignas(64) std::atomic<std::int64_t> rang{0};
    // The wanted deals are work items handed out one at a time to whichever
    // worker asks (dynamic scheduling); the tries come from one budget.
    PartageEssais partage(n, budget, equipe);
    alignas(64) std::atomic<std::uint64_t> total{0};
    const std::vector<Flux> flux = flux_equipe(equipe);
    const SerieTirage serie = prepare_serie(c);
    std::vector<std::size_t> comptes(static_cast<std::size_t>(equipe), 0);
    // An exception must not leave the parallel region (the program would
    // end): a failed allocation stops the series and is thrown after it.
    std::atomic<bool> manque{false};

#pragma omp parallel num_threads(equipe)
    {
        const int w = omp_get_thread_num();
        Flux f = flux[static_cast<std::size_t>(w)];
        Acceptees mien;
        char deal[52];
        // One try; true when it gives the worker's item its deal.
        const std::uint64_t essais = partage.travaille([&] {
            int k = selon_numero ? numero.load(std::memory_order_acquire) : premier;
            if (propre) {
                if (!essai(deal, serie, k, f)) return false;
            } else {
                creedonne(deal, serie, f);
                if (!test(deal, k, ctx)) return false;
            }
            std::int64_t r;
            if (par_numero) {
                // Another worker may have taken board k meanwhile: the
                // deal is then tested again at the board it would get,
                // and dropped if it fails there.
                bool pris = false;
                while (!(pris = numero.compare_exchange_strong(k, k + pas,
                                                               std::memory_order_acq_rel)))
                    if (!test(deal, k, ctx)) break;
                if (!pris) return false;
                r = (k - premier) / pas;
            } else {
                r = rang.fetch_add(1, std::memory_order_relaxed);
            }
            try {
                mien.rangs.push_back(r);
                mien.donnes.insert(mien.donnes.end(), deal, deal + 52);
            } catch (const std::bad_alloc&) {
                // Every worker stops: this one now, the others at their
                // next claim of tries.
                manque.store(true, std::memory_order_relaxed);
                partage.arrete();
            }
            return true;
        });
        total.fetch_add(essais, std::memory_order_relaxed);

        // The deals in the order they were accepted, by rank; each worker
        // copies its own into place (a long series makes one string each).
        comptes[static_cast<std::size_t>(w)] = mien.rangs.size();
#pragma omp barrier
#pragma omp single
        {
            std::size_t nb = 0;
            for (std::size_t x : comptes) nb += x;
            try {
                if (!manque.load(std::memory_order_relaxed)) res.resize(nb);
            } catch (const std::bad_alloc&) {
                manque.store(true, std::memory_order_relaxed);
            }
        }
        try {
            const std::size_t mes = manque.load(std::memory_order_relaxed) ? 0 : mien.rangs.size();
            for (std::size_t i = 0; i < mes; ++i)
                res[static_cast<std::size_t>(mien.rangs[i])].assign(mien.donnes.data() + 52 * i, 52);
        } catch (const std::bad_alloc&) {
            manque.store(true, std::memory_order_relaxed);
        }
    }
    if (manque.load()) throw std::bad_alloc();

    if (tries) *tries = static_cast<std::int64_t>(total.load());
    return res;
}

}  // namespace

std::vector<std::string> boucle(int n, Contraintes& c, int limite, std::int64_t* tries,
                                std::string* refus) {
    return boucle_serie(n, c, limite, tries, config.nbthreads, test_contraintes, &c,
                        depend_du_numero(c), true, refus);
}

std::vector<std::string> boucle_avec(int n, Contraintes& c, int limite, std::int64_t* tries,
                                     int nbthreads, TestDonne test, const void* ctx,
                                     bool selon_numero) {
    return boucle_serie(n, c, limite, tries, nbthreads, test, ctx, selon_numero, false, nullptr);
}
