#include "edition_cocos.h"

#include <algorithm>
#include <cstddef>

#include "formule.h"
#include "generateur.h"
#include "hooks.h"
#include "interventions.h"
#include "ouvertures.h"
#include "reponses.h"

namespace {

// Kinds whose values are checked against each other.
constexpr int kind_ouverture = 0, kind_reponse = 1, kind_intervention = 2, kind_points = 3,
              kind_plus_longue = 6;
constexpr int contre = 8;
constexpr int nature_soutien = 3;  // "S", counted in a trump suit
constexpr int couleur_sa = 4;      // "SA" in the longest-suit list

bool refuse() {
    alerte(alerte_condition_impossible);
    return false;
}

bool est_couleur(int s) { return s >= 0 && s <= 3; }

// The table of the editor: a balanced range goes with a one-level suit
// opening (or "1 mineure"), the game-forcing hand with 2 ♣ or 2 ♦.
bool particularite_admise(int o, int q) {
    if (q == partic_1214 || q == partic_1819) return o <= 13 || o == ouv_1_mineure;
    if (q == partic_forcing_manche) return o == 20 || o == 21;
    return true;
}

// Whether the opening test of o reads particularité q: only then does the
// pair mean something other than the opening alone, or nothing at all.
bool particularite_lue(int o, int q) {
    switch (q) {
        case partic_aucune:
            return true;
        case partic_1214:
        case partic_1819:
            return (o >= 10 && o <= 13) || o == ouv_1_mineure || o == ouv_1_majeure;
        case partic_sans_majeure5:
            return o == 14;
        case partic_forcing_manche:
            return o == 20 || o == 21;
        default:
            return false;
    }
}

// The bidding table of the editor: the openings after which a response may
// be picked.
bool reponse_admise(int o, int r) {
    switch (r) {
        case 13: case 24: return o <= 11;
        case 14: case 23: case 43: return o == 13;
        case 20: return o == 10 || o == 14;
        case 21: return o == 12 || o == 13 || o == 14;
        case 22: return o == 12 || o == 14;
        case 30: return o == 24;
        case 33: return o == 14;
        case 34: return o != 12 && o != 13;
        default: return true;
    }
}

// A bid (from 10 up) must be higher than the opening it overcalls.
bool sous_ouverture(int par, int sur) { return par >= 10 && sur >= par; }

bool verifie_ouverture(const Condouv& c, int k, int v) {
    if (k != 1 && k != 2) return true;
    const int o = k == 1 ? v : c.params[1];
    const int q = k == 2 ? v : c.params[2];
    if (k == 2 && !particularite_admise(o, q)) return refuse();
    if (!ouverture_definie(o, q) || !particularite_lue(o, q)) return refuse();
    return true;
}

bool verifie_reponse(const Condouv& c, int k, int v) {
    if (k != 1 && k != 2) return true;
    const int o = k == 1 ? v : c.params[1];
    const int r = k == 2 ? v : c.params[2];
    if (k == 2 && !reponse_admise(o, r)) return refuse();
    if (!repo_definie(o, r)) return refuse();
    return true;
}

bool verifie_intervention(const Condouv& c, int k, int v) {
    if (k != 0 && k != 1) return true;
    const int par = k == 0 ? v : c.params[0];
    const int sur = k == 1 ? v : c.params[1];
    if (sous_ouverture(par, sur)) {
        alerte(alerte_intervention_impossible);
        return refuse();
    }
    if (k == 1) {
        if (par == contre && !(sur >= 10 && sur <= 13)) return refuse();
        if (par != contre && sur >= 30) return refuse();
    }
    if (!intervention_definie(par, sur)) return refuse();
    return true;
}

}  // namespace

bool verifie_coco(const Condouv& coco, int k, int v) {
    const int id = coco.id_condition;
    if (id < 0 || static_cast<std::size_t>(id) >= conditions.size()) return true;
    if (k < 0 || coco.params.size() < conditions[id].params.size()) return true;
    switch (id) {
        case kind_ouverture: return verifie_ouverture(coco, k, v);
        case kind_reponse: return verifie_reponse(coco, k, v);
        case kind_intervention: return verifie_intervention(coco, k, v);
        case kind_points: {
            if (k != 1 && k != 2) return true;
            const int nature = k == 1 ? v : coco.params[1];
            const int couleur = k == 2 ? v : coco.params[2];
            if (nature == nature_soutien && !est_couleur(couleur)) return refuse();
            return true;
        }
        case kind_plus_longue:
            if (k == 0 && v == couleur_sa) return refuse();
            return true;
        default:
            return true;
    }
}

