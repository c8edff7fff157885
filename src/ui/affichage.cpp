#include "affichage.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <ctime>
#include <new>
#include <sstream>
#include <vector>

#include "cartes.h"
#include "champ_page.h"
#include "condouv.h"
#include "entrees_stat.h"
#include "export_latex.h"
#include "fenetre.h"
#include "formulaires.h"
#include "gen.h"
#include "generateur.h"
#include "hooks.h"
#include "parametres.h"
#include "score.h"
#include "serie.h"
#include "solveur.h"
#include "tableaux.h"

std::string texte_pied(std::int64_t tries, std::size_t n, int secondes, double cpu) {
    std::ostringstream o;
    o << tries << " tirages pour " << n << " donnes en " << secondes << "s. Temps CPU :" << cpu;
    return o.str();
}

std::string texte_serie_courte(std::size_t n, int demandees, std::int64_t tries) {
    std::ostringstream o;
    o << n << " donne" << (n > 1 ? "s" : "") << " tirée" << (n > 1 ? "s" : "") << " sur "
      << demandees << " demandée" << (demandees > 1 ? "s" : "") << " en " << tries
      << " tirages : la limite est atteinte. Vérifiez les contraintes ou augmentez la limite "
         "(Générateur > Options).";
    return o.str();
}

std::string refus_affichage(int nb_d, int limite) {
    if (limite > 31) return "limite ne doit pas dépasser 31";
    if (limite < 0) return "limite ne doit pas être négative";
    if (nb_d < 1) return "le nombre de donnes doit être au moins 1";
    if (nb_d > nb_donnes_max)
        return "le nombre de donnes ne doit pas dépasser " + std::to_string(nb_donnes_max);
    return "";
}

int hauteur_rangee(bool tables) { return tables ? daff + 150 : daff; }

// --- the options form ----------------------------------------------------------

void cb_nomserie(Fl_Widget* w, void*) { serie.nom = static_cast<Fl_Input*>(w)->value(); }

void cb_nbdonnes(Fl_Widget* w, void* data) {
    auto* champ = static_cast<Fl_Input*>(w);
    int& nombre = *static_cast<int*>(data);
    const int v = entier_champ(champ->value());
    if (v < 1 || v > nb_donnes_max)
        refuse_saisie("Le nombre de donnes doit être compris entre 1 et " + std::to_string(nb_donnes_max));
    else
        nombre = v;
    // Either way the field shows the count in force.
    champ->value(std::to_string(nombre).c_str());
}

void cb_checkdds(Fl_Widget* w, void*) { odds = static_cast<Fl_Check_Button*>(w)->value() != 0; }

