#include "statlevees.h"

#include <omp.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>
#include <string>

#include "edition_cocos.h"
#include "gen.h"
#include "generateur.h"
#include "score.h"
#include "solveur.h"

int nb_contrats = 2;
std::uintptr_t comparaison = comp_reussite;
std::vector<DonneesStat> vcontrats(2);
std::vector<int> comp_niveau(2, 3);
std::vector<int> comp_couleur(2, 4);
std::vector<int> comp_declarant(2, 2);
std::vector<int> comp_contre(2, 0);
std::vector<double> rep(2, 0.0);
std::vector<bool> couleurs(5, false);
std::vector<int> declarants(5, 2);
std::vector<bool> contres(5, false);
BilanStat bilan_stat;

namespace {

// --- refusals ------------------------------------------------------------------------

void refuse(BilanStat& b, const std::string& message) {
    b = BilanStat{};
    b.statut = Statut::refuse;
    b.message = message;
}

bool est_couleur_stat(int c) { return c >= 0 && c <= 4; }
bool est_siege(int s) { return s >= 0 && s <= 3; }

// The pairs of a trick statistic: as many declarers as strains, each a strain and a seat.
bool paires_valides(const std::vector<int>& couleurs_, const std::vector<int>& declarants_,
                    BilanStat& b) {
    if (couleurs_.size() != declarants_.size()) {
        refuse(b, "Il faut un déclarant par couleur");
        return false;
    }
    for (std::size_t k = 0; k < couleurs_.size(); ++k)
        if (!est_couleur_stat(couleurs_[k]) || !est_siege(declarants_[k])) {
            refuse(b, "Couleur ou déclarant hors limites");
            return false;
        }
    return true;
}

// Every contract names a level 1..7: its target is 8 - level.
bool contrats_valides(const std::vector<DonneesStat>& d, std::uintptr_t mode, BilanStat& b) {
    if (mode >= static_cast<std::uintptr_t>(nb_modes_comparaison)) {
        refuse(b, "Mode de comparaison inconnu");
        return false;
    }
    if ((mode == comp_fine || mode == comp_meilleur_strict) && d.size() != 2) {
        refuse(b, "Ce mode de comparaison demande exactement 2 contrats");
        return false;
    }
    for (const DonneesStat& x : d) {
        const bool niveau = x.target >= 1 && x.target <= 7;
        if (!niveau || !est_couleur_stat(x.atout) || !est_siege(x.first) || x.contre < 0 ||
            x.contre > 2) {
            refuse(b, "Contrat hors limites");
            return false;
        }
    }
    return true;
}

}  // namespace

void conclut_stat(BilanStat& b, std::int64_t voulues) {
    // Already concluded: the message is the alert already.
    if (b.statut == Statut::refuse || b.statut == Statut::echec_solveur) return;
    if (b.echecs > 0) {
        b.statut = Statut::echec_solveur;
        b.message = texte_erreur(EtatSolveur{false, b.code, b.message});
    } else if (b.analysees < voulues) {
        b.statut = Statut::budget_epuise;
        b.message = message_limite_atteinte;
    } else {
        b.statut = Statut::ok;
        b.message.clear();
    }
}

