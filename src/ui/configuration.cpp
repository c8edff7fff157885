// The "Configuration" form: the PDF reader command and the number of
// threads, each written back into "dralen.ini" as soon as it changes.
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>

#include <string>

#include "champ_page.h"
#include "configuration.h"
#include "fenetre.h"
#include "formulaires.h"
#include "gen.h"
#include "hooks.h"
#include "ini.h"
#include "solveur.h"

void cb_cmdpdf(Fl_Widget* input, void* data) {
    Config& cfg = *static_cast<Config*>(data);
    const std::string texte = static_cast<Fl_Input*>(input)->value();
    cfg.cmdpdf = texte;
    enregistre_valeur(cfg, "#commande du lecteur pdf", texte);
}

void cb_nbthr(Fl_Widget* input, void* data) {
    Config& cfg = *static_cast<Config*>(data);
    auto* champ = static_cast<Fl_Input*>(input);
    const std::string tape = champ->value();
    // "4x" or "2e3" is a typing slip, not 4 or 2: digits only.
    const bool chiffres = !tape.empty() && tape.find_first_not_of("0123456789") == std::string::npos;
    const int n = chiffres ? entier_champ(tape.c_str()) : 0;
    // The generator shares its budget among the threads, and a count past
    // any machine's (4294967296 read as the largest int) is a typing slip:
    // keep the count in force.
    if (n < 1 || n > nb_threads_max) {
        refuse_saisie("le nombre de threads doit être compris entre 1 et " + std::to_string(nb_threads_max));
        champ->value(std::to_string(cfg.nbthreads).c_str());
        return;
    }
    cfg.nbthreads = n;
    init_solveur(n);
    // The number in force is what the file gets, not what followed it in the field.
    const std::string texte = std::to_string(n);
    champ->value(texte.c_str());
    enregistre_valeur(cfg, "#nombre de threads", texte);
}

Fl_Window* formconfig(Config& cfg) {
    Fl_Window* f = ouvre_formulaire("Configuration", "Formulaire configuration");
    auto* cmd = new ChampPage<Fl_Input>(0, y_interieur + 8, 200, 25, "Commande lecteur pdf : ");
    cmd->resize(x_champ(*cmd), cmd->y(), cmd->w(), cmd->h());
    cmd->value(cfg.cmdpdf.c_str());
    cmd->callback(cb_cmdpdf, &cfg);
    // Enter takes the value, as leaving the field does.
    cmd->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY);

    auto* thr = new ChampPage<Fl_Input>(0, cmd->y() + 50, 30, 25, "Nombre de threads : ");
    thr->resize(x_champ(*thr), thr->y(), thr->w(), thr->h());
    thr->value(std::to_string(cfg.nbthreads).c_str());
    thr->callback(cb_nbthr, &cfg);
    thr->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY);

    f->end();
    f->show();
    return f;
}

void cb_config(Fl_Widget*, void*) { formconfig(config); }