Fl_Window* options() {
    Fl_Window* f = ouvre_formulaire("Options", "Options générateur");
    // The name takes effect as it is typed; the numbers on Enter, when the
    // field is left, or when a menu entry takes the field being edited.
    auto* nom = new ChampPage<Fl_Input>(0, y_interieur + 8, 200, 25, "Nom de la série : ");
    nom->resize(x_champ(*nom), nom->y(), nom->w(), nom->h());
    nom->value(serie.nom.c_str());
    nom->callback(cb_nomserie);
    nom->when(FL_WHEN_CHANGED);

    // Wide enough for the largest count taken, 10000.
    auto* nombre = new ChampPage<Fl_Int_Input>(0, nom->y() + 33, 60, 25, "Nombre de donnes : ");
    nombre->resize(x_champ(*nombre), nombre->y(), nombre->w(), nombre->h());
    nombre->value(std::to_string(nb_d).c_str());
    nombre->callback(cb_nbdonnes, &nb_d);

    // The limit is the statistics pages' own: the same range and refusal.
    auto* lim = new ChampStat(bord + 67, nombre->y() + 33, 30, 25, "Limite : ", cb_limite);
    lim->value(std::to_string(limite).c_str());

    auto* aide = new Fl_Box(lim->x() + 65, lim->y(), largeur - 2 * bord - 8 - (lim->x() + 65), 25, note_limite);
    aide->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
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

int largeur_affichage() {
    // Three cells with 8 pixels before, between and after them, and the
    // vertical scroll bar: a narrower area would scroll sideways by a pixel.
    return std::max(waff + 32, 3 * daff + 4 * 8 + Fl::scrollbar_size());
}

void Fenetre::affiche() {
    const std::string refus = refus_affichage(nb_d, limite);
    if (!refus.empty()) {
        alerte(refus);
        return;
    }
    const std::time_t t0 = std::time(nullptr);
    const std::clock_t c0 = std::clock();
    const int x0 = (xm - waff) / 2;
    const int rh = hauteur_rangee(odds);

    // The new series and its scroll area are built aside, and replace the
    // old ones only when all is built: a failed allocation leaves the
    // previous series, its display and the open page as they were.
    serie_donnes tirees;
    std::vector<TableDds> vtable;
    std::vector<structpar> vresupar;
    int echecs = 0;
    EtatSolveur premier_echec;
    Fl_Scroll* nouveau = nullptr;
    std::int64_t tries = 0;
    try {
        // A set the generator refuses (it has alerted, before any try)
        // leaves the series on screen and the open page as they are.
        std::string refus;
        tirees = boucle(nb_d, contr, limite, &tries, &refus);
        if (!refus.empty()) return;
        const std::size_t n = tirees.size();
        vtable = serie.vtable;
        vresupar = serie.vresupar;
        vtable.resize(static_cast<std::size_t>(nb_d));
        vresupar.resize(static_cast<std::size_t>(nb_d));

        // The tables are the slow part: solved in batch once the deals are
        // drawn. A deal whose table failed shows neither table nor par, and
        // the series is not exported with tables.
        std::vector<bool> resolue(n, false);
        if (odds) {
            std::vector<DonneDds> lot(n);
            for (std::size_t i = 0; i < n; ++i) listetoremain(tirees[i].c_str(), lot[i].mains);
            const std::vector<TableCalculee> r = calcule_tables(lot);
            for (std::size_t i = 0; i < n; ++i) {
                vtable[i] = r[i].table;
                vresupar[i] = structpar{};
                if (!r[i].etat.ok) {
                    if (echecs++ == 0) premier_echec = r[i].etat;
                    continue;
                }
                resolue[i] = true;
                par(vtable[i].res, numero_donne(contr.numerofixe, static_cast<int>(i)),
                    vresupar[i]);
            }
        }

        Fl_Group::current(nullptr);
        nouveau = new Fl_Scroll(x0, 26, largeur_affichage(), ym - 40, "Affichage");
        nouveau->labeltype(FL_NO_LABEL);
        for (std::size_t i = 0; i < n; ++i) {
            const int b = numero_donne(contr.numerofixe, static_cast<int>(i));
            const int c = static_cast<int>(i % 3), r = static_cast<int>(i / 3);
            const int x = x0 + 8 + c * (daff + 8);
            const int y = 38 + r * (rh + 16);
            auto* cadre = new Fl_Box(x, y, daff, rh + 6);
            cadre->box(FL_UP_BOX);
            cadre->color(couleur_affichage);

            const char* d = tirees[i].c_str();
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
                cases_tableau(vtable[i].res, t->data);
                new BoitePar(x + 8, y + daff, 200, 25, vresupar[i]);
            }
        }
        const int secondes = static_cast<int>(std::time(nullptr) - t0);
        const double cpu = static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
        auto* pied = new SortiePage(x0, 38 + static_cast<int>((n + 2) / 3) * (rh + 16), 500, 25);
        pied->value(texte_pied(tries, n, secondes, cpu).c_str());
        nouveau->end();
    } catch (const std::bad_alloc&) {
        Fl_Group::current(nullptr);
        delete nouveau;
        alerte("Mémoire insuffisante pour " + std::to_string(nb_d) +
               " donnes : la série précédente est gardée");
        return;
    }

    // Whatever page is open would stay clickable through the gaps between
    // the deals.
    detruit_widgets();
    delete scroll;
    scroll = nouveau;
    // Under the menu bar, which keeps the events of its own strip.
    insert(*scroll, menu ? find(menu) : children());
    if (gmains) gmains->hide();
    if (gcontr) gcontr->hide();
    donnes.swap(tirees);
    serie.vtable.swap(vtable);
    serie.vresupar.swap(vresupar);
    serie.numerofixe = contr.numerofixe;
    serie.avec_tables = odds && echecs == 0;
    scroll->show();
    redraw();

    if (donnes.size() < static_cast<std::size_t>(nb_d)) alerte(texte_serie_courte(donnes.size(), nb_d, tries));
    if (echecs > 0)
        alerte("Tableau DDS non calculé pour " + std::to_string(echecs) + " donne(s) : " +
               texte_erreur(premier_echec));
}
