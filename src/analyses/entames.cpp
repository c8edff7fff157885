#include "entames.h"

#include <omp.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "aleatoire.h"
#include "cartes.h"
#include "edition_cocos.h"
#include "gen.h"
#include "generateur.h"
#include "jeudds.h"
#include "solveur.h"

Deja deja;
int nos[2] = {-1, -1};
int nblistees[52] = {};
BilanStat bilan_entames;
FnResout resout_entames = resout_position;

Deja::Deja() {
    std::memset(jouees, 'V', sizeof jouees);
    std::memset(fixees, 'V', sizeof fixees);
}

void Deja::debug() const {
    if (!config.debug) return;
    ecrit_debug("contraintes : " + std::to_string(id_contraintes));
    ecrit_debug("niveau : " + std::to_string(niveau));
    ecrit_debug("couleur : " + std::to_string(couleur));
    ecrit_debug("declarant :" + std::to_string(declarant));
    ecrit_debug("premier :" + std::to_string(premier));
    ecrit_debug("joueur :" + std::to_string(joueur));
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            ecrit_debug("deja.dj[" + std::to_string(i) + "][" + std::to_string(j) +
                        "] : " + std::to_string(dj[i][j]));
    ecrit_debug("jouees : " + std::string(jouees, 52));
    ecrit_debug("fixees : " + std::string(fixees, 52));
    // The six of diamonds: card index 13 × 1 + (14 - 6).
    ecrit_debug(std::string("fixees 6 de carreau ") + fixees[21]);
}

namespace {

int siege(char c) {
    const char* p = std::strchr(jsymbs, c);
    return (c != '\0' && p) ? static_cast<int>(p - jsymbs) : -1;
}

int index_carte(int couleur, int rang) { return 13 * (3 - couleur) + 14 - rang; }

// An entry of the solver's answer names a card: never an index out of the tables.
bool carte_valide(const ReponseDds& rep, int k) {
    return rep.suit[k] >= 0 && rep.suit[k] <= 3 && rep.rank[k] >= 2 && rep.rank[k] <= 14;
}

// Cards of the current trick: the leading entries whose rank is not 0.
int nb_levee(const Deja& d) {
    int n = 0;
    while (n < 3 && d.ctranks[n] != 0) ++n;
    return n;
}

int nb_bits(unsigned m) { return __builtin_popcount(m); }

int nb_jouees(const Deja& d, int seat) {
    int n = 0;
    for (int s = 0; s < 4; ++s) n += nb_bits(d.dj[seat][s]);
    return n;
}

std::string nom_carte(int c) { return std::string(vl[c % 13]) + " de " + sacouls[coulno(c) + 1]; }

// The card named as one card in a sentence ("l'as de trèfle", "le 2 de
// pique"): "détient 2 de pique" reads as two spades.
std::string la_carte(int c) {
    static const char* const rangs[13] = {"l'as", "le roi", "la dame", "le valet", "le 10",
                                          "le 9", "le 8",   "le 7",    "le 6",     "le 5",
                                          "le 4", "le 3",   "le 2"};
    return std::string(rangs[c % 13]) + " de " + sacouls[coulno(c) + 1];
}

BilanStat refus_stat(const std::string& message) {
    BilanStat b;
    b.statut = Statut::refuse;
    b.message = message;
    return b;
}

// What the workers gather: the failures, counted apart from every result.
struct Echecs {
    std::int64_t nb = 0;
    EtatSolveur premier;
};

// Draws deals completing the template of `modele` (its cfixees, numrestants
// and nbmarquees) until n are accepted or the budget is spent, on `equipe`
// workers, and hands each accepted deal to traite(deal, worker) once. The
// workers share the one budget (PartageEssais): a worker takes the next
// item, then draws until a deal is accepted, and an item is left undone
// only once the whole budget was drawn. Returns the draws; *acceptees
// receives the deals handed to traite.
template <class Traite>
std::int64_t tire(const Contraintes& modele, int board, int n, std::uint64_t budget, int equipe,
                  bool journal, std::int64_t* acceptees, Traite traite) {
    PartageEssais partage(n, budget, equipe);
    std::atomic<std::uint64_t> total{0};
    std::atomic<std::int64_t> gardees{0};
    const std::vector<Flux> flux = flux_equipe(equipe);

#pragma omp parallel num_threads(equipe)
    {
        const int w = omp_get_thread_num();
        Flux f = flux[static_cast<std::size_t>(w)];
        std::uint64_t essais = 0;  // draws made
        std::int64_t miennes = 0;
        char deal[52];
        partage.travaille([&] {
            ++essais;
            creedonne(deal, modele.cfixees, modele, f);
            if (journal) ecrit_debug("liste  : " + std::string(deal, 52));
            if (!cond_ouvs(deal, modele, board)) return false;
            if (journal) ecrit_debug("cond_ouvs " + std::to_string(essais));
            ++miennes;
            traite(deal, w);
            return true;
        });
        total.fetch_add(essais, std::memory_order_relaxed);
        gardees.fetch_add(miennes, std::memory_order_relaxed);
    }
    *acceptees = gardees.load();
    return static_cast<std::int64_t>(total.load());
}

// The ending of a run from what was drawn, solved and failed.
void conclut(BilanStat& b, std::int64_t tirages, std::int64_t acceptees, const Echecs& e, int n) {
    b.tirages = tirages;
    b.echecs = e.nb;
    b.analysees = acceptees - e.nb;
    if (e.nb > 0) {
        b.statut = Statut::echec_solveur;
        b.code = e.premier.code;
        b.message = texte_alerte_solveur(
            "Le solveur a échoué sur " + std::to_string(e.nb) + " donne(s), comptée(s) à part",
            e.premier);
    } else if (acceptees < n) {
        b.statut = Statut::budget_epuise;
        b.message = message_limite_atteinte;
    } else {
        b.statut = Statut::ok;
    }
}

// The board the bidding conditions see: the one the statistic is about.
int numero_stat(const Contraintes& c) { return c.numerofixe == 0 ? 1 : std::abs(c.numerofixe); }

// The request's own settings, checked before anything runs.
std::string valide_reglages() {
    if (nbstat < 1) return "Le nombre de donnes doit être au moins 1";
    if (limite < 0 || limite > 31) return "La limite doit être comprise entre 0 et 31";
    return "";
}

}  // namespace

