#include "jeudds.h"

#include <bitset>

#include "cartes.h"
#include "hooks.h"

namespace {

// The play window solves on the GUI thread, which is worker 0 of every team.
constexpr int thread_gui = 0;

int nb_cartes(const unsigned main[4]) {
    int n = 0;
    for (int c = 0; c < 4; ++c) n += static_cast<int>(std::bitset<32>(main[c]).count());
    return n;
}

int nb_cartes_total(const unsigned rc[4][4]) {
    int n = 0;
    for (int j = 0; j < 4; ++j) n += nb_cartes(rc[j]);
    return n;
}

bool est_doublon(int code) { return code == -4 || code == refus_doublon; }

bool est_levee_fausse(int code) {
    return code == -12 || code == refus_levee || code == refus_jouee_tenue;
}

// Most tricks for every legal card, found afresh.
EtatSolveur resout(const PositionDds& p, ReponseDds& rep) {
    return resout_position(p, -1, 3, 1, rep, thread_gui);
}

std::string titre_depart(const EtatSolveur& e) {
    if (e.code == -2) return "Aucune cartes entrée";
    if (est_doublon(e.code)) return "Attention, un doublon est présent";
    if (est_levee_fausse(e.code)) return "Carte incorrecte dans la levée courante";
    return "";
}

}  // namespace

PositionDds ini_dl() {
    PositionDds p;
    p.trump = 4;
    p.first = 3;
    return p;
}

void free_fut(ReponseDds& fut) { fut = ReponseDds{}; }

int vainqueur(const int* suits, const int* ranks, int trump) {
    int w = 0;
    for (int k = 1; k < 4; ++k) {
        const bool atout_k = suits[k] == trump;
        const bool atout_w = suits[w] == trump;
        if (atout_k && !atout_w)
            w = k;
        else if (suits[k] == suits[w] && ranks[k] > ranks[w])
            w = k;
    }
    return w;
}

int score(int couleur, int rang, const ReponseDds& fut) {
    const int n = fut.cards < 0 ? 0 : (fut.cards > 13 ? 13 : fut.cards);
    for (int k = 0; k < n; ++k)
        if (fut.suit[k] == couleur && fut.rank[k] == rang) return fut.score[k];
    return -1;
}

int nb_cartes_jouees_levee(const PositionDds& p) {
    if (p.currentTrickRank[0] == 0) return 0;
    if (p.currentTrickRank[1] == 0) return 1;
    if (p.currentTrickRank[2] == 0) return 2;
    return 3;
}

int remplitjeu4(unsigned rc[4][4]) {
    complete_rc(rc);
    const int n = nb_cartes(rc[0]);
    for (int j = 1; j < 4; ++j)
        if (nb_cartes(rc[j]) != n) {
            alerte("Données incorrectes, les 4 joueurs doivent avoir le même nombre de cartes");
            return 0;
        }
    return 1;
}

std::string texte_alerte_solveur(const std::string& titre, const EtatSolveur& e) {
    if (titre.empty() || titre == e.message) return texte_erreur(e);
    return titre + "\n" + texte_erreur(e);
}

void JeuDds::reouvre() {
    pdl = ini_dl();
    vecteur_deal.clear();
    vecteurNS.clear();
    vecteurEO.clear();
    free_fut(fut);
}

bool JeuDds::demarre(const char* cfixees) {
    PositionDds p = pdl;
    listetoremain(cfixees, p.remainCards);
    for (int k = 0; k < 3; ++k) p.currentTrickSuit[k] = p.currentTrickRank[k] = 0;
    if (!remplitjeu4(p.remainCards)) return false;
    if (nb_cartes_total(p.remainCards) == 0) {
        alerte("Aucune cartes entrée");
        return false;
    }
    return redemarre(p);
}

bool JeuDds::redemarre(const PositionDds& depart) {
    ReponseDds rep;
    const EtatSolveur e = resout(depart, rep);
    if (!e.ok) {
        free_fut(fut);
        alerte(texte_alerte_solveur(titre_depart(e), e));
        return false;
    }
    pdl = depart;
    for (int j = 0; j < 4; ++j)
        for (int c = 0; c < 4; ++c) jeux_ini[j][c] = depart.remainCards[j][c];
    leveesNS = leveesEO = 0;
    vecteur_deal.assign(1, depart);
    vecteurNS.assign(1, 0);
    vecteurEO.assign(1, 0);
    fut = rep;
    return true;
}

