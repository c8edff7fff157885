// The page "Probabilités de distributions": two events on the suit lengths
// of two hands, 32 bound inputs, and the exact probabilities of A, of A and
// B, and of B given A.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Output.H>

#include <algorithm>
#include <cstdint>
#include <string>

#include "cartes.h"
#include "champ_page.h"
#include "fenetre.h"
#include "formulaires.h"
#include "probas.h"
#include "tableaux.h"

namespace {

const char* const aide_distribution =
    "On calcule ici les probabilités des distributions pour une ou deux mains. Par exemple, "
    "pour connaître la probablité que le joueur 1 ait au moins 4 carreaux, 4 coeurs et un "
    "singleton ou une chicane pique quand le joueur 2 possède au moins 4 coeurs, rentrez 0 1 4 "
    "4 4 9 0 5 pour le joueur 1 et 0 9 4 13 0 9 0 9 pour le joueur 2. Vous devez trouver "
    "0,0060.\n\n Le logiciel calcule la probabilité de l'évènement A, puis éventuellement "
    "celles de A&B et de B sachant A.";

const char* const noms_couleurs[4] = {"Piques", "Cœurs", "Carreaux", "Trèfles"};

// Geometry of the page, from the left edge x0 of its column.
constexpr int largeur_page = 1100;
constexpr int y_evenements = 215;
constexpr int haut_evenement = 150;
constexpr int ecart_evenements = 20;
constexpr int largeur_evenement = 620;

int x_page(int largeur_fenetre) { return std::max(10, (largeur_fenetre - largeur_page) / 2); }

// Stores the bound an input holds: data = 8 × row + 2 × suit + (1 for a
// maximum). A length lies in 0..13, so a value outside is brought back into
// it (a number too long for an int too, rather than wrapping round), and
// the field shows what was taken.
void prend_borne(Fl_Int_Input* in, std::intptr_t data) {
    const int row = static_cast<int>(data / 8);
    const int suit = static_cast<int>(data % 8 / 2);
    const int borne = std::clamp(entier_champ(in->value()), 0, 13);
    (data % 2 ? maxis : minis)[row][suit] = borne;
    const std::string texte = std::to_string(borne);
    if (in->value() != texte && in->value() != " " + texte) in->value((" " + texte).c_str());
}

void cb_mM(Fl_Widget* w, void* data) {
    prend_borne(static_cast<Fl_Int_Input*>(w), reinterpret_cast<std::intptr_t>(data));
}

// One event box: the suit headers, "Min"/"Max", and the inputs of two rows.
void place_evenement(int x, int y, const char* titre, int premiere_ligne) {
    auto* cadre = new BoiteChamp(x, y, largeur_evenement, haut_evenement, titre);
    cadre->color(coul_fenetre_contr);
    for (int s = 0; s < 4; ++s) {
        const int xs = x + 110 + 125 * s;
        auto* tete = new Fl_Box(xs, y + 18, 105, 24, noms_couleurs[s]);
        tete->labelfont(FL_HELVETICA_BOLD);
        tete->labelsize(15);
        new Fl_Box(xs, y + 42, 50, 20, "Min");
        new Fl_Box(xs + 55, y + 42, 50, 20, "Max");
    }
    for (int k = 0; k < 2; ++k) {
        const int row = premiere_ligne + k;
        const int yr = y + 68 + 38 * k;
        auto* nom = new Fl_Box(x + 10, yr, 90, 30, k == 0 ? "joueur1" : "joueur2");
        nom->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
        nom->labelsize(15);
        for (int s = 0; s < 4; ++s)
            for (int m = 0; m < 2; ++m) {
                const int xs = x + 110 + 125 * s + 55 * m;
                auto* in = new ChampPage<Fl_Int_Input>(xs, yr, 50, 30);
                in->textsize(15);
                const int v = m ? maxis[row][s] : minis[row][s];
                in->value((" " + std::to_string(v)).c_str());
                const std::intptr_t data = 8 * row + 2 * s + m;
                in->callback(cb_mM, reinterpret_cast<void*>(data));
            }
    }
}

}  // namespace

