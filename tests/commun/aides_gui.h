// Helpers of the GUI tests: finding the widgets of a page the way a user
// finds them, by their label or kind, anywhere inside a group.
#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_Widget.H>

#include <cstring>
#include <vector>

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