int joueur_courant(const Deja& d) { return (d.premier + nb_levee(d)) % 4; }

int cible(const Deja& d) {
    if (d.niveau <= 0) return -1;
    if ((d.declarant + d.joueur) % 2 == 0) return d.niveau + 6 - d.leveesdec;
    return 8 - d.niveau - d.leveesdef;
}

int levees_restantes(const Deja& d) {
    if (d.joueur < 0 || d.joueur > 3) return 0;
    return std::max(0, 13 - nb_jouees(d, d.joueur));
}

std::string valide_position(const Deja& d) {
    if (d.niveau < 0 || d.niveau > 7) return "Le niveau du contrat doit être compris entre 0 et 7";
    if (d.couleur < 0 || d.couleur > 4) return "Couleur d'atout inconnue";
    if (d.declarant < 0 || d.declarant > 3 || d.premier < 0 || d.premier > 3 || d.joueur < 0 ||
        d.joueur > 3)
        return "Joueur inconnu (déclarant, premier ou joueur)";

    int fixes[4] = {0, 0, 0, 0};
    for (int c = 0; c < 52; ++c) {
        if (d.fixees[c] == 'V') continue;
        const int s = siege(d.fixees[c]);
        if (s < 0) return "Carte " + nom_carte(c) + " fixée à un joueur inconnu";
        if (++fixes[s] > 13) return std::string(nomjoueur[s]) + " a plus de 13 cartes";
    }

    // Played cards: the masks, the letters and the template say the same.
    for (int s = 0; s < 4; ++s)
        for (int k = 0; k < 4; ++k)
            if (d.dj[s][k] & ~couleur_pleine) return "Carte jouée de rang impossible";
    for (int c = 0; c < 52; ++c) {
        int par = -1;
        for (int s = 0; s < 4; ++s)
            if (d.dj[s][coulno(c)] & (1u << rang(c))) {
                if (par >= 0) return "Carte " + nom_carte(c) + " jouée par deux joueurs";
                par = s;
            }
        const int lettre = d.jouees[c] == 'V' ? -1 : siege(d.jouees[c]);
        if (d.jouees[c] != 'V' && lettre < 0)
            return "Carte " + nom_carte(c) + " jouée par un joueur inconnu";
        if (lettre != par && par < 0)
            return "Carte " + nom_carte(c) + " marquée jouée par " + nomjoueur[lettre] +
                   " mais absente des cartes jouées";
        if (lettre != par)
            return "Carte " + nom_carte(c) + " jouée par " + nomjoueur[par] +
                   " mais marquée jouée par " + (lettre >= 0 ? nomjoueur[lettre] : "personne");
        if (par >= 0 && d.fixees[c] != jsymbs[par])
            return "Carte " + nom_carte(c) + " jouée par " + nomjoueur[par] +
                   " mais non fixée à ce joueur";
    }

    // The current trick: present cards first, each known, played by its seat.
    const int n = nb_levee(d);
    for (int k = 0; k < 3; ++k) {
        const std::string quelle = "Levée en cours, carte " + std::to_string(k + 1) + " : ";
        if (k >= n) {
            if (d.ctranks[k] != 0) return quelle + "une carte suit une place vide";
            continue;
        }
        if (d.ctranks[k] < 2 || d.ctranks[k] > 14) return quelle + "rang inconnu";
        if (d.ctcouleurs[k] < 0 || d.ctcouleurs[k] > 3) return quelle + "couleur inconnue";
        const int c = index_carte(d.ctcouleurs[k], d.ctranks[k]);
        const int s = (d.premier + k) % 4;
        // A card that another seat holds (fixed or played there) cannot be
        // this seat's: the alert names the seat that holds it.
        const int tient = d.fixees[c] == 'V' ? s : siege(d.fixees[c]);
        if (tient >= 0 && tient != s)
            return quelle + nomjoueur[s] + " ne peut pas jouer " + la_carte(c) + ", qui est à " +
                   nomjoueur[tient];
        if (d.jouees[c] != jsymbs[s])
            return quelle + nom_carte(c) + " doit être marquée jouée par " + nomjoueur[s];
        // A seat that does not follow must hold none of the suit led among
        // the cards it is seen to hold: fixed to it and not yet played.
        const int entame = d.ctcouleurs[0];
        if (k > 0 && d.ctcouleurs[k] != entame)
            for (int r = 2; r <= 14; ++r) {
                const int g = index_carte(entame, r);
                if (d.fixees[g] == jsymbs[s] && d.jouees[g] == 'V')
                    return quelle + nomjoueur[s] + " ne fournit pas à " + sacouls[entame + 1] +
                           " alors qu'il détient " + la_carte(g);
            }
    }
    if (d.joueur != joueur_courant(d))
        return "Le joueur à jouer doit être " + std::string(nomjoueur[joueur_courant(d)]);

    // Those who played to the current trick hold one card fewer.
    const int reste = 13 - nb_jouees(d, d.joueur);
    if (reste < 1) return "Toutes les cartes ont été jouées";
    for (int k = 0; k < 4; ++k) {
        const int s = (d.premier + k) % 4;
        if (13 - nb_jouees(d, s) != reste - (k < n ? 1 : 0))
            return "Les joueurs n'ont pas joué le même nombre de cartes";
    }
    if (d.niveau > 0) {
        const int faites = 13 - reste;
        if (d.leveesdec < 0 || d.leveesdef < 0 || d.leveesdec + d.leveesdef != faites)
            return "Les levées réalisées (" + std::to_string(d.leveesdec) + " + " +
                   std::to_string(d.leveesdef) + ") ne correspondent pas aux " +
                   std::to_string(faites) + " levées jouées";
    }
    return "";
}

