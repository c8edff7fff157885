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

// Reads the constraint file at path into s (its name becomes path). False
// when the file cannot be read or is refused: s is then left as it was and
// motif says why, in French ("ligne 3 : ..." for a refused line). A file
// none of whose lines after the first is a line of a constraint file ("nom",
// "fixees", "numero", "coco", "contexte", "calcul") is refused too. Nothing
// is alerted: the caller says what it does instead.
bool lit_contraintes(const std::string& path, Contraintes& s, std::string& motif);