void Fenetre::distribution(double pA, double pAB) {
    detruit_widgets();
    color(couleur_pages);
    const int x0 = x_page(w);
    if (!gdistribution) {
        Fl_Group* avant = Fl_Group::current();
        begin();
        gdistribution = new Fl_Group(0, 28, w, h - 28);
        new Titrepage("Probabilités de distributions", x0, 40, largeur_page);
        // A framed box rather than a text display: the help fits whole and
        // needs no scrollbar.
        auto* aide = new Fl_Box(x0, 100, largeur_page, 100, aide_distribution);
        aide->box(FL_DOWN_BOX);
        aide->color(coul_fenetre_contr);
        aide->labelsize(15);
        aide->align(FL_ALIGN_INSIDE | FL_ALIGN_TOP_LEFT | FL_ALIGN_WRAP);
        place_evenement(x0, y_evenements, "Évènement A", 0);
        place_evenement(x0, y_evenements + haut_evenement + ecart_evenements, "Évènement B", 2);
        auto* calculer = new Fl_Button(x0, y_evenements + 2 * (haut_evenement + ecart_evenements),
                                       150, 35, "Calculer");
        calculer->labelsize(16);
        // Not Alt+C: the toolkit offers a shortcut to the widgets under the
        // mouse before the menu bar, whose entries answer Alt+C and Alt+Shift+C.
        calculer->shortcut(FL_CTRL + FL_Enter);
        // The field being typed in keeps the focus: the button takes its
        // value first (prend_saisie).
        calculer->clear_visible_focus();
        calculer->callback(cb_caldistr, this);
        gdistribution->end();
        end();
        Fl_Group::current(avant);
    }
    gdistribution->show();

    if (pA > -1) {
        // A new result replaces the last one.
        if (gres_distribution) {
            gdistribution->remove(gres_distribution);
            Fl::delete_widget(gres_distribution);
            gres_distribution = nullptr;
        }
        const int xr = x0 + largeur_evenement + 40;
        const int lr = largeur_page - largeur_evenement - 40;
        Fl_Group* avant = Fl_Group::current();
        gdistribution->begin();
        gres_distribution = new Fl_Group(xr, y_evenements, lr, 150);
        auto* cadre = new BoiteChamp(xr, y_evenements, lr, 150, "Résultats");
        cadre->color(coul_fenetre_contr);
        auto champ = [&](int k, const char* label, const std::string& valeur) {
            auto* o = new SortiePage(xr + 250, y_evenements + 28 + 38 * k, 150, 30, label);
            o->labelsize(15);
            o->textsize(15);
            o->value(valeur.c_str());
        };
        champ(0, "Probabilité de A : ", dstring(pA, 4));
        if (pAB > -1) {
            champ(1, "Probabilité de A et B :", dstring(pAB, 4));
            // P(A) = 0 leaves B given A without meaning.
            champ(2, "Probabilité de B sachant A:", pA > 0 ? dstring(pAB / pA, 4) : "indéfini");
        }
        gres_distribution->end();
        gdistribution->end();
        Fl_Group::current(avant);
    }
    redraw();
}

void Fenetre::calcdistr() {
    // A value typed without Enter counts as well: every input is read again.
    if (gdistribution)
        for (int i = 0; i < gdistribution->children(); ++i) {
            Fl_Widget* c = gdistribution->child(i);
            if (c->callback() == cb_mM)
                prend_borne(static_cast<Fl_Int_Input*>(c),
                            reinterpret_cast<std::intptr_t>(c->user_data()));
        }
    const ProbasDistribution p = calcule_distribution(minis, maxis);
    distribution(p.pA, p.pAB);
}

void Fenetre::cb_caldistr(Fl_Widget*, void* fenetre) {
    if (!prend_saisie()) return;
    static_cast<Fenetre*>(fenetre)->calcdistr();
}
