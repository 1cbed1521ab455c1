// Move weights in trump contracts, second to fourth card: follow suit as at notrump unless a ruff changed
// the trick, ruff cheaply or overruff, and discard from suits whose losers a ruff could take.

#include "solver/Memoires.h"
#include "solver/Poids.h"
#include "solver/SolveurDM.h"

namespace vasterel {

using namespace poids;

int SolveurDM::AllouePoidsAA(int Couleur, int Carte, int Sequence) {
    if (PPRang == 1) return PoidsEntameAtout(Couleur, Carte, Sequence);

    const int CoulRequise = CouleurRequise[NPli];
    const uint32_t CM = CouleurEnMainSDM[Couleur][NPli];
    const int SuitCount = NumberOnes[MainsDM[SOne][Couleur]];
    int SuitAdd = MainsDM[SOne][CoulRequise] == 0 ? 2 * SuitCount : 0;
    const int tueur = EstCoupTueur(Couleur, Carte) ? 100 : 0;
    const bool suit = Couleur == CoulRequise;
    const bool coupe = !suit && Couleur == Atout;
    // The top card of the suit weighed is held by the mover's side.
    const bool hautChezNous = mem_->Leader[Couleur][CM] % 2 == SOne % 2;

    switch (PPRang) {
    case 0: {
        C4 = Pw(Carte);
        if (suit) {
            if (Couleur == Atout || (CC2 != Atout && CC3 != Atout))
                return CouleurFournie4(Couleur, Carte, CM);
            return -Carte; // a side suit ruffed before the mover
        }
        if (coupe) {
            if (CC3 != Atout) return 50 - Carte;
            if (CMA4 <= C3) return -Carte; // no trump of the mover overruffs
            return (C4 <= C3 ? -50 : 50) - Carte;
        }
        if (CMA4 == 0) return 3 * SuitAdd + 50 - Carte + tueur;
        if (hautChezNous) {
            if (SuitAdd > 4) SuitAdd = 8;
        } else if (SuitAdd == 2) {
            SuitAdd = 12;
        } else if (SuitAdd == 4) {
            SuitAdd = 10;
        }
        // A discard where a ruff or an overruff would have served.
        if (WinTrick() != Part[SOne] && (CC3 != Atout || C3 <= CMA4)) return 3 * SuitAdd - 50 - Carte;
        return 3 * SuitAdd + 50 - Carte + tueur;
    }
    case 3: {
        C3 = Pw(Carte);
        if (suit) {
            if (Couleur == Atout || (CC2 != Atout && (CM4 != 0 || CMA4 == 0)))
                return CouleurFournie3(Couleur, Carte, CM);
            // The second player ruffed, or the fourth player can ruff.
            return (CC2 != Atout && C1 <= C2 && C3 <= C2 ? 130 : 160) - Carte;
        }
        if (coupe) {
            if (CC2 == CoulRequise) {
                if (CM4 == 0) {
                    if (CMA4 == 0) return (C2 <= C1 ? 0 : 150) - Carte;
                    if (C3 > CMA4) return 170 - Carte; // no overruff possible
                    return (C2 <= C1 ? 130 : 150) - Carte;
                }
                return (C1 < C2 || C1 < CM4 ? 160 : 0) - Carte;
            }
            if (CC2 == Atout) {
                if (C3 <= C2) return -Carte;
                if (CM4 != 0 || CMA4 == 0) return 160 - Carte;
                return (C3 <= CMA4 ? 145 : 160) - Carte;
            }
            if (CM4 == 0) {
                if (CMA4 == 0) return -Carte;
                return (CMA3 <= CMA4 || C3 <= CMA4 ? 120 : 160) - Carte;
            }
            return (C1 >= CM4 ? 130 : 160) - Carte;
        }
        if (CMA3 != 0 && !hautChezNous) {
            if (SuitAdd == 2)
                SuitAdd = 16;
            else if (SuitAdd == 4)
                SuitAdd = 12;
        }
        const int S = 3 * SuitAdd - Carte + tueur;
        if (CMA3 == 0) return S;
        if (CC2 == 0 || (CC2 == CoulRequise && C2 < C1)) { // the partner's card is still winning
            if (CM4 == 0) {
                if (CMA4 == 0) return S + 150;
                return CMA3 <= CMA4 ? S + 120 : S;
            }
            return C1 <= CM4 ? S : S + 160;
        }
        if (CC2 == CoulRequise) return S; // the second player is winning
        return CMA3 <= C2 ? S + 160 : S;  // the second player ruffed
    }
    default: {
        C2 = Pw(Carte);
        if (suit) {
            if (CM3 == 0 && CMA3 != 0) return (CM4 <= C1 && C2 <= C1 ? 30 : 60) - Carte;
            return CouleurFournie2A(Couleur, Carte, CM);
        }
        if (coupe) {
            const int L90 = (LastCJ == 1 ? 90 : 0) - Carte; // the lowest trump group
            if (CM3 == 0 && CMA3 != 0) {                    // the third player can overruff
                if (CM4 == 0 && CMA4 != 0) return -Carte;
                if (CM4 > C1 && MinCard[CMA3] > Carte) return 50 - Carte;
                if (MaxCard[CMA3] < Carte) return 110 - Carte;
                if (CMA2 < CMA3 && Reste(CMA3) < C2) return 90 - Carte;
                return Carte + 70;
            }
            if (CM3 == 0) return CM4 > C1 || (CM4 == 0 && CMA4 != 0) ? -Carte : L90;
            if (CM4 == 0) {
                if (LMA2 < LMA4 || CMA4 == 0) return L90;
                const uint32_t adverses = CMA3 ^ CMA1;
                return adverses >= Pw(MinCard[CMA4]) || adverses <= C2 ? -Carte : L90;
            }
            if ((C1 ^ CM3) < CM4) return -Carte; // the partner wins anyway
            if (std::max(LMA1, LMA3) >= NumberOnes[CMA2 & CacheMainInf[MaxCard[CMA3 ^ CMA1]]] || LMA4 == 0)
                return L90;
            return Carte != MaxCard[CMA2] ? 50 - Carte : Carte + 90;
        }
        if (CMA2 == 0) return 3 * SuitAdd - Carte;
        int S = SuitAdd;
        if (hautChezNous)
            S = 8;
        else if (SuitAdd == 2)
            S = 20;
        else if (SuitAdd == 4)
            S = 8;
        return 2 * S - Carte;
    }
    }
}

} // namespace vasterel
