// The text inputs of the program, on the pages and in the forms. Enter or
// leaving the field takes what is typed, once; the keys the menu shows reach
// the menu from inside the field; no control character gets in; Enter with
// Ctrl (or Alt, Meta) reaches the page's compute button. The other widgets
// of a page that take the keyboard let the menu's keys through too.
#pragma once

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Output.H>

#include <string>

// Whether the key being handled is the shortcut of a menu entry (defined
// with the menu, from its own list of entries).
bool touche_du_menu();

// Base is one of the toolkit's inputs (Fl_Input, Fl_Int_Input...).
template <class Base>
class ChampPage : public Base {
public:
    ChampPage(int x, int y, int w, int h, const char* label = nullptr) : Base(x, y, w, h, label) {
        this->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY);
    }
    int handle(int event) override {
        switch (event) {
        case FL_KEYBOARD:
            // The toolkit's input takes Ctrl+A, Ctrl+C and Ctrl+M for itself;
            // returned unused, the key goes on to the menu as a shortcut.
            if (touche_du_menu() || tape_un_controle()) return 0;
            if (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter) {
                // With FL_WHEN_ENTER_KEY the toolkit's input swallows every
                // Enter, so Ctrl+Enter never reached the compute button.
                if (Fl::event_state(FL_CTRL | FL_ALT | FL_META)) return 0;
                if (this->when() & FL_WHEN_ENTER_KEY) {
                    this->position(this->size(), 0);
                    prend();
                    return 1;
                }
            }
            break;
        case FL_PASTE:
            return colle_sans_controles();
        case FL_UNFOCUS:
        case FL_HIDE:
            return quitte(event);
        }
        return Base::handle(event);
    }

private:
    // The toolkit runs the callback before it clears the changed mark: an
    // alert raised there takes the focus, and the field, leaving, ran the
    // callback a second time. The mark is cleared first.
    void prend() {
        if (!this->changed() && !(this->when() & FL_WHEN_NOT_CHANGED)) return;
        this->clear_changed();
        this->do_callback();
    }
    int quitte(int event) {
        const Fl_When quand = this->when();
        const bool prendre = (quand & FL_WHEN_RELEASE) && !this->readonly();
        this->when(static_cast<Fl_When>(quand & ~FL_WHEN_RELEASE));
        const int r = Base::handle(event);
        this->when(quand);
        if (prendre) prend();
        return r;
    }
    // Ctrl with a key whose text is a control character: the toolkit types
    // Ctrl+I, J, L and M into the text as that character. Only its editing
    // keys go through (Ctrl+H deletes, Ctrl+V, X and Z paste, cut and undo).
    static bool tape_un_controle() {
        if (Fl::event_length() == 0) return false;
        const unsigned char c = static_cast<unsigned char>(Fl::event_text()[0]);
        const int cle = Fl::event_key();
        if (!(c < 32 || c == 127) || cle < 32 || cle > 126) return false;
        return cle != 'h' && cle != 'v' && cle != 'x' && cle != 'z';
    }
    // A pasted or dropped text goes in without its line breaks, tabs and
    // other control characters.
    int colle_sans_controles() {
        std::string texte(Fl::event_text() ? Fl::event_text() : "", static_cast<std::size_t>(Fl::event_length()));
        std::string propre;
        for (char c : texte)
            if (!(static_cast<unsigned char>(c) < 32 || c == 127)) propre += c;
        char* avant = Fl::e_text;
        const int longueur = Fl::e_length;
        Fl::e_text = propre.data();
        Fl::e_length = static_cast<int>(propre.size());
        const int r = Base::handle(FL_PASTE);
        Fl::e_text = avant;
        Fl::e_length = longueur;
        return r;
    }
};

// The read-only texts of the pages take the focus when clicked, so that they
// can be selected and copied; the menu's keys still reach the menu from them.
using SortiePage = ChampPage<Fl_Output>;

// Any other widget of a page that takes the keyboard: the toolkit's text
// display takes Ctrl+A and Ctrl+C for itself once it has the focus, from a
// click or from the window when an alert closes. Returned unused, the
// menu's keys go on to the menu.
template <class Base>
class LaisseMenu : public Base {
public:
    using Base::Base;
    int handle(int event) override {
        if (event == FL_KEYBOARD && touche_du_menu()) return 0;
        return Base::handle(event);
    }
};
