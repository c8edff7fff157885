// The statistics parameter box and the text box, built in a window as the
// statistics pages build them.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "aides.h"
#include "gen.h"
#include "parametres.h"

namespace {

// Writes the window's pixels as a PPM file when DRALEN_CAPTURE names a
// directory: a look at the widgets, kept out of the repository.
void capture(Fl_Window& f, const char* nom) {
    const char* dir = std::getenv("DRALEN_CAPTURE");
    if (!dir) return;
    // The window must be mapped and drawn before its pixels can be read.
    for (int i = 0; i < 10; ++i) Fl::wait(0.05);
    f.redraw();
    Fl::flush();
    f.make_current();
    uchar* p = fl_read_image(nullptr, 0, 0, f.w(), f.h());
    if (!p) return;
    const std::string chemin = std::string(dir) + "/" + nom + ".ppm";
    if (std::FILE* o = std::fopen(chemin.c_str(), "wb")) {
        std::fprintf(o, "P6\n%d %d\n255\n", f.w(), f.h());
        std::fwrite(p, 3, static_cast<std::size_t>(f.w() * f.h()), o);
        std::fclose(o);
    }
    delete[] p;
}

TEST(ParametresGui, ChampsValeursEtRefus) {
    const int nb = nbstat, lim = limite;
    nbstat = 250;
    limite = 20;
    Fl_Double_Window f(1100, 140);
    f.color(0xbee7ef00);
    // Pages are built inside the main window once it is shown.
    f.end();
    f.show();
    Fl::check();
    f.begin();
    const ChampsParametres c = parametres(40, 20, 891);
    auto* t = new BoiteTexte(30, 95, "Les deux @ ♠");
    f.end();
    Fl::check();

    ASSERT_NE(c.nbstat, nullptr);
    ASSERT_NE(c.limite, nullptr);
    EXPECT_STREQ(c.nbstat->label(), "Nombre de donnes : ");
    EXPECT_STREQ(c.limite->label(), "Limite : ");
    // In order, left to right, each label inside the box and clear of the
    // field before it.
    EXPECT_GE(c.nbstat->x(), 20 + 97);
    fl_font(c.nbstat->labelfont(), c.nbstat->labelsize());
    EXPECT_GE(c.nbstat->x() - fl_width(c.nbstat->label()), 20);
    EXPECT_GE(c.limite->x() - fl_width(c.limite->label()), c.nbstat->x() + c.nbstat->w());
    EXPECT_GE(c.limite->x(), std::max(20 + 227, c.nbstat->x() + c.nbstat->w()));
    EXPECT_EQ(c.nbstat->y(), 48);
    EXPECT_EQ(c.limite->y(), 48);
    EXPECT_STREQ(c.nbstat->value(), "250");
    EXPECT_STREQ(c.limite->value(), "20");
    // The note follows the inputs, inside the box.
    Fl_Widget* note = f.child(f.find(c.limite) + 1);
    EXPECT_STREQ(note->label(), note_limite);
    EXPECT_GE(note->x(), std::max(20 + 447, c.limite->x() + c.limite->w()));
    EXPECT_EQ(note->x() + note->w(), 20 + 891);

    // The text box is as wide as its text and taille + 16 high.
    EXPECT_EQ(t->h(), 34);
    EXPECT_GT(t->w(), 40);
    EXPECT_STREQ(t->label(), "Les deux @ ♠");
    capture(f, "parametres");

    // Values typed: a valid one is taken, one out of range alerts and the
    // field shows the old value again.
    EnregistreurAlertes al;
    struct Cas {
        Fl_Int_Input* champ;
        const char* tape;
        int nbstat, limite;
        bool alerte;
    } cas[] = {{c.nbstat, "400", 400, 20, false},
               {c.nbstat, "0", 400, 20, true},
               {c.limite, "12", 400, 12, false},
               {c.limite, "32", 400, 12, true}};
    for (const Cas& k : cas) {
        const std::size_t avant = al.alertes.size();
        k.champ->value(k.tape);
        k.champ->do_callback();
        EXPECT_EQ(nbstat, k.nbstat) << k.tape;
        EXPECT_EQ(limite, k.limite) << k.tape;
        EXPECT_EQ(al.alertes.size(), avant + (k.alerte ? 1 : 0)) << k.tape;
        EXPECT_STREQ(k.champ->value(), std::to_string(k.champ == c.nbstat ? nbstat : limite).c_str());
    }
    // Shown again after another page changed them.
    nbstat = 77;
    montre_parametres(c);
    EXPECT_STREQ(c.nbstat->value(), "77");
    f.hide();
    nbstat = nb;
    limite = lim;
}

}  // namespace