void reinitialise(Deja& d, const Contraintes& c) {
    d.id_contraintes = c.id;
    d.noc = 0;
    for (int k = 0; k < 3; ++k) d.ctcouleurs[k] = d.ctranks[k] = 0;
    std::memset(d.jouees, 'V', sizeof d.jouees);
    std::memset(d.dj, 0, sizeof d.dj);
    std::memset(d.jeux_ini, 0, sizeof d.jeux_ini);
    d.nosdj.clear();
    d.leveesdec = d.leveesdef = 0;
    std::memcpy(d.fixees, c.cfixees, sizeof d.fixees);
}

std::string refait_fixees(Deja& d, const char* cfixees) {
    for (int c = 0; c < 52; ++c) {
        if (d.jouees[c] == 'V' || cfixees[c] == 'V' || cfixees[c] == d.jouees[c]) continue;
        const int par = siege(d.jouees[c]);
        const int a = siege(cfixees[c]);
        return "Carte " + nom_carte(c) + " jouée par " + (par >= 0 ? nomjoueur[par] : "?") +
               " mais fixée à " + (a >= 0 ? nomjoueur[a] : "?") + " dans les contraintes";
    }
    for (int c = 0; c < 52; ++c) d.fixees[c] = d.jouees[c] == 'V' ? cfixees[c] : d.jouees[c];
    return "";
}

