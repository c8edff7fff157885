// Checks of a constraint set read from a file, shared with the editors that
// need to know whether a placed condition fits the catalogue.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "condouv.h"

// A constraint file larger than this is refused: real ones hold a few
// hundred bytes.
inline constexpr std::size_t taille_max_contraintes = 1 << 20;

// What is wrong with condition c against catalogue cat, in French; "" when
// nothing is. The seat must be 0..3; the kind −3 (not chosen) or −1
// (undefined) carries no parameter; any other kind is an index of cat, with
// exactly one parameter per title of the kind, each a code offered in that
// parameter's choice list.
std::string defaut_condition(const Condouv& c, const std::vector<Condition>& cat);

// The text of set c in the constraint-file format, with path on its "nom"
// line.
std::string texte_contraintes(const Contraintes& c, const std::string& path);