namespace {

// --- solving ---------------------------------------------------------------------------

// The seat of each deal letter, -1 for any other character.
struct Sieges {
    int s[256];
    Sieges() {
        std::fill(std::begin(s), std::end(s), -1);
        for (int j = 0; j < 4; ++j) s[static_cast<unsigned char>(jsymbs[j])] = j;
    }
};

// The hands of a 52-letter deal as the solver's masks. A deal that does not
// give 13 cards to each seat is refused: the solver would count the tricks
// of a shorter ending instead.
EtatSolveur position_de(const std::string& d, const Sieges& sieges, PositionDds& pos) {
    pos = PositionDds{};
    int n[4] = {0, 0, 0, 0};
    if (d.size() == 52) {
        for (int i = 0; i < 52; ++i) {
            const int h = sieges.s[static_cast<unsigned char>(d[static_cast<std::size_t>(i)])];
            if (h < 0) continue;
            pos.remainCards[h][3 - i / 13] |= 1u << (14 - i % 13);
            ++n[h];
        }
    }
    for (int j = 0; j < 4; ++j)
        if (n[j] != 13)
            return {false, refus_incomplete, "Donne incomplète : chaque main doit avoir 13 cartes"};
    return {true, solveur_ok, ""};
}

// What one worker gathers before it adds its share to the run's totals.
struct Cumul {
    std::vector<std::int64_t> compte;
    std::int64_t analysees = 0;
    std::int64_t echecs = 0;
    std::size_t premier_echec = std::numeric_limits<std::size_t>::max();
    EtatSolveur etat;
};

// Solves every deal on the team, one deal at a time to whichever worker is
// free (solving times vary widely). par_donne(pos, thread, compte) solves
// one deal, adds to compte only when every solve of the deal succeeded, and
// returns the first failure otherwise. The workers' counts are added once
// at the end; the failure kept is that of the first deal in the list, so
// that the report does not depend on the threads.
template <class ParDonne>
void resout_tout(const std::vector<std::string>& donnes, std::size_t nbcompteurs,
                 std::vector<int>& nbgagne, BilanStat& bilan, ParDonne par_donne) {
    if (nbgagne.size() != nbcompteurs) nbgagne.assign(nbcompteurs, 0);
    if (donnes.empty()) return;
    const int equipe = threads_equipe(config.nbthreads);
    const auto n = static_cast<std::int64_t>(donnes.size());
    const Sieges sieges;
    std::vector<std::int64_t> total(nbcompteurs, 0);
    std::size_t premier = std::numeric_limits<std::size_t>::max();
    EtatSolveur etat_premier;
    std::int64_t analysees = 0, echecs = 0;

#pragma omp parallel num_threads(equipe)
    {
        const int thread = omp_get_thread_num();
        Cumul mienne;
        mienne.compte.assign(nbcompteurs, 0);
        PositionDds pos;
#pragma omp for schedule(dynamic, 1)
        for (std::int64_t i = 0; i < n; ++i) {
            const auto k = static_cast<std::size_t>(i);
            EtatSolveur e = position_de(donnes[k], sieges, pos);
            if (e.ok) e = par_donne(pos, thread, mienne.compte);
            if (e.ok) {
                ++mienne.analysees;
            } else {
                ++mienne.echecs;
                if (k < mienne.premier_echec) {
                    mienne.premier_echec = k;
                    mienne.etat = e;
                }
            }
        }
#pragma omp critical(statlevees_totaux)
        {
            for (std::size_t j = 0; j < nbcompteurs; ++j) total[j] += mienne.compte[j];
            analysees += mienne.analysees;
            echecs += mienne.echecs;
            if (mienne.premier_echec < premier) {
                premier = mienne.premier_echec;
                etat_premier = mienne.etat;
            }
        }
    }
    // Every worker's memory of the solver has grown over the deals: given
    // back now that the team is done.
    libere_memoire_solveur();

    for (std::size_t j = 0; j < nbcompteurs; ++j)
        nbgagne[j] += static_cast<int>(total[j]);
    bilan.analysees += analysees;
    if (echecs > 0 && bilan.echecs == 0) {
        bilan.code = etat_premier.code;
        bilan.message = etat_premier.message;
    }
    bilan.echecs += echecs;
}

// The most tricks the side on lead takes (mode 1: the solver searches even
// when the hand on lead has a single class of cards, and never answers -2).
EtatSolveur max_defense(const PositionDds& pos, int thread, ReponseDds& r, int& levees) {
    EtatSolveur e = resout_position(pos, -1, 1, 1, r, thread);
    if (e.ok) levees = r.score[0];
    return e;
}

// Whether the side on lead falls short of target tricks, that is whether
// the contract makes. The solver answers target when it is reached, 0 or
// -1 when it is not.
EtatSolveur gagne(const PositionDds& pos, int target, int thread, ReponseDds& r, bool& fait) {
    EtatSolveur e = resout_position(pos, target, 1, 1, r, thread);
    if (e.ok) fait = r.score[0] < target;
    return e;
}

}  // namespace

// --- the two halves -----------------------------------------------------------------------

int numero_stat(const Contraintes& c) { return c.numerofixe == 0 ? 1 : std::abs(c.numerofixe); }

std::size_t nb_compteurs(std::uintptr_t mode, std::size_t n) {
    if (mode == comp_fine) return 3;
    if (mode == comp_un_des) return 1;
    return n;
}

