// The distribution page as a user drives it on a 1366×768 screen: bounds
// typed with real keys, confirmed with Enter or not at all, the page's
// Ctrl+Enter and its button, and the menu's keys with the pointer over it.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Output.H>

#include <cstdint>
#include <string>

#include "aides.h"
#include "aides_gui.h"
#include "fenetre.h"
#include "probas.h"

namespace {

class DistributionGui : public DansRepertoireTemp {
protected:
    void TearDown() override {
        for (int r = 0; r < 4; ++r)
            for (int s = 0; s < 4; ++s) minis[r][s] = 0, maxis[r][s] = 13;
    }
    // The bound input of data 8 × row + 2 × suit + (1 for a maximum).
    Fl_Int_Input* borne(std::intptr_t data) {
        for (auto* in : widgets<Fl_Int_Input>(fen.gdistribution))
            if (reinterpret_cast<std::intptr_t>(in->user_data()) == data) return in;
        return nullptr;
    }
    std::string pA() {
        auto* o = par_label<Fl_Output>(fen.gres_distribution, "Probabilité de A : ");
        return o ? o->value() : "";
    }
    EnregistreurAlertes rec;
    EcranSimule ecran{1366, 768};
    Fenetre fen{1366, 756, "Dralen"};
};

}  // namespace

TEST_F(DistributionGui, TypedBoundsTheHelpsExampleAndTheKeys) {
    Fl::check();
    choisit_menu(fen, "&Probabilités/Distribution");
    // The help's example, joueur1's bounds confirmed with Enter, joueur2's
    // not at all: leaving a field or the compute key takes it.
    const char* exemple[16] = {"0", "1", "4", "4", "4", "9", "0", "5",
                               "0", "9", "4", "13", "0", "9", "0", "9"};
    for (int k = 0; k < 16; ++k) {
        remplace_texte(borne(k), exemple[k]);
        if (k < 8) touche(&fen, FL_Enter, 0, "\r");
    }
    survole(&fen, 600, 150);
    touche(&fen, FL_Enter, FL_CTRL, "\r");
    EXPECT_EQ(pA(), "0.006049");  // the help says 0,0060

    // A maximum too long for an int is a maximum of 13, and shows so.
    remplace_texte(borne(8 + 2 + 1), "4294967296");
    clic_sur(par_label<Fl_Button>(fen.gdistribution, "Calculer"));
    EXPECT_STREQ(borne(8 + 2 + 1)->value(), " 13");
    EXPECT_EQ(maxis[1][1], 13);
    EXPECT_EQ(pA(), "0.006049");

    // Alt+Shift+C over the page is the menu's, not the page's button.
    survole(&fen, 600, 150);
    touche(&fen, 'c', FL_ALT | FL_SHIFT, "C");
    EXPECT_EQ(fen.menu->mvalue(), fen.menu->find_item("&Probabilités/Calculer"));
    Fl_Window* probas = Fl::first_window();
    ASSERT_NE(probas, &fen);
    EXPECT_STREQ(probas->label(), "Résultats probas");
    probas->do_callback();
    Fl::check();
}
