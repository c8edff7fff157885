// The page "Probabilités de distributions" and the two calculation windows,
// driven through the menu under a virtual display.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Output.H>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "aides.h"
#include "garde_etat.h"
#include "aides_gui.h"
#include "cartes.h"
#include "condouv.h"
#include "edition_cocos.h"
#include "enumeration.h"
#include "fenetre.h"
#include "gen.h"
#include "probas.h"
// After gtest: the toolkit's text display brings X11's macro None.
#include <FL/Fl_Text_Display.H>

namespace {

void bornes_ouvertes() {
    for (int r = 0; r < 4; ++r)
        for (int s = 0; s < 4; ++s) {
            minis[r][s] = 0;
            maxis[r][s] = 13;
        }
}

class ProbasGui : public DansRepertoireTemp {
protected:
    GardeEtat garde_etat_;
    void SetUp() override {
        contr = Contraintes();
        bornes_ouvertes();
        fen = std::make_unique<Fenetre>(1600, 1000, "Dralen v0.36_0");
        Fl::check();
    }
    void TearDown() override {
        // Result windows are the program's until the user closes them.
        std::vector<Fl_Window*> autres;
        for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
            if (w != fen.get()) autres.push_back(w);
        for (Fl_Window* w : autres) w->do_callback();
        fen.reset();
        Fl::check();
        bornes_ouvertes();
    }
    void choisit(const char* label) { choisit_menu(*fen, label); }
    // The bound input of data 8 × row + 2 × suit + (1 for a maximum).
    Fl_Int_Input* borne(int row, int suit, bool maxi) {
        const std::intptr_t data = 8 * row + 2 * suit + (maxi ? 1 : 0);
        for (int i = 0; i < fen->gdistribution->children(); ++i)
            if (auto* in = dynamic_cast<Fl_Int_Input*>(fen->gdistribution->child(i)))
                if (reinterpret_cast<std::intptr_t>(in->user_data()) == data) return in;
        ADD_FAILURE() << "no input " << data;
        return nullptr;
    }
    void tape(int row, int suit, bool maxi, const char* texte) {
        borne(row, suit, maxi)->value(texte);
    }
    void calcule() {
        for (int i = 0; i < fen->gdistribution->children(); ++i)
            if (auto* b = dynamic_cast<Fl_Button*>(fen->gdistribution->child(i)))
                if (b->label() && std::string(b->label()) == "Calculer") b->do_callback();
        Fl::check();
    }
    // The results shown, by field label; "" for a field that is not there.
    std::string resultat(const char* label) {
        if (!fen->gres_distribution) return "";
        for (int i = 0; i < fen->gres_distribution->children(); ++i) {
            auto* o = dynamic_cast<Fl_Output*>(fen->gres_distribution->child(i));
            if (o && o->label() && std::string(o->label()) == label) return o->value();
        }
        return "";
    }
    int groupes_resultats() {
        int n = 0;
        for (int i = 0; i < fen->gdistribution->children(); ++i)
            if (Fl_Group* g = fen->gdistribution->child(i)->as_group())
                n += g->children() > 1 && dynamic_cast<Fl_Output*>(g->child(1)) != nullptr;
        return n;
    }
    // The text of the result window with this title; "" when none is open.
    std::string fenetre_texte(const char* titre) {
        for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
            if (w->label() && std::string(w->label()) == titre) {
                EXPECT_EQ(w->w(), 500);
                EXPECT_EQ(w->h(), 400);
                auto* d = dynamic_cast<Fl_Text_Display*>(w->child(0));
                if (!d) return "";
                return std::unique_ptr<char, void (*)(void*)>(d->buffer()->text(), std::free).get();
            }
        return "";
    }

    std::unique_ptr<Fenetre> fen;
    EnregistreurAlertes rec;
};

const char* const PA = "Probabilité de A : ";
const char* const PAB = "Probabilité de A et B :";
const char* const PBA = "Probabilité de B sachant A:";

}  // namespace

