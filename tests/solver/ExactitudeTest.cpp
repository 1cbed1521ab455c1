// Exactness of the double-dummy solver: published tables of real deals, and agreement with an independent
// solver on random full deals, random partial deals and positions with cards already on the table.

#include "hand/Pbn.h"
#include "solver/Echange.h"
#include "solver/OracleDds.h"
#include "solver/SolveurDM.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace vasterel;

namespace {

struct Reference {
    std::string pbn;
    int table[5][4]; // [strain S H D C NT][declarer N E S W]
};

std::vector<Reference> LitReferences() {
    std::ifstream in(VASTEREL_TEST_DATA "/reference-deals-100.txt");
    std::vector<Reference> refs;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("PBN ", 0) == 0) {
            const auto a = line.find('"'), b = line.rfind('"');
            refs.push_back({line.substr(a + 1, b - a - 1), {}});
        } else if (line.rfind("TABLE ", 0) == 0) {
            std::istringstream nums(line.substr(6));
            for (auto &strain : refs.back().table)
                for (int &t : strain)
                    nums >> t;
        }
    }
    return refs;
}

// Deals n cards to each seat from a shuffled pack.
TCarreWord DonneAleatoire(std::mt19937 &rng, int n) {
    std::vector<int> paquet(52);
    for (int i = 0; i < 52; ++i)
        paquet[static_cast<size_t>(i)] = i;
    std::shuffle(paquet.begin(), paquet.end(), rng);
    TCarreWord deal{};
    for (int i = 0; i < 4 * n; ++i) {
        const int c = paquet[static_cast<size_t>(i)];
        deal[i % 4 + 1][CouleurDeCarte(c)] |= static_cast<uint16_t>(1u << RangDeCarte(c));
    }
    return deal;
}

// Plays k legal cards to the current trick from the leader on: each follows suit when it can.
void JoueDebutDePli(std::mt19937 &rng, TDonne &d, int k) {
    int seat = d.MainD;
    for (int i = 1; i <= k; ++i) {
        std::vector<int> jouables;
        for (int s = 1; s <= 4; ++s)
            for (int r = 0; r <= 12; ++r)
                if (d.CartesEnMain[seat][s] & (1u << r)) jouables.push_back(NumeroCarte(s, r));
        if (i > 1 && d.CartesEnMain[seat][d.CouleursJouees[1]] != 0)
            std::erase_if(jouables, [&](int c) { return CouleurDeCarte(c) != d.CouleursJouees[1]; });
        const int c = jouables[std::uniform_int_distribution<size_t>(0, jouables.size() - 1)(rng)];
        d.CouleursJouees[i] = static_cast<uint8_t>(CouleurDeCarte(c));
        d.CartesJouees[i] = static_cast<uint8_t>(RangDeCarte(c));
        d.CartesEnMain[seat][CouleurDeCarte(c)] &= static_cast<uint16_t>(~(1u << RangDeCarte(c)));
        seat = Suiv[seat];
    }
}

int Score(SolveurDM &solveur, const TDonne &d) {
    TFutursPlis r;
    solveur.Resoudre(d, r);
    return r.Score[1];
}

std::string Decrit(const TDonne &d) {
    TCarreWord deal{};
    for (int seat = 1; seat <= 4; ++seat)
        for (int s = 1; s <= 4; ++s)
            deal[seat][s] = d.CartesEnMain[seat][s];
    std::string out = FormatDeal(deal) + " strain " + StrainName(d.Atout) + " leader " + SeatLetter(d.MainD);
    for (int i = 1; i <= 3 && d.CouleursJouees[i] != 0; ++i)
        out += " played " + std::string(StrainName(d.CouleursJouees[i])) + std::to_string(d.CartesJouees[i]);
    return out;
}

} // namespace

class TablesPubliees : public testing::TestWithParam<int> {};

// Every contract of every deal of the published set: 2000 solves, in shards of 25 deals so that the suite
// spreads over the cores.
TEST_P(TablesPubliees, VingtContratsParDonne) {
    const auto refs = LitReferences();
    ASSERT_EQ(refs.size(), 100u);
    SolveurDM solveur;
    for (size_t i = static_cast<size_t>(GetParam()) * 25; i < static_cast<size_t>(GetParam() + 1) * 25; ++i) {
        const TCarreWord deal = ParseDeal(refs[i].pbn);
        for (int strain = 1; strain <= 5; ++strain)
            for (int declarant = 1; declarant <= 4; ++declarant)
                EXPECT_EQ(LeveesDuDeclarant(solveur, deal, declarant, strain),
                          refs[i].table[strain - 1][declarant - 1])
                    << refs[i].pbn << " declarer " << SeatLetter(declarant) << " strain "
                    << StrainName(strain);
    }
}
INSTANTIATE_TEST_SUITE_P(Quarts, TablesPubliees, testing::Range(0, 4));

class ExactitudeAleatoire : public testing::TestWithParam<int> {};

// Random full deals, random declarer and strain: shards so that the suite spreads over the cores.
TEST_P(ExactitudeAleatoire, DonnesCompletes) {
    std::mt19937 rng(1000 + static_cast<unsigned>(GetParam()));
    SolveurDM solveur;
    for (int i = 0; i < 40; ++i) {
        TDonne d = RequeteDonne(DonneAleatoire(rng, 13), std::uniform_int_distribution<int>(1, 4)(rng),
                                std::uniform_int_distribution<int>(1, 5)(rng));
        ASSERT_EQ(Score(solveur, d), test::OracleScore(d)) << Decrit(d);
    }
}

// Partial deals of 1 to 12 cards a hand, with 0 to 3 cards already on the current trick.
TEST_P(ExactitudeAleatoire, DonnesPartiellesEtPliEntame) {
    std::mt19937 rng(2000 + static_cast<unsigned>(GetParam()));
    SolveurDM solveur;
    for (int i = 0; i < 150; ++i) {
        const int n = std::uniform_int_distribution<int>(1, 12)(rng);
        TDonne d = RequeteDonne(DonneAleatoire(rng, n), std::uniform_int_distribution<int>(1, 4)(rng),
                                std::uniform_int_distribution<int>(1, 5)(rng));
        JoueDebutDePli(rng, d, std::uniform_int_distribution<int>(0, 3)(rng));
        ASSERT_EQ(Score(solveur, d), test::OracleScore(d)) << Decrit(d);
    }
}

INSTANTIATE_TEST_SUITE_P(Lots, ExactitudeAleatoire, testing::Range(0, 4));

// Positions whose answer hangs on one precise line of play.
TEST(Exactitude, PositionsConstruites) {
    struct Cas {
        const char *deal;
        int leader, strain, attendu; // attendu: tricks of the leader's side
    };
    const Cas cas[] = {
        // Throw-in: S exits with the spade to E's bare ace, and E must lead away from the heart king.
        {"N:2.AQ.. A.K3.. 3..32. ..654.", 3, 5, 2},
        // Uppercut: E ruffs the heart lead with the king; S's overruff with the ace promotes W's jack.
        {"N:..32. K..4. AT... J.5..", 4, 1, 1},
        // Blocked suit: the bare A K opposite Q J 3 2 with no entry to S; the Q J never score.
        {"N:AK.2.2. 9876... QJ32... T54.3..", 1, 5, 3},
    };
    SolveurDM solveur;
    for (const auto &c : cas) {
        const TDonne d = RequeteDonne(ParseDeal(c.deal), c.leader, c.strain);
        EXPECT_EQ(Score(solveur, d), c.attendu) << Decrit(d);
        EXPECT_EQ(test::OracleScore(d), c.attendu) << Decrit(d);
    }
}
