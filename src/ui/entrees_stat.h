// The two inputs that every statistics page places: deals per statistic
// (nbstat) and the try budget's exponent (limite). A value out of range is
// refused with an alert and the old one kept, and the field shows it again.
#pragma once

#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Widget.H>

#include "champ_page.h"

// Largest nbstat a user may type: the statistics keep every accepted deal
// (52 bytes each) until it is solved.
inline constexpr int nbstat_max = 1000000;

// Checks a typed value for nbstat or limite; on success stores it and returns
// true, else alerts and returns false, leaving the global as it was.
bool prend_nbstat(const char* texte);
bool prend_limite(const char* texte);

// Callbacks of the two inputs (Fl_Input_ widgets): they store the value and
// show it as taken, or put the old one back in the field.
void cb_inbdonnes(Fl_Widget* w, void*);
void cb_limite(Fl_Widget* w, void*);

// An input of a page's statistics, with one of the callbacks above: a page
// input (champ_page.h) that takes its value on Enter and when it is left.
class ChampStat : public ChampPage<Fl_Int_Input> {
public:
    ChampStat(int x, int y, int w, int h, const char* label, Fl_Callback* cb)
        : ChampPage<Fl_Int_Input>(x, y, w, h, label) {
        callback(cb);
    }
};
