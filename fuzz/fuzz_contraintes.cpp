// The constraint-file reader on arbitrary bytes: no crash, every set it
// accepts respects the invariants the generator indexes with, and what it
// accepted is written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "commun_fuzz.h"
#include "condouv.h"
#include "contraintes.h"

namespace {

void verifie(bool c) {
    if (!c) std::abort();
}

void invariants(const Contraintes& s) {
    verifie(s.cocos.size() <= 26 && s.calculs.size() <= 26);
    verifie(s.numerofixe >= -4 && s.numerofixe <= 16);
    int total = 0;
    for (int p = 0; p < 4; ++p) {
        verifie(s.nbmarquees[p] >= 0 && s.nbmarquees[p] <= 13);
        total += s.nbmarquees[p];
    }
    verifie(total + static_cast<int>(s.numrestants.size()) == 52);
    for (char c : std::string(s.cfixees, 52))
        verifie(c == 'N' || c == 'E' || c == 'S' || c == 'O' || c == 'V');
    for (const Condouv& c : s.cocos) verifie(defaut_condition(c, conditions).empty());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    prepare_fuzz();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    static const std::string f = dans_fuzz("f"), g = dans_fuzz("g");
    ecrit_brut(f, d, n);
    const Contraintes a(f);
    invariants(a);
    if (a.nom != f) {
        verifie(a.nom == "vides" && a.cocos.empty() && a.calculs.empty() && a.con.empty());
        return 0;
    }
    const std::string t1 = texte_contraintes(a, g);
    ecrit_brut(g, t1.data(), t1.size());
    const Contraintes b(g);
    verifie(b.nom == g);
    verifie(std::string(a.cfixees, 52) == std::string(b.cfixees, 52));
    verifie(a.numerofixe == b.numerofixe);
    verifie(a.cocos.size() == b.cocos.size());
    for (std::size_t i = 0; i < a.cocos.size(); ++i) {
        verifie(a.cocos[i].joueur == b.cocos[i].joueur);
        verifie(a.cocos[i].id_condition == b.cocos[i].id_condition);
        verifie(a.cocos[i].params == b.cocos[i].params);
    }
    verifie(a.con == b.con);
    verifie(a.calculs.size() == b.calculs.size());
    for (std::size_t i = 0; i < a.calculs.size(); ++i) {
        verifie(a.calculs[i].nom == b.calculs[i].nom);
        verifie(a.calculs[i].alg == b.calculs[i].alg);
        verifie(a.calculs[i].affiche == b.calculs[i].affiche);
    }
    verifie(a.numrestants == b.numrestants);
    for (int p = 0; p < 4; ++p) verifie(a.nbmarquees[p] == b.nbmarquees[p]);
    verifie(texte_contraintes(b, g) == t1);
    return 0;
}
