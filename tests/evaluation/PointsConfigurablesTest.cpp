#include "Aides.h"

#include <initializer_list>
#include <utility>

using namespace vasterel;
using vasterel::test::AvecParametres;
using vasterel::test::CompteVide;
using vasterel::test::Main;

namespace {

// A Milton Work record with only the given rows set.
TCompte Compte(std::initializer_list<std::pair<int, float>> lignes, char pho = 'M') {
    TCompte c = CompteVide();
    c.PHO = pho;
    for (const auto &[r, v] : lignes) c.Ligne(r) = v;
    return c;
}

struct CasPoints {
    const char *quoi;
    TCompte compte;
    const char *main;
    int points, pho;
};

struct CasSoutien {
    const char *quoi;
    TCompte compte;
    const char *main;
    int atout, lonPar, points;
};

} // namespace

using PointsConfigurables = AvecParametres;

TEST_F(PointsConfigurables, SefDefaults) {
    const struct {
        const char *main;
        int points, pho;
    } cas[] = {
        {"AKQ73.KJT4.95.82", 16, 13}, // 13 + 1 (A K Q) + 0.5 (K J 10) + 0 (one 10, one 9) + 1 (length)
        {"KQ.J.AQT985.K74", 15, 15},  // + 2 for the six cards, - 2 for the singleton J and the doubleton K Q
    };
    for (const auto &c : cas) {
        int pho = -7;
        EXPECT_EQ(FO_CalculPoints(Main(c.main), 1, 1, pho, 'F'), c.points) << c.main;
        EXPECT_EQ(pho, c.pho) << c.main;
    }
}