std::vector<std::string> tire_donnes_stat(Contraintes& c, BilanStat& bilan) {
    bilan = BilanStat{};
    if (nbstat < 1) {
        refuse(bilan, "Le nombre de donnes doit être au moins 1");
        return {};
    }
    if (limite < 0) {
        refuse(bilan, "limite ne doit pas être négative");
        return {};
    }
    if (limite > 31) {
        refuse(bilan, "limite ne doit pas dépasser 31");
        return {};
    }
    c.eff();
    if (!template_complet(c)) {
        refuse(bilan, "les cartes fixées ne laissent pas 13 cartes à chaque joueur : aucune donne tirée");
        return {};
    }
    // A condition without a kind, or a context that can never hold, is never
    // met: drawing would spend the whole budget.
    if (const std::string r = verifie_tirage(c, false); !r.empty()) {
        refuse(bilan, r);
        return {};
    }
    // Every try is tested as the board of the statistic: told that the test
    // ignores the board's advance, the generator tests each as its first
    // board, which is numero_stat(c).
    const auto test = [](const char* deal, int board, const void* ctx) {
        return cond_ouvs(deal, *static_cast<const Contraintes*>(ctx), board);
    };
    std::int64_t tries = 0;
    std::vector<std::string> donnes;
    try {
        donnes = boucle_avec(nbstat, c, limite, &tries, threads_equipe(config.nbthreads), test, &c,
                             false);
    } catch (const std::bad_alloc&) {
        refuse(bilan, "Mémoire insuffisante pour " + std::to_string(nbstat) + " donnes");
        return {};
    }
    bilan.tirages = tries;
    return donnes;
}

void statlc_donnes(const std::vector<std::string>& donnes, const std::vector<int>& couleurs_,
                   const std::vector<int>& declarants_, std::vector<int>& nbgagne,
                   BilanStat& bilan) {
    if (!paires_valides(couleurs_, declarants_, bilan)) {
        nbgagne.assign(14 * couleurs_.size(), 0);
        return;
    }
    const std::size_t nc = couleurs_.size();
    resout_tout(donnes, 14 * nc, nbgagne, bilan,
                [&](PositionDds& pos, int thread, std::vector<std::int64_t>& compte) {
                    // Per worker: the answer and the tricks of each pair of this deal.
                    thread_local std::vector<int> levees;
                    levees.resize(nc);
                    ReponseDds r;
                    for (std::size_t k = 0; k < nc; ++k) {
                        pos.trump = couleurs_[k];
                        pos.first = (declarants_[k] + 1) % 4;
                        int def = 0;
                        EtatSolveur e = max_defense(pos, thread, r, def);
                        if (!e.ok) return e;
                        levees[k] = 13 - def;
                    }
                    for (std::size_t k = 0; k < nc; ++k)
                        for (int t = 0; t <= levees[k]; ++t)
                            ++compte[14 * k + static_cast<std::size_t>(t)];
                    return EtatSolveur{true, solveur_ok, ""};
                });
}

void compare_donnes(const std::vector<std::string>& donnes, int numero,
                    const std::vector<DonneesStat>& dstat, std::uintptr_t mode,
                    std::vector<int>& nbgagne, BilanStat& bilan) {
    if (!contrats_valides(dstat, mode, bilan)) {
        nbgagne.assign(mode < static_cast<std::uintptr_t>(nb_modes_comparaison)
                           ? nb_compteurs(mode, dstat.size())
                           : 0,
                       0);
        return;
    }
    const std::size_t n = dstat.size();
    const bool marque = mode == comp_meilleur || mode == comp_meilleur_strict;
    resout_tout(
        donnes, nb_compteurs(mode, n), nbgagne, bilan,
        [&](PositionDds& pos, int thread, std::vector<std::int64_t>& compte) {
            // Per worker: the scores and results of this deal's contracts.
            thread_local std::vector<int> scores;
            thread_local std::vector<char> faits;
            scores.assign(n, 0);
            faits.assign(n, 0);
            ReponseDds r;
            std::size_t premier_fait = n;
            for (std::size_t j = 0; j < n; ++j) {
                const DonneesStat& d = dstat[j];
                pos.trump = d.atout;
                pos.first = d.first;
                if (marque) {
                    int def = 0;
                    EtatSolveur e = max_defense(pos, thread, r, def);
                    if (!e.ok) return e;
                    const int levees = 13 - def, niveau = 8 - d.target;
                    if (mode == comp_meilleur) {
                        scores[j] = fscore(levees, niveau, d.atout, true, 0);
                    } else {
                        const int declarant = (d.first + 3) % 4;
                        const int sc = fscore(levees, niveau, d.atout, vul(declarant, numero),
                                              d.contre);
                        scores[j] = (d.first % 2 == dstat[0].first % 2) ? sc : -sc;
                    }
                } else {
                    bool fait = false;
                    EtatSolveur e = gagne(pos, d.target, thread, r, fait);
                    if (!e.ok) return e;
                    faits[j] = fait;
                    if (mode == comp_un_des && fait) {
                        premier_fait = j;
                        break;
                    }
                }
            }
            // Every contract of the deal was solved: only now does it count.
            switch (mode) {
                case comp_reussite:
                    for (std::size_t j = 0; j < n; ++j) compte[j] += faits[j];
                    break;
                case comp_un_des:
                    if (premier_fait < n) ++compte[0];
                    break;
                case comp_fine:
                    if (faits[0] && faits[1]) ++compte[2];
                    else if (faits[0]) ++compte[0];
                    else if (faits[1]) ++compte[1];
                    break;
                case comp_meilleur: {
                    if (n == 0) break;
                    const int haut = *std::max_element(scores.begin(), scores.end());
                    for (std::size_t j = 0; j < n; ++j)
                        if (scores[j] == haut) ++compte[j];
                    break;
                }
                case comp_meilleur_strict:
                    for (std::size_t j = 0; j < n; ++j) {
                        bool seul = scores[j] > -1500;
                        for (std::size_t i = 0; i < n && seul; ++i)
                            if (i != j && scores[i] >= scores[j]) seul = false;
                        if (seul) ++compte[j];
                    }
                    break;
                default: break;
            }
            return EtatSolveur{true, solveur_ok, ""};
        });
}

