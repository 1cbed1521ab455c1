#include "hand/Pbn.h"
#include "solver/Echange.h"
#include "solver/SolveurDM.h"

#include <gtest/gtest.h>

using namespace vasterel;

namespace {

TFutursPlis Resout(const TDonne &d) {
    SolveurDM solveur;
    TFutursPlis r;
    solveur.Resoudre(d, r);
    return r;
}

const char *const Complete = "N:QJ6.K652.J85.T98 873.J97.AT764.Q4 K5.T83.KQ9.A7652 AT942.AQ4.32.KJ3";

} // namespace

TEST(Solveur, RequetesIncoherentes) {
    TDonne inegales = RequeteDonne(ParseDeal(Complete), 1, 5);
    inegales.CartesEnMain[4][4] &=
        static_cast<uint16_t>(~(1u << 1)); // W drops the 3 of clubs: 13, 13, 13, 12
    TDonne doublon = RequeteDonne(ParseDeal(Complete), 1, 5);
    doublon.CartesEnMain[1][1] |= 1u << 12;                          // the A of spades held by N and W
    doublon.CartesEnMain[2][1] &= static_cast<uint16_t>(~(1u << 6)); // E gives up the 8 to keep 13 cards
    TDonne atout = RequeteDonne(ParseDeal(Complete), 1, 5);
    atout.Atout = 6;
    TDonne meneur = RequeteDonne(ParseDeal(Complete), 1, 5);
    meneur.MainD = 0;
    TDonne rangJoue = RequeteDonne(ParseDeal(Complete), 1, 5);
    rangJoue.CouleursJouees[1] = 1;
    rangJoue.CartesJouees[1] = 13;
    TDonne carteEncoreEnMain = RequeteDonne(ParseDeal(Complete), 1, 5);
    carteEncoreEnMain.CouleursJouees[1] = 1; // N "played" his Q of spades yet still holds it
    carteEncoreEnMain.CartesJouees[1] = 10;
    TDonne trou = RequeteDonne(ParseDeal(Complete), 1, 5);
    trou.CouleursJouees[2] = 1; // a second card with no first
    trou.CartesJouees[2] = 0;
    TDonne vide{};

    for (const TDonne *d :
         {&inegales, &doublon, &atout, &meneur, &rangJoue, &carteEncoreEnMain, &trou, &vide})
        EXPECT_EQ(Resout(*d).Score[1], -1);
}

TEST(Solveur, DernierPli) {
    struct Cas {
        const char *deal;
        int leader, strain, joues, score;
        int couleur, carte; // card of the player to move
    };
    const Cas cas[] = {
        {"N:A... K... Q... J...", 1, 5, 0, 1, 1, 12}, // the ace wins for N-S
        {"N:2... .2.. 3... ..2.", 1, 5, 0, 1, 1, 0},  // S's 3 beats N's 2 of the led suit
        {"N:A... .2.. 3... ..2.", 1, 2, 0, 0, 1, 12}, // E ruffs the ace
        {"N:A... .2.. 3... .3..", 1, 2, 0, 0, 1, 12}, // E ruffs, W overruffs
        {"N:.... .2.. 3... .3..", 1, 2, 1, 1, 2, 0},  // N's ace is on the table; E to play, E-W win
    };
    for (const auto &c : cas) {
        TDonne d;
        if (c.joues == 0) {
            d = RequeteDonne(ParseDeal(c.deal), c.leader, c.strain);
        } else {
            d = RequeteDonne(ParseDeal("N:2... .2.. 3... .3.."), c.leader, c.strain);
            d.CartesEnMain[1][1] = 0;
            d.CouleursJouees[1] = 1;
            d.CartesJouees[1] = 12;
        }
        const TFutursPlis r = Resout(d);
        EXPECT_EQ(r.Score[1], c.score) << c.deal;
        EXPECT_EQ(r.CartesRetournees, 1);
        EXPECT_EQ(r.Couleurs[1], c.couleur) << c.deal;
        EXPECT_EQ(r.Cartes[1], c.carte) << c.deal;
    }
}

// Through the global exchange, as the evaluation run calls it: the answer is the defence's tricks.
TEST(Solveur, EchangeGlobal) {
    Donne = RequeteDonne(ParseDeal(Complete), 2, 5); // N declares notrump, E leads
    TFutursPlis resultat;
    FutP1 = &resultat;
    SODM_SolveurDM();
    FutP1 = nullptr;
    EXPECT_EQ(resultat.Joueur, 2);
    EXPECT_EQ(13 - resultat.Score[1], 6);
}

// The search is deterministic: the benchmark's node count means something only if this holds.
TEST(Solveur, NoeudsReproductibles) {
    const TCarreWord deal =
        ParseDeal("N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 765.8765.876.765 432.432.5432.432");
    SolveurDM a, b;
    EXPECT_EQ(LeveesDuDeclarant(a, deal, 1, 5), 13); // all 40 points: the first guess of 14 fails at once
    EXPECT_EQ(LeveesDuDeclarant(a, deal, 1, 1), 13);
    EXPECT_EQ(LeveesDuDeclarant(b, deal, 1, 5), 13);
    EXPECT_EQ(LeveesDuDeclarant(b, deal, 1, 1), 13);
    EXPECT_EQ(a.Noeuds(), b.Noeuds());
    a.RemiseAZeroNoeuds();
    EXPECT_EQ(a.Noeuds(), 0u);
}
