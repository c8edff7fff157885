#include "textes_tableaux.h"

#include "cartes.h"
#include "score.h"

const char* const entetes_colonnes[5] = {"P", "C", "K", "T", "SA"};
const char* const entetes_lignes[4] = {"N", "E", "S", "O"};

int symbole_enchere(const std::string& mot) {
    for (int k = 0; k < 4; ++k)
        if (mot == symbcoul[k]) return k;
    return -1;
}

std::vector<std::string> mots(const std::string& texte) {
    std::vector<std::string> r;
    std::string mot;
    for (char c : texte) {
        if (c == ' ') {
            if (!mot.empty()) r.push_back(mot);
            mot.clear();
        } else {
            mot += c;
        }
    }
    if (!mot.empty()) r.push_back(mot);
    return r;
}

unsigned couleur_symbole_main(int s) {
    // Darker than the palette's suit colours: the symbols stand beside
    // black rank letters on a white box.
    static const unsigned c[4] = {0x11114400, 88, 0xf0443300, 0x11441100};
    return s >= 0 && s < 4 ? c[s] : couleur_texte;
}

std::array<std::string, 4> lignes_main(const std::string& deal, char seat) {
    std::array<std::string, 4> l;
    for (int s = 0; s < 4; ++s) l[s] = cartes_couleur(deal, seat, s);
    return l;
}

std::array<CaseCentre, 4> cases_centre(int b) {
    std::array<CaseCentre, 4> r;
    for (int j = 0; j < 4; ++j) {
        CaseCentre& c = r[j];
        c.donneur = donneur(j, b);
        c.label = c.donneur ? "D" : std::string(1, jsymbs[j]);
        c.vulnerable = vul(j, b);
        c.couleur = c.vulnerable ? couleur_vulnerable : couleur_non_vulnerable;
    }
    return r;
}

std::string texte_numero(int b) { return " " + std::to_string(b) + " "; }

void cases_tableau(const int res[5][4], int data[4][5]) {
    for (int j = 0; j < 4; ++j)
        for (int s = 0; s < 5; ++s) data[j][s] = res[s][j];
}

MorceauxPar morceaux_par(const structpar& p) {
    MorceauxPar m;
    const int c = p.contrat < 0 ? 0 : p.contrat;
    const int strain = c % 5;
    m.niveau = std::to_string(c / 10);
    m.symbole = symbcoul[strain];
    // A suit has the colour of its symbol in the hands above the par line.
    m.couleur = strain < 4 ? couleur_symbole_main(3 - strain) : static_cast<unsigned>(coulsymb[4]);
    m.couleur_symbole = strain < 4;
    m.contre = c % 10 >= 5;
    const int j = p.joueur >= 0 && p.joueur < 4 ? p.joueur : 0;
    m.suite = std::string(" par ") + joueurs[j] + " " + std::to_string(p.score);
    return m;
}

std::string texte_par(const structpar& p) {
    const MorceauxPar m = morceaux_par(p);
    return m.par + " " + m.niveau + m.symbole + (m.contre ? "X" : "") + m.suite;
}

TexteSymboles texte_bouton_symb(const std::string& ch) {
    TexteSymboles r;
    for (const std::string& mot : mots(ch)) {
        const int k = symbole_enchere(mot);
        if (k < 0) {
            r.texte += mot + " ";
            continue;
        }
        r.symboles.push_back({r.texte, symbcoul[k], static_cast<unsigned>(coulsymb[k])});
        r.texte += "\u2001";  // an em quad holds the symbol's place
    }
    return r;
}

TexteSymboles texte_params(const std::string& ch) {
    TexteSymboles r;
    for (const std::string& mot : mots(ch)) {
        const int k = symbole_enchere(mot);
        if (k >= 0) {
            r.symboles.push_back({r.texte, symbcoul[k], static_cast<unsigned>(coulsymb[k])});
            r.texte += "   ";
        } else if (mot == "FNC") {
            r.texte += "     ";
        } else if (mot == "FPC") {
            r.texte += " : ";
        } else {
            r.texte += mot + " ";
        }
    }
    return r;
}

TexteCarte texte_carte(int no) {
    TexteCarte t{"", "", couleur_texte, ""};
    if (no < 0 || no > 51) return t;
    const int s = 3 - no / 13;
    t.rang = vl[no % 13];
    t.symbole = scoul[s];
    // The colour of the suit's symbol at the head of the hands beside it.
    t.couleur = couleur_symbole_main(s);
    t.t = t.rang + " " + t.symbole;
    return t;
}
