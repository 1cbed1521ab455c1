#include "hand/VariablesGlobales.h"
#include "solver/TablesSolveur.h"

#include <gtest/gtest.h>

using namespace vasterel;

TEST(Tables, Sieges) {
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(Part[Part[s]], s);
        EXPECT_EQ(Suiv[Prec[s]], s);
        EXPECT_EQ(Suiv[Suiv[s]], Part[s]);
    }
}

TEST(Tables, Masques) {
    EXPECT_EQ(NumberOnes[0x1FFF], 13);
    EXPECT_EQ(NumberOnes[0], 0);
    EXPECT_EQ(NumberPoints[0x1E00], 10);
    EXPECT_EQ(NumberPoints[0x1000], 4);
    EXPECT_EQ(NumberPoints[0x600], 3);
    EXPECT_EQ(CountOnes(0xFFFF), 16);
    EXPECT_EQ(PW[-1], 0);
    EXPECT_EQ(PW[32], 1);
    EXPECT_EQ(PW[29], 0);
    EXPECT_EQ(PW[12 + 16], 1 << 12);
    EXPECT_EQ(PWPC[60], int64_t{1} << 60);
    EXPECT_EQ(PWPC[53], 0);

    EXPECT_EQ(MaxCard[0], -1);
    EXPECT_EQ(MinCard[0], -1);
    EXPECT_EQ(MaxCard[0x1001], 12);
    EXPECT_EQ(MinCard[0x1001], 0);
    for (int r = 0; r <= 12; ++r) {
        EXPECT_EQ(MaxCard[1 << r], r);
        EXPECT_EQ(MinCard[1 << r], r);
        EXPECT_EQ(RelRang[r][0], 13);
    }
    const int m = 0x1A01; // A K J 2
    EXPECT_EQ(MaxCard[m], 12);
    EXPECT_EQ(MinCard[m], 0);
    EXPECT_EQ(RelRang[11][m], 2);
    EXPECT_EQ(RelRang[10][m], 13);
    EXPECT_EQ(RelRang[0][m], 4);
    EXPECT_EQ(RelRang[-1][m], 14);
    EXPECT_EQ(RelRang[13][m], 0);
    EXPECT_EQ(InvRelRang[3][m], 9);
    EXPECT_EQ(InvRelRang[5][m], 13);
    EXPECT_EQ(InvRelRang[0][m], 13);
    EXPECT_EQ(InvRelRang[1][0], 13);
    EXPECT_EQ(InvRelRang[13][0x1FFF], 0);
    EXPECT_EQ(Cache[3][7], 0x70);
    EXPECT_EQ(Cache[7][3], 0x70);
    EXPECT_EQ(Cache[5][6], 0);
    EXPECT_EQ(CacheLevees[13], 0x1FFF);
    EXPECT_EQ(CacheLeveesQT[3], 0xE);
    EXPECT_EQ(CacheMainSup[2], 0x7);
    EXPECT_EQ(CacheMainInf[12], 0x1000);
    EXPECT_EQ(CacheMainInf[-1], 0x1FFF);
    EXPECT_EQ(Masque[13], 0x3FFFFFFu);
}

TEST(Tables, Marques) {
    struct Ligne {
        int niveau, classe;
        int valeurs[6];
    };
    const Ligne lignes[] = {
        {1, 1, {70, 140, 230, 70, 140, 230}},        {1, 2, {80, 160, 520, 80, 160, 720}},
        {1, 3, {90, 180, 560, 90, 180, 760}},        {3, 3, {400, 550, 800, 600, 750, 1000}},
        {6, 2, {980, 1210, 1620, 1430, 1660, 2070}}, {7, 3, {1520, 1790, 2280, 2220, 2490, 2980}},
    };
    for (const auto &l : lignes)
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(MarqueBase[l.niveau][l.classe][c], l.valeurs[c - 1])
                << l.niveau << ' ' << l.classe << ' ' << c;
    const int rangee1[] = {50, 100, 200, 100, 200, 400}, rangee4[] = {200, 800, 1600, 400, 1100, 2200};
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(LeveeDeChute[1][c], rangee1[c - 1]);
        EXPECT_EQ(LeveeDeChute[4][c], rangee4[c - 1]);
    }
    EXPECT_EQ(LeveeDeChute[13][6], 7600);
    EXPECT_EQ(PoliceFederale, "Tahoma");
}
