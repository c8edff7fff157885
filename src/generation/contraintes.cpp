// The constraint file: its reader (the constructor from a path) and its
// writer. Files are untrusted: a value that could later index an array out
// of range makes the reader refuse the whole file.
#include "contraintes.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>

#include "fichiers.h"
#include "hooks.h"

namespace {

// A '\r' inside a line (a file that went through several systems) separates
// like a blank.
bool est_blanc(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A formula keeps its blanks, but a carriage return among them becomes a
// space: the writer puts one there, and the set must read back the same.
std::string retour_en_espace(std::string s) {
    for (char& c : s)
        if (c == '\r') c = ' ';
    return s;
}

// Walks the blank-separated tokens of one line.
class Jetons {
public:
    explicit Jetons(const std::string& l) : l_(l) {}
    // The next token, "" at the end of the line.
    std::string suivant() {
        while (p_ < l_.size() && est_blanc(l_[p_])) ++p_;
        const std::size_t d = p_;
        while (p_ < l_.size() && !est_blanc(l_[p_])) ++p_;
        return l_.substr(d, p_ - d);
    }
    // Position just after the last token taken.
    std::size_t position() const { return p_; }

private:
    const std::string& l_;
    std::size_t p_ = 0;
};

// A whole token read as a decimal integer ("+" or "-" allowed); false for
// anything else, including values outside int.
bool entier(const std::string& t, int& v) {
    if (t.empty()) return false;
    std::size_t i = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    if (i == t.size()) return false;
    for (std::size_t j = i; j < t.size(); ++j)
        if (t[j] < '0' || t[j] > '9') return false;
    errno = 0;
    const long long x = std::strtoll(t.c_str(), nullptr, 10);
    if (errno == ERANGE || x < INT_MIN || x > INT_MAX) return false;
    v = static_cast<int>(x);
    return true;
}

std::string txt(long long n) { return std::to_string(n); }

struct Refus {
    std::size_t ligne = 0;  // 0: the file as a whole
    std::string motif;
};

// Splits a calculation line on single blanks, as the writer joins it:
// key, letter, name, then the formula; an empty name stays empty.
Calcul lit_calcul(const std::string& l, std::size_t apres_cle) {
    Calcul c;
    std::size_t p = apres_cle;
    auto champ = [&]() {
        if (p < l.size() && est_blanc(l[p])) ++p;
        const std::size_t d = p;
        while (p < l.size() && !est_blanc(l[p])) ++p;
        return l.substr(d, p - d);
    };
    champ();  // the letter: a calculation is named by its position
    c.nom = champ();
    if (p < l.size()) ++p;
    std::size_t d = p, f = l.size();
    while (d < f && est_blanc(l[d])) ++d;
    while (f > d && est_blanc(l[f - 1])) --f;
    c.alg = retour_en_espace(l.substr(d, f - d));
    return c;
}

// Reads the lines after the header into s; false with the reason on the
// first line that cannot be accepted, or when no line after the header is
// one of a constraint file: any text or binary file would otherwise read as
// the empty set and replace the set in use.
bool lit_lignes_contraintes(const std::vector<std::string>& lignes, Contraintes& s, Refus& refus) {
    auto refuse = [&](std::size_t i, std::string motif) {
        refus.ligne = i + 1;
        refus.motif = std::move(motif);
        return false;
    };
    bool reconnue = false;
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        const std::string& l = lignes[i];
        Jetons j(l);
        const std::string cle = j.suivant();
        if (cle.empty()) continue;
        reconnue = reconnue || cle == "nom" || cle == "fixees" || cle == "numero" ||
                   cle == "coco" || cle == "contexte" || cle == "calcul";

        if (cle == "fixees") {
            const std::string v = j.suivant();
            bool bon = v.size() == 52;
            for (std::size_t k = 0; bon && k < v.size(); ++k)
                bon = v[k] == 'N' || v[k] == 'E' || v[k] == 'S' || v[k] == 'O' || v[k] == 'V';
            if (!bon) return refuse(i, "fixees doit compter 52 lettres parmi N, E, S, O et V");
            int n[4] = {0, 0, 0, 0};
            for (char c : v)
                for (int p = 0; p < 4; ++p)
                    if (c == jsymbs[p]) ++n[p];
            for (int p = 0; p < 4; ++p)
                if (n[p] > 13)
                    return refuse(i, std::string(nomjoueur[p]) + " a " + txt(n[p]) +
                                         " cartes fixées, plus de 13");
            for (int k = 0; k < 52; ++k) s.cfixees[k] = v[k];
        } else if (cle == "numero") {
            const std::string v = j.suivant();
            if (v.empty()) continue;  // nothing to read: the numbering stays
            int n;
            if (!entier(v, n) || n < -4 || n > 16)
                return refuse(i, "numero doit être un entier de -4 à 16");
            s.numerofixe = n;
        } else if (cle == "coco") {
            if (s.cocos.size() >= static_cast<std::size_t>(max_lettres))
                return refuse(i, "plus de " + txt(max_lettres) + " conditions");
            Condouv c;
            j.suivant();  // the letter: a condition is named by its position
            const std::string joueur = j.suivant();
            if (!joueur.empty() && !entier(joueur, c.joueur))
                return refuse(i, "le joueur doit être un entier de 0 à 3");
            const std::string kind = j.suivant();
            if (!kind.empty() && !entier(kind, c.id_condition))
                return refuse(i, "le type de condition doit être un entier");
            // Parameters run up to the first token that is not an integer.
            for (std::string t = j.suivant(); !t.empty(); t = j.suivant()) {
                int v;
                if (!entier(t, v)) break;
                c.params.push_back(v);
            }
            const std::string motif = defaut_condition(c, conditions);
            if (!motif.empty()) return refuse(i, motif);
            s.cocos.push_back(std::move(c));
        } else if (cle == "contexte") {
            std::size_t p = j.position();
            if (p < l.size()) ++p;  // the blank after the key
            s.con = retour_en_espace(l.substr(p));
            if (sans_contexte(s.con) && s.con != "Non") s.con.clear();  // blanks: no context
        } else if (cle == "calcul") {
            if (s.calculs.size() >= static_cast<std::size_t>(max_lettres))
                return refuse(i, "plus de " + txt(max_lettres) + " calculs");
            s.calculs.push_back(lit_calcul(l, j.position()));
        }
        // "nom" and unknown keys: the set keeps the path it was read from.
    }
    if (!reconnue) {
        refus = Refus{0, "aucune ligne de fichier de contraintes"};
        return false;
    }
    return true;
}

// Names and formulas are one line each in the file: a line break inside one
// would start a new line that the reader takes for a key.
std::string sur_une_ligne(std::string s, char remplace) {
    for (char& c : s)
        if (c == '\n' || c == '\r') c = remplace;
    return s;
}

}  // namespace

