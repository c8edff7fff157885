// Shared by the fuzz targets: alerts go nowhere, and each target keeps its
// files in a temporary directory of its own (libFuzzer itself works with
// paths relative to where it was started, so the targets never stay in it).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

#include "hooks.h"

inline std::string& repertoire_fuzz() {
    static std::string r;
    return r;
}

inline void efface_fuzz() {
    std::error_code e;
    std::filesystem::remove_all(repertoire_fuzz(), e);
}

inline void prepare_fuzz() {
    lie_alerte([](const std::string&) {});
    char modele[] = "/tmp/dralen-fuzz-XXXXXX";
    if (!mkdtemp(modele)) std::abort();
    repertoire_fuzz() = modele;
    // libFuzzer ends a run through exit(): the directory goes with it (a
    // crash ends through _Exit, and leaves it).
    std::atexit(efface_fuzz);
}

// Path of a file of the temporary directory.
inline std::string dans_fuzz(const std::string& nom) { return repertoire_fuzz() + "/" + nom; }

inline void ecrit_brut(const std::string& path, const void* d, std::size_t n) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (n) std::fwrite(d, 1, n, f);
    std::fclose(f);
}
