#include "runs/Statistiques.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vasterel {
namespace {

Accumulateurs Avec(std::initializer_list<Observation> observations) {
    Accumulateurs a;
    for (const Observation &o : observations)
        a.Enregistre(o);
    return a;
}

TEST(Statistiques, ParLevees) {
    // Points 20, 20, 23 with 9 tricks: mean 21, population deviation sqrt(2); identical values give exactly
    // 0.
    const Accumulateurs a = Avec({{1, 20, 9}, {1, 20, 9}, {1, 23, 9}, {2, 27, 10}, {2, 27, 10}, {2, 27, 10}});
    const StatistiquesParLevees s = CalculeParLevees(a);
    EXPECT_EQ(s.Moyenne[1][9], 21.0f);
    EXPECT_EQ(s.EcartType[1][9], static_cast<float>(std::sqrt(2.0)));
    EXPECT_EQ(s.Moyenne[2][10], 27.0f);
    EXPECT_EQ(s.EcartType[2][10], 0.0f);
    EXPECT_EQ(s.Moyenne[1][8], 0.0f); // never observed
    EXPECT_EQ(s.EcartType[1][8], 0.0f);
}

TEST(Statistiques, ParPointsEtValeursStockees) {
    // 25 points: 8 contracts, one with 7 tricks, four with 9, three with 10.
    Accumulateurs a = Avec({{3, 25, 7},
                            {3, 25, 9},
                            {3, 25, 9},
                            {3, 25, 9},
                            {3, 25, 9},
                            {3, 25, 10},
                            {3, 25, 10},
                            {3, 25, 10},
                            {3, 31, 12}});
    const StatistiquesParPoints p = CalculeParPoints(a);
    EXPECT_EQ(p.CaseTableau[3][25][0], 1.0f);
    EXPECT_EQ(p.CaseTableau[3][25][8], 0.875f);
    EXPECT_EQ(p.CaseTableau[3][25][10], 0.375f);
    EXPECT_EQ(p.CaseTableau[3][25][11], 0.0f);
    EXPECT_EQ(p.MoyenneLigne[3][25], 9.125f);
    // Sample deviation: sum of squared gaps 6.875 over 7.
    EXPECT_FLOAT_EQ(p.EcartTypeLigne[3][25], static_cast<float>(std::sqrt(6.875 / 7)));
    // Observed once: its tricks, no deviation. Never observed: all zero.
    EXPECT_EQ(p.MoyenneLigne[3][31], 12.0f);
    EXPECT_EQ(p.EcartTypeLigne[3][31], 0.0f);
    EXPECT_EQ(p.MoyenneLigne[3][30], 0.0f);
    EXPECT_EQ(p.CaseTableau[3][30][0], 0.0f);

    TVCP vcp;
    StockeEvaluation(vcp, 2, 9, a, CalculeParLevees(a), p);
    EXPECT_EQ(vcp.EchantillonTaille[2], 9);
    EXPECT_EQ(vcp.EchantillonTaille[1], 0);
    // 1/8 = 12.5% rounds to the even 12, 3/8 = 37.5% to 38.
    EXPECT_EQ(vcp.Valeur[2][3][25][7], 12);
    EXPECT_EQ(vcp.Valeur[2][3][25][9], 50);
    EXPECT_EQ(vcp.Valeur[2][3][25][10], 38);
    EXPECT_EQ(vcp.Valeur[2][3][31][12], 100);
    EXPECT_EQ(vcp.TotalLigne[2][3][25], 8);
    EXPECT_EQ(vcp.MoyennePoints[2][3][25], 9.125f);
    EXPECT_EQ(vcp.MoyenneContrats[2][3][9], 25.0f);
}

TEST(Statistiques, PointsHorsBornesRestentDansLesTables) {
    const Accumulateurs a = Avec({{1, 57, 9}, {1, -2, 3}});
    EXPECT_EQ(a.TotalLigne[1][50], 1);
    EXPECT_EQ(a.TotalLigne[1][0], 1);
}

} // namespace
} // namespace vasterel
