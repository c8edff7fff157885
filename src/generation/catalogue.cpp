// The catalogue of condition kinds: what a user may ask of a seat, with the
// codes stored in constraint files and the labels shown by the editor.
//
// Everything `ajoute_conditions` reads is either in this file or a constant
// table of bridge.h, so `conditions` never depends on the initialisation
// order of other files.
#include "catalogue.h"

#include <string>

#include "cartes.h"

namespace {

std::string txt(int n) { return std::to_string(n); }

// A suit bid (strain 0..3 in bidding order) shown with its coloured symbol
// in the selector list and as "level blank symbol" on buttons. `blanc`
// keeps the blank before the tab that a few rows of the lists carry.
v_n enchere_couleur(int code, bool blanc = false) {
    const int niveau = code / 10;
    const int d = code % 10;
    const std::string nom = txt(niveau) + (blanc ? " " : "") + sycoul[3 - d];
    return v_n(code, nom, txt(niveau) + " " + symbcoul[d]);
}

// The two-level heart openings that carry a convention name after the suit.
v_n deux_coeurs(int code, const char* convention) {
    return v_n(code, std::string("2") + sycoul[1] + " \t@S14@0 " + convention,
               std::string("2 ") + symbcoul[2] + " " + convention);
}

// Suit rows with an extra last row for notrump or all suits.
std::vector<v_n> couleurs_et(int code, const char* label) {
    std::vector<v_n> l = couleurs();
    l.emplace_back(code, label);
    return l;
}

// Appends one kind to the catalogue with its parameters: title, selector
// width, selector offset and offered values.
struct Param {
    const char* titre;
    int largeur;
    int x;
    std::vector<v_n> valeurs;
};

void ajoute(std::vector<Condition>& cat, const char* nom, std::vector<Param> params) {
    Condition c((int)cat.size(), nom);
    for (Param& p : params) {
        c.params.emplace_back(p.titre);
        c.l_browsers.push_back(p.largeur);
        c.xvsb.push_back(p.x);
        c.choix.push_back(std::move(p.valeurs));
    }
    cat.push_back(std::move(c));
}

const std::string* cherche(const std::vector<v_n>* rows, int v, bool brut) {
    if (!rows) return nullptr;
    for (const v_n& r : *rows)
        if (r.v == v) return brut ? &r.nombrut : &r.nom;
    return nullptr;
}

}  // namespace

std::vector<v_n> couleurs() {
    return {{0, "pique"}, {1, "cœur"}, {2, "carreau"}, {3, "trefle"}};
}

std::vector<v_n> jj(int a, int b) {
    std::vector<v_n> l;
    for (int i = a; i <= b; ++i) l.emplace_back(i, txt(i));
    return l;
}

std::vector<v_n> jjd(int a, int b) {
    std::vector<v_n> l;
    for (int i = b; i >= a; --i) l.emplace_back(i, txt(i));
    return l;
}

std::vector<v_n> lc() {
    std::vector<v_n> l;
    for (int r = 2; r <= 14; ++r) l.emplace_back(r, vl[14 - r]);
    return l;
}

std::vector<v_n> lcd() {
    std::vector<v_n> l;
    for (int r = 14; r >= 2; --r) l.emplace_back(r, vl[14 - r]);
    return l;
}

std::vector<v_n> listelj() {
    std::vector<v_n> l;
    // Floating division: the label of 51 must be 5.1, not 5.
    for (int t = 50; t <= 81; ++t) l.emplace_back(t, dstring(t / 10.0, 2));
    return l;
}

std::vector<v_n> teneurs() {
    return {{1, "As"},          {3, "As-Roi"},     {5, "As-Dame"},    {37, "As-Dame-9"},
            {2, "Roi"},         {6, "Roi-Dame"},   {10, "Roi-Valet"}, {18, "Roi-10"},
            {4, "Dame"},        {12, "Dame-Valet"}, {20, "Dame-10"},  {36, "Dame-9"},
            {8, "Valet"},       {24, "Valet-dix"}, {16, "10"},        {32, "9"},
            {5000, "Contrôle"}};
}