int retrovl(char c) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (c == '0') return 0;
    if (c >= '2' && c <= '9') return c - '0';
    switch (c) {
        case 'X': return 10;
        case 'V': return 11;
        case 'D': return 12;
        case 'R': return 13;
        case 'A': return 14;
        default: return -1;
    }
}

void lit_couleurs_levee(const char* texte, int ctcouleurs[3]) {
    const std::size_t l = texte ? std::strlen(texte) : 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const char lettre = static_cast<char>(std::toupper(static_cast<unsigned char>(i < l ? texte[i] : 0)));
        const char* p = lettre ? std::strchr(lettres_couleurs, lettre) : nullptr;
        ctcouleurs[i] = p ? static_cast<int>(p - lettres_couleurs) : -1;
    }
}

void lit_rangs_levee(const char* texte, int ctranks[3]) {
    const std::size_t l = texte ? std::strlen(texte) : 0;
    for (std::size_t i = 0; i < 3; ++i) ctranks[i] = i < l ? retrovl(texte[i]) : 0;
}

std::int64_t stat(Deja& d) {
    bilan_entames = BilanStat{};
    std::memset(tabstat, 0, sizeof tabstat);
    std::memset(nbchutes, 0, sizeof nbchutes);
    std::memset(nblistees, 0, sizeof nblistees);

    // The template as a set of its own: the generator deals its free cards.
    Contraintes modele;
    std::memcpy(modele.cfixees, d.fixees, sizeof modele.cfixees);
    modele.eff();
    d.numrestants = modele.numrestants;
    std::copy(modele.nbmarquees, modele.nbmarquees + 4, d.nbmarquees);
    // The conditions and context are those of the current set.
    modele.cocos = contr.cocos;
    modele.con = contr.con;

    // A condition without a kind, or a context that can never hold, is never
    // met: drawing would spend the whole budget.
    std::string refus = verifie_tirage(contr, false);
    if (refus.empty()) refus = valide_reglages();
    if (refus.empty()) refus = valide_position(d);
    if (!refus.empty()) {
        bilan_entames = refus_stat(refus);
        return 0;
    }

    const int t = cible(d);
    const int reste = levees_restantes(d);
    ecrit_debug("target " + std::to_string(t));
    // The level says whether tricks are counted: with a contract, t is -1
    // too when the contract went down one trick more than needed.
    const bool sans_contrat = d.niveau <= 0;
    // An outcome already decided: reached (t <= 0) or out of reach (more
    // tricks than are left). The solver only lists the cards, each gets
    // that certain result.
    const bool certain = !sans_contrat && (t <= 0 || t > reste);
    const bool reussi = t <= 0;
    const int but = (sans_contrat || certain) ? -1 : t;
    const int solutions = (sans_contrat || certain) ? 3 : 2;
    const bool journal = config.debug;

    PositionDds base;
    base.trump = d.couleur;
    base.first = d.premier;
    std::copy(d.ctcouleurs, d.ctcouleurs + 3, base.currentTrickSuit);
    std::copy(d.ctranks, d.ctranks + 3, base.currentTrickRank);
    for (int k = 0; k < 3; ++k)
        if (base.currentTrickRank[k] == 0) base.currentTrickSuit[k] = 0;
    Echecs echecs;
    const Deja& dd = d;

    std::int64_t acceptees = 0;
    const std::int64_t tirages = tire(
        modele, numero_stat(contr), nbstat, 1ULL << limite, threads_equipe(config.nbthreads), journal,
        &acceptees, [&](const char* deal, int w) {
            PositionDds p = base;
            listetoremain(deal, p.remainCards);
            for (int s = 0; s < 4; ++s)
                for (int k = 0; k < 4; ++k) p.remainCards[s][k] &= ~dd.dj[s][k];
            ReponseDds rep;
            free_fut(rep);
            const EtatSolveur e = resout_entames(p, but, solutions, 1, rep, w);
            if (journal && e.ok && !sans_contrat)
                for (int k = 0; k < 4; ++k)
                    ecrit_debug("dl[3][" + std::to_string(k) + "]=" + bitstocartes(p.remainCards[3][k]));
            const int nb = std::min(std::max(rep.cards, 0), 13);
#pragma omp critical(comptes_entames)
            {
                if (!e.ok) {
                    if (echecs.nb++ == 0) echecs.premier = e;
                } else if (sans_contrat) {
                    for (int k = 0; k < nb; ++k) {
                        if (!carte_valide(rep, k)) continue;
                        const int c = index_carte(rep.suit[k], rep.rank[k]);
                        const int sc = std::min(std::max(rep.score[k], 0), 13);
                        ++tabstat[c][sc];
                        ++nblistees[c];
                    }
                } else {
                    for (int k = 0; k < nb && (certain || rep.score[k] >= 1); ++k) {
                        if (!carte_valide(rep, k)) continue;
                        const int c = index_carte(rep.suit[k], rep.rank[k]);
                        ++nblistees[c];
                        if (certain && !reussi) continue;
                        ++nbchutes[c];
                        if (journal) {
                            ecrit_debug("score " + std::to_string(rep.score[k]));
                            ecrit_debug("nbchutes[" + std::to_string(c) + "]=" + std::to_string(nbchutes[c]));
                        }
                    }
                }
            }
        });
    // Every worker's memory of the solver has grown over the deals.
    if (acceptees > 0) libere_memoire_solveur();

    conclut(bilan_entames, tirages, acceptees, echecs, nbstat);
    ecrit_debug("nb " + std::to_string(tirages));
    return tirages;
}