TEST_F(PointsConfigurables, HandPointsCriteria) {
    // clang-format off
    const CasPoints cas[] = {
        {"all rows 0: Milton Work", Compte({}), "AKQ73.KJT4.95.82", 13, 13},
        {"row 1: A K Q and K Q J count, A K Q J not", Compte({{1, 1}}), "AKQ2.KQJ.5432.54", 17, 15},
        {"row 1: four honours", Compte({{1, 1}}), "AKQJ.5432.5432.5", 10, 10},
        {"row 2: K J 10 and Q J 10 at three cards, K Q 10 not", Compte({{2, 1}}), "KJT.KQT.QJT.5432", 14, 12},
        {"row 2: K Q 10 with four cards; A K J 10 is not K J 10", Compte({{2, 1}}), "KQT2.AKJT.Q2.543", 16, 15},
        {"row 3: aces beyond the first", Compte({{3, 1}}), "A5432.A543.A54.5", 14, 12},
        {"row 3: no ace is not a malus", Compte({{3, 1}}), "K5432.K543.K54.5", 9, 9},
        {"row 4: sequence bonus off, only tens in K Q 10 / Q J 10", Compte({{4, 1}}), "AT32.KT32.5432.9", 6, 7},
        {"row 4: sequence bonus on, those tens left out", Compte({{2, 2}, {4, 1}}), "AT32.KT32.5432.9", 8, 7},
        {"row 4: three sequence tens, bonus off", Compte({{4, 1}}), "KQT2.QJT2.KQT.95", 14, 13},
        {"row 4: the same, bonus on", Compte({{2, 2}, {4, 1}}), "KQT2.QJT2.KQT.95", 16, 13},
        {"row 4: the size of the value does not matter", Compte({{4, 3}}), "AT32.KT32.5432.9", 6, 7},
        {"row 5 mode 2: six poor cards", Compte({{5, 2}}), "865432.A32.K32.2", 8, 7},
        {"row 5 mode 1: six poor cards", Compte({{5, 1}}), "865432.A32.K32.2", 9, 7},
        {"row 5 mode 2: six good cards", Compte({{5, 2}}), "AK5432.Q32.J32.2", 12, 10},
        {"row 5 mode 1: six good cards", Compte({{5, 1}}), "AK5432.Q32.J32.2", 12, 10},
        {"row 5: any value but 1 is mode 2", Compte({{5, 0.5f}}), "865432.A32.K32.2", 8, 7},
        {"row 6: five cards before four", Compte({{6, 1}}), "65432.32.5432.32", 1, 0},
        {"row 6: four cards before five", Compte({{6, 1}}), "5432.32.65432.32", 0, 0},
        {"row 7: 5-5", Compte({{7, 1}}), "65432.65432.32.2", 1, 0},
        {"row 8: 6-5", Compte({{8, 1}}), "765432.65432.2.2", 1, 0},
        {"row 8: 5-6 (longer suit second)", Compte({{8, 1}}), "65432.765432.2.2", 0, 0},
        {"row 8: 7-6", Compte({{8, 1}}), "8765432.765432..", 3, 0},
        {"row 8: 6-6", Compte({{8, 1}}), "765432.765432.2.", 2, 0},
        {"row 8: 5-5 never", Compte({{8, 1}}), "65432.65432.32.2", 0, 0},
        {"row 9: singleton K, doubleton Q J; not singleton A", Compte({{9, -1}}), "K.QJ.A.KJ98765432", 12, 14},
        {"row 9: singletons Q, J, doubleton K Q; not A K", Compte({{9, -1}}), "Q.J.KQ.AK98765432", 12, 15},
        {"row 10: no ace", Compte({{10, -1}}), "KQJ2.KQJ.KQJ.432", 17, 18},
        {"row 10: an ace", Compte({{10, -1}}), "AQJ2.KQJ.KQJ.432", 19, 19},
        {"row 11: three small cards; T 9 8 is not", Compte({{11, -1}}), "987.987.T98.AKQ2", 7, 9},
        {"a negative total gives 0", Compte({{10, -1}}), "5432.5432.5432.5", 0, 0},
        {"Zar scale: 12.5 + 0.5", Compte({}, 'Z'), "AKQ73.KJT4.95.82", 13, 13},
        {"Zar scale: 4 + 0.5 goes to the even 4", Compte({}, 'Z'), "KJ.J5.5432.65432", 4, 4},
        {"Zar scale: 3 + 0.5 goes to the even 4", Compte({}, 'Z'), "K.5432.5432.5432", 4, 4},
        {"any character but M is the Zar scale", Compte({}, '\0'), "AKQJ.5432.5432.5", 10, 10},
    };
    // clang-format on
    for (const auto &c : cas) {
        CompteA(c.compte);
        int pho = -7;
        EXPECT_EQ(FO_CalculPoints(Main(c.main), 3, 3, pho, 'A'), c.points) << c.quoi;
        EXPECT_EQ(pho, c.pho) << c.quoi;
    }
}

TEST_F(PointsConfigurables, EachSystemReadsItsOwnRecord) {
    ComptePoints[2] = Compte({{10, -1}});
    ComptePoints[3] = Compte({{10, -2}});
    int pho = 0;
    EXPECT_EQ(FO_CalculPoints(Main("KQJ2.KQJ.KQJ.432"), 1, 1, pho, 'A'), 17);
    EXPECT_EQ(FO_CalculPoints(Main("KQJ2.KQJ.KQJ.432"), 1, 1, pho, 'B'), 16);
    EXPECT_EQ(FO_CalculPoints(Main("KQJ2.KQJ.KQJ.432"), 1, 1, pho, 'F'), 20); // SEF: 18 + 3 (K Q J) - 0.75
    // Not one of the six characters: no points at all.
    pho = 9;
    EXPECT_EQ(FO_CalculPoints(Main("KQJ2.KQJ.KQJ.432"), 1, 1, pho, 'f'), 0);
    EXPECT_EQ(pho, 0);
}

TEST_F(PointsConfigurables, SefSupportPoints) {
    const struct {
        const char *main;
        int lonPar, points;
    } cas[] = {
        {"K864.A7.5.QJ9532", 5, 17}, // second seat, one surplus trump
        {"K864.A7.5.QJ9532", 4, 15}, // first seat
        {"AQJ72.K43.QT4.65", 3, 14}, // five good trumps: 1 taken back
    };
    for (const auto &c : cas)
        EXPECT_EQ(FO_CalculPS(Main(c.main), 0, 1, 3, 3, 'F', 1, c.lonPar), c.points) << c.main << " " << c.lonPar;
}

