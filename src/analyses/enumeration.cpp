#include "enumeration.h"

#include <omp.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>

#include "edition_cocos.h"
#include "formule.h"
#include "gen.h"
#include "generateur.h"
#include "hooks.h"

EvaluationDonne::EvaluationDonne(const Contraintes& c)
    : c_(c),
      board_(c.numerofixe == 0 ? 1 : std::abs(c.numerofixe)),
      contexte_(a_contexte(c)),
      utile_(contexte_ || !c.calculs.empty()),
      r_(std::min<std::size_t>(c.cocos.size(), max_lettres)),
      k_(c.calculs.size()) {}

void EvaluationDonne::operator()(const char* deal, std::int64_t* counts) {
    // The tests are pure: when neither a context nor a calculation reads
    // them, their results cannot change a count.
    if (utile_) {
        bool r[max_lettres];
        const int m = vconditions(deal, c_, board_, r);
        for (int i = 0; i < m; ++i) r_[static_cast<std::size_t>(i)] = r[i];
    }
    // No calculation has a value yet: in the context their letters read
    // false (they are not skipped), as in the calculation statistics.
    std::fill(k_.begin(), k_.end(), false);
    if (contexte_ && !traite(r_, c_.con, k_)) return;
    ++counts[1];
    // A calculation's own letter and the later ones read false.
    for (std::size_t j = 0; j < k_.size(); ++j) {
        const bool v = traite(r_, c_.calculs[j].alg, k_);
        k_[j] = v;
        if (v) ++counts[2 + j];
    }
}

namespace {

// How the free cards of a template are shared: the seat that receives the
// enumerated choices, the seat that keeps the rest, and how many the first
// takes.
struct Partage {
    std::vector<int> libres;  // free card indexes, ascending
    char modele[52];          // the template, free cards given to the filling seat
    int choisi = 0;
    int t = 0;
};

bool prepare(const Contraintes& c, Partage& p) {
    int fixes[4] = {0, 0, 0, 0};
    p.libres.clear();
    for (int i = 0; i < 52; ++i) {
        const char* s = std::strchr(jsymbs, c.cfixees[i]);
        if (c.cfixees[i] != '\0' && s)
            ++fixes[s - jsymbs];
        else
            p.libres.push_back(i);
    }
    for (int f : fixes)
        if (f > 13) {
            alerte(message_trop_de_cartes);
            return false;
        }
    int complets = 0;
    for (int f : fixes) complets += f == 13;
    if (complets != 2) {
        alerte(message_deux_jeux);
        return false;
    }
    // The open seat holding more fixed cards, which needs the fewer free
    // cards, takes the enumerated choices; ties go to the earlier seat.
    int ouverts[2], k = 0;
    for (int s = 0; s < 4; ++s)
        if (fixes[s] < 13) ouverts[k++] = s;
    const bool premier = fixes[ouverts[0]] >= fixes[ouverts[1]];
    p.choisi = premier ? ouverts[0] : ouverts[1];
    const int remplit = premier ? ouverts[1] : ouverts[0];
    p.t = 13 - fixes[p.choisi];
    if (static_cast<int>(p.libres.size()) != p.t + 13 - fixes[remplit]) {
        alerte(message_libres);
        return false;
    }
    std::memcpy(p.modele, c.cfixees, 52);
    for (int i : p.libres) p.modele[i] = jsymbs[remplit];
    return true;
}

// One piece of the enumeration: the deals whose chosen cards are the cards
// of `pris` (free-list positions at or above m) and t of the first m.
struct Tranche {
    int m = 0;
    int t = 0;
    std::uint64_t pris = 0;  // bit i: free-list position i taken
};

std::uint64_t combinaisons(int n, int t) {
    if (t < 0 || t > n) return 0;
    std::uint64_t r = 1;
    for (int i = 1; i <= t; ++i)
        r = r * static_cast<std::uint64_t>(n - t + i) / static_cast<std::uint64_t>(i);
    return r;
}

// Splits {choices of t among n} into disjoint pieces no larger than seuil,
// by whether the last position of a piece is taken or not.
void decoupe(const Tranche& tr, std::uint64_t seuil, std::vector<Tranche>& out) {
    if (tr.t == 0 || tr.t == tr.m || combinaisons(tr.m, tr.t) <= seuil) {
        out.push_back(tr);
        return;
    }
    decoupe(Tranche{tr.m - 1, tr.t, tr.pris}, seuil, out);
    decoupe(Tranche{tr.m - 1, tr.t - 1, tr.pris | (1ULL << (tr.m - 1))}, seuil, out);
}

// Visits the deals of one piece: the deal is built once from the template,
// then each step moves one card out of the chosen seat and one into it.
template <class Visite>
void parcourt(const int* libres, int n_libres, const char* modele, char lettre, const Tranche& tr,
              Visite&& visite) {
    char deal[52];
    auto debut = [&] {
        std::memcpy(deal, modele, 52);
        for (int i = tr.m; i < n_libres; ++i)
            if (tr.pris >> i & 1) deal[libres[i]] = lettre;
        for (int i = 0; i < tr.t; ++i) deal[libres[i]] = lettre;
        visite(deal);
    };
    const char autre = modele[libres[0]];
    auto change = [&](int sort, int entre) {
        deal[libres[sort]] = autre;
        deal[libres[entre]] = lettre;
        visite(deal);
    };
    porte_tournante(tr.m, tr.t, debut, change);
}

}  // namespace

