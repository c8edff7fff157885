#include "pasapas.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "cartes.h"
#include "edition_cocos.h"
#include "gen.h"
#include "hooks.h"
#include "jeudds.h"

PasAPas pap;

namespace {

int siege(char c) {
    const char* p = c ? std::strchr(jsymbs, c) : nullptr;
    return p ? static_cast<int>(p - jsymbs) : -1;
}

int nb_jouees(const Deja& d) { return static_cast<int>(d.nosdj.size()); }

// The deal followed, as 52 letters, from the hands the analysis began with.
void donne_suivie(const Deja& d, char* donne) { remaintoliste(d.jeux_ini, donne); }

// Clears the play, keeping the contract settings.
void efface_jeu(Deja& d) {
    const int niveau = d.niveau, couleur = d.couleur, declarant = d.declarant;
    d = Deja();
    d.niveau = niveau;
    d.couleur = couleur;
    d.declarant = declarant;
    d.premier = d.joueur = d.dernier = (declarant + 1) % 4;
}

void efface_resultats(PasAPas& p) {
    p.rpap.clear();
    p.vesp.clear();
    p.n = 0;
    p.analysees = 0;
    p.t = 0;
}

// The trick just completed: its winner leads, his side scores it, and a
// contract whose outcome this decides is announced once.
void ferme_levee(Deja& d, int c) {
    int suits[4], ranks[4];
    for (int k = 0; k < 3; ++k) {
        suits[k] = d.ctcouleurs[k];
        ranks[k] = d.ctranks[k];
    }
    suits[3] = coulno(c);
    ranks[3] = rang(c);
    const int gagnant = (d.premier + vainqueur(suits, ranks, d.couleur)) % 4;
    for (int k = 0; k < 3; ++k) d.ctcouleurs[k] = d.ctranks[k] = 0;
    d.premier = d.joueur = d.dernier = gagnant;
    if ((gagnant + d.declarant) % 2 == 1) {
        ++d.leveesdef;
        if (d.niveau > 0 && d.leveesdef > 7 - d.niveau) {
            d.niveau = 0;
            alerte(message_chute);
        }
    } else {
        ++d.leveesdec;
        if (d.niveau > 0 && d.leveesdec > d.niveau + 5) {
            d.niveau = 0;
            alerte(message_reussi);
        }
    }
}

}  // namespace

bool donne_incomplete(const char* cfixees) {
    int n[4] = {0, 0, 0, 0};
    for (int c = 0; c < 52; ++c) {
        const int s = siege(cfixees[c]);
        if (s < 0) return true;
        ++n[s];
    }
    return n[0] != 13 || n[1] != 13 || n[2] != 13 || n[3] != 13;
}

std::string verifie_donne_pap(const Deja& d, const char* cfixees) {
    if (donne_incomplete(cfixees)) return message_incomplete;
    char suivie[52];
    donne_suivie(d, suivie);
    if (std::memcmp(suivie, cfixees, 52) != 0)
        return "Les cartes fixées des contraintes ne sont plus celles de la donne analysée : "
               "remettez-les, ou quittez et recommencez l'analyse";
    for (const int c : d.nosdj)
        if (d.jouees[c] != cfixees[c])
            return "Carte jouée par un autre joueur que celui qui la tient";
    return "";
}

void ouvre_pap(PasAPas& p) {
    if (!p.copie_prise) {
        p.copie = contr;
        p.contr_ini = contr.nom;
        p.copie_prise = true;
    }
    // The analysis works on a file of its own: the user's is never rewritten.
    enregistre_contr(fichier_pasapas);
    contr.nom = fichier_pasapas;
    efface_jeu(p.dpap);
    efface_resultats(p);
    p.dpap.noc = 1;
    p.dpap.id_contraintes = contr.id;
    listetoremain(contr.cfixees, p.dpap.jeux_ini);
    std::memcpy(p.dpap.fixees, contr.cfixees, 52);
}

std::vector<int> candidats_pap(const Deja& d, const char* donne) {
    char reste[52];
    std::memcpy(reste, donne, 52);
    // The cards of the current trick still lie between the others: a follower
    // holding ♠R V after ♠D is led has two different cards.
    const int completes = nb_jouees(d) - nb_jouees(d) % 4;
    for (int k = 0; k < completes; ++k) reste[d.nosdj[static_cast<std::size_t>(k)]] = 'V';
    const char lettre = jsymbs[d.joueur];
    if (d.joueur == d.premier) return numeros_utiles(reste, lettre);
    return numeros_jouables(reste, lettre, d.ctcouleurs[0]);
}

