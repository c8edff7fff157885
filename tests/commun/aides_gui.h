// Helpers of the GUI tests: finding the widgets of a page the way a user
// finds them, by their label or kind, anywhere inside a group.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Widget.H>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "fenetre.h"

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
