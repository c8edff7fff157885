// The step-by-step analysis with the real solver: the play moves on trick
// by trick, a decided contract is announced once, each player is rated on
// what he can see, and the user's set survives the analysis.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "aides.h"
#include "garde_etat.h"
#include "aleatoire.h"
#include "cartes.h"
#include "contraintes.h"
#include "gen.h"
#include "pasapas.h"
#include "solveur.h"

namespace {

constexpr int N = 0, S = 2, O = 3;
constexpr int pique = 0, coeur = 1, trefle = 3, sa = 4;

int carte(int couleur, int r) { return 13 * (3 - couleur) + 14 - r; }

// A deal with the cards given to their seats; every other card goes, in
// index order, to the first of Nord, Est, Sud, Ouest still short of 13.
std::string donne_avec(const std::vector<std::pair<int, char>>& fixes) {
    std::string d(52, 'V');
    for (const auto& [c, s] : fixes) d[static_cast<std::size_t>(c)] = s;
    for (char& ch : d) {
        if (ch != 'V') continue;
        for (const char s : std::string("NESO"))
            if (std::count(d.begin(), d.end(), s) < 13) {
                ch = s;
                break;
            }
    }
    return d;
}

class PasAPasTest : public DansRepertoireTemp {
protected:
    GardeEtat garde_etat_;
    void SetUp() override {
        init_solveur(2);
        graine_aleatoire(11);
        config.nbthreads = 2;
        nbstat = 3;
        limite = 14;
        std::filesystem::create_directory("contraintes");
        donne(donne_une_couleur_chacun());
        pap = PasAPas();
    }
    void TearDown() override {
        pap = PasAPas();
    }
    void donne(const std::string& d) {
        contr = Contraintes();
        std::memcpy(contr.cfixees, d.data(), 52);
        contr.eff();
    }
    void commence(int niveau, int couleur, int declarant) {
        pap.dpap.niveau = pap.niveau_choisi = niveau;
        pap.dpap.couleur = couleur;
        pap.dpap.declarant = declarant;
        ouvre_pap(pap);
    }
    // Plays the best candidate of the player to move.
    bool joue_meilleure() { return !pap.rpap.empty() && joue_pap(pap, pap.rpap[0]); }

    EnregistreurAlertes rec;
};

}  // namespace

// 1SA by Sud when each seat holds one suit: Ouest takes every trick with his
// clubs, the contract goes down on the seventh and is announced just then.
TEST_F(PasAPasTest, ContratChuteAnnonceUneFoisPuisEsperance) {
    commence(1, sa, S);
    ASSERT_TRUE(res_pap(pap, -1));
    // The opening leader does not see dummy yet.
    EXPECT_EQ(pap.dpap.joueur, O);
    for (int c = 0; c < 52; ++c)
        EXPECT_EQ(pap.dpap.fixees[c], contr.cfixees[c] == 'O' ? 'O' : 'V') << c;
    // Touching clubs count once; the defence always defeats the contract.
    EXPECT_EQ(pap.rpap, std::vector<int>({carte(trefle, 14)}));
    EXPECT_TRUE(pap.taux);
    EXPECT_FLOAT_EQ(pap.vesp[0], 1.0f);

    for (int k = 1; k <= 52; ++k) {
        const bool evalue = joue_meilleure();
        if (k == 1) {
            // From the second card on, dummy's spades are seen by the defence.
            for (int c = 0; c < 52; ++c)
                EXPECT_TRUE(contr.cfixees[c] != 'N' || pap.dpap.fixees[c] == 'N') << c;
        }
        const std::size_t annonces =
            std::count(rec.alertes.begin(), rec.alertes.end(), std::string(message_chute));
        EXPECT_EQ(annonces, k < 28 ? 0u : 1u) << "carte " << k;
        if (k % 4 == 0) {
            EXPECT_EQ(pap.dpap.leveesdef, k / 4);
            EXPECT_EQ(pap.dpap.leveesdec, 0);
            EXPECT_EQ(pap.dpap.premier, O);
        }
        if (k == 52) {
            EXPECT_FALSE(evalue);
            break;
        }
        ASSERT_TRUE(evalue) << "carte " << k << " "
                            << (rec.alertes.empty() ? "" : rec.alertes.back());
        if (k >= 28 && k % 4 == 0) {
            // Expected tricks now: Ouest takes every trick left.
            EXPECT_EQ(pap.dpap.niveau, 0);
            EXPECT_FALSE(pap.taux);
            EXPECT_FLOAT_EQ(pap.vesp[0], 13.0f);
        }
    }
    EXPECT_EQ(rec.alertes.size(), 1u);
    // "Initialiser" restarts the contract the user chose.
    initialise_pap(pap);
    EXPECT_EQ(pap.dpap.niveau, 1);
    EXPECT_EQ(pap.dpap.noc, 0);
    EXPECT_TRUE(pap.dpap.nosdj.empty());
}

