#include "Aides.h"

using namespace vasterel;
using vasterel::test::Main;

TEST(SystemesFixes, HandPoints) {
    const struct {
        const char *main;
        char option;
        int points, pho;
    } cas[] = {
        {"AKQ73.KJT4.95.82", 'K', 16, 15},  {"AKQ73.KJT4.95.82", 'Z', 15, 13}, {"AKQ73.KJT4.95.82", 'C', 14, 13},
        {"K864.A7.5.QJ9532", 'K', 12, 10},  {"K864.A7.5.QJ9532", 'Z', 13, 10}, {"K864.A7.5.QJ9532", 'C', 12, 10},
        {"Q52.K73.J84.A962", 'K', 8, 9},    {"Q52.K73.J84.A962", 'Z', 9, 10},  {"Q52.K73.J84.A962", 'C', 10, 10},
        // Zar tie at 14.5: two tens break it upwards, no ten, nine or void downwards.
        {"Q.KT543.KT.AJ852", 'Z', 15, 13},  {"AQ63.A873.K52.42", 'Z', 14, 14},
        // Charles-Gigault never gives less than the Milton Work points (here 10 - 2 for tens and nines).
        {"AT9.KT9.QT9.J987", 'C', 10, 10},
        // Not a fixed system: nothing.
        {"AKQ73.KJT4.95.82", 'F', 0, 0},    {"AKQ73.KJT4.95.82", 'x', 0, 0},
    };
    for (const auto &c : cas) {
        int pho = -7;
        EXPECT_EQ(FO_CalculPointsB(Main(c.main), 1, 1, pho, c.option), c.points) << c.main << " " << c.option;
        EXPECT_EQ(pho, c.pho) << c.main << " " << c.option;
        if (c.option != 'F' && c.option != 'x') {
            pho = -7;
            EXPECT_EQ(FO_CalculPoints(Main(c.main), 1, 1, pho, c.option), c.points) << c.main << " " << c.option;
        }
    }
}

TEST(SystemesFixes, KaplanRubensCount) {
    const struct {
        const char *main;
        int attendu;
    } cas[] = {
        {"AKQ73.KJT4.95.82", 15}, // 8.5 for the honours, 6.5 for the quality
        {"AKQJ432...", 14},       // 6.5 + 7 (the Q and the J: nothing added)
        {"AK65432...", 11},       // 5 + 5.6
        {"Q52.K73.J84.A962", 9},  // 5.75 + 3.4
        {"...", 0},
    };
    for (const auto &c : cas) EXPECT_EQ(FO_CalculPHKR(Main(c.main)), c.attendu) << c.main;
}

TEST(SystemesFixes, ZarCounts) {
    const struct {
        const char *main;
        float honneurs;
    } cas[] = {
        {"AKQ73.KJT4.95.82", 13},  // 12.5 and two honourless short suits
        {"K864.A7.5.QJ9532", 9.5f},
        {"Q.KT543.KT.AJ852", 11.5f}, // singleton Q: -1
        {"KQJ2.T98.765.432", 5.5f},  // K Q J together +0.5; three honourless short suits, but P is only 5
        {"98765.AK2.Q2.432", 8},     // five cards without A, K or Q J: -1
    };
    for (const auto &c : cas) EXPECT_EQ(FO_CalculPHLZAR(Main(c.main), 1, 1), c.honneurs) << c.main;

    const struct {
        int a, b, c, d;
        float attendu;
    } formes[] = {
        {4, 3, 3, 3, 0},   {5, 3, 3, 2, 1.5f}, {5, 4, 3, 1, 2.5f}, {6, 5, 1, 1, 4},  {6, 4, 2, 1, 3.5f},
        {9, 2, 1, 1, 5},   {2, 9, 1, 1, 5},    {1, 1, 2, 9, 5},    {8, 3, 1, 1, 5},  {8, 2, 2, 1, 4.5f},
        {9, 3, 1, 0, 6.5f}, {10, 3, 0, 0, 7},  {11, 1, 1, 0, 7},   {12, 1, 0, 0, 8}, {0, 0, 1, 12, 8},
        {10, 1, 1, 1, 6},  {10, 2, 1, 0, 7},   {11, 2, 0, 0, 8},   {13, 0, 0, 0, 9},
    };
    for (const auto &f : formes)
        EXPECT_EQ(FO_CalculPDZAR(f.a, f.b, f.c, f.d), f.attendu) << f.a << f.b << f.c << f.d;
}

