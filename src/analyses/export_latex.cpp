#include "export_latex.h"

#include <sys/wait.h>

#include <filesystem>

#include "cartes.h"
#include "condouv.h"
#include "fichiers.h"
#include "gen.h"
#include "hooks.h"

std::vector<int> numerote(int numerofixe, std::size_t n) {
    std::vector<int> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = numero_donne(numerofixe, static_cast<int>(i));
    return v;
}

std::string ligne_par(const structpar& p) {
    const int c = p.contrat;
    // Par results come from our own par computation; anything else has no line.
    if (c < 0 || p.joueur < 0 || p.joueur > 3) return std::string();
    std::string l = std::to_string(c / 10) + latniveaux[c % 5];
    if (c % 10 >= 5) l += "{}X";
    l += "{  }par ";
    l += joueurs[p.joueur];
    l += "  " + std::to_string(p.score);
    return l;
}

std::string texte_diagrammes(int nb_d, const serie_donnes& d, const std::vector<int>& n,
                             const Serie& s, bool tables) {
    // Every block must have the same length: tables are written for all the
    // deals or for none.
    tables = tables && s.vresupar.size() >= d.size() && s.vtable.size() >= d.size();
    static const char sieges_mains[] = "NOES";
    static const char sieges_table[] = "NESO";
    static const int couleurs_table[5] = {3, 2, 1, 0, 4};  // ♣ ♦ ♥ ♠ SA

    // The name is one line of the file: a line break pasted into it would
    // shift every line after it.
    std::string nom = s.nom;
    for (char& c : nom)
        if (c == '\n' || c == '\r') c = ' ';
    std::string t = std::to_string(nb_d) + '\n' + nom + '\n';
    for (std::size_t i = 0; i < d.size(); ++i) {
        const int numero = i < n.size() ? n[i] : numero_donne(s.numerofixe, static_cast<int>(i));
        t += std::to_string(numero) + '\n';
        for (int j = 0; j < 4; ++j)
            for (int c = 0; c < 4; ++c) t += cartes_couleur(d[i], sieges_mains[j], c) + '\n';
        if (!tables) continue;
        t += ligne_par(s.vresupar[i]) + '\n';
        for (int j = 0; j < 4; ++j) {
            t += sieges_table[j];
            for (int c : couleurs_table) t += '&' + std::to_string(s.vtable[i].res[c][j]);
            t += '\n';
        }
    }
    return t;
}

bool tables_a_ecrire() {
    return odds && serie.avec_tables && serie.vresupar.size() >= donnes.size() &&
           serie.vtable.size() >= donnes.size();
}

bool ecrit_diag() {
    if (donnes.empty()) {
        alerte("Pas de diagramme à afficher");
        return false;
    }
    if (nums.size() != donnes.size()) nums = numerote(serie.numerofixe, donnes.size());
    if (!remplace_fichier(fichier_diagrammes,
                          texte_diagrammes(nb_d, donnes, nums, serie, tables_a_ecrire()))) {
        alerte(std::string("impossible d'écrire le fichier ") + fichier_diagrammes);
        return false;
    }
    return true;
}

std::string quote_shell(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

namespace {

std::string nom_maitre(bool tables) { return tables ? "diagrammesdds" : "diagrammes"; }

// What pdflatex writes into this directory, named after the master.
const char* const repertoire_pdf = "diagrammes";

std::string chemin_produit(bool tables, const char* extension) {
    return std::string(repertoire_pdf) + "/" + nom_maitre(tables) + extension;
}

bool seulement_blancs(const std::string& s) {
    return s.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

std::string commande_pdflatex(bool tables) {
    // nonstopmode: an error in the master ends the run with a failure status
    // instead of waiting for an answer on a terminal nobody watches.
    return "pdflatex -interaction=nonstopmode --output-directory=" + quote_shell(repertoire_pdf) +
           " " + quote_shell("latex/" + nom_maitre(tables));
}

std::string commande_lecteur(const std::string& cmdpdf, bool tables) {
    const std::string lecteur = seulement_blancs(cmdpdf) ? "xdg-open" : cmdpdf;
    // The reader's command line is the user's own and is run as written; the
    // trailing '&' puts it in the background so that the shell, and the
    // program, return at once.
    return "(" + lecteur + " " + quote_shell(chemin_produit(tables, ".pdf")) +
           ") </dev/null >/dev/null 2>&1 &";
}

bool cree_pdf() {
    nums.assign(donnes.size(), 0);
    if (nb_d <= 0) {
        alerte("Pas de donne en cours");
        return false;
    }
    nums = numerote(serie.numerofixe, donnes.size());
    if (!ecrit_diag()) return false;

    const bool tables = tables_a_ecrire();
    std::error_code ec;
    if (!std::filesystem::is_directory(repertoire_pdf, ec)) {
        alerte(std::string("répertoire ") + repertoire_pdf + " introuvable");
        return false;
    }
    const int st = executer(commande_pdflatex(tables));
    if (st != 0) {
        if (st == -1)
            alerte("impossible de lancer pdflatex");
        else if (WIFEXITED(st) && WEXITSTATUS(st) == 127)
            alerte("pdflatex introuvable");
        else
            alerte("pdflatex a échoué, voir le fichier " + chemin_produit(tables, ".log"));
        return false;
    }
    const std::string lecteur = commande_lecteur(config.cmdpdf, tables);
    if (executer(lecteur) != 0) {
        alerte("impossible de lancer le lecteur pdf : " + lecteur);
        return false;
    }
    return true;
}