// Declarer's side makes its contract on the trick that gives it its seventh:
// 1♠ by Nord, whose spades ruff every lead and then win every trick.
TEST_F(PasAPasTest, ContratReussiAnnonceUneFois) {
    commence(1, pique, N);
    ASSERT_TRUE(res_pap(pap, -1));
    for (int k = 1; k < 52; ++k) {
        ASSERT_TRUE(joue_meilleure()) << k;
        EXPECT_EQ(rec.alertes.size(), k < 28 ? 0u : 1u) << k;
    }
    EXPECT_EQ(rec.alertes, std::vector<std::string>({message_reussi}));
    EXPECT_EQ(pap.dpap.leveesdec, 12);
    EXPECT_EQ(pap.dpap.leveesdef, 0);
}

// A ruff wins the trick; a discard at sans-atout never does.
TEST_F(PasAPasTest, CoupeGagneDefausseJamais) {
    // The seat holding the trump suit in the one-suit deal, or the leader.
    for (int atout = 0; atout <= sa; ++atout) {
        pap = PasAPas();
        rec.alertes.clear();
        commence(0, atout, S);
        ASSERT_TRUE(res_pap(pap, -1));
        for (int k = 0; k < 4; ++k) ASSERT_TRUE(joue_meilleure()) << atout << " " << k;
        const int gagnant =
            atout == sa
                ? O
                : static_cast<int>(std::string("NESO").find(contr.cfixees[carte(atout, 14)]));
        EXPECT_EQ(pap.dpap.premier, gagnant) << atout;
        EXPECT_EQ(pap.dpap.joueur, gagnant) << atout;
        const bool defense = gagnant % 2 == 1;
        EXPECT_EQ(pap.dpap.leveesdef, defense ? 1 : 0) << atout;
        EXPECT_EQ(pap.dpap.leveesdec, defense ? 0 : 1) << atout;
        EXPECT_TRUE(rec.alertes.empty());
    }
}

TEST_F(PasAPasTest, CandidatsGroupesSurLesLeveesFinies) {
    // The leader: ♠A R V X 4, ♥D and seven touching clubs.
    std::vector<std::pair<int, char>> ouest = {{carte(pique, 14), 'O'}, {carte(pique, 13), 'O'},
                                               {carte(pique, 11), 'O'}, {carte(pique, 10), 'O'},
                                               {carte(pique, 4), 'O'},  {carte(coeur, 12), 'O'}};
    for (int r = 2; r <= 8; ++r) ouest.push_back({carte(trefle, r), 'O'});
    donne(donne_avec(ouest));
    commence(0, sa, S);
    ASSERT_TRUE(res_pap(pap, -1));
    const std::set<int> attendus = {carte(pique, 14), carte(pique, 11), carte(pique, 4),
                                    carte(coeur, 12), carte(trefle, 8)};
    EXPECT_EQ(std::set<int>(pap.rpap.begin(), pap.rpap.end()), attendus);
    // Values come best first.
    EXPECT_TRUE(std::is_sorted(pap.vesp.rbegin(), pap.vesp.rend()));

    // ♠D led: dummy holding ♠R V has two different cards, both rated.
    pap = PasAPas();
    donne(donne_avec({{carte(pique, 12), 'O'}, {carte(pique, 13), 'N'}, {carte(pique, 11), 'N'}}));
    commence(0, sa, S);
    ASSERT_TRUE(res_pap(pap, -1));
    ASSERT_TRUE(joue_pap(pap, carte(pique, 12)));
    EXPECT_EQ(pap.dpap.joueur, N);
    for (const int c : {carte(pique, 13), carte(pique, 11)}) {
        EXPECT_NE(std::find(pap.rpap.begin(), pap.rpap.end(), c), pap.rpap.end()) << c;
        EXPECT_EQ(nblistees[c], nbstat) << c;
    }
    // Only spades follow, and a card not offered cannot be played.
    for (const int c : pap.rpap) EXPECT_EQ(coulno(c), pique);
    EXPECT_FALSE(joue_pap(pap, carte(coeur, 2)));
    EXPECT_EQ(pap.dpap.nosdj.size(), 1u);

    // Pressing "Évaluer" twice rates the same position twice.
    const std::vector<int> avant = pap.rpap;
    ASSERT_TRUE(res_pap(pap, -1));
    EXPECT_EQ(std::set<int>(pap.rpap.begin(), pap.rpap.end()),
              std::set<int>(avant.begin(), avant.end()));
    EXPECT_EQ(pap.dpap.nosdj.size(), 1u);
}