TEST_F(ProbasGui, DistributionPageReadsEveryBoundAndReplacesItsResults) {
    choisit("&Probabilités/Distribution");
    ASSERT_NE(fen->gdistribution, nullptr);
    EXPECT_TRUE(fen->gdistribution->visible());
    EXPECT_EQ(borne(0, 0, false)->value(), std::string(" 0"));
    EXPECT_EQ(borne(3, 3, true)->value(), std::string(" 13"));
    EXPECT_EQ(fen->gres_distribution, nullptr);

    // joueur1 exactly 4-3-3-3, typed without Enter.
    const char* ex[4] = {"4", "3", "3", "3"};
    for (int s = 0; s < 4; ++s) {
        tape(0, s, false, ex[s]);
        tape(0, s, true, ex[s]);
    }
    calcule();
    const int lo[4] = {4, 3, 3, 3};
    EXPECT_EQ(resultat(PA), dstring(Pr(lo, lo, m0, M0, L0), 4));
    EXPECT_NEAR(std::atof(resultat(PA).c_str()), 0.02634, 1e-5);
    EXPECT_EQ(resultat(PAB), "");  // B open: only P(A)

    // A: joueur1 at most one spade; B: at least five. Bounds out of 0..13
    // are brought back into it, a text that is no number reads 0.
    for (int s = 0; s < 4; ++s) {
        tape(0, s, false, s == 1 ? "-4" : "x");
        tape(0, s, true, s == 0 ? "1" : "20");
    }
    tape(2, 0, false, "5");
    calcule();
    EXPECT_EQ(borne(0, 1, false)->value(), std::string(" 0"));
    EXPECT_EQ(borne(0, 2, true)->value(), std::string(" 13"));
    EXPECT_EQ(minis[0][1], 0);
    EXPECT_EQ(maxis[0][2], 13);
    const int lo1[4] = {0, 0, 0, 0}, hi1[4] = {1, 13, 13, 13};
    EXPECT_EQ(resultat(PA), dstring(Pr(lo1, hi1, m0, M0, L0), 4));
    EXPECT_EQ(resultat(PAB), "0");
    EXPECT_EQ(resultat(PBA), "0");
    EXPECT_EQ(groupes_resultats(), 1);

    // Enter in a field stores it at once.
    tape(3, 1, false, " 5");
    borne(3, 1, false)->do_callback();
    EXPECT_EQ(minis[3][1], 5);

    // P(A) = 0: B given A has no value.
    for (int s = 0; s < 4; ++s) tape(0, s, true, "3");
    calcule();
    EXPECT_EQ(resultat(PA), "0");
    EXPECT_EQ(resultat(PBA), "indéfini");
    EXPECT_EQ(groupes_resultats(), 1);

    // Leaving and coming back keeps the inputs and the last results.
    choisit("&Probabilités/Distribution");
    EXPECT_EQ(resultat(PBA), "indéfini");
    EXPECT_TRUE(rec.alertes.empty());
}

TEST_F(ProbasGui, CalculationWindows) {
    // A fully fixed deal: Nord holds the spades on every draw.
    const std::string d = donne_une_couleur_chacun();
    std::memcpy(contr.cfixees, d.data(), 52);
    contr.cocos = {Condouv{9, 0, {0, 2, 14, 13, 13}}};
    contr.calculs = {Calcul{"toujours", "a", false}, Calcul{"jamais", "a !", false}};
    nbstat = 4;
    limite = 10;
    testing::internal::CaptureStdout();
    choisit("&Statistiques/&Calculer");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "compteurs[0]=4\ncompteurs[1]=0\n");
    const std::string stat = fenetre_texte("Résultats statistique");
    EXPECT_EQ(stat.rfind("Nombre de mains : 4\nMains contexte : 4\n"
                         "toujours : 4   soit 100%\njamais : 0   soit 0%\n\n durée : ",
                         0),
              0u)
        << stat;

    // Enumeration: Est and Ouest hold 12 each, 2 deals.
    std::string e(52, 'V');
    for (int i = 0; i < 52; ++i)
        e[i] = i < 12 ? 'E' : i < 24 ? 'O' : i < 26 ? 'V' : i < 39 ? 'S' : 'N';
    std::memcpy(contr.cfixees, e.data(), 52);
    contr.cocos.clear();
    contr.calculs.clear();
    choisit("&Probabilités/Calculer");
    std::string probas = fenetre_texte("Résultats probas");
    EXPECT_EQ(probas.rfind("Nombre de mains : 2\nMains contexte : 2\n\n durée : ", 0), 0u)
        << probas;
    EXPECT_TRUE(rec.alertes.empty());

    // A refused count shows its alert, and no window.
    TearDown();
    SetUp();
    const std::string une_main = std::string(39, 'V') + std::string(13, 'N');
    const struct { const char *entree, *fixees, *con; int kind; std::string alerte; } refus[] = {
        {"&Probabilités/Calculer", une_main.c_str(), "", 9, message_deux_jeux},
        {"&Statistiques/&Calculer", e.c_str(), "", kind_non_choisi, alerte_coco_non_definie(0)},
        {"&Probabilités/Calculer", e.c_str(), "x", 9,
         "Contexte « x » sans valeur : aucune de ses lettres ne nomme une condition ; aucune donne tirée"}};
    for (const auto& k : refus) {
        std::memcpy(contr.cfixees, k.fixees, 52);
        contr.cocos = {Condouv{k.kind, 0, {0, 2, 14, 13, 13}}};
        contr.con = k.con;
        rec.alertes.clear();
        choisit(k.entree);
        EXPECT_EQ(rec.alertes, std::vector<std::string>({k.alerte}));
        EXPECT_EQ(fenetre_texte("Résultats statistique") + fenetre_texte("Résultats probas"), "");
    }
}
