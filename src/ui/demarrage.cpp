#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/fl_ask.H>

#include "fenetre.h"
#include "gen.h"
#include "solveur.h"

void textes_francais() {
    // The toolkit's dialogs say "Close", "Cancel", "Yes" and "No" by default.
    fl_close = "Fermer";
    fl_cancel = "Annuler";
    fl_yes = "Oui";
    fl_no = "Non";
    fl_ok = "OK";
    fl_message_title_default("Dralen");
    Fl_File_Chooser::add_favorites_label = "Ajouter aux favoris";
    Fl_File_Chooser::all_files_label = "Tous les fichiers (*)";
    Fl_File_Chooser::custom_filter_label = "Filtre personnalisé";
    Fl_File_Chooser::existing_file_label = "Choisissez un fichier existant.";
    Fl_File_Chooser::favorites_label = "Favoris";
    // The chooser leaves little room left of its fields for these two:
    // a longer label is cut at the window's edge.
    Fl_File_Chooser::filename_label = "Fichier :";
    Fl_File_Chooser::filesystems_label = "Systèmes de fichiers";
    Fl_File_Chooser::hidden_label = "Fichiers cachés";
    Fl_File_Chooser::manage_favorites_label = "Gérer les favoris";
    Fl_File_Chooser::new_directory_label = "Nom du nouveau dossier ?";
    Fl_File_Chooser::new_directory_tooltip = "Créer un dossier";
    Fl_File_Chooser::preview_label = "Aperçu";
    Fl_File_Chooser::save_label = "Enregistrer";
    Fl_File_Chooser::show_label = "Voir :";
}

std::unique_ptr<Fenetre> demarre() {
    textes_francais();
    calcule_metriques();
    traiteini(config);
    init_solveur(config.nbthreads);
    return std::make_unique<Fenetre>(Fl::w(), Fl::h() - 12, titre_fenetre);
}
