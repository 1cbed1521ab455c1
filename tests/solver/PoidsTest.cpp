#include "solver/Poids.h"

#include <gtest/gtest.h>

using namespace vasterel;

// The weights read two rank walks as table reads; every mask must give what the walk gives.
TEST(Poids, NiveauCommeLaMarcheDesRangs) {
    for (uint32_t m = 1; m <= CouleurPleine; ++m) {
        int i = MaxCard[m] - 1;
        while (i >= 0 && (m & PW[i]) != 0)
            --i;
        while (i > -1 && (m & PW[i]) == 0)
            --i;
        ASSERT_EQ(poids::Niveau(m), i + 1) << "m = " << m;
    }
}

TEST(Poids, BasDuGroupeCommeLaMarcheDesRangs) {
    // Every holding of one player within every set of cards in play, a 7-card suit keeps it exhaustive.
    const uint32_t cartes[] = {0x1FFF, 0x1A5B, 0x07F0};
    for (uint32_t enJeu : cartes)
        for (uint32_t main = enJeu; main != 0; main = (main - 1) & enJeu)
            for (int carte = 0; carte <= 12; ++carte) {
                if ((main & PW[carte]) == 0) continue;
                int bas = carte;
                for (int i = carte - 1; i >= 0; --i) {
                    if ((main & PW[i]) != 0)
                        bas = i;
                    else if ((enJeu & PW[i]) != 0)
                        break;
                }
                ASSERT_EQ(poids::BasDuGroupe(main, enJeu, carte), bas)
                    << main << " in " << enJeu << ", " << carte;
            }
}