TEST(SystemesFixes, SupportPoints) {
    const struct {
        const char *main;
        int atout, lonPar;
        int kr, zar, cg;
    } cas[] = {
        {"K864.A7.5.QJ9532", 1, 5, 13, 15, 15}, // surplus 1; Zar's 14.5 goes up for the singleton
        {"K864.A7.5.QJ9532", 1, 4, 12, 14, 13}, // first seat
        {"AQJ72.K43.QT4.65", 1, 3, 12, 14, 13},
        {"AK32.543.543.543", 1, 6, 7, 8, 12}, // 4-3-3-3: no Kaplan-Rubens shortness whatever the fit
        {"AK32.543.543.543", 1, 4, 7, 8, 9},
        {"5.AKQ2.5432.5432", 1, 7, 7, 9, 10}, // one trump: Kaplan-Rubens takes the shortness off
        {"AKQJ5432.AKQJ3..", 2, 2, 32, 23, 26}, // Zar, surplus -1: -2.5 and -1.5 per void
        {"AKQJ5432.AKQJ3..", 2, 3, 28, 31, 28},
        // Charles-Gigault side suits: a void is 4 with four trumps and 3.1 with three; singleton A 1.1,
        // doubleton K Q 0.4, A 7 0.9; the K J doubleton keeps its 0.9.
        {"8765..65432.5432", 1, 4, 4, 3, 6},
        {"876..765432.5432", 1, 5, 4, 4, 5},
        {"8765.A.65432.543", 1, 4, 6, 6, 7},
        {"8765.KQ.6543.543", 1, 4, 5, 4, 6},
        {"8765.A7.6543.543", 1, 4, 4, 5, 7},
        {"8765.KJ.6543.543", 1, 4, 4, 3, 6},
    };
    for (const auto &c : cas) {
        const TMainF main = Main(c.main);
        EXPECT_EQ(FO_CalculPSB(main, 0, c.atout, 3, 3, 'K', 1, c.lonPar), c.kr) << c.main << " " << c.lonPar;
        EXPECT_EQ(FO_CalculPSB(main, 0, c.atout, 3, 3, 'Z', 1, c.lonPar), c.zar) << c.main << " " << c.lonPar;
        EXPECT_EQ(FO_CalculPSB(main, 0, c.atout, 3, 3, 'C', 1, c.lonPar), c.cg) << c.main << " " << c.lonPar;
        // FO_CalculPS hands the fixed systems over unchanged; Ultime 0 is taken as 1.
        EXPECT_EQ(FO_CalculPS(main, 0, c.atout, 3, 3, 'C', 0, c.lonPar), c.cg) << c.main << " " << c.lonPar;
    }
    EXPECT_EQ(FO_CalculPSB(Main("K864.A7.5.QJ9532"), 0, 1, 3, 3, 'F', 1, 5), 0);
    EXPECT_EQ(FO_CalculPSB(Main("K864.A7.5.QJ9532"), 0, 1, 3, 3, '\0', 1, 5), 0);
}

TEST(SystemesFixes, OpenerOfTheTrumpSuit) {
    EXPECT_EQ(FO_Ouvreur(Main("K864.A7.5.QJ9532"), 3, 1), 3);
    EXPECT_EQ(FO_Ouvreur(Main("K864.A7.5.QJ9532"), 3, 2), 1);
    EXPECT_EQ(FO_Ouvreur(Main("K864.A7.5.QJ9532"), 2, 3), 4);
}