std::vector<v_n> listecles() {
    std::vector<v_n> l = {{0, "0"}, {5, "5"}};
    for (int n = 1; n <= 4; ++n) {
        l.emplace_back(n, txt(n));
        l.emplace_back(n + 10, txt(n) + "+");
        l.emplace_back(n + 20, txt(n) + "-");
    }
    l.emplace_back(30, "0 ou 3");
    l.emplace_back(41, "1 ou 4");
    l.emplace_back(62, "2 sans la dame");
    l.emplace_back(72, "2 et la dame");
    return l;
}

std::vector<v_n> listefc() {
    std::vector<v_n> l = {{99, "x"}, {0, "0"}};
    for (int n = 1; n <= 9; ++n) {
        l.emplace_back(n, txt(n));
        l.emplace_back(n + 10, txt(n) + "+");
        l.emplace_back(n + 20, txt(n) + "-");
    }
    for (int a = 1; a <= 5; ++a)
        for (int b = a + 1; b <= 6; ++b) l.emplace_back(1000 * a + b, txt(a) + "-" + txt(b));
    l.emplace_back(103, "1 ou 3");
    l.emplace_back(204, "2 ou 4");
    l.emplace_back(205, "2 ou 5");
    l.emplace_back(305, "3 ou 5");
    l.emplace_back(6331, "6-(331)");
    l.emplace_back(6421, "6-(421)");
    l.emplace_back(5332, "5-(332)");
    l.emplace_back(5530, "5-(530)");
    l.emplace_back(4432, "4-(432)");
    l.emplace_back(4441, "4-(441)");
    l.emplace_back(4522, "4-(522)");
    l.emplace_back(3992, "3-(xx2)");
    for (int n = 3; n <= 6; ++n) {
        l.emplace_back(1000 * n + 990, txt(n) + "-(xx0)");
        l.emplace_back(1000 * n + 991, txt(n) + "-(xx1)");
    }
    return l;
}

