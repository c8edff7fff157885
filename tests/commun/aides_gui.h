// Helpers of the GUI tests: finding the widgets of a page the way a user
// finds them, by their label or kind, anywhere inside a group.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogues.h"
#include "fenetre.h"
#include "hooks.h"

// Every widget of kind T inside g (g included), depth first, in child order.
template <class T>
void collecte(Fl_Widget* w, std::vector<T*>& sortie) {
    if (!w) return;
    if (auto* t = dynamic_cast<T*>(w)) sortie.push_back(t);
    if (Fl_Group* g = w->as_group())
        for (int i = 0; i < g->children(); ++i) collecte(g->child(i), sortie);
}

template <class T>
std::vector<T*> widgets(Fl_Widget* w) {
    std::vector<T*> v;
    collecte(w, v);
    return v;
}

// The first widget of kind T inside g whose label is `label`; null if none.
template <class T = Fl_Widget>
T* par_label(Fl_Widget* g, const char* label) {
    for (T* t : widgets<T>(g))
        if (t->label() && std::strcmp(t->label(), label) == 0) return t;
    return nullptr;
}

// Runs a menu entry of the main window as a click would, then lets the
// toolkit handle what it caused.
inline void choisit_menu(Fenetre& fen, const char* label) {
    const Fl_Menu_Item* it = fen.menu->find_item(label);
    ASSERT_NE(it, nullptr) << label;
    fen.menu->picked(it);
    Fl::check();
}

// Presses a widget as a click does.
inline void clique(Fl_Widget* w) {
    ASSERT_NE(w, nullptr);
    w->do_callback();
    Fl::check();
}

// Picks a line of a list as a click does (0: a click beside the lines).
inline void choisit_ligne(Fl_Select_Browser* l, int ligne) {
    ASSERT_NE(l, nullptr);
    l->value(ligne);
    l->do_callback();
    Fl::check();
}

// --- events as a user makes them ---------------------------------------------
// These go through the window as the X server's events do: the toolkit finds
// the widget under the pointer (or the one with the focus, for keys), so a
// widget lying over another takes the click, and a key a menu entry answers
// reaches the menu only when no widget takes it first. Coordinates are the
// window's, as the widgets' own x() and y() are.

// The pointer moves to (x, y) of window f.
inline void survole(Fl_Window* f, int x, int y) {
    Fl::e_x = x;
    Fl::e_y = y;
    Fl::e_x_root = f->x_root() + x;
    Fl::e_y_root = f->y_root() + y;
    Fl::e_state = 0;
    Fl::handle(FL_MOVE, f);
}

// A press and release of the left button at (x, y) of window f.
inline void clic(Fl_Window* f, int x, int y) {
    survole(f, x, y);
    Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
    Fl::e_clicks = 0;
    Fl::e_is_click = 1;
    Fl::e_state = FL_BUTTON1;
    Fl::handle(FL_PUSH, f);
    Fl::e_state = 0;
    Fl::handle(FL_RELEASE, f);
    Fl::check();
}

// A click in the middle of widget w, in its window.
inline void clic_sur(Fl_Widget* w) {
    ASSERT_NE(w, nullptr);
    ASSERT_NE(w->window(), nullptr);
    clic(w->window(), w->x() + w->w() / 2, w->y() + w->h() / 2);
}

// A key pressed with the modifiers etat (FL_CTRL, FL_ALT, FL_SHIFT…) while
// the pointer stays where it is: cle is the key's lower-case symbol and
// texte what it types.
inline void touche(Fl_Window* f, int cle, int etat = 0, const char* texte = "") {
    static char tampon[8];
    std::strncpy(tampon, texte, sizeof tampon - 1);
    tampon[sizeof tampon - 1] = '\0';
    Fl::e_keysym = cle;
    Fl::e_state = etat;
    Fl::e_text = tampon;
    Fl::e_length = static_cast<int>(std::strlen(tampon));
    Fl::handle(FL_KEYBOARD, f);
    Fl::e_state = 0;
    Fl::check();
}

// Types texte, one key a character, into whatever has the focus.
inline void tape(Fl_Window* f, const char* texte) {
    for (const char* c = texte; *c; ++c) {
        const char lettre[2] = {*c, '\0'};
        touche(f, static_cast<unsigned char>(*c), 0, lettre);
    }
}

// Clicks in a text field, selects all it holds and types texte over it
// (without Enter).
inline void remplace_texte(Fl_Widget* champ, const char* texte) {
    clic_sur(champ);
    Fl_Window* f = champ->window();
    // Ctrl+A is the menu's "Afficher", even inside a field.
    touche(f, FL_Home);
    touche(f, FL_End, FL_SHIFT);
    touche(f, FL_BackSpace, 0, "\b");
    tape(f, texte);
}

// The mouse wheel turned by dy notches (positive: down) over (x, y).
inline void molette(Fl_Window* f, int x, int y, int dy) {
    survole(f, x, y);
    Fl::e_dx = 0;
    Fl::e_dy = dy;
    Fl::handle(FL_MOUSEWHEEL, f);
    Fl::check();
}

// While it lives, alerts and questions open the program's own windows, and
// each is answered once it is up: by the key cle (Enter or Escape) or, with
// a button's label, by a click on it. Each window answered is noted.
struct RepondDialogues {
    struct Vu {
        std::string texte;
        std::vector<std::string> boutons;
        int largeur, droite;  // on the screen
    };
    explicit RepondDialogues(int c, const char* b = nullptr) : cle(c), bouton(b) { Fl::add_timeout(0, repond, this); }
    ~RepondDialogues() {
        Fl::remove_timeout(repond, this);
        lie_alerte(alerte);
        lie_demander(demander);
    }
    static void repond(void* p) {
        auto* r = static_cast<RepondDialogues*>(p);
        if (Fl_Window* d = Fl::modal(); d && d->shown()) {
            r->vus.push_back({d->child(1)->label(), {}, d->w(), d->x() + d->w()});
            for (Fl_Button* b : widgets<Fl_Button>(d)) r->vus.back().boutons.push_back(b->label());
            if (r->bouton) clic_sur(par_label<Fl_Button>(d, r->bouton));
            else touche(d, r->cle, 0, r->cle == FL_Enter ? "\r" : "\x1b");
        }
        Fl::repeat_timeout(0.02, repond, p);
    }
    int cle;
    const char* bouton;
    std::vector<Vu> vus;
    FnAlerte alerte = lie_alerte(montre_alerte);
    FnDemander demander = lie_demander(pose_question);
};

// The layout of a screen of largeur × hauteur pixels, as the program computes
// it at start on such a screen, for the life of the object; the main window
// for it is largeur × (hauteur − 12), as at start.
class EcranSimule {
public:
    EcranSimule(int largeur, int hauteur) { calcule_metriques(largeur, hauteur); }
    ~EcranSimule() { calcule_metriques(); }
    EcranSimule(const EcranSimule&) = delete;
    EcranSimule& operator=(const EcranSimule&) = delete;
};

// Whether (x, y) of window f lies inside what the window shows.
inline bool dans_fenetre(Fl_Window* f, int x, int y) {
    return x >= 0 && y >= 0 && x < f->w() && y < f->h();
}

