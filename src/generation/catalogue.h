// The builders of the value lists offered by the condition catalogue.
#pragma once

#include <vector>

#include "condouv.h"

// Suits by suit index: 0 "pique" .. 3 "trefle".
std::vector<v_n> couleurs();
// a, a+1, ..., b, each labelled with its decimal text; empty when b < a.
std::vector<v_n> jj(int a, int b);
// b, b-1, ..., a, each labelled with its decimal text; empty when b < a.
std::vector<v_n> jjd(int a, int b);
// Ranks 2..14 ascending, labelled "2" .. "A".
std::vector<v_n> lc();
// Ranks 14..2 descending, labelled "A" .. "2".
std::vector<v_n> lcd();
// Tenths of a trick 50..81, labelled 5, 5.1, ..., 8.1.
std::vector<v_n> listelj();
// The honour masks of a suit holding, and 5000 "Contrôle".
std::vector<v_n> teneurs();
// The key-card codes.
std::vector<v_n> listecles();
// The length codes of one suit.
std::vector<v_n> listefc();

// The whole catalogue, kinds 0..14 in index order.
std::vector<Condition> ajoute_conditions();