std::vector<Condition> ajoute_conditions() {
    std::vector<Condition> cat;
    using E = v_n;
    auto ec = [](int code) { return enchere_couleur(code); };

    ajoute(cat, "ouvertures",
           {{"système", 70, 50, {E(0, "SEF")}},
            {"choix",
             120,
             150,
             {E(0, "Passe"), ec(10), ec(11), ec(12), ec(13), E(14, "1SA"), E(100, "1 mineure"),
              E(200, "1 Majeure"), E(400, "1 Couleur"), ec(20), ec(21), ec(22), ec(23),
              E(220, "2 en majeure"), deux_coeurs(222, "Muiderberg"), deux_coeurs(221, "Ekren"),
              E(24, "2SA"), E(240, "super 2SA"), enchere_couleur(30, true), ec(31), ec(32),
              ec(33), E(34, "3SA"), enchere_couleur(40, true), ec(41), ec(42), ec(43)}},
            {"particularités",
             150,
             320,
             {E(0, " "), E(1214, "12-14HL régulier"), E(1819, "18-19HL régulier"),
              E(10, "sans majeure par 5"), E(20, "Forcing manche")}}});

    ajoute(cat, "réponse",
           {{"système", 80, 20, {E(0, "SEF"), E(10, "SMI")}},
            {"ouverture", 80, 130, {ec(10), ec(11), ec(12), ec(13), E(14, "1SA"), E(24, "2SA")}},
            {"réponse",
             80,
             240,
             {ec(11), ec(12), ec(13), E(14, "1SA"), ec(20), ec(21), ec(22), ec(23), E(24, "2SA"),
              enchere_couleur(30, true), ec(33), E(34, "3 SA"), ec(43)}}});

    ajoute(cat, "intervention",
           {{"par",
             80,
             100,
             {E(0, "passe"), E(8, "contre"), ec(10), ec(11), ec(12), ec(13), E(14, "1SA"), ec(20),
              ec(21), ec(22), E(24, "2SA"), ec(30)}},
            {"sur", 70, 300, {ec(10), ec(11), ec(12), ec(13), E(14, "1SA"), ec(33)}}});

    ajoute(cat, "points",
           {{"joueurs", 70, 30, {E(0, "Joueur"), E(1, "ligne")}},
            {"nature", 100, 130, {E(0, "H"), E(1, "HL"), E(2, "DH"), E(3, "S")}},
            {"couleur",
             100,
             250,
             {E(5, " "), E(0, "Pique"), E(1, "Cœur"), E(2, "Carreau"), E(3, "Trèfle")}},
            {"mini", 50, 380, jj(0, 36)},
            {"maxi", 50, 450, jjd(0, 36)}});

    ajoute(cat, "forme",
           {{"piques", 70, 30, listefc()},
            {"cœurs", 70, 130, listefc()},
            {"carreaux", 70, 230, listefc()},
            {"trèfles", 70, 330, listefc()}});

    ajoute(cat, "distribution",
           {{"choix",
             80,
             30,
             {E(4333, "4333"), E(4432, "4432"), E(4441, "4441"), E(5332, "5332"), E(5422, "5422"),
              E(5431, "5431"), E(6322, "6322"), E(6331, "6331"), E(64001111, "6+4+xx"),
              E(1, "irrégulier")}}});

    ajoute(cat, "couleur plus longue",
           {{"couleur", 70, 30, couleurs_et(4, "SA")},
            {"mode", 90, 130, {E(0, "avec rang"), E(1, "strict"), E(2, "large")}}});

    ajoute(cat, "comparaison couleurs",
           {{"couleur1", 70, 30, couleurs()},
            {"couleur2", 70, 130, couleurs()},
            {"signe", 40, 230, {E(0, "<"), E(1, "<="), E(2, "=")}}});

    ajoute(cat, "teneur",
           {{"couleur", 80, 30, couleurs()},
            {"teneur", 100, 140, teneurs()},
            {"nb cartes", 70, 260, listefc()}});

    ajoute(cat, "nb_cartes_couleur",
           {{"couleur", 70, 30, couleurs()},
            {"plus petite", 100, 130, lc()},
            {"plus grande", 100, 260, lcd()},
            {"mini", 60, 390, jj(0, 12)},
            {"maxi", 60, 480, jj(0, 13)}});

    ajoute(cat, "nb_cartes_niveau",
           {{"niveau", 60, 30, lcd()}, {"mini", 60, 120, jj(0, 4)}, {"maxi", 60, 210, jj(0, 4)}});

    ajoute(cat, "arrêts",
           {{"couleur", 80, 30, couleurs()},
            {"min", 50, 130, {E(0, "0"), E(50, "demi"), E(100, "1"), E(150, "1,5"), E(200, "2")}},
            {"max",
             50,
             210,
             {E(1000, "+2"), E(200, "2"), E(150, "1,5"), E(100, "1"), E(50, "demi"), E(0, "0")}}});

    ajoute(cat, "clés", {{"couleur", 80, 30, couleurs_et(4, "SA")}, {"nombre", 120, 170, listecles()}});

    ajoute(cat, "contrôles italiens", {{"min", 50, 30, jj(0, 6)}, {"max", 50, 110, jj(0, 6)}});

    ajoute(cat, "Levées de jeu",
           {{"couleur", 80, 30, couleurs_et(4, "toutes")},
            {"mini", 60, 130, listelj()},
            {"maxi", 60, 210, listelj()}});

    return cat;
}

const std::vector<Condition> conditions = ajoute_conditions();

std::string Condition::nomchoix(int k, int v) const {
    const std::string* s = cherche(k >= 0 && k < (int)choix.size() ? &choix[k] : nullptr, v, false);
    return s ? *s : std::string();
}

std::string Condition::nombrutchoix(int k, int v) const {
    const std::string* s = cherche(k >= 0 && k < (int)choix.size() ? &choix[k] : nullptr, v, true);
    return s ? *s : std::string();
}
