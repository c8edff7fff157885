// The double-dummy table of the deal fixed in a constraint set, and its par:
// what the window "Tableau DDS" shows.
#pragma once

#include "bridge.h"
#include "condouv.h"
#include "solveur.h"

struct ResultatTableau {
    bool ok = false;     // false: an alert has been shown, nothing to show
    TableDds table;      // res[strain][seat]
    int donne = 1;       // board whose vulnerability the par used (1 when none is fixed)
    structpar par;
};

// Completes the fixed deal of c (three full hands give the fourth every free
// card; the completion stays in c), checks it, computes its table and the par
// on the board of c.numerofixe. Every refusal is an alert. The solver's
// memory is given back after the table (libere_memoire_solveur).
ResultatTableau tableau_dds(Contraintes& c);
