// The page "Jouer avec dds" and the window "Tableau DDS" under a virtual
// display, driven through their menu entries and callbacks with the real solver.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Value_Output.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "aides.h"
#include "aides_gui.h"
#include "condouv.h"
#include "fenetre.h"
#include "gen.h"
#include "page_jeu.h"
#include "tableaux.h"

using Alertes = std::vector<std::string>;

namespace {

// Card index 13 × block + k (block 0 ♣ .. 3 ♠): Ouest all the clubs, Sud the
// diamonds, Est the hearts, Nord the spades.
void une_couleur_chacun(Contraintes& c) {
    const std::string d = donne_une_couleur_chacun();
    std::copy(d.begin(), d.end(), c.cfixees);
    c.eff();
}

template <class T>
void collecte(Fl_Group* g, std::vector<T*>& v) {
    for (int i = 0; i < g->children(); ++i) {
        Fl_Widget* w = g->child(i);
        if (T* t = dynamic_cast<T*>(w)) v.push_back(t);
        if (Fl_Group* sg = w->as_group()) collecte(sg, v);
    }
}

template <class T>
std::vector<T*> tous(Fl_Group* g) {
    std::vector<T*> v;
    if (g) collecte(g, v);
    return v;
}

// A card the page lets the user play, with the count written under it.
struct Jouable {
    int joueur, suit, rank;
    std::string compte;
    Bouton_carte* bouton;
};

class PageJeu : public DansRepertoireTemp {
protected:
    void SetUp() override {
        contr = Contraintes();
        jeu_dds() = JeuDds();
        fen = std::make_unique<Fenetre>(Fl::w(), Fl::h() - 12, "Dralen v0.36_0");
        Fl::check();
    }
    void TearDown() override {
        fen.reset();
        Fl::check();
    }
    void choisit(const char* label) { choisit_menu(*fen, label); }
    Fl_Button* bouton(const char* label) {
        for (Fl_Button* b : tous<Fl_Button>(fen->gjdds))
            if (b->label() && std::string(b->label()) == label) return b;
        return nullptr;
    }
    void presse(const char* label) {
        Fl_Button* b = bouton(label);
        ASSERT_NE(b, nullptr) << label;
        b->do_callback();
        Fl::check();
    }
    // Every card that reacts, and the count under it; a count under a card
    // that does not react would be a lie, so none may be left over.
    std::vector<Jouable> jouables() {
        std::vector<Jouable> v;
        const auto scores = tous<Boite_score>(fen->gjdds);
        size_t avec_compte = 0;
        for (Bouton_carte* b : tous<Bouton_carte>(fen->gjdds)) {
            if (!b->carte) continue;
            std::string compte;
            for (Boite_score* s : scores)
                if (s->x() == b->x() && s->y() == b->y() + 20) compte = s->label();
            if (!compte.empty()) ++avec_compte;
            v.push_back({b->carte->joueur, b->carte->suit, b->carte->rank, compte, b});
        }
        EXPECT_EQ(avec_compte, scores.size());
        return v;
    }
    // Plays the one playable card, which must be the one named.
    void joue_seule(int joueur, int suit, int rank, const char* compte) {
        const auto j = jouables();
        ASSERT_EQ(j.size(), 1u);
        EXPECT_EQ(j[0].joueur, joueur);
        EXPECT_EQ(j[0].suit, suit);
        EXPECT_EQ(j[0].rank, rank);
        EXPECT_EQ(j[0].compte, compte);
        j[0].bouton->do_callback();
        Fl::check();
    }
    int pressees() {
        int n = 0;
        for (Bouton_carte* b : tous<Bouton_carte>(fen->gjdds)) n += b->value();
        return n;
    }
    double compteur(const char* label) {
        for (Fl_Value_Output* o : tous<Fl_Value_Output>(fen->gjdds))
            if (std::string(o->label()) == label) return o->value();
        ADD_FAILURE() << label;
        return -1;
    }
    // The list of the strain (5 lines) or of the first seat (4 lines),
    // opened through its button; then line v is chosen.
    void selectionne(int lignes, int v) {
        for (Fl_Select_Browser* l : tous<Fl_Select_Browser>(fen->gjdds)) {
            if (l->size() != lignes) continue;
            EXPECT_FALSE(l->Fl_Widget::visible());
            Fl_Button* b = static_cast<Fl_Button*>(l->user_data());
            b->do_callback();
            EXPECT_TRUE(l->Fl_Widget::visible());
            l->value(v);
            l->do_callback();
            Fl::check();
            return;
        }
        ADD_FAILURE() << "no list of " << lignes;
    }
    EnregistreurAlertes rec;
    std::unique_ptr<Fenetre> fen;
};

}  // namespace

