#include "Aides.h"

#include <climits>

using namespace vasterel;
using vasterel::test::Main;

namespace {

// A partnership's two hands at seats s and Part[s]; the other seats hold nothing.
TCarreWord Ligne(int s, const char *premier, const char *second) {
    TCarreWord donne{};
    const TMainF a = Main(premier), b = Main(second);
    for (int c = 1; c <= 4; ++c) {
        donne[s][c] = a[c];
        donne[Part[s]][c] = b[c];
    }
    return donne;
}

} // namespace

TEST(Controles, Categories) {
    const struct {
        const char *quoi, *premier, *second;
        int atout, attendu;
    } cas[] = {
        {"four aces, trump K and Q", "AKQ2.A32.A32.A32", "8765.8765.8765.8", 1, ControlesCPT},
        {"trump K without the Q, nine trumps", "AK32.A32.A32.A32", "98765.654.654.54", 1, ControlesCST},
        {"the same with ten trumps", "AK32.A32.A32.A32", "T98765.654.654.4", 1, ControlesCPT},
        {"first-round controls without the trump K", "AQ432.A32.A32.A2", "6.8765.8765.8765", 1, ControlesCST},
        {"a void in the hand without trumps controls nothing", "AKQJ5432.A2.A2.32", ".KQJT98.KQJT987.", 1,
         ControlesNC},
        {"... unless its partner holds the K", "AKQJ5432.A2.A.K2", ".KQJT98.KQJT987.", 1, ControlesCST},
        {"... or a singleton", "AKQJ5432.A32.A.2", ".KQJT98.KQJT987.", 1, ControlesCST},
        {"a void in the hand with trumps", "AKQJ5432.A32.A2.", "6.KQJT98.KQJT9.5", 1, ControlesCPT},
        {"two side aces, a singleton with trumps, trump A K", "AK5432.A32.A32.2", "76.KQJ.KQJ.QJT98", 1,
         ControlesCST},
        {"the same without the trump K", "AQ5432.A32.A32.2", "76.KQJ.KQJ.QJT98", 1, ControlesNC},
        {"trump K and Q, side suits first-round", "K5432.A32.A32.A2", "QJ.8765.8765.876", 1, ControlesCST},
        {"no trump A or K", "QJ432.A32.A32.A2", "65.8765.8765.876", 1, ControlesNC},
        {"another trump suit", "A43.AKQ2.A32.A32", "6.8765.8765.8765", 2, ControlesCPT},
    };
    for (const auto &c : cas) {
        EXPECT_EQ(FO_ControlesLigne(Ligne(1, c.premier, c.second), c.atout, 1), c.attendu) << c.quoi;
        // The other partnership, held by seats 2 and 4; any value of Ligne but 1 names it.
        EXPECT_EQ(FO_ControlesLigne(Ligne(2, c.premier, c.second), c.atout, 2), c.attendu) << c.quoi;
        EXPECT_EQ(FO_ControlesLigne(Ligne(4, c.premier, c.second), c.atout, 0), c.attendu) << c.quoi;
        EXPECT_EQ(FO_ControlesLigne(Ligne(2, c.premier, c.second), c.atout, 1), ControlesNC) << c.quoi;
    }
}

TEST(Controles, ImpScale) {
    // Every bound of the scale and the first value beyond it.
    const int bornes[] = {10,  40,  80,  120,  160,  210,  260,  310,  360,  420,  490,  590,
                          740, 890, 1090, 1290, 1490, 1740, 1990, 2240, 2490, 2990, 3490, 3990};
    for (int imp = 0; imp < 24; ++imp) {
        EXPECT_EQ(FO_ConversionIMP(bornes[imp]), imp);
        EXPECT_EQ(FO_ConversionIMP(bornes[imp] + 1), imp + 1);
        EXPECT_EQ(FO_ConversionIMP(-bornes[imp] - 1), -(imp + 1));
    }
    const struct {
        int x, imp;
    } cas[] = {{0, 0}, {10, 0}, {11, 1}, {-630, -12}, {4000, 24}, {20, 1}, {50, 2}, {INT_MAX, 24}, {INT_MIN, -24}};
    for (const auto &c : cas) EXPECT_EQ(FO_ConversionIMP(c.x), c.imp) << c.x;
}

TEST(Controles, TypedIntegers) {
    const struct {
        const char *texte;
        int bas, haut;
        bool accepte;
    } cas[] = {
        {"6", 0, 7, true},        {"7", 0, 7, false},       {"0", 0, 7, false},
        {"abc", 0, 7, false},     {"", 0, 7, false},        {"  6\t", 0, 7, true},
        {"+6", 0, 7, true},       {"-3", -5, 5, true},      {"006", 0, 7, true},
        {"0x6", 0, 7, false},     {"$6", 0, 7, false},      {"6.0", 0, 7, false},
        {"6e0", 0, 7, false},     {"+-6", -9, 9, false},    {"- 6", -9, 9, false},
        {"6 6", 0, 99, false},    {"+", 0, 7, false},       {" ", 0, 7, false},
        {"1000000", 0, 1000001, true},                      {"1000001", 0, 1000001, false},
        {"2147483647", INT_MIN, INT_MAX, false},            {"2147483646", INT_MIN, INT_MAX, true},
        {"2147483648", INT_MIN, INT_MAX, false},            {"4294967302", 0, 7, false}, // 2^32 + 6
        {"-2147483648", INT_MIN, 0, false},                 {"-2147483647", INT_MIN, 0, true},
        {"99999999999999999999999", 0, 7, false},
    };
    for (const auto &c : cas) EXPECT_EQ(FO_VerifieEntier(c.texte, c.bas, c.haut), c.accepte) << '"' << c.texte << '"';
}
