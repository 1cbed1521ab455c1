#pragma once
// Helpers of the evaluation tests: hands from text, and parameter records restored after each test.

#include "evaluation/FonctionsOrlune.h"
#include "hand/Pbn.h"

#include <gtest/gtest.h>

namespace vasterel::test {

// "AKQ73.KJT4.95.82": suits 1..4, a void is an empty group.
inline TMainF Main(const char *texte) { return ParseHand(texte); }

// A record with every row 0 and the Milton Work scale: hand points are then the Milton Work points.
inline TCompte CompteVide() {
    TCompte c;
    c.PHO = 'M';
    return c;
}

// Tests that change the parameter records or the language get them back afterwards.
class AvecParametres : public ::testing::Test {
  protected:
    void SetUp() override {
        sauve_ = ComptePoints;
        langue_ = G_Langue;
    }
    void TearDown() override {
        ComptePoints = sauve_;
        G_Langue = langue_;
    }
    // Installs c as Personnel A (system 2, option 'A').
    static void CompteA(const TCompte &c) { ComptePoints[2] = c; }

  private:
    TableBornee<TCompte, 1, 3> sauve_;
    std::string langue_;
};

} // namespace vasterel::test