std::vector<int> cartes_resultats(bool avec_contrat) {
    std::vector<int> cartes, comptes;
    for (int c = 0; c < 52; ++c)
        if (nblistees[c] > 0) {
            cartes.push_back(c);
            comptes.push_back(nbchutes[c]);
        }
    if (avec_contrat) tri(cartes, comptes);
    return cartes;
}

std::int64_t compentames(Deja& d, std::vector<int>& res) {
    bilan_entames = BilanStat{};
    res.resize(3, 0);
    contr.eff();
    std::string refus = verifie_tirage(contr, false);
    if (refus.empty()) refus = valide_reglages();
    if (refus.empty() && (d.couleur < 0 || d.couleur > 4)) refus = "Couleur d'atout inconnue";
    if (refus.empty() && (d.premier < 0 || d.premier > 3)) refus = "Joueur à l'entame inconnu";
    if (refus.empty() && !template_complet(contr))
        refus = "Les cartes fixées ne laissent pas 13 cartes à chaque joueur";
    for (int i = 0; i < 2 && refus.empty(); ++i) {
        if (nos[i] < 0 || nos[i] > 51)
            refus = "Choisissez les deux entames à comparer";
        else if (contr.cfixees[nos[i]] != jsymbs[d.premier])
            refus = "L'entame " + nom_carte(nos[i]) + " n'est pas une carte de " +
                    nomjoueur[d.premier];
    }
    if (refus.empty() && nos[0] == nos[1]) refus = "Choisissez deux entames différentes";
    if (!refus.empty()) {
        bilan_entames = refus_stat(refus);
        return 0;
    }

    PositionDds base;
    base.trump = d.couleur;
    base.first = d.premier;
    const int entames[2] = {nos[0], nos[1]};
    const int premier = d.premier;
    Echecs echecs;

    std::int64_t acceptees = 0;
    const std::int64_t tirages = tire(
        contr, numero_stat(contr), nbstat, 1ULL << limite, threads_equipe(config.nbthreads), false,
        &acceptees, [&](const char* deal, int w) {
            int a[2] = {0, 0};
            EtatSolveur e;
            for (int i = 0; i < 2; ++i) {
                PositionDds p = base;
                listetoremain(deal, p.remainCards);
                const int c = entames[i];
                p.remainCards[premier][coulno(c)] &= ~(1u << rang(c));
                p.currentTrickSuit[0] = coulno(c);
                p.currentTrickRank[0] = rang(c);
                ReponseDds rep;
                free_fut(rep);
                // The second lead is the same deal on the same solver index:
                // the solver keeps what it learnt from the first.
                e = resout_entames(p, -1, 1, i == 0 ? 1 : 2, rep, w);
                if (!e.ok) break;
                a[i] = rep.score[0];
            }
#pragma omp critical(comptes_entames)
            {
                if (!e.ok) {
                    if (echecs.nb++ == 0) echecs.premier = e;
                } else {
                    ++res[a[0] < a[1] ? 0 : (a[0] == a[1] ? 1 : 2)];
                }
            }
        });
    if (acceptees > 0) libere_memoire_solveur();

    conclut(bilan_entames, tirages, acceptees, echecs, nbstat);
    return tirages;
}
