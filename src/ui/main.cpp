#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "aleatoire.h"
#include "dialogues.h"
#include "fenetre.h"
#include "hooks.h"

int main() {
    lie_alerte(montre_alerte);
    lie_demander(pose_question);
    lie_choisir_fichier([](const std::string& titre, const std::string& motif,
                           const std::string& initial) {
        const char* r = fl_file_chooser(titre.c_str(), motif.c_str(),
                                        initial.empty() ? nullptr : initial.c_str(), 1);
        return std::string(r ? r : "");
    });
    lie_executer([](const std::string& commande) { return std::system(commande.c_str()); });

    // The random source is seeded once, from the current time to the
    // nanosecond, so that two runs started in the same second differ.
    graine_aleatoire(static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    std::unique_ptr<Fenetre> fenetre = demarre();
    Fl::run();
    return 0;
}
