// The configuration file "dralen.ini", the debug log and the text of large
// counts.
#include <climits>
#include <cstdio>
#include <mutex>
#include <vector>

#include "condouv.h"
#include "fichiers.h"
#include "gen.h"
#include "hooks.h"

namespace {

// The configuration file holds four short keys and their values.
constexpr std::size_t taille_max_ini = 1 << 20;

// The leading decimal integer of a line, as atoi reads it (blanks, a sign,
// digits), 0 when there is none; saturated instead of overflowing.
long long entier_en_tete(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\v' ||
                            s[i] == '\f' || s[i] == '\r'))
        ++i;
    bool negatif = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negatif = s[i++] == '-';
    long long v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        if (v < LLONG_MAX / 10) v = v * 10 + (s[i] - '0');
        else v = LLONG_MAX;
    }
    return negatif ? -v : v;
}

std::mutex verrou_debug;

}  // namespace

void traiteini(Config& cfg) {
    std::vector<std::string> lignes;
    const Lecture r = lit_lignes("dralen.ini", lignes, taille_max_ini);
    if (r == Lecture::illisible) {
        alerte("fichier de configuration dralen.ini introuvable");
        return;
    }
    if (r == Lecture::trop_grand) {
        alerte("fichier de configuration dralen.ini trop grand");
        return;
    }
    // A key line takes the next line whole as its value, even when that line
    // looks like a key; a key on the last line has no value and changes nothing.
    for (std::size_t i = 0; i + 1 < lignes.size(); ++i) {
        const std::string& cle = lignes[i];
        const std::string& valeur = lignes[i + 1];
        if (cle == "#commande du lecteur pdf") {
            cfg.cmdpdf = valeur;
        } else if (cle == "#contraintes par défaut") {
            cfg.nomcontr = valeur;
            contr = Contraintes(valeur);
        } else if (cle == "#nombre de threads") {
            // The try budget is divided by this count: never less than 1.
            const long long n = entier_en_tete(valeur);
            cfg.nbthreads = n < 1 ? 1 : (n > INT_MAX ? INT_MAX : static_cast<int>(n));
        } else if (cle == "#debug") {
            cfg.debug = entier_en_tete(valeur) != 0;
        } else {
            continue;
        }
        ++i;  // the value line is used up
    }
}

void ecrit_debug(const std::string& line) {
    if (!config.debug) return;
    // Workers log too: one writer at a time, from opening to closing, so
    // that every call adds one whole line.
    std::lock_guard<std::mutex> g(verrou_debug);
    std::FILE* f = std::fopen("debug", "a");
    if (!f) return;
    std::string l = line;
    l += '\n';
    std::fwrite(l.data(), 1, l.size(), f);
    std::fclose(f);
}

std::string istring(std::int64_t n) {
    // Negative counts do not occur; written with a sign rather than garbled.
    const std::uint64_t a = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s%llu\u202F%03llu\u202F%03llu", n < 0 ? "-" : "",
                  static_cast<unsigned long long>(a / 1000000),
                  static_cast<unsigned long long>(a / 1000 % 1000),
                  static_cast<unsigned long long>(a % 1000));
    return buf;
}
