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
constexpr int nature_soutien = 3;  // "S", counted in a trump suit
constexpr int couleur_sa = 4;      // "SA" in the longest-suit list

bool est_couleur(int s) { return s >= 0 && s <= 3; }

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

// A bid (from 10 up) must be higher than the opening it overcalls.
bool sous_ouverture(int par, int sur) { return par >= 10 && sur >= par; }

// The two parameters of a kind whose values go in pairs (the first of them
// in a), or false for a kind whose values are free of each other.
bool paire_de(int kind, int& a, int& b) {
    switch (kind) {
        case kind_ouverture: case kind_reponse: case kind_points: a = 1; b = 2; return true;
        case kind_intervention: a = 0; b = 1; return true;
        default: return false;
    }
}

// Whether the pair (x, y) of those two parameters may be stored: it has a
// rule, so a set that asks for it can be dealt.
bool paire_admise(int kind, int x, int y) {
    switch (kind) {
        case kind_ouverture: return ouverture_definie(x, y) && particularite_lue(x, y);
        case kind_reponse: return repo_definie(x, y);
        case kind_intervention: return !sous_ouverture(x, y) && intervention_definie(x, y);
        case kind_points: return x != nature_soutien || est_couleur(y);
        default: return true;
    }
}

// Whether the check has the values it compares: a known kind, a parameter of
// it, and as many values as the kind has parameters.
bool comparable(const Condouv& coco, int k) {
    const int id = coco.id_condition;
    if (id < 0 || static_cast<std::size_t>(id) >= conditions.size()) return false;
    return k >= 0 && static_cast<std::size_t>(k) < conditions[id].params.size() &&
           coco.params.size() >= conditions[id].params.size();
}

}  // namespace

bool verifie_coco(const Condouv& coco, int k, int v) {
    if (!comparable(coco, k)) return true;
    const int id = coco.id_condition;
    if (id == kind_plus_longue && k == 0 && v == couleur_sa) {
        alerte(alerte_condition_impossible);
        return false;
    }
    int a = 0, b = 0;
    if (!paire_de(id, a, b) || (k != a && k != b)) return true;
    const int x = k == a ? v : coco.params[a];
    const int y = k == b ? v : coco.params[b];
    if (paire_admise(id, x, y)) return true;
    // An overcall not higher than the opening says so first.
    if (id == kind_intervention && sous_ouverture(x, y)) alerte(alerte_intervention_impossible);
    alerte(alerte_condition_impossible);
    return false;
}

