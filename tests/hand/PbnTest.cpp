#include "hand/Pbn.h"

#include <gtest/gtest.h>

using namespace vasterel;

TEST(Pbn, AllerRetour) {
    const char *texte = "N:QJ6.K652.J85.T98 873.J97.AT764.Q4 K5.T83.KQ9.A7652 AT942.AQ4.32.KJ3";
    const TCarreWord deal = ParseDeal(texte);
    EXPECT_EQ(FormatDeal(deal), texte);
    EXPECT_EQ(deal[1][1], (1 << 10) | (1 << 9) | (1 << 4)); // N spades Q J 6
    // Hands are given clockwise from the named seat.
    EXPECT_EQ(FormatDeal(ParseDeal("E:873.J97.AT764.Q4 K5.T83.KQ9.A7652 AT942.AQ4.32.KJ3 QJ6.K652.J85.T98")),
              texte);
    EXPECT_EQ(FormatHand(ParseHand("-.AK10..2")), ".AKT..2");
}

TEST(Pbn, EntreesInvalides) {
    struct Cas {
        const char *texte, *message;
    };
    const Cas cas[] = {
        {"QJ6.K652.J85.T98 873.J97.AT764.Q4 K5.T83.KQ9.A7652 AT942.AQ4.32.KJ3",
         "must start with the first seat"},
        {"N:QJ6.K652.J85.T98 873.J97.AT764.Q4 K5.T83.KQ9.A7652", "3 hand(s)"},
        {"N:QJ6.K652.J85.T98 873.J97.AT764.Q4 K5.T83.KQ9.A7652 AT942.AQ4.32.KJ3 2...",
         "more than four hands"},
        {"N:QJ6.K652.J85.T98 873.J97.AT764.Q4 K5.T83.KQ9.A7652 AT942.AQ4.32.KJZ", "'Z' at column 16"},
        {"N:QJ6.K652.J85.T98 873.J97.AT764.Q4 K5.T83.KQ9.A7652 AQ942.AT4.32.KJ3",
         "the Q of S is held by both N and W"},
        {"N:QJ6.K652.J85.T98 873.J97.AT764.Q4 K5.T83.KQ9.A765 AT942.AQ4.32.KJ3", "hands of unequal size"},
        {"N:QJ6.K652.J85 873.J97.AT764.Q4 K5.T83.KQ9.A7652 AT942.AQ4.32.KJ3", "3 suit(s) found"},
        {"N:QQJ6.K652.J85.T98 873.J97.AT764.Q4 K5.T83.KQ9.A7652 AT942.AQ4.32.KJ3", "written twice"},
        {"N:... ... ... ...", "hold no cards"},
    };
    for (const auto &c : cas) {
        try {
            ParseDeal(c.texte);
            ADD_FAILURE() << "accepted: " << c.texte;
        } catch (const PbnError &e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(Pbn, Noms) {
    EXPECT_EQ(SeatFromLetter('w'), 4);
    EXPECT_EQ(SeatFromLetter('X'), 0);
    EXPECT_EQ(StrainFromText("nt"), 5);
    EXPECT_EQ(StrainFromText("H"), 2);
    EXPECT_EQ(StrainFromText("4"), 4);
    EXPECT_EQ(StrainFromText("Z"), 0);
}
