#include "ini.h"

#include <sys/stat.h>

#include <cstdio>
#include <vector>

#include "fichiers.h"
#include "hooks.h"

namespace {

// The configuration file holds four short keys and their values.
constexpr std::size_t taille_max = 1 << 20;

// The file's lines as they are, each with its '\r' if it has one, so that
// the lines left alone are written back byte for byte; a last line without
// a line break is a line too. Only a regular file of bounded size is read.
bool lit_brut(const char* path, std::vector<std::string>& lignes) {
    lignes.clear();
    struct stat st;
    if (stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    std::string tout;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        tout.append(buf, n);
        if (tout.size() > taille_max) break;
    }
    const bool ok = !std::ferror(f) && tout.size() <= taille_max;
    std::fclose(f);
    if (!ok) return false;
    std::size_t debut = 0;
    while (debut < tout.size()) {
        std::size_t fin = tout.find('\n', debut);
        if (fin == std::string::npos) fin = tout.size();
        lignes.emplace_back(tout, debut, fin - debut);
        debut = fin + 1;
    }
    return true;
}

std::string sans_cr(const std::string& l) {
    return !l.empty() && l.back() == '\r' ? l.substr(0, l.size() - 1) : l;
}

}  // namespace

bool Config::remplace(const std::string& key, const std::string& value) {
    std::vector<std::string> lignes;
    if (!lit_brut(fichier_ini, lignes)) {
        alerte("fichier de configuration dralen.ini introuvable : " + key +
               " n'y est pas enregistré");
        return false;
    }
    // The value is one line: a line break typed or pasted into it would
    // make a key of the rest.
    std::string v = value;
    for (char& c : v)
        if (c == '\n' || c == '\r') c = ' ';

    std::string sortie;
    bool trouvee = false;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        sortie += lignes[i] + '\n';
        if (sans_cr(lignes[i]) != key) continue;
        // The value line follows its key; a key on the last line gains one.
        trouvee = true;
        ++i;
        sortie += v + '\n';
    }
    if (!trouvee) {
        alerte("clé " + key + " absente de dralen.ini : la valeur n'y est pas enregistrée");
        return false;
    }
    if (!remplace_fichier(fichier_temp, sortie)) {
        alerte(std::string("impossible d'écrire le fichier ") + fichier_temp);
        return false;
    }
    return true;
}

bool valide_temp() {
    if (std::rename(fichier_temp, fichier_ini) != 0) {
        alerte("impossible de remplacer dralen.ini par temp");
        return false;
    }
    return true;
}

bool enregistre_valeur(Config& cfg, const std::string& key, const std::string& value) {
    return cfg.remplace(key, value) && valide_temp();
}