std::vector<int> valeurs_initiales(const Condition& kind) {
    std::vector<int> r;
    for (std::size_t k = 0; k < kind.params.size(); ++k)
        r.push_back(k < kind.choix.size() && !kind.choix[k].empty() ? kind.choix[k][0].v : 0);
    return r;
}

std::string lettre_coco(int i) {
    if (i < 0 || i >= max_lettres) return "";
    return std::string(1, static_cast<char>('a' + i));
}

std::string alerte_coco_non_definie(int i) {
    return "Coco " + lettre_coco(i) +
           " non définie : choisir sa condition ou la supprimer avant de tirer des donnes";
}

int coco_sans_kind(const Contraintes& c) {
    for (std::size_t i = 0; i < c.cocos.size(); ++i) {
        const int id = c.cocos[i].id_condition;
        if (id < 0 || static_cast<std::size_t>(id) >= conditions.size()) return static_cast<int>(i);
    }
    return -1;
}

bool verifie_kinds(const Contraintes& c) {
    const int i = coco_sans_kind(c);
    if (i >= 0) alerte(alerte_coco_non_definie(i));
    return i < 0;
}

std::string alerte_formule_postfixe(const std::string& f) {
    return "Formule « " + f +
           " » refusée : un opérateur n'y trouve pas ses termes. Les formules sont postfixées, "
           "chaque opérateur après ses termes : ab&c| se lit (a et b) ou c, a!b& se lit (non a) "
           "et b. La formule précédente est gardée.";
}

std::string refus_formules(const Contraintes& c, bool avec_calculs) {
    const std::size_t nr = std::min<std::size_t>(c.cocos.size(), max_lettres);
    const std::size_t nk = avec_calculs ? std::min<std::size_t>(c.calculs.size(), max_lettres) : 0;
    const std::string suite =
        " » incomplet : un opérateur n'y trouve pas ses termes (formule postfixée, par exemple "
        "ab&c|) ; aucune donne tirée";
    const bool contexte_lu = a_contexte(c) && (avec_calculs || nr > 0);
    if (contexte_lu && !formule_complete(c.con, nr, nk)) return "Contexte « " + c.con + suite;
    if (avec_calculs)
        for (std::size_t i = 0; i < nk; ++i)
            if (!formule_complete(c.calculs[i].alg, nr, nk))
                return std::string("Calcul ") + static_cast<char>('A' + i) + " (" +
                       c.calculs[i].nom + ") « " + c.calculs[i].alg + suite;
    return "";
}

bool verifie_tirage(const Contraintes& c, bool avec_calculs) {
    if (!verifie_kinds(c)) return false;
    const std::string refus = refus_formules(c, avec_calculs);
    if (!refus.empty()) alerte(refus);
    return refus.empty();
}

bool formules_a_modifier(const Contraintes& c, int n) {
    const int premiere = 'a' + (n < 0 ? 0 : n);
    const auto nomme = [premiere](const std::string& f) {
        for (char x : f)
            if (x >= premiere && x <= 'z') return true;
        return false;
    };
    if (c.con != "Non" && nomme(c.con)) return true;
    for (const Calcul& k : c.calculs)
        if (nomme(k.alg)) return true;
    return false;
}

std::string texte_joueur_coco(const Condouv& c) {
    return c.joueur >= 0 && c.joueur <= 3 ? nomjoueur[c.joueur] : "";
}

std::string nom_kind_coco(const Condouv& c) {
    if (c.id_condition < 0 || static_cast<std::size_t>(c.id_condition) >= conditions.size())
        return "non définie";
    return conditions[c.id_condition].nom;
}

std::string texte_params_coco(const Condouv& c) {
    if (c.id_condition < 0 || static_cast<std::size_t>(c.id_condition) >= conditions.size())
        return "";
    const Condition& kind = conditions[c.id_condition];
    std::string t;
    for (std::size_t k = 0; k < kind.params.size(); ++k) {
        // A value the kind does not offer (or a missing one) shows no label.
        const std::string v =
            k < c.params.size() ? kind.nombrutchoix(static_cast<int>(k), c.params[k]) : "";
        t += kind.params[k] + " FPC " + v + " FNC ";
    }
    return t;
}
