// The toolkit's file chooser with the program's French labels.
#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Window.H>

#include "aides_gui.h"
#include "fenetre.h"

// Every label drawn inside a widget, or left of it, fits whole: the chooser
// leaves its labels a fixed room that a long translation overflows.
TEST(ChoixFichierGui, LesLabelsTiennentEntiers) {
    textes_francais();
    Fl_File_Chooser choix(".", "*", Fl_File_Chooser::SINGLE, "Choisir");
    choix.show();
    Fl::check();
    Fl_Window* f = Fl::first_window();
    ASSERT_STREQ(f->label(), "Choisir");
    for (Fl_Widget* w : widgets<Fl_Widget>(f)) {
        if (w == f || !w->label() || !*w->label() || w->label()[0] == '@') continue;
        int lw = 0, lh = 0;
        w->measure_label(lw, lh);
        if (w->align() & FL_ALIGN_INSIDE || !(w->align() & 0x0f))
            EXPECT_LE(lw, w->w()) << w->label();
        else if (w->align() & FL_ALIGN_LEFT)
            EXPECT_LE(lw, w->x()) << w->label();
    }
    choix.hide();
}