std::string defaut_condition(const Condouv& c, const std::vector<Condition>& cat) {
    if (c.joueur < 0 || c.joueur > 3)
        return "joueur " + txt(c.joueur) + " hors de 0..3";
    if (c.id_condition == kind_non_choisi || c.id_condition == kind_indefini) {
        if (!c.params.empty())
            return "une condition de type " + txt(c.id_condition) + " ne porte aucun paramètre";
        return "";
    }
    if (c.id_condition < 0 || static_cast<std::size_t>(c.id_condition) >= cat.size())
        return "type de condition " + txt(c.id_condition) + " inconnu";
    const Condition& k = cat[c.id_condition];
    if (c.params.size() != k.params.size())
        return "la condition de type " + txt(c.id_condition) + " attend " + txt(k.params.size()) +
               " paramètre(s), " + txt(c.params.size()) + " lu(s)";
    for (std::size_t p = 0; p < c.params.size(); ++p) {
        bool offert = false;
        if (p < k.choix.size())
            for (const v_n& o : k.choix[p])
                if (o.v == c.params[p]) {
                    offert = true;
                    break;
                }
        if (!offert)
            return "valeur " + txt(c.params[p]) + " non proposée pour le paramètre " + txt(p + 1) +
                   " de la condition de type " + txt(c.id_condition);
    }
    return "";
}