void modele_visible(Deja& d, const char* donne) {
    const int mort = (d.declarant + 2) % 4;
    bool vus[4] = {false, false, false, false};
    vus[d.joueur] = true;
    if (d.joueur == mort) vus[d.declarant] = true;
    else if (d.noc != 1) vus[mort] = true;
    for (int c = 0; c < 52; ++c) {
        const int s = siege(donne[c]);
        d.fixees[c] = (s >= 0 && vus[s]) ? donne[c] : 'V';
        if (d.jouees[c] != 'V') d.fixees[c] = d.jouees[c];
    }
}

bool res_pap(PasAPas& p, int c) {
    Deja& d = p.dpap;
    efface_resultats(p);
    const std::time_t debut = std::time(nullptr);

    if (d.noc == 1) {
        d.premier = d.joueur = d.dernier = (d.declarant + 1) % 4;
    } else if (c >= 0) {
        const int place = (d.noc - 2) % 4;
        if (place < 3) {
            d.ctcouleurs[place] = coulno(c);
            d.ctranks[place] = rang(c);
            d.joueur = (d.premier + place + 1) % 4;
        } else {
            ferme_levee(d, c);
        }
    }
    if (nb_jouees(d) >= 52) return false;

    // The set may have been edited since the last step: its deal must still
    // be the one followed, its conditions complete and the settings sound.
    std::string refus = verifie_donne_pap(d, contr.cfixees);
    if (refus.empty() && nbstat < 1) refus = "Le nombre de donnes doit être au moins 1";
    if (refus.empty()) refus = verifie_tirage(contr, false);
    if (!refus.empty()) {
        alerte(refus);
        return false;
    }

    char donne[52];
    donne_suivie(d, donne);
    modele_visible(d, donne);
    const std::int64_t tirages = stat(d);
    if (bilan_entames.statut == Statut::budget_epuise) {
        alerte(message_limite_pap);
        return false;
    }
    if (bilan_entames.statut != Statut::ok) {
        alerte(bilan_entames.message);
        return false;
    }

    // Counts are shown only for an evaluation that listed its candidates.
    p.n = tirages;
    p.analysees = bilan_entames.analysees;
    const float analysees = static_cast<float>(bilan_entames.analysees);
    p.taux = d.niveau > 0;
    const int gagnees = (d.declarant + d.joueur) % 2 == 1 ? d.leveesdef : d.leveesdec;
    for (const int k : candidats_pap(d, donne)) {
        float v = 0;
        if (p.taux) {
            v = static_cast<float>(nbchutes[k]) / analysees;
        } else {
            for (int x = 0; x <= 13; ++x) v += static_cast<float>(x * tabstat[k][x]);
            v = v / analysees + static_cast<float>(gagnees);
        }
        p.rpap.push_back(k);
        p.vesp.push_back(v);
    }
    tri(p.rpap, p.vesp);
    p.t = static_cast<int>(std::difftime(std::time(nullptr), debut));
    return true;
}

bool contrat_pap(PasAPas& p, int niveau, int couleur, int declarant) {
    Deja& d = p.dpap;
    if (niveau < 0 || niveau > 7 || couleur < 0 || couleur > 4 || declarant < 0 || declarant > 3)
        return false;
    if (d.noc >= 2 && (couleur != d.couleur || declarant != d.declarant)) return false;
    p.niveau_choisi = niveau;
    if (niveau == d.niveau && couleur == d.couleur && declarant == d.declarant) return false;
    d.niveau = niveau;
    d.couleur = couleur;
    d.declarant = declarant;
    if (d.noc <= 1) d.premier = d.joueur = d.dernier = (declarant + 1) % 4;
    efface_resultats(p);
    return true;
}

bool joue_pap(PasAPas& p, int c) {
    if (std::find(p.rpap.begin(), p.rpap.end(), c) == p.rpap.end()) return false;
    Deja& d = p.dpap;
    d.jouees[c] = jsymbs[d.joueur];
    d.dj[d.joueur][coulno(c)] |= 1u << rang(c);
    d.nosdj.push_back(c);
    ++d.noc;
    return res_pap(p, c);
}

void initialise_pap(PasAPas& p) {
    efface_jeu(p.dpap);
    p.dpap.niveau = p.niveau_choisi;
    efface_resultats(p);
    if (p.copie_prise) contr = p.copie;
    // A condition being added belonged to the set just replaced.
    if (env.page == "ajoute") env.page = "montrer";
}

void quitte_pap(PasAPas& p) {
    if (p.copie_prise) contr = p.copie;
    p = PasAPas();
    env.pasapas = false;
    if (env.page == "ajoute") env.page = "montrer";
}