TEST_F(PageJeu, SansAtoutOuestEntameJoueUneLeveeEtRevient) {
    une_couleur_chacun(contr);
    choisit("&DDS/&Analyse");
    ASSERT_NE(fen->gjdds, nullptr);
    EXPECT_TRUE(fen->gjdds->visible());
    EXPECT_FALSE(fen->btitre->visible());
    // Nothing to play before the start, and the default strain and leader.
    EXPECT_TRUE(jouables().empty());
    EXPECT_NE(bouton("SA"), nullptr);
    EXPECT_NE(bouton("ouest"), nullptr);

    presse(" Démarrer analyse ");
    // Ouest's clubs are all equal: only the ace is listed, and it takes all.
    joue_seule(3, 3, 14, "13");
    EXPECT_EQ(pressees(), 1);
    // Each count is for the side of the player to move: nothing for N-S,
    // everything for E-O, whose clubs run.
    joue_seule(0, 0, 14, "0");
    joue_seule(1, 1, 14, "13");
    Fl_Group* avant = fen->gjdds;
    joue_seule(2, 2, 14, "0");
    // The old page is out of sight; the trick went to Ouest, who leads.
    EXPECT_NE(fen->gjdds, avant);
    EXPECT_EQ(compteur("Levées EO : "), 1);
    EXPECT_EQ(compteur(" Levées NS : "), 0);
    EXPECT_EQ(pressees(), 4);

    presse(" Retour ");
    // Back to the state after three cards: Sud to play, no trick won yet.
    EXPECT_EQ(compteur("Levées EO : "), 0);
    EXPECT_EQ(pressees(), 3);
    joue_seule(2, 2, 14, "0");
    EXPECT_EQ(compteur("Levées EO : "), 1);
    joue_seule(3, 3, 13, "12");
    EXPECT_TRUE(rec.alertes.empty());
}

TEST_F(PageJeu, RetourSansCarteJoueeNeChangeRien) {
    une_couleur_chacun(contr);
    choisit("&DDS/&Analyse");
    presse(" Retour ");
    EXPECT_TRUE(jouables().empty());
    presse(" Démarrer analyse ");
    presse(" Retour ");
    joue_seule(3, 3, 14, "13");
    EXPECT_TRUE(rec.alertes.empty());
}

TEST_F(PageJeu, SelecteursAtoutEtPremier) {
    une_couleur_chacun(contr);
    choisit("&DDS/&Analyse");
    // "pique" is line 2: spades trumps, Nord ruffs the club ace.
    selectionne(5, 2);
    EXPECT_NE(bouton("pique"), nullptr);
    presse(" Démarrer analyse ");
    joue_seule(3, 3, 14, "0");
    joue_seule(0, 0, 14, "13");
    joue_seule(1, 1, 14, "0");
    joue_seule(2, 2, 14, "13");
    EXPECT_EQ(compteur(" Levées NS : "), 1);
    EXPECT_EQ(compteur("Levées EO : "), 0);

    // Back to sans-atout during play: the deal starts again from its first card.
    selectionne(5, 1);
    EXPECT_NE(bouton("SA"), nullptr);
    EXPECT_EQ(pressees(), 0);
    EXPECT_EQ(compteur(" Levées NS : "), 0);
    joue_seule(3, 3, 14, "13");

    // Nord on lead: his spades take every trick in sans-atout.
    selectionne(4, 1);
    EXPECT_NE(bouton("nord"), nullptr);
    EXPECT_EQ(pressees(), 0);
    joue_seule(0, 0, 14, "13");
    EXPECT_TRUE(rec.alertes.empty());
}

