#include "tableau.h"

#include "cartes.h"
#include "hooks.h"
#include "jeudds.h"
#include "score.h"

ResultatTableau tableau_dds(Contraintes& c) {
    ResultatTableau r;
    complete_donne(c.cfixees);
    c.eff();
    for (char ch : c.cfixees)
        if (ch == 'V') {
            alerte("La donne n'est pas complète");
            return r;
        }
    unsigned mains[4][4];
    listetoremain(c.cfixees, mains);
    const EtatSolveur e = calcule_table(mains, r.table);
    // One table already fills the memory of the solver's threads.
    libere_memoire_solveur();
    if (!e.ok) {
        const bool longueurs = e.code == -14 || e.code == refus_longueurs;
        alerte(texte_alerte_solveur(
            longueurs ? "Toutes les mains doivent avoir le même nombre de cartes" : "", e));
        return r;
    }
    r.donne = c.numerofixe;
    if (r.donne == 0) {
        alerte("Numéro non fixé, on suppose personne vulnérable");
        r.donne = 1;
    }
    // A negative number fixes the dealer only: it goes to the par as it is,
    // and nobody is vulnerable on it.
    par(r.table.res, r.donne, r.par);
    r.ok = true;
    return r;
}
