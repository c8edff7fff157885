// The constraint model: the catalogue of condition kinds, the conditions
// placed on seats, the named calculations and the constraint set itself.
#pragma once

#include <string>
#include <vector>

#include "bridge.h"

// One value a condition parameter may take: its code, its label in a
// selector list (may carry browser markup) and its plain label.
struct v_n {
    int v = 0;
    std::string nom;
    std::string nombrut;
    v_n() = default;
    v_n(int code, const std::string& label) : v(code), nom(label), nombrut(label) {}
    v_n(int code, const std::string& n, const std::string& brut) : v(code), nom(n), nombrut(brut) {}
};

// One kind of condition of the catalogue.
struct Condition {
    int no = 0;
    std::string nom;
    std::vector<std::string> params;        // parameter titles
    std::vector<std::vector<v_n>> choix;    // per parameter, the offered values
    std::vector<int> l_browsers;            // per parameter, selector width
    std::vector<int> xvsb;                  // per parameter, selector x offset
    Condition() = default;
    Condition(int n, const std::string& name) : no(n), nom(name) {}
    // Labels of value code v of parameter k; "" when no row has that code.
    std::string nomchoix(int k, int v) const;
    std::string nombrutchoix(int k, int v) const;
};

// The catalogue of the 15 condition kinds, built once and never changed.
extern const std::vector<Condition> conditions;

// Kind codes of a condition placed in a set that are not catalogue entries.
inline constexpr int kind_non_choisi = -3;
inline constexpr int kind_indefini = -1;

// One condition placed on a seat of a constraint set.
struct Condouv {
    int id_condition = kind_non_choisi;
    int joueur = 2;
    std::vector<int> params;
};

// One named calculation: a postfix formula over the condition letters.
struct Calcul {
    std::string nom;
    std::string alg;
    bool affiche = false;
};

// A constraint set: fixed cards, conditions, context, calculations, board numbering.
class Contraintes {
public:
    std::string con;            // context formula; "", "Non" or blanks mean none (sans_contexte)
    int id = 0;
    std::string nom = "vides";  // path the set was read from
    char cfixees[52];           // 'N','E','S','O' fixed, 'V' free
    int numerofixe = 0;
    std::vector<Condouv> cocos;
    std::vector<int> numrestants;  // free card indexes, after eff()
    int nbmarquees[4] = {0, 0, 0, 0};  // fixed cards of Sud, Ouest, Nord, Est, after eff()
    int nblibres = 0;
    std::vector<Calcul> calculs;

    // The empty set "vides": all 52 cards free, no condition.
    Contraintes() {
        for (char& c : cfixees) c = 'V';
        eff();
    }
    // Reads a constraint file; an unreadable or refused file gives the empty set.
    explicit Contraintes(const std::string& path);

    // Recomputes numrestants and nbmarquees from cfixees.
    void eff() {
        static constexpr const char* ordre = "SONE";
        for (int& n : nbmarquees) n = 0;
        numrestants.clear();
        for (int i = 0; i < 52; ++i) {
            const char c = cfixees[i];
            if (c == 'V') {
                numrestants.push_back(i);
                continue;
            }
            for (int s = 0; s < 4; ++s)
                if (c == ordre[s]) ++nbmarquees[s];
        }
    }
};

// Whether a context formula names no context: "", "Non", or nothing but
// blanks (around "Non" too). A formula of blanks would leave its stack empty
// and refuse every deal, which is never what the player meant.
inline bool sans_contexte(const std::string& con) {
    auto blanc = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
    std::size_t d = 0, f = con.size();
    while (d < f && blanc(con[d])) ++d;
    while (f > d && blanc(con[f - 1])) --f;
    return f == d || (f - d == 3 && con[d] == 'N' && con[d + 1] == 'o' && con[d + 2] == 'n');
}

// The current constraint set.
extern Contraintes contr;

// Writes the current set `contr` to path through a temporary file renamed
// over it; false, with an alert, when the file could not be written or the
// set holds more than 26 conditions or calculations (the old file stays whole).
bool enregistre_contr(const char* path);
