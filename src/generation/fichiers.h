// Reading and rewriting the program's small text files (constraint sets,
// configuration): lines without their line ends, bounded in size, and
// replacement through a temporary file so that a failed write never leaves a
// half-written file behind.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

enum class Lecture { ok, illisible, trop_grand };

// Reads the regular file at path as lines, each without its '\n' and without
// a trailing '\r'. A file larger than max_octets is not read (trop_grand); a
// path that is missing, not a regular file or unreadable gives illisible.
Lecture lit_lignes(const std::string& path, std::vector<std::string>& lignes,
                   std::size_t max_octets);

// Writes contenu to a new file beside path, then renames it over path. On
// failure the temporary file is removed, path is left as it was, and the
// result is false.
bool remplace_fichier(const std::string& path, const std::string& contenu);
