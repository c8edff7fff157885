#include "affichage.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>

#include <ctime>
#include <sstream>
#include <vector>

#include "cartes.h"
#include "condouv.h"
#include "export_latex.h"
#include "fenetre.h"
#include "formulaires.h"
#include "gen.h"
#include "generateur.h"
#include "hooks.h"
#include "score.h"
#include "serie.h"
#include "solveur.h"
#include "tableaux.h"

std::string texte_pied(std::int64_t tries, std::size_t n, int secondes, double cpu) {
    std::ostringstream o;
    o << tries << " tirages pour " << n << " donnes en " << secondes << "s. Temps CPU :" << cpu;
    return o.str();
}

std::string refus_affichage(int nb_d, int limite) {
    if (limite > 31) return "limite ne doit pas dépasser 31";
    if (limite < 0) return "limite ne doit pas être négative";
    if (nb_d < 1) return "le nombre de donnes doit être au moins 1";
    return "";
}

int hauteur_rangee(bool tables) { return tables ? daff + 150 : daff; }

// --- the options form ----------------------------------------------------------

void cb_nomserie(Fl_Widget* w, void*) { serie.nom = static_cast<Fl_Input*>(w)->value(); }

void cb_nbdonnes(Fl_Widget* w, void* data) {
    *static_cast<int*>(data) = entier_champ(static_cast<Fl_Input*>(w)->value());
}

void cb_checkdds(Fl_Widget* w, void*) { odds = static_cast<Fl_Check_Button*>(w)->value() != 0; }

Fl_Window* options() {
    Fl_Window* f = ouvre_formulaire("Options", "Options générateur");
    // Values take effect as they are typed: the user goes from this form to
    // the main window's menu without leaving the field in between.
    auto* nom = new Fl_Input(0, y_interieur + 8, 200, 25, "Nom de la série : ");
    nom->resize(x_champ(*nom), nom->y(), nom->w(), nom->h());
    nom->value(serie.nom.c_str());
    nom->callback(cb_nomserie);
    nom->when(FL_WHEN_CHANGED);

    auto* nombre = new Fl_Int_Input(0, nom->y() + 33, 30, 25, "Nombre de donnes : ");
    nombre->resize(x_champ(*nombre), nombre->y(), nombre->w(), nombre->h());
    nombre->value(std::to_string(nb_d).c_str());
    nombre->callback(cb_nbdonnes, &nb_d);
    nombre->when(FL_WHEN_CHANGED);

    auto* lim = new Fl_Int_Input(bord + 67, nombre->y() + 33, 30, 25, "Limite : ");
    lim->value(std::to_string(limite).c_str());
    lim->callback(cb_nbdonnes, &limite);
    lim->when(FL_WHEN_CHANGED);

    auto* aide = new Fl_Box(lim->x() + 65, lim->y(), 320, 25,
                            "Le nombre maximum de donnes créées est 2^limite.");
    aide->labelfont(FL_HELVETICA_ITALIC);

    auto* dds = new Fl_Check_Button(bord + 11, lim->y() + 33, 100, 25, " Tableau DDS");
    dds->value(odds ? 1 : 0);
    dds->callback(cb_checkdds);

    f->end();
    f->show();
    return f;
}

void cb_options(Fl_Widget*, void*) { options(); }

void cb_pdf(Fl_Widget*, void*) { cree_pdf(); }

// --- the series display ------------------------------------------------------------