namespace {

enum class Issue { lu, illisible, trop_grand, refuse };

Issue lit(const std::string& path, Contraintes& sortie, std::string& motif) {
    std::vector<std::string> lignes;
    const Lecture r = lit_lignes(path, lignes, taille_max_contraintes);
    if (r == Lecture::illisible) {
        motif = "fichier illisible";
        return Issue::illisible;
    }
    if (r == Lecture::trop_grand) {
        motif = "fichier trop grand pour un fichier de contraintes";
        return Issue::trop_grand;
    }
    Contraintes s;
    s.nom = path;
    Refus refus;
    if (!lit_lignes_contraintes(lignes, s, refus)) {
        motif = refus.ligne == 0
                    ? refus.motif
                    : "ligne " + txt(static_cast<long long>(refus.ligne)) + " : " + refus.motif;
        return Issue::refuse;
    }
    s.eff();
    sortie = std::move(s);
    return Issue::lu;
}

}  // namespace

bool lit_contraintes(const std::string& path, Contraintes& s, std::string& motif) {
    return lit(path, s, motif) == Issue::lu;
}

Contraintes::Contraintes(const std::string& path) : Contraintes() {
    std::string motif;
    switch (lit(path, *this, motif)) {
        case Issue::lu:
        case Issue::illisible:  // the empty set, silently
            return;
        case Issue::trop_grand:
            alerte(path + " : " + motif);
            return;
        case Issue::refuse:
            alerte(path + " : " + motif + " ; ensemble vide chargé à la place");
            return;
    }
}

std::string texte_contraintes(const Contraintes& c, const std::string& path) {
    std::string t = "fichier_de_contraintes\n";
    t += "nom " + sur_une_ligne(path, ' ') + "\n";
    t += "fixees " + std::string(c.cfixees, 52) + "\n";
    t += "numero " + txt(c.numerofixe) + "\n";
    for (std::size_t i = 0; i < c.cocos.size(); ++i) {
        const Condouv& k = c.cocos[i];
        t += "coco ";
        t += static_cast<char>('a' + i);
        t += " " + txt(k.joueur) + " " + txt(k.id_condition) + " ";
        for (int v : k.params) t += txt(v) + " ";
        t += " \n";
    }
    if (!sans_contexte(c.con) || c.con == "Non") t += "contexte " + sur_une_ligne(c.con, ' ') + "\n";
    for (std::size_t i = 0; i < c.calculs.size(); ++i) {
        const Calcul& k = c.calculs[i];
        // A name holds no blank (the editor turns them into "_"): one would
        // move the rest of the name into the formula on reading.
        std::string nom = sur_une_ligne(k.nom, '_');
        for (char& ch : nom)
            if (est_blanc(ch)) ch = '_';
        t += "calcul ";
        t += static_cast<char>('A' + i);
        t += " " + nom + " " + sur_une_ligne(k.alg, ' ') + " \n";
    }
    return t;
}

bool enregistre_contr(const char* path) {
    const std::string p = path ? path : "";
    // The letters end at "z" and "Z": a longer set cannot be written.
    if (contr.cocos.size() > static_cast<std::size_t>(max_lettres)) {
        alerte(p + " : plus de " + txt(max_lettres) + " conditions, fichier non écrit");
        return false;
    }
    if (contr.calculs.size() > static_cast<std::size_t>(max_lettres)) {
        alerte(p + " : plus de " + txt(max_lettres) + " calculs, fichier non écrit");
        return false;
    }
    if (!remplace_fichier(p, texte_contraintes(contr, p))) {
        alerte("impossible d'écrire le fichier de contraintes " + p);
        return false;
    }
    return true;
}
