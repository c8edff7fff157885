// The series of deals last generated for the display, kept for the LaTeX
// export: the deals, their par results and double-dummy tables, the name
// the user gave the series, and the generator options of the display.
//
// The display fills these after each run; the export only reads them (and
// writes `nums`).
#pragma once

#include <string>
#include <vector>

#include "bridge.h"
#include "generateur.h"
#include "solveur.h"

// Deals as the generator returns them: 52 characters each.
using serie_donnes = std::vector<std::string>;

struct Serie {
    // Par result of each deal position (score from North-South's view).
    std::vector<structpar> vresupar;
    // The series name, free text typed by the user (any character).
    std::string nom = "Sans nom";
    // Double-dummy table of each deal position, res[strain][seat].
    std::vector<TableDds> vtable;
    // True when vresupar and vtable hold the par and table of every deal of
    // `donnes`: the run that produced the deals computed them (the option
    // " Tableau DDS" was on) and every table was solved. The display sets it
    // at each run; the tables of an earlier series never pass for these.
    bool avec_tables = false;
    // The numbering (`numerofixe` of the constraint set) the deals were
    // generated under: the export numbers the boards from it, so that the
    // PDF shows the dealer and vulnerability the deals were drawn for even
    // when another constraint set has been loaded since. Set at each run.
    int numerofixe = 0;
};

extern int nb_d;              // deals asked of the generator, 12 at start
extern bool odds;             // option " Tableau DDS"
extern serie_donnes donnes;   // the deals of the last run, in order
extern std::vector<int> nums; // board number of each deal, filled by the export
extern Serie serie;

// LaTeX macro of each strain of a contract code (bidding order): ♣ ♦ ♥ ♠, SA.
extern const char* const latniveaux[5];

// numero_donne(numerofixe, i), the board number of deal position i, is the
// generator's own, so that display, export and generation number alike.