void Fenetre::affiche() {
    const std::string refus = refus_affichage(nb_d, limite);
    if (!refus.empty()) {
        alerte(refus);
        return;
    }
    // Whatever page is open would stay clickable through the gaps between
    // the deals.
    detruit_widgets();
    const std::time_t t0 = std::time(nullptr);
    const std::clock_t c0 = std::clock();

    if (scroll) {
        delete scroll;
        scroll = nullptr;
    }
    const int x0 = (xm - waff) / 2;
    Fl_Group::current(nullptr);
    scroll = new Fl_Scroll(x0, 26, waff + 32, ym - 40, "Affichage");
    scroll->labeltype(FL_NO_LABEL);
    scroll->end();
    // Under the menu bar, which keeps the events of its own strip.
    insert(*scroll, menu ? find(menu) : children());

    std::int64_t tries = 0;
    donnes = boucle(nb_d, contr, limite, &tries);
    if (gmains) gmains->hide();
    if (gcontr) gcontr->hide();

    const std::size_t n = donnes.size();
    const int rh = hauteur_rangee(odds);
    serie.vresupar.resize(static_cast<std::size_t>(nb_d));
    serie.vtable.resize(static_cast<std::size_t>(nb_d));
    serie.numerofixe = contr.numerofixe;

    // The tables are the slow part: solved once the deals are drawn, one
    // solver call per deal. A deal whose table failed shows neither table
    // nor par, and the series is not exported with tables.
    std::vector<bool> resolue(n, false);
    int echecs = 0;
    EtatSolveur premier_echec;
    if (odds) {
        for (std::size_t i = 0; i < n; ++i) {
            unsigned mains[4][4];
            listetoremain(donnes[i].c_str(), mains);
            TableDds t;
            const EtatSolveur e = calcule_table(mains, t);
            if (!e.ok) {
                if (echecs++ == 0) premier_echec = e;
                serie.vtable[i] = TableDds{};
                serie.vresupar[i] = structpar{};
                continue;
            }
            resolue[i] = true;
            serie.vtable[i] = t;
            structpar p;
            par(t.res, numero_donne(serie.numerofixe, static_cast<int>(i)), p);
            serie.vresupar[i] = p;
        }
    }
    serie.avec_tables = odds && echecs == 0;

    scroll->begin();
    for (std::size_t i = 0; i < n; ++i) {
        const int b = numero_donne(serie.numerofixe, static_cast<int>(i));
        const int c = static_cast<int>(i % 3), r = static_cast<int>(i / 3);
        const int x = x0 + 8 + c * (daff + 8);
        const int y = 38 + r * (rh + 16);
        auto* cadre = new Fl_Box(x, y, daff, rh + 6);
        cadre->box(FL_UP_BOX);
        cadre->color(couleur_affichage);

        const char* d = donnes[i].c_str();
        const int gx = x + 3, gy = y + 3;
        new Boite_Main(gx + maff, gy, maff, maff, d, 'N');
        new Boite_Main(gx, gy + maff, maff, maff, d, 'O');
        new Centre(gx + maff, gy + maff, maff, b);
        new Boite_Main(gx + 2 * maff, gy + maff, maff, maff, d, 'E');
        new Boite_Main(gx + maff, gy + 2 * maff, maff, maff, d, 'S');

        if (odds) {
            auto* zone = new Fl_Box(x + 3, y + daff, daff - 6, 150);
            zone->box(FL_ENGRAVED_BOX);
            zone->color(couleur_tableau);
            if (!resolue[i]) {
                zone->label("Tableau non calculé");
                continue;
            }
            auto* t = new TabDDT(x + 3, y + daff + 25, daff - 6, 125);
            cases_tableau(serie.vtable[i].res, t->data);
            new BoitePar(x + 8, y + daff, 200, 25, serie.vresupar[i]);
        }
    }
    const int secondes = static_cast<int>(std::time(nullptr) - t0);
    const double cpu = static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
    auto* pied = new Fl_Output(x0, 38 + static_cast<int>((n + 2) / 3) * (rh + 16), 500, 25);
    pied->value(texte_pied(tries, n, secondes, cpu).c_str());
    scroll->end();
    scroll->show();
    redraw();

    if (echecs > 0)
        alerte("Tableau DDS non calculé pour " + std::to_string(echecs) + " donne(s) : " +
               texte_erreur(premier_echec));
}
