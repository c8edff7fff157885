// The distribution page driven with real keys on a 1366×768 screen.
#include <FL/Fl_Int_Input.H>

#include "aides.h"
#include "aides_gui.h"

TEST(DistributionGui, BornesTapeesExempleDeLAideEtTouches) {
    RepertoireTemp rep;
    EcranSimule ecran(1366, 768);
    Fenetre fen(1366, 756, "Dralen");
    choisit_menu(fen, "&Probabilités/Distribution");
    const auto bornes = widgets<Fl_Int_Input>(fen.gdistribution);  // in callback-data order
    // The help's example: joueur1's bounds confirmed with Enter, joueur2's
    // not at all, then Ctrl+Enter from the last field.
    const char* exemple[16] = {"0", "1", "4", "4",  "4", "9", "0", "5",
                               "0", "9", "4", "13", "0", "9", "0", "9"};
    for (int k = 0; k < 16; ++k) {
        remplace_texte(bornes[k], exemple[k]);
        if (k < 8) touche(&fen, FL_Enter, 0, "\r");
    }
    touche(&fen, FL_Enter, FL_CTRL, "\r");
    ASSERT_NE(fen.gres_distribution, nullptr);
    EXPECT_STREQ(widgets<Fl_Output>(fen.gres_distribution)[0]->value(), "0.006049");  // 0,0060
    remplace_texte(bornes[11], "4294967296");  // a maximum too long for an int is 13
    clic_sur(par_label(fen.gdistribution, "Calculer"));
    EXPECT_STREQ(bornes[11]->value(), " 13");
    EXPECT_STREQ(widgets<Fl_Output>(fen.gres_distribution)[0]->value(), "0.006049");
    touche(&fen, 'c', FL_ALT | FL_SHIFT, "C");  // over the page, still the menu's
    EXPECT_EQ(fen.menu->mvalue(), fen.menu->find_item("&Probabilités/Calculer"));
    Fl::first_window()->do_callback();  // closes its window
}
