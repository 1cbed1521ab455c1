#include "Aides.h"

#include <cmath>
#include <limits>

using namespace vasterel;
using vasterel::test::Main;

TEST(Arrondi, HalvesGoToTheEvenNeighbour) {
    const struct {
        double x;
        int attendu;
    } cas[] = {{2.5, 2}, {3.5, 4}, {0.5, 0}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7, 7}};
    for (const auto &c : cas) EXPECT_EQ(ArrondiPair(c.x), c.attendu) << c.x;
    EXPECT_EQ(ArrondiPair(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(ArrondiPair(1e300), std::numeric_limits<int>::max());
}

TEST(PointsHonneurs, BothScales) {
    const struct {
        const char *main;
        int mw;
        double zar;
    } cas[] = {
        {"...", 0, 0},
        {"AKQJ5...", 10, 9.5},
        {".J..", 1, 0.5},
        {"AKQ73.KJT4.95.82", 13, 12.5},
        {"T98.T98.T98.T987", 0, 0}, // tens and nines count nothing
    };
    for (const auto &c : cas) {
        EXPECT_EQ(FO_CalculPHO(Main(c.main)), c.mw) << c.main;
        EXPECT_EQ(FO_CalculPHOZAR(Main(c.main)), c.zar) << c.main;
    }
    EXPECT_EQ(FO_CalculPHOSuit(0x1FFF), 10);
}

TEST(PointsHonneurs, TensAndNinesCorrection) {
    const struct {
        const char *main;
        int attendu;
    } cas[] = {
        {"T92.T93.T94.5432", 2},   // three tens, three nines: 1.5 rounds to 2
        {"65432.8765.8765.", -1},  // no ten, no nine, a void: -0.65
        {"T432.9432.8432.5", 0},   // one ten, one nine, a singleton: 0.1
        {"8432.8432.8432.5", -1},  // neither, a singleton: -0.65
        {"T432.T432.9432.5", 1},   // an exact half tipped up by a singleton
        {"T432.T432.9432.54", 0},  // the same half without the singleton
        {"8432.8432.8432.54", -1}, // no ten, no nine: -0.75
    };
    for (const auto &c : cas) {
        // The character and the trump suit do not matter.
        EXPECT_EQ(FO_CalculCorrectionHonneurs('C', Main(c.main), 0), c.attendu) << c.main;
        EXPECT_EQ(FO_CalculCorrectionHonneurs('x', Main(c.main), 3), c.attendu) << c.main;
    }
}

TEST(PointsHonneurs, GoodSuitListsAreExactSets) {
    const struct {
        const char *couleur;
        bool belle;
    } cas[] = {
        {"AKQ", false},    {"AK32", true},      {"KQT2", false},    {"KQ432", true},    {"QJT93", false},
        {"AJ5432", true},  {"QJT32", true},     {"KJT9", true},     {"KJT2", false},    {"AKQJT98765432", true},
        {"QJT9", true},    {"AT92", false},     {"AT932", true},    {"AJ932", true},    {"AJ832", false},
        {"KJ9432", true},  {"KJ8432", false},   {"AJ9", false},     {"A85432", false},  {"AK", false},
        {"", false},       {"QJ9432", true},    {"Q98765", false},  {"AKQJT", true},    {"AKQJT9", true},
        {"AKQJT92", true}, {"AKQJ9", true},     {"KQJT9", true},    {"KQJT92", true},   {"QJ932", false},
    };
    for (const auto &c : cas) {
        const std::string main = std::string(c.couleur) + "...";
        EXPECT_EQ(FO_BelleCouleur(Main(main.c_str())[1]), c.belle) << c.couleur;
    }
}

TEST(PointsHonneurs, BoundsAreStrict) {
    EXPECT_FALSE(FO_Borne(5, 5, 10));
    EXPECT_FALSE(FO_Borne(10, 5, 10));
    EXPECT_TRUE(FO_Borne(6, 5, 10));
    EXPECT_TRUE(FO_Borne(5.5f, 5.0f, 10.0f));
    EXPECT_FALSE(FO_Borne(10.0f, 5.0f, 10.0f));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(FO_Borne(nan, 5.0f, 10.0f));
    EXPECT_FALSE(FO_Borne(6.0f, nan, 10.0f));
    EXPECT_FALSE(FO_Borne(6.0f, 5.0f, nan));
}

TEST(PointsHonneurs, OptionCharacters) {
    const struct {
        char option;
        int systeme;
    } cas[] = {{'F', 1}, {'A', 2}, {'B', 3}, {'Z', 4}, {'K', 5}, {'C', 6},
               {'f', 0}, {'z', 0}, {'\0', 0}, {'M', 0}, {'1', 0}};
    for (const auto &c : cas) EXPECT_EQ(SelonOption(c.option), c.systeme) << int(c.option);
    for (int s = 1; s <= 6; ++s) EXPECT_EQ(SelonOption(OptionDuSysteme(s)), s);
    EXPECT_EQ(OptionDuSysteme(0), '\0');
    EXPECT_EQ(OptionDuSysteme(7), '\0');
}
