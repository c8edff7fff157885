// The shared widgets built in a window: what they place, where.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Select_Browser.H>

#include <string>

#include <gtest/gtest.h>

#include "aides_gui.h"
#include "fenetre.h"
#include "listes.h"
#include "tableaux.h"

namespace {

TEST(WidgetsGui, CentreSquareLayout) {
    Fl_Double_Window f(400, 400);
    // w = 90: d = 30; Est and Sud at 2w/3 = 60.
    auto* c = new Centre(100, 50, 90, 2);
    f.end();
    f.show();
    Fl::check();
    const int i = f.find(c);
    // Seats N, E, S, O: position, label, colour (board 2: Est deals, N-S vulnerable).
    const struct {
        int x, y;
        const char* label;
        Fl_Color couleur;
    } attendu[4] = {{130, 50, "N", 88}, {160, 80, "D", 63}, {130, 110, "S", 88}, {100, 80, "O", 63}};
    for (int j = 0; j < 4; ++j) {
        Fl_Widget* b = f.child(i + 1 + j);
        EXPECT_EQ(b->x(), attendu[j].x) << j;
        EXPECT_EQ(b->y(), attendu[j].y) << j;
        EXPECT_EQ(b->w(), 30);
        EXPECT_EQ(b->h(), 30);
        EXPECT_STREQ(b->label(), attendu[j].label);
        EXPECT_EQ(b->color(), attendu[j].couleur);
        EXPECT_EQ(b->box(), FL_FLAT_BOX);
    }
    auto* n = dynamic_cast<Fl_Output*>(f.child(i + 5));
    ASSERT_NE(n, nullptr);
    EXPECT_STREQ(n->value(), " 2 ");
    // As wide as its text, centred in the middle cell (the offset truncated).
    EXPECT_EQ(n->y(), 80);
    EXPECT_GT(n->w(), 0);
    EXPECT_LE(n->w(), 30);
    EXPECT_EQ(n->x(), 130 + (30 - n->w()) / 2);
    f.hide();
}

TEST(WidgetsGui, HandTableAndSelector) {
    Fl_Double_Window f(600, 400);
    std::string deal(52, 'V');
    deal[0] = 'E';   // ace of clubs
    deal[12] = 'E';  // deuce of clubs
    auto* m = new Boite_Main(10, 10, 120, 120, deal.c_str(), 'E');
    auto* t = new TabDDT(150, 10, 300, 125);
    auto* bouton = new Fl_Button(10, 200, 80, 25, "sud");
    auto* liste = new Fl_Select_Browser(100, 200, 80, 80);
    liste->hide();
    bouton->callback(Fenetre::cb_bjoueur, liste);
    f.end();
    f.show();
    Fl::check();

    const int i = f.find(m);
    EXPECT_EQ(m->color(), 255u);
    for (int k = 0; k < 4; ++k) {
        auto* s = dynamic_cast<Symb_Couleur*>(f.child(i + 1 + 2 * k));
        auto* o = dynamic_cast<Fl_Output*>(f.child(i + 2 + 2 * k));
        ASSERT_TRUE(s && o) << k;
        EXPECT_EQ(s->y(), 10 + 6 + 23 * k);
        EXPECT_EQ(o->x(), 10 + 23);
        EXPECT_STREQ(o->value(), k == 3 ? "A2" : "");
    }

    EXPECT_EQ(t->rows(), 4);
    EXPECT_EQ(t->cols(), 5);
    EXPECT_EQ(t->row_height(3), 25);
    EXPECT_EQ(t->col_width(4), 41);
    EXPECT_EQ(t->children(), 0);  // no child widget: the cells are drawn
    EXPECT_STREQ(t->hdata[0], "P");
    EXPECT_STREQ(t->hdata[4], "SA");
    EXPECT_STREQ(t->vdata[3], "O");

    bouton->do_callback();
    EXPECT_TRUE(liste->Fl_Widget::visible());
    f.hide();
}

// A selector near the bottom of a scrolling page: a press brings its list
// into view, its bottom when it fits, else its top and the button.
TEST(WidgetsGui, SelectorListComesIntoViewOnAScrollingPage) {
    for (const int hauteur : {80, 300}) {
        Fl_Double_Window f(400, 300);
        auto* page = page_defilante(new Fl_Scroll(0, 0, 400, 200));
        auto* bouton = new Fl_Button(10, 150, 80, 25, "sud");
        auto* liste = new Fl_Select_Browser(100, 150, 80, hauteur);
        liste->hide();
        bouton->callback(Fenetre::cb_bjoueur, liste);
        page->end();
        f.end();
        f.show();
        Fl::check();
        clic_sur(bouton);
        ASSERT_TRUE(liste->Fl_Widget::visible()) << hauteur;
        EXPECT_GE(bouton->y(), page->y()) << hauteur;
        if (hauteur < page->h()) EXPECT_EQ(liste->y() + liste->h(), page->y() + page->h());
        else EXPECT_EQ(liste->y(), page->y());
        f.hide();
    }
}

}  // namespace