// Values and candidates belong to the contract they were rated for: a new
// declarer before the lead hands the lead to his left-hand opponent.
TEST_F(PasAPasTest, NouveauContratOublieLesValeurs) {
    commence(0, sa, S);
    ASSERT_TRUE(res_pap(pap, -1));
    ASSERT_FALSE(pap.rpap.empty());
    const int entame_ouest = pap.rpap[0];
    EXPECT_TRUE(contrat_pap(pap, 0, sa, N));
    EXPECT_TRUE(pap.rpap.empty());
    EXPECT_TRUE(pap.vesp.empty());
    EXPECT_EQ(pap.dpap.joueur, 1);
    EXPECT_FALSE(joue_pap(pap, entame_ouest));
    EXPECT_TRUE(pap.dpap.nosdj.empty());

    ASSERT_TRUE(res_pap(pap, -1));
    for (const int c : pap.rpap) EXPECT_EQ(contr.cfixees[c], 'E') << c;
    ASSERT_TRUE(joue_meilleure());
    // Once a card is played only the level may change.
    EXPECT_FALSE(contrat_pap(pap, 0, pique, N));
    EXPECT_FALSE(contrat_pap(pap, 0, sa, S));
    EXPECT_EQ(pap.dpap.couleur, sa);
    EXPECT_EQ(pap.dpap.declarant, N);
    EXPECT_FALSE(pap.rpap.empty());
    EXPECT_TRUE(contrat_pap(pap, 2, sa, N));
    EXPECT_TRUE(pap.rpap.empty());
    EXPECT_EQ(pap.niveau_choisi, 2);
}

// Each evaluation checks the set and settings as they then stand; the card
// played stays, nothing is listed, and a later evaluation can recover.
TEST_F(PasAPasTest, EvaluationRefuseeGardeLaCarte) {
    struct Cas {
        const char* quoi;
        void (*gate)();
        void (*repare)();
        std::string alerte;
    } cas[] = {
        {"nbstat", [] { nbstat = 0; }, [] { nbstat = 3; },
         "Le nombre de donnes doit être au moins 1"},
        {"budget", [] { limite = 0; }, [] { limite = 14; }, message_limite_pap},
        {"donne", [] { std::swap(contr.cfixees[0], contr.cfixees[51]); },
         [] { std::swap(contr.cfixees[0], contr.cfixees[51]); }, ""},
        {"condition", [] { contr.cocos.push_back(Condouv{}); }, [] { contr.cocos.clear(); }, ""},
    };
    for (const Cas& c : cas) {
        pap = PasAPas();
        donne(donne_une_couleur_chacun());
        commence(0, sa, S);
        ASSERT_TRUE(res_pap(pap, -1)) << c.quoi;
        rec.alertes.clear();
        c.gate();
        EXPECT_FALSE(joue_pap(pap, pap.rpap[0])) << c.quoi;
        EXPECT_EQ(pap.dpap.nosdj.size(), 1u) << c.quoi;
        EXPECT_TRUE(pap.rpap.empty()) << c.quoi;
        EXPECT_EQ(pap.analysees, 0) << c.quoi;
        ASSERT_EQ(rec.alertes.size(), 1u) << c.quoi;
        if (!c.alerte.empty()) {
            EXPECT_EQ(rec.alertes[0], c.alerte) << c.quoi;
        }
        c.repare();
        EXPECT_TRUE(res_pap(pap, -1)) << c.quoi;
        EXPECT_FALSE(pap.rpap.empty()) << c.quoi;
    }
    EXPECT_TRUE(donne_incomplete(std::string(52, 'V').c_str()));
    EXPECT_FALSE(donne_incomplete(donne_une_couleur_chacun().c_str()));
}

// An unsaved set keeps its deal through "Initialiser" and "Quitter", and the
// analysis's file is never written with an empty deal.
TEST_F(PasAPasTest, LeJeuDeLUtilisateurEstGarde) {
    ASSERT_EQ(contr.nom, "vides");
    commence(3, pique, N);
    EXPECT_EQ(contr.nom, fichier_pasapas);
    Contraintes lu;
    std::string motif;
    ASSERT_TRUE(lit_contraintes(fichier_pasapas, lu, motif)) << motif;
    EXPECT_EQ(std::string(lu.cfixees, 52), donne_une_couleur_chacun());

    // The user edits the analysis's set, then starts again.
    contr.cocos.push_back(Condouv{});
    initialise_pap(pap);
    EXPECT_EQ(contr.nom, "vides");
    EXPECT_TRUE(contr.cocos.empty());
    EXPECT_EQ(pap.dpap.niveau, 3);
    EXPECT_EQ(pap.dpap.couleur, pique);
    EXPECT_EQ(pap.dpap.declarant, N);
    ouvre_pap(pap);
    ASSERT_TRUE(lit_contraintes(fichier_pasapas, lu, motif)) << motif;
    EXPECT_EQ(std::string(lu.cfixees, 52), donne_une_couleur_chacun());

    env.pasapas = true;
    quitte_pap(pap);
    EXPECT_FALSE(env.pasapas);
    EXPECT_EQ(contr.nom, "vides");
    EXPECT_EQ(std::string(contr.cfixees, 52), donne_une_couleur_chacun());
    EXPECT_EQ(pap.dpap.noc, 0);
    EXPECT_EQ(pap.dpap.niveau, 0);
    EXPECT_EQ(pap.dpap.couleur, sa);
    EXPECT_EQ(pap.dpap.declarant, S);
}
