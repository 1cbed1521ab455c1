// The seeded deal sequence and the observations of each deal, checked against an independent generator
// (the first deals were computed by a separate implementation of the standard Mersenne Twister) and against
// the independent double-dummy solver.

#include "evaluation/FonctionsOrlune.h"
#include "hand/Pbn.h"
#include "runs/Donnes.h"
#include "solver/Echange.h"
#include "solver/OracleDds.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vasterel {
namespace {

TEST(Donnes, SequenceGraineeEtDonnesCompletes) {
    GenerateurDonnes g;
    const char *premieres[] = {
        "N:AQJ9.52.AT96.T93 K43.7.KQJ87.J754 2.AJT983.543.A82 T8765.KQ64.2.KQ6",
        "N:T987.A942.Q63.75 Q5432.J.KJT9.932 A.KQ8753.A4.KQ84 KJ6.T6.8752.AJT6",
        "N:KT53.2.KJ96.J965 42.KJT63.72.QT82 A976.Q974.QT3.K4 QJ8.A85.A854.A73",
    };
    for (const char *attendue : premieres)
        EXPECT_EQ(FormatDeal(g.Donne()), attendue);
    for (int i = 0; i < 1000; ++i) {
        const TCarreWord d = g.Donne();
        for (int s = 1; s <= 4; ++s) {
            int cartes = 0;
            for (int couleur = 1; couleur <= 4; ++couleur)
                cartes += NumberOnes[d[s][couleur]];
            ASSERT_EQ(cartes, 13);
        }
        for (int couleur = 1; couleur <= 4; ++couleur)
            ASSERT_EQ(d[1][couleur] | d[2][couleur] | d[3][couleur] | d[4][couleur], 0x1FFF);
    }
}

// Every observation of the first deals: the contract it stands for, solved by the oracle.
TEST(Donnes, ObservationsContreOracle) {
    InitialiseVariablesGlobales();
    ValeursSystemes();
    GenerateurDonnes g;
    SolveurDM solveur;
    for (int u = 1; u <= 40; ++u) {
        const TCarreWord d = g.Donne();
        const auto obs = AnalyseDonne(d, 'F', 'F', solveur);
        // The suit observations go by pairs (category 3..5, then 6), in the order of line 1 then line 2, suit
        // by suit; the notrump pair ends the list.
        std::vector<std::pair<int, int>> contrats; // declarer, strain
        for (int ligne = 1; ligne <= 2; ++ligne)
            for (int s = 1; s <= 4; ++s)
                if (NumberOnes[d[ligne][s]] + NumberOnes[d[Part[ligne]][s]] >= 8)
                    contrats.push_back({ligne, s});
        ASSERT_EQ(obs.size(), 2 * contrats.size() + 2) << u;
        for (size_t i = 0; i < contrats.size(); ++i) {
            const auto [declarant, atout] = contrats[i];
            const int attendues = 13 - test::OracleScore(RequeteDonne(d, Suiv[declarant], atout));
            EXPECT_EQ(obs[2 * i].levees, attendues) << "deal " << u << " contract " << i;
            EXPECT_EQ(obs[2 * i].categorie, 3 + FO_ControlesLigne(d, atout, declarant));
            EXPECT_EQ(obs[2 * i + 1].categorie, 6);
            EXPECT_EQ(obs[2 * i + 1].points, obs[2 * i].points);
            EXPECT_EQ(obs[2 * i + 1].levees, attendues);
        }
        const int sansAtout = 13 - test::OracleScore(RequeteDonne(d, 2, SansAtout));
        EXPECT_EQ(obs[obs.size() - 2].categorie, 1);
        EXPECT_EQ(obs[obs.size() - 2].levees, sansAtout) << "deal " << u << " notrump";
        EXPECT_EQ(obs.back().categorie, 2);
        EXPECT_EQ(obs.back().levees, sansAtout);
    }
}

// The deals are shared among threads, but each deal keeps its place in the sequence and its observations.
TEST(Donnes, MemesObservationsQuelQueSoitLeNombreDeThreads) {
    std::vector<std::string> parThreads[2];
    for (unsigned threads : {1u, 3u}) {
        AnalyseDonnes(6, 'Z', 'Z', threads,
                      [&](long u, const TCarreWord &d, const std::vector<Observation> &obs) {
                          std::ostringstream l;
                          l << u << ' ' << FormatDeal(d);
                          for (const Observation &o : obs)
                              l << ' ' << o.categorie << ':' << o.points << ':' << o.levees;
                          parThreads[threads == 1 ? 0 : 1].push_back(l.str());
                          return true;
                      },
                      {});
    }
    EXPECT_EQ(parThreads[0].size(), 6u);
    EXPECT_EQ(parThreads[0], parThreads[1]);
}

} // namespace
} // namespace vasterel