TEST_F(PointsConfigurables, SupportPointsCriteria) {
    TCompte fit = CompteVide();
    const float parSurplus[] = {10, 20, 30, 40, 50, 60}; // rows 17..22
    for (int r = 17; r <= 22; ++r) fit.Ligne(r) = parSurplus[r - 17];
    // clang-format off
    const CasSoutien cas[] = {
        {"first seat: surplus 0, row 19", fit, "K864.A7.5.QJ9532", 1, 4, 40},
        {"second seat of a ten-card fit: row 21", fit, "K864.A7.5.QJ9532", 1, 6, 60},
        {"second seat of a thirteen-card fit: row 22", fit, "K864.A7.5.QJ9532", 1, 9, 70},
        {"surplus -1: row 18", fit, "K864.A7.5.QJ9532", 1, 3, 30},
        {"surplus -2: row 17", fit, "K864.A7.5.QJ9532", 1, 2, 20},
        {"surplus below -2 counts as -2", fit, "K864.A7.5.QJ9532", 1, 0, 20},
        {"two voids: row 12 once", Compte({{12, 3}}), "AKQJ5432.AKQJ3..", 3, 8, 23},
        {"two singletons: row 13 twice", Compte({{13, 2}}), "AKQJ5432.AKQ.2.2", 3, 7, 23},
        {"two trumps, the trump doubleton: row 15", Compte({{14, 5}, {15, 1}}), "AK.5432.5432.543", 1, 6, 8},
        {"four trumps and a doubleton: row 14", Compte({{14, 5}, {15, 1}}), "AK32.54.5432.543", 1, 4, 12},
        {"three doubletons: row 16 adds row 15 once", Compte({{14, 5}, {15, 1}, {16, 1}}), "AK32.54.54.65432", 1, 4, 13},
        {"row 16 without row 15 adds nothing", Compte({{14, 5}, {16, 1}}), "AK32.54.54.65432", 1, 4, 12},
        {"4-3-3-3: rows 23 and 24 both", Compte({{23, -1}, {24, -2}}), "AK32.543.543.543", 1, 4, 4},
        {"no singleton, not 4-3-3-3: row 24", Compte({{23, -1}, {24, -2}}), "AK32.5432.54.543", 1, 4, 5},
        {"exact fit without honours: row 25", Compte({{25, -3}}), "9876.AK3.543.543", 1, 4, 4},
        {"row 25 needs the exact fit", Compte({{25, -3}}), "9876.AK3.543.543", 1, 5, 7},
        {"a 10 in the trumps is an honour for row 25", Compte({{25, -3}}), "T876.AK3.543.543", 1, 4, 7},
        {"six poor trumps lose 1 with row 5 at 0", Compte({}), "865432.AK3.43.43", 1, 2, 6},
        {"six good trumps lose 2", Compte({}), "AK5432.543.54.54", 1, 2, 5},
        {"a negative total gives 0", Compte({{17, -4}}), "5432.5432.5432.5", 4, 5, 0},
    };
    // clang-format on
    for (const auto &c : cas) {
        CompteA(c.compte);
        EXPECT_EQ(FO_CalculPS(Main(c.main), 0, c.atout, 2, 2, 'A', 1, c.lonPar), c.points) << c.quoi;
    }
}

TEST_F(PointsConfigurables, SupportPointsEdgeArguments) {
    const TMainF main = Main("K864.A7.5.QJ9532");
    // Ultime 0 is taken as 1; the PHO argument is not read.
    EXPECT_EQ(FO_CalculPS(main, 0, 1, 3, 3, 'F', 0, 5), 17);
    EXPECT_EQ(FO_CalculPS(main, 99, 1, 3, 3, 'F', 1, 5), 17);
    EXPECT_EQ(FO_CalculPS(main, 0, 1, 3, 3, '?', 1, 5), 0);
}
