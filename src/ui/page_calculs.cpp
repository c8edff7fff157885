// The calculations list of the constraint page: one row per calculation,
// its letter, its name and formula inputs and its delete button.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>

#include <algorithm>
#include <string>

#include "bridge.h"
#include "champ_page.h"
#include "condouv.h"
#include "edition_cocos.h"
#include "fenetre.h"
#include "gen.h"
#include "hooks.h"
#include "listes.h"
#include "page_contraintes.h"

namespace {

// The row's calculation, or null when the set has changed under the widget.
Calcul* calcul_de(void* i) {
    const long n = code_de(i);
    if (n < 0 || static_cast<std::size_t>(n) >= contr.calculs.size()) return nullptr;
    return &contr.calculs[n];
}

}  // namespace

void Fenetre::montre_calculs() {
    if (!gcontr) return;
    if (gcalculs) {
        gcontr->remove(gcalculs);
        Fl::delete_widget(gcalculs);
        gcalculs = nullptr;
    }
    const int n = static_cast<int>(contr.cocos.size());
    const int m = static_cast<int>(contr.calculs.size());
    Fl_Group* avant = Fl_Group::current();
    gcontr->begin();
    gcalculs = new Fl_Group(xbcocos, y_page(gcontr, 370 + 33 * n), 991, 33 * m + 8);
    gcalculs->box(FL_UP_BOX);
    gcalculs->labeltype(FL_ENGRAVED_LABEL);
    gcalculs->labelsize(18);
    gcalculs->color(coul_fenetre_contr);
    gcalculs->end();
    for (int i = 0; i < m && i < max_lettres; ++i) place_calcul(i);
    gcontr->end();
    Fl_Group::current(avant);
    redraw();
}

void Fenetre::place_calcul(int i) {
    if (!gcalculs || i < 0 || i >= max_lettres || static_cast<std::size_t>(i) >= contr.calculs.size())
        return;
    const Calcul& c = contr.calculs[i];
    const int y0 = gcalculs->y() + 33 * i;
    const int y = y0 + 8;
    Fl_Group* avant = Fl_Group::current();
    gcalculs->begin();
    auto* bande = new Fl_Box(FL_FLAT_BOX, xbcocos + 16, y, 959, 25, nullptr);
    bande->color(206);
    new Fl_Box(xnumcoco, y, 20, 25, Alph[i]);
    auto* nom = new ChampPage<Fl_Input>(xnumcoco + 80, y, 150, 25, "nom");
    nom->value(c.nom.c_str());
    nom->callback(cb_inomcalc, donnee_carte(i));
    prend_sur_entree(nom);
    auto* alg = new ChampPage<Fl_Input>(xnumcoco + 300, y, 100, 25, "algèbre");
    alg->value(c.alg.c_str());
    alg->callback(cb_ialgcalc, donnee_carte(i));
    prend_sur_entree(alg);
    auto* x = new Fl_Button(xnumcoco + 911, y0 + 11, 20, 20, "X");
    x->callback(cb_supcalc, donnee_carte(i));
    // The field being edited keeps the focus, so that "X" can take it first.
    x->clear_visible_focus();
    gcalculs->end();
    Fl_Group::current(avant);
}

void Fenetre::ajoute_calcul() {
    if (contr.calculs.size() >= static_cast<std::size_t>(max_lettres)) {
        alerte("26 calculs au plus : le dernier est nommé Z");
        return;
    }
    // The list lives on the page: build it first when it was never shown.
    if (!gcontr) changer_contraintes();
    contr.calculs.push_back(Calcul{});
    montre_calculs();
    // The new row comes into view, however far the page was scrolled.
    if (gcontr && gcalculs) {
        const int bas = gcalculs->y() + gcalculs->h();
        montre_sur_page(gcontr, bas - 41, bas);
    }
}

void cb_inomcalc(Fl_Widget* w, void* i) {
    Calcul* c = calcul_de(i);
    if (!c) return;
    // A name is one word in the file: blanks become "_".
    std::string nom = static_cast<Fl_Input*>(w)->value();
    for (char& ch : nom)
        if (ch == ' ' || ch == '\t') ch = '_';
    c->nom = nom;
}

void cb_ialgcalc(Fl_Widget* w, void* i) {
    Calcul* c = calcul_de(i);
    if (!c) return;
    auto* champ = static_cast<Fl_Input*>(w);
    const std::string f = champ->value();
    // As the context: only an operator short of operands is refused here.
    if (const std::string refus = refus_saisie_formule(f); !refus.empty()) {
        refuse_saisie(refus);
        champ->value(c->alg.c_str());
        return;
    }
    c->alg = f;
    const std::string lettres =
        alerte_lettres_inexistantes(f, contr.cocos.size(), contr.calculs.size());
    if (!lettres.empty()) alerte(lettres);
}

void cb_supcalc(Fl_Widget* w, void* i) {
    auto* f = dynamic_cast<Fenetre*>(w->top_window());
    if (!f || !calcul_de(i)) return;
    // A formula being typed is taken first; a refused one stops the deletion.
    if (!prend_saisie() || !calcul_de(i)) return;
    if (env.page == "ajoute") {
        alerte("Supprimer ou définir la contrainte ouverte");
        return;
    }
    const std::size_t n = static_cast<std::size_t>(code_de(i));
    // The calculations after n move up one letter: a later formula that
    // names one of them by its letter now names another.
    for (std::size_t j = n + 1; j < contr.calculs.size(); ++j) {
        bool nomme = false;
        for (char ch : contr.calculs[j].alg) nomme = nomme || (ch >= 'A' + static_cast<int>(n) && ch <= 'Z');
        if (nomme) {
            alerte(std::string("Les calculs après ") + Alph[n] +
                   " changent de lettre : vérifiez les formules qui les nomment");
            break;
        }
    }
    contr.calculs.erase(contr.calculs.begin() + static_cast<long>(n));
    f->changer_contraintes();
}
