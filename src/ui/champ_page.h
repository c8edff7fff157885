// The inputs of the analysis pages: Enter or leaving the field takes what is
// typed, and Enter with Ctrl (or Alt, Meta) reaches the page's compute button
// even from inside the field.
#pragma once

#include <FL/Enumerations.H>
#include <FL/Fl.H>

// Base is one of the toolkit's inputs (Fl_Input, Fl_Int_Input...). With
// FL_WHEN_ENTER_KEY the toolkit's input swallows every Enter, Ctrl held or
// not, so the compute button's Ctrl+Enter never ran while a field had the
// focus; the button takes the field's value itself (prend_saisie).
template <class Base>
class ChampPage : public Base {
public:
    ChampPage(int x, int y, int w, int h, const char* label = nullptr) : Base(x, y, w, h, label) {
        this->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY);
    }
    int handle(int event) override {
        if (event == FL_KEYBOARD && Fl::event_state(FL_CTRL | FL_ALT | FL_META) &&
            (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter))
            return 0;
        return Base::handle(event);
    }
};