// --- the operations ---------------------------------------------------------------------

std::int64_t statlc(Contraintes& c, const std::vector<int>& couleurs_,
                    const std::vector<int>& declarants_, std::vector<int>& nbgagne,
                    BilanStat& bilan, std::vector<std::string>* donnes) {
    nbgagne.assign(14 * couleurs_.size(), 0);
    if (!paires_valides(couleurs_, declarants_, bilan)) return 0;
    std::vector<std::string> d = tire_donnes_stat(c, bilan);
    if (bilan.statut == Statut::refuse) return 0;
    statlc_donnes(d, couleurs_, declarants_, nbgagne, bilan);
    // Without a pair the deals are drawn and not analysed: they count as
    // analysed all the same, nothing having failed on them.
    if (couleurs_.empty()) bilan.analysees = static_cast<std::int64_t>(d.size());
    conclut_stat(bilan, nbstat);
    if (donnes) *donnes = std::move(d);
    return bilan.tirages;
}

std::int64_t statlc(std::vector<int>& couleurs_, std::vector<int>& declarants_,
                    std::vector<int>& nbgagne) {
    return statlc(contr, couleurs_, declarants_, nbgagne, bilan_stat);
}

std::int64_t statlevees(Contraintes& c, const std::vector<DonneesStat>& dstat,
                        std::uintptr_t mode, std::vector<int>& nbgagne, BilanStat& bilan) {
    if (!contrats_valides(dstat, mode, bilan)) {
        nbgagne.assign(mode < static_cast<std::uintptr_t>(nb_modes_comparaison)
                           ? nb_compteurs(mode, dstat.size())
                           : 0,
                       0);
        return 0;
    }
    nbgagne.assign(nb_compteurs(mode, dstat.size()), 0);
    const std::vector<std::string> d = tire_donnes_stat(c, bilan);
    if (bilan.statut == Statut::refuse) return 0;
    compare_donnes(d, numero_stat(c), dstat, mode, nbgagne, bilan);
    if (dstat.empty()) bilan.analysees = static_cast<std::int64_t>(d.size());
    conclut_stat(bilan, nbstat);
    return bilan.statut == Statut::ok ? bilan.tirages : 0;
}

std::int64_t statlevees(std::vector<DonneesStat>& dstat, std::vector<int>& nbgagne) {
    return statlevees(contr, dstat, comparaison, nbgagne, bilan_stat);
}

int statlevees(Contraintes& c, const DonneesStat& dstat, BilanStat& bilan) {
    std::vector<int> nbgagne;
    statlevees(c, std::vector<DonneesStat>{dstat}, comp_reussite, nbgagne, bilan);
    return nbgagne.empty() ? 0 : nbgagne[0];
}

int statlevees(DonneesStat& dstat) { return statlevees(contr, dstat, bilan_stat); }
