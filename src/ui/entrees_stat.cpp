#include "entrees_stat.h"

#include <FL/Fl.H>
#include <FL/Fl_Input_.H>

#include <string>

#include "fenetre.h"
#include "formulaires.h"
#include "gen.h"
#include "hooks.h"

namespace {

bool prend(const char* texte, int min, int max, int& cible, const std::string& refus) {
    const int v = entier_champ(texte);
    if (v < min || v > max) {
        refuse_saisie(refus);
        return false;
    }
    cible = v;
    return true;
}

void remet(Fl_Widget* w, int valeur) {
    if (auto* champ = dynamic_cast<Fl_Input_*>(w)) champ->value(std::to_string(valeur).c_str());
}

}  // namespace

bool prend_nbstat(const char* texte) {
    return prend(texte, 1, nbstat_max, nbstat,
                 "Le nombre de donnes doit être compris entre 1 et " + std::to_string(nbstat_max));
}

bool prend_limite(const char* texte) {
    return prend(texte, 1, 31, limite, "La limite doit être comprise entre 1 et 31");
}

// Either way the field shows the value in force: "007" reads back as 7.
void cb_inbdonnes(Fl_Widget* w, void*) {
    auto* champ = dynamic_cast<Fl_Input_*>(w);
    if (!champ) return;
    prend_nbstat(champ->value());
    remet(w, nbstat);
}

void cb_limite(Fl_Widget* w, void*) {
    auto* champ = dynamic_cast<Fl_Input_*>(w);
    if (!champ) return;
    prend_limite(champ->value());
    remet(w, limite);
}