bool donne_valeur(Condouv& coco, int k, int v) {
    if (!comparable(coco, k)) {
        if (k >= 0 && static_cast<std::size_t>(k) < coco.params.size()) coco.params[k] = v;
        return true;
    }
    const int id = coco.id_condition;
    int a = 0, b = 0;
    if (paire_de(id, a, b) && (k == a || k == b)) {
        const int autre = k == a ? b : a;
        const auto admise = [&](int w) { return k == a ? paire_admise(id, v, w) : paire_admise(id, w, v); };
        if (!admise(coco.params[autre])) {
            // The other value follows the one just picked, to the first that
            // makes a pair with it, so either may be picked first.
            for (const v_n& w : conditions[id].choix[autre])
                if (admise(w.v)) {
                    coco.params[autre] = w.v;
                    coco.params[k] = v;
                    return true;
                }
        }
    }
    if (!verifie_coco(coco, k, v)) return false;
    coco.params[k] = v;
    return true;
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

std::string verifie_kinds(const Contraintes& c) {
    const int i = coco_sans_kind(c);
    return i < 0 ? "" : alerte_coco_non_definie(i);
}

namespace {

// Whether byte b begins a character (is not a continuation byte of UTF-8).
bool debut_caractere(char b) { return (static_cast<unsigned char>(b) & 0xC0) != 0x80; }

// A formula as an alert quotes it: a long one (a file may hold thousands of
// characters) is cut after its first characters, so that the alert fits the
// screen.
std::string cite(const std::string& f) {
    constexpr std::size_t cites = 60;
    std::size_t n = 0;
    for (std::size_t i = 0; i < f.size(); ++i)
        if (debut_caractere(f[i]) && n++ == cites) return f.substr(0, i) + "…";
    return f;
}

}  // namespace

std::string alerte_formule_postfixe(const std::string& f) {
    const std::size_t i = lit_formule(f, max_lettres, max_lettres).manque;
    std::string qui = "un opérateur";
    if (i != LectureFormule::aucun) {
        // Its place as the user counts, in characters.
        const std::size_t place = static_cast<std::size_t>(std::count_if(
            f.begin(), f.begin() + static_cast<std::ptrdiff_t>(i) + 1, debut_caractere));
        qui = "l'opérateur « " + std::string(1, f[i]) + " » en position " + std::to_string(place);
    }
    return "Formule « " + cite(f) + " » refusée : " + qui +
           " n'y trouve pas ses termes. Les formules sont postfixées, chaque opérateur après ses "
           "termes : ab&c| se lit (a et b) ou c, a!b& se lit (non a) et b. La formule précédente "
           "est gardée.";
}

std::string refus_saisie_formule(const std::string& f) {
    return formule_complete(f, max_lettres, max_lettres) ? "" : alerte_formule_postfixe(f);
}

std::string alerte_lettres_inexistantes(const std::string& f, std::size_t nr, std::size_t nk) {
    std::string vues;
    for (const char ch : f) {
        const unsigned char c = static_cast<unsigned char>(ch);
        // "{", "}" and "~" follow "z"; "|" lies among them but is the "or".
        const bool minuscule =
            c <= '~' && c != '|' && c >= 'a' + std::min(nr, std::size_t{26});
        const bool majuscule = c <= 'Z' && c >= 'A' + std::min(nk, std::size_t{26});
        if ((minuscule || majuscule) && vues.find(ch) == std::string::npos) vues += ch;
    }
    if (vues.empty()) return "";
    std::string t = "Coco inexistante : ";
    for (std::size_t i = 0; i < vues.size(); ++i) (t += i ? ", " : "") += vues[i];
    return t;
}

std::string refus_formules(const Contraintes& c, bool avec_calculs) {
    const std::size_t nr = std::min<std::size_t>(c.cocos.size(), max_lettres);
    const std::size_t nk = avec_calculs ? std::min<std::size_t>(c.calculs.size(), max_lettres) : 0;
    const std::string fin = " ; aucune donne tirée";
    // Why formula f (the context when contexte) cannot be read for the draw.
    const auto refus = [&](const std::string& nom, const std::string& f, bool contexte) {
        const std::string cite_f = nom + " « " + cite(f) + " » ";
        const LectureFormule l = lit_formule(f, nr, nk);
        if (l.manque != LectureFormule::aucun)
            return cite_f + "incomplet : un opérateur n'y trouve pas ses termes (formule " +
                   "postfixée, par exemple ab&c|)" + fin;
        if (l.profondeur > profondeur_max_formule)
            return cite_f + "trop profond : plus de " + std::to_string(profondeur_max_formule) +
                   " termes y attendent leur opérateur" + fin;
        // A context that never holds would spend the whole budget; a
        // calculation that never holds only counts nothing.
        if (!contexte) return std::string();
        if (l.reste == 0)
            return cite_f + "sans valeur : aucune de ses lettres ne nomme une condition" +
                   (nk > 0 ? " ni un calcul" : "") + fin;
        if (toujours_fausse(f, nr, nk))
            return cite_f + "jamais vrai : il est faux quelles que soient les valeurs de ses " +
                   "conditions" + fin;
        return std::string();
    };
    const bool contexte_lu = a_contexte(c) && (avec_calculs || nr > 0);
    if (contexte_lu)
        if (std::string r = refus("Contexte", c.con, true); !r.empty()) return r;
    if (avec_calculs)
        for (std::size_t i = 0; i < nk; ++i) {
            const std::string nom =
                std::string("Calcul ") + static_cast<char>('A' + i) + " (" + c.calculs[i].nom + ")";
            if (std::string r = refus(nom, c.calculs[i].alg, false); !r.empty()) return r;
        }
    return "";
}

std::string verifie_tirage(const Contraintes& c, bool avec_calculs) {
    const std::string r = verifie_kinds(c);
    return r.empty() ? refus_formules(c, avec_calculs) : r;
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