bool JeuDds::fini() const {
    return en_cours() && nb_cartes_total(pdl.remainCards) == 0 && nb_cartes_jouees_levee(pdl) == 0;
}

int JeuDds::joueur_actif() const { return (pdl.first + nb_cartes_jouees_levee(pdl)) % 4; }

int JeuDds::score_carte(int joueur, int couleur, int rang) const {
    if (!en_cours() || joueur != joueur_actif()) return -1;
    if (couleur < 0 || couleur > 3 || rang < 2 || rang > 14) return -1;
    if (!(pdl.remainCards[joueur][couleur] & (1u << rang))) return -1;
    const int s = score(couleur, rang, fut);
    return s >= 0 ? s : -1;
}

bool JeuDds::joue(int joueur, int couleur, int rang) {
    if (!en_cours() || joueur != joueur_actif()) return false;
    if (couleur < 0 || couleur > 3 || rang < 2 || rang > 14) return false;
    const unsigned bit = 1u << rang;
    if (!(pdl.remainCards[joueur][couleur] & bit)) return false;
    const int n = nb_cartes_jouees_levee(pdl);
    // A player who can follow the suit led must.
    if (n > 0 && couleur != pdl.currentTrickSuit[0] && pdl.remainCards[joueur][pdl.currentTrickSuit[0]])
        return false;

    PositionDds p = pdl;
    p.remainCards[joueur][couleur] &= ~bit;
    if (n == 3) {
        const int suits[4] = {p.currentTrickSuit[0], p.currentTrickSuit[1], p.currentTrickSuit[2],
                              couleur};
        const int ranks[4] = {p.currentTrickRank[0], p.currentTrickRank[1], p.currentTrickRank[2],
                              rang};
        p.first = (p.first + vainqueur(suits, ranks, p.trump)) % 4;
        if (p.first % 2)
            ++leveesEO;
        else
            ++leveesNS;
        for (int k = 0; k < 3; ++k) p.currentTrickSuit[k] = p.currentTrickRank[k] = 0;
    } else {
        p.currentTrickSuit[n] = couleur;
        p.currentTrickRank[n] = rang;
    }
    pdl = p;
    vecteur_deal.push_back(p);
    vecteurNS.push_back(leveesNS);
    vecteurEO.push_back(leveesEO);

    free_fut(fut);
    // Once every card is played there is nothing left to ask.
    if (fini()) return true;
    ReponseDds rep;
    const EtatSolveur e = resout(p, rep);
    if (!e.ok) {
        std::string titre;
        if (est_doublon(e.code))
            titre = "Carte multiple";
        else if (est_levee_fausse(e.code))
            titre = "Couleur ou rang de carte impossible";
        alerte(texte_alerte_solveur(titre, e));
        return false;
    }
    fut = rep;
    return true;
}

bool JeuDds::retour() {
    if (vecteur_deal.size() < 2) return false;
    const PositionDds& avant = vecteur_deal[vecteur_deal.size() - 2];
    ReponseDds rep;
    const EtatSolveur e = resout(avant, rep);
    if (!e.ok) {
        free_fut(fut);
        alerte(texte_alerte_solveur("Erreur", e));
        return false;
    }
    vecteur_deal.pop_back();
    vecteurNS.pop_back();
    vecteurEO.pop_back();
    pdl = vecteur_deal.back();
    leveesNS = vecteurNS.back();
    leveesEO = vecteurEO.back();
    fut = rep;
    return true;
}

bool JeuDds::change_atout(int trump) {
    if (trump < 0 || trump > 4) return false;
    if (!en_cours()) {
        pdl.trump = trump;
        return true;
    }
    PositionDds depart = vecteur_deal.front();
    depart.trump = trump;
    return redemarre(depart);
}

bool JeuDds::change_premier(int first) {
    if (first < 0 || first > 3) return false;
    if (!en_cours()) {
        pdl.first = first;
        return true;
    }
    PositionDds depart = vecteur_deal.front();
    depart.first = first;
    return redemarre(depart);
}
