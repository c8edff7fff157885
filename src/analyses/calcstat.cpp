#include "calcstat.h"

#include <cmath>
#include <cstdlib>
#include <locale>
#include <sstream>

#include "aleatoire.h"
#include "edition_cocos.h"
#include "formule.h"
#include "gen.h"
#include "generateur.h"
#include "hooks.h"

int calcule_stat(std::vector<int>& compteurs, BilanStat* bilan) {
    BilanStat b;
    compteurs.assign(contr.calculs.size(), 0);
    const int k = contr.numerofixe == 0 ? 1 : std::abs(contr.numerofixe);
    contr.eff();
    auto fin = [&](int acceptees) {
        if (bilan) *bilan = b;
        return acceptees;
    };
    if (limite < 0 || limite > 31) {
        b.statut = Statut::refuse;
        b.message =
            limite < 0 ? "limite ne doit pas être négative" : "limite ne doit pas dépasser 31";
        alerte(b.message);
        return fin(0);
    }
    if (nbstat < 1) return fin(0);
    if (!template_complet(contr)) {
        b.statut = Statut::refuse;
        b.message =
            "les cartes fixées ne laissent pas 13 cartes à chaque joueur : aucune donne tirée";
        alerte(b.message);
        return fin(0);
    }
    // A condition without a kind, or a context that can never hold, is never
    // met: drawing would spend the whole budget.
    if (const std::string r = verifie_tirage(contr, true); !r.empty()) {
        b.statut = Statut::refuse;
        b.message = r;
        alerte(r);
        return fin(0);
    }

    const std::uint64_t lim = 1ULL << limite;
    const bool contexte = a_contexte(contr);
    Flux& flux = flux_thread();
    char deal[52];
    bool r[max_lettres];
    std::vector<bool> rv(std::min<std::size_t>(contr.cocos.size(), max_lettres));
    std::vector<bool> kv(contr.calculs.size());
    std::uint64_t tirages = 0;
    int acceptees = 0;
    while (acceptees < nbstat && tirages < lim) {
        creedonne(deal, contr.cfixees, contr, flux);
        ++tirages;
        const int m = vconditions(deal, contr, k, r);
        for (int i = 0; i < m; ++i) rv[static_cast<std::size_t>(i)] = r[i];
        // No calculation has a value yet: in the context their letters read false.
        std::fill(kv.begin(), kv.end(), false);
        if (contexte && !traite(rv, contr.con, kv)) continue;
        ++acceptees;
        for (std::size_t c = 0; c < kv.size(); ++c) {
            kv[c] = traite(rv, contr.calculs[c].alg, kv);
            if (kv[c]) ++compteurs[c];
        }
    }
    b.tirages = static_cast<std::int64_t>(tirages);
    b.analysees = acceptees;
    if (acceptees < nbstat) {
        b.statut = Statut::budget_epuise;
        b.message = message_limite_atteinte;
    }
    return fin(acceptees);
}

std::string pourcentage(std::int64_t count, std::int64_t total) {
    if (total == 0) return "indéfini";
    // In double: 1000 × count passes an int for the counts of an enumeration.
    const double dixiemes =
        std::round(1000.0 * static_cast<double>(count) / static_cast<double>(total));
    std::ostringstream o;
    o.imbue(std::locale::classic());
    o << dixiemes / 10.0;
    return o.str();
}

std::string texte_resultats(std::int64_t mains, std::int64_t contexte,
                            const std::vector<Calcul>& calculs,
                            const std::vector<std::int64_t>& counts, long secondes) {
    std::ostringstream o;
    o.imbue(std::locale::classic());
    o << "Nombre de mains : " << mains << "\n";
    o << "Mains contexte : " << contexte << "\n";
    for (std::size_t i = 0; i < calculs.size(); ++i) {
        const std::int64_t n = i < counts.size() ? counts[i] : 0;
        const std::string p = pourcentage(n, contexte);
        o << calculs[i].nom << " : " << n << "   soit " << p << (contexte == 0 ? "" : "%") << "\n";
    }
    o << "\n durée : " << secondes / 60 << "'" << secondes % 60 << "''";
    return o.str();
}
