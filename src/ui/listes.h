// The selector lists of the pages and the scrolling pages they open on: how
// big a list is made, how a page that scrolls is set up, and how it scrolls
// to show what opens on it. Every page sizes and shows its lists through
// these, so that a list looks and opens alike wherever it lies.
#pragma once

#include <FL/Enumerations.H>
#include <FL/Fl_Browser_.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Widget.H>

// --- list sizes ---------------------------------------------------------------------
// The height a list needs to show n lines of text size `taille` whole, with
// no scrollbar, inside its frame (FL_DOWN_BOX, the toolkit's own for a
// list given none); a pixel spare each way keeps the toolkit's rounding from
// adding a bar. taille_liste gives a list this height, and a page reserves
// it for a list it has not built yet.
int hauteur_lignes(int n, int taille = FL_NORMAL_SIZE, Fl_Boxtype cadre = FL_DOWN_BOX);
// The measures of the lines a list holds, as the toolkit draws them: the
// width that shows the longest whole (beside the vertical scrollbar when the
// lines are taller than the list), and the height that shows every one.
int largeur_lignes(Fl_Browser_* l);
int hauteur_lignes(Fl_Browser_* l);
// The height of a list that shows whole lines only, at most hmax: all its
// lines when they fit, so that it needs no scrollbar, else as many as fit.
int hauteur_liste(Fl_Browser_* l, int hmax);
// Makes the list as wide as the longest of its n lines (and at least
// largeur_min) and as high as its lines, so that no scrollbar hides one.
void taille_liste(Fl_Browser_* liste, const char* const* lignes, int n, int largeur_min);

// --- scrolling pages ----------------------------------------------------------------
// Sets up a page of the window that scrolls when what it holds runs past the
// window: a flat box in the pages' colour, scrolling down only unless
// `type` says both ways. Returns the page.
Fl_Scroll* page_defilante(Fl_Scroll* page, unsigned char type = Fl_Scroll::VERTICAL);
// Children of a scrolled page sit where the scroll has moved them: a list
// rebuilt on it is laid at y_page(page, y) for the ordinate y it has on the
// page scrolled to the top. A page that is a plain group never scrolls.
int y_page(Fl_Group* page, int y);
// How far the page is scrolled down (0 for a plain group).
int position_page(Fl_Group* page);
// Scrolls the page to the position y, kept within its content.
void defile_page(Fl_Group* page, int y);
// Scrolls the page (when it scrolls) as little as needed for the window
// ordinates haut..bas to show above its horizontal bar; the top wins when
// both cannot.
void montre_sur_page(Fl_Group* page, int haut, int bas);
// Brings a list just opened into view on every scrolling page that holds
// it, with the button that opened it: the button and the list's top first
// when the page cannot show them all.
void montre_liste(Fl_Widget* bouton, Fl_Widget* liste);