TEST_F(PageJeu, DemarrageRefuseNeChangeRien) {
    une_couleur_chacun(contr);
    choisit("&DDS/&Analyse");
    presse(" Démarrer analyse ");
    joue_seule(3, 3, 14, "13");

    // Two cards freed from two hands: 13, 13, 12, 12 cannot be played.
    contr.cfixees[0] = 'V';
    contr.cfixees[13] = 'V';
    presse(" Démarrer analyse ");
    EXPECT_EQ(rec.alertes,
              Alertes({"Données incorrectes, les 4 joueurs doivent avoir le même nombre de cartes"}));
    // The play goes on where it was.
    EXPECT_EQ(pressees(), 1);
    joue_seule(0, 0, 14, "0");

    // No card at all.
    rec.alertes.clear();
    contr = Contraintes();
    choisit("&DDS/&Analyse");
    presse(" Démarrer analyse ");
    EXPECT_EQ(rec.alertes, Alertes({"Aucune cartes entrée"}));
    EXPECT_TRUE(jouables().empty());
}

// --- the table window ---------------------------------------------------------------

namespace {

std::vector<Fl_Window*> fenetres_tableau() {
    std::vector<Fl_Window*> v;
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
        if (w->label() && std::string(w->label()) == "Tableau DDS") v.push_back(w);
    return v;
}

void ferme_tableaux() {
    for (Fl_Window* w : fenetres_tableau()) w->do_callback();
    Fl::check();
}

}  // namespace

TEST_F(PageJeu, TableauDeLaDonneFixee) {
    une_couleur_chacun(contr);
    contr.numerofixe = 4;
    choisit("&DDS/Tableau");
    EXPECT_TRUE(rec.alertes.empty());
    auto f = fenetres_tableau();
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0]->x(), 2 * xm / 3);
    EXPECT_EQ(f[0]->w(), 400);
    EXPECT_EQ(f[0]->h(), 400);
    auto tables = tous<TabDDT>(f[0]);
    auto pars = tous<BoitePar>(f[0]);
    ASSERT_EQ(tables.size(), 1u);
    ASSERT_EQ(pars.size(), 1u);
    // The side holding the trump suit takes all 13 whoever declares; in
    // sans-atout the opening leader runs his suit. Columns ♠ ♥ ♦ ♣ SA.
    const int attendu[4][5] = {{13, 0, 13, 0, 0}, {0, 13, 0, 13, 0}, {13, 0, 13, 0, 0},
                               {0, 13, 0, 13, 0}};
    for (int j = 0; j < 4; ++j)
        for (int s = 0; s < 5; ++s) EXPECT_EQ(tables[0]->data[j][s], attendu[j][s]) << j << s;
    // 7♠ by N-S, both vulnerable: 210 + 500 + 1500.
    EXPECT_EQ(pars[0]->resupar.contrat, 73);
    EXPECT_EQ(pars[0]->resupar.score, 2210);
    EXPECT_EQ(pars[0]->resupar.joueur, 0);
    ferme_tableaux();
    EXPECT_TRUE(fenetres_tableau().empty());

    // No board fixed: said, and the par of board 1, nobody vulnerable.
    contr.numerofixe = 0;
    choisit("&DDS/Tableau");
    EXPECT_EQ(rec.alertes, Alertes({"Numéro non fixé, on suppose personne vulnérable"}));
    f = fenetres_tableau();
    ASSERT_EQ(f.size(), 1u);
    pars = tous<BoitePar>(f[0]);
    ASSERT_EQ(pars.size(), 1u);
    EXPECT_EQ(pars[0]->resupar.score, 1510);
    ferme_tableaux();

    // Twelve cards a hand: refused, no window.
    rec.alertes.clear();
    for (int s = 0; s < 4; ++s) contr.cfixees[13 * s] = 'V';
    choisit("&DDS/Tableau");
    EXPECT_EQ(rec.alertes, Alertes({"La donne n'est pas complète"}));
    EXPECT_TRUE(fenetres_tableau().empty());
}
