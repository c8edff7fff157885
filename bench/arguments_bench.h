// What the benchmark programs share to read their command line.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

// The whole of s as a decimal integer; false when anything else is there.
inline bool entier(const char* s, long long& v) {
    char* fin = nullptr;
    v = std::strtoll(s, &fin, 10);
    return *s && fin && *fin == '\0';
}

// Whether the constraint file can be read, saying so on stderr when not:
// the reader gives the empty set for a file it cannot open, and a mistyped
// name must not be measured as "no condition".
inline bool lisible(const char* programme, const std::string& fichier) {
    if (std::ifstream(fichier)) return true;
    std::fprintf(stderr, "%s: %s illisible\n", programme, fichier.c_str());
    return false;
}