void algor3(const std::vector<int>& free, int n, int seat, int t, const char* modele,
            Comptes& counts) {
    if (n <= 0 || n > static_cast<int>(free.size()) || seat < 0 || seat > 3) return;
    counts.resize(2 + contr.calculs.size(), 0);
    EvaluationDonne evalue(contr);
    std::int64_t* k = counts.data();
    parcourt(free.data(), n, modele, jsymbs[seat], Tranche{n, t, 0}, [&](const char* deal) {
        ++k[0];
        evalue(deal, k);
    });
}

void contexte(const char* deal, Comptes& counts) {
    counts.resize(2 + contr.calculs.size(), 0);
    EvaluationDonne evalue(contr);
    evalue(deal, counts.data());
}

bool traite_fix(Comptes& counts) { return traite_fix(contr, counts, config.nbthreads); }

bool traite_fix(const Contraintes& c, Comptes& counts, int nbthreads) {
    const std::size_t taille = 2 + c.calculs.size();
    counts.assign(taille, 0);
    Partage p;
    // A condition without a kind, a formula that cannot be read to an answer
    // or a context that never holds: no count means anything.
    if (const std::string r = verifie_tirage(c, true); !r.empty()) {
        alerte(r);
        return false;
    }
    if (!prepare(c, p)) return false;
    const int n = static_cast<int>(p.libres.size());
    const char lettre = jsymbs[p.choisi];

    const int equipe = threads_generation(nbthreads);
    if (equipe == 1) {
        EvaluationDonne evalue(c);
        std::int64_t* k = counts.data();
        parcourt(p.libres.data(), n, p.modele, lettre, Tranche{n, p.t, 0}, [&](const char* deal) {
            ++k[0];
            evalue(deal, k);
        });
        return true;
    }

    // Pieces small enough that the workers end close together, handed out
    // one at a time; each worker counts into its own vector.
    std::vector<Tranche> tranches;
    const std::uint64_t total = combinaisons(n, p.t);
    decoupe(Tranche{n, p.t, 0}, std::max<std::uint64_t>(1, total / (16ULL * equipe)), tranches);
    std::atomic<std::size_t> prochaine{0};
#pragma omp parallel num_threads(equipe)
    {
        EvaluationDonne evalue(c);
        Comptes mien(taille, 0);
        std::int64_t* k = mien.data();
        for (std::size_t i; (i = prochaine.fetch_add(1)) < tranches.size();)
            parcourt(p.libres.data(), n, p.modele, lettre, tranches[i], [&](const char* deal) {
                ++k[0];
                evalue(deal, k);
            });
#pragma omp critical(dralen_enumeration)
        for (std::size_t j = 0; j < taille; ++j) counts[j] += mien[j];
    }
    return true;
}
