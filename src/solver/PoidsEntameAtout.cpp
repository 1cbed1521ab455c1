// Lead weights in trump contracts: the notrump judgement of who holds the top card of the suit, with the
// threat of ruffs added (who is void with trumps, and whose trumps are longer or higher).

#include "solver/Memoires.h"
#include "solver/Poids.h"
#include "solver/SolveurDM.h"

namespace vasterel {

using namespace poids;

int SolveurDM::PoidsEntameAtout(int s, int Carte, int Sequence) {
    C1 = Pw(Carte);
    const uint32_t CM = CouleurEnMainSDM[s][NPli];
    const Rangs k(CM);
    const uint32_t cmc1 = CMC1[s], cmc2 = CMC2[s], cmc3 = CMC3[s], cmc4 = CMC4[s];
    const int lmc1 = LMC1[s], lmc2 = LMC2[s], lmc3 = LMC3[s], lmc4 = LMC4[s];
    const uint32_t cmc2A = CMC2[Atout], cmc3A = CMC3[Atout], cmc4A = CMC4[Atout];
    const int lmc1A = LMC1[Atout], lmc2A = LMC2[Atout], lmc3A = LMC3[Atout], lmc4A = LMC4[Atout];
    const int swd = SWD[s];
    const int leader = mem_->Leader[s][CM];
    const bool haut = Carte == MaxCard[CM]; // the top card in play, else a lower card
    const bool atout = s == Atout;
    // Void in the suit led and holding trumps.
    const bool coupe2 = cmc2 == 0 && cmc2A != 0, coupe3 = cmc3 == 0 && cmc3A != 0,
               coupe4 = cmc4 == 0 && cmc4A != 0;
    const int M13 = std::max(lmc1, lmc3);

    auto regles = [&]() -> int {
        if (EstCoupTueur(s, Carte)) return 200;
        if (PerdLevee(s, Carte)) return swd - Carte;
        if (leader == SOne && atout) {
            if (!haut) return (k.A(cmc3, 2) ? swd + 150 : swd + 90) - Carte;
            if (k.A(cmc3, 2) && lmc3 > 1) return swd + 150 - Carte;
            if (k.A(cmc4, 2) && k.A(cmc1, 3) && lmc4 > 1 && lmc3 > 1) return swd + 100 - Carte;
            return swd + 115;
        }
        if (leader == SOne) {
            // A fourth player able to ruff while the second still follows is no threat here.
            const bool menace = cmc2 == 0 && (cmc2A != 0 || coupe4);
            if (!menace) {
                if (!haut) {
                    if ((cmc3 & 0xA00) == 0xA00 && (cmc2 & 0x400) == 0x400 && M13 > 2)
                        return swd + 180 - Carte;
                    if (k.A(cmc3, 2)) return swd + 155 - Carte;
                    if (coupe3) return swd + 110 - Carte;
                    return swd + 80 - Carte;
                }
                if (k.A(cmc3, 2)) return (lmc3 <= 1 ? swd + 130 : swd + 155) - Carte;
                if (k.A(cmc4, 2) && k.A(cmc1, 3) && lmc4 > 1 && lmc3 > 1) return swd + 85 - Carte;
                if (k.A(cmc4, 2) && lmc4 > 1 && lmc3 > 0) return swd + 125 - Carte;
                if ((lmc2 == 1 && lmc2A != 0) || (lmc4 == 1 && lmc4A != 0)) return swd + 140 - Carte;
                if (lmc3 == 1 && lmc3A != 0) return swd + 160 - Carte;
                return swd + 150 - Carte;
            }
            if (coupe3) {
                if (coupe2 && coupe4) {
                    if ((cmc2A | cmc4A) < cmc3A) return swd + 140 - Carte;
                    return (cmc3A <= cmc2A ? swd + 100 : swd) - Carte;
                }
                if (coupe2) {
                    if (cmc3A <= cmc2A) return (haut ? swd + 135 : swd + 150) - Carte;
                    return (haut ? swd + 145 : swd + 160) - Carte;
                }
                if (cmc3A > cmc4A) return swd + 150 - Carte;
                return (haut ? swd + 145 : swd + 100) - Carte;
            }
            if (coupe2 && coupe4) return swd + 100 - Carte;
            const int T = coupe2 ? lmc2A : lmc4A;
            const int M = coupe2 ? Max3(lmc1A, lmc3A, lmc4A) : Max3(lmc1A, lmc3A, lmc2A);
            const bool k2Partenaire = k.A(cmc3, 2);
            if (M > T) {
                if (!k2Partenaire) return (haut ? swd + 135 : swd + 100) - Carte;
                return (lmc3 == 1 && haut ? swd + 100 : swd + 135) - Carte;
            }
            if (!k2Partenaire) return (haut ? swd + 150 : swd + 100) - Carte;
            return (lmc3 == 1 && haut ? swd + 135 : swd + 165) - Carte;
        }
        if (leader == Part[SOne] && atout)
            return ((cmc2A ^ cmc4A) < C1 && lmc3A > 1 ? swd + 135 : swd + 125) - Carte;
        if (leader == Part[SOne]) {
            if (!coupe2 && !coupe4) {
                if (k.A(cmc1, 2) || k.A(cmc3, 2)) return swd + 150 - Carte;
                if (k.A(cmc2, 2) && k.A(cmc3, 3)) return swd + 200 - Carte;
                if (k.A(cmc3, 3) && k.A(cmc3, 5) && k.A(cmc2, 4)) return swd + 200 - Carte;
                if (k.A(cmc1, 3) && lmc1 > 2 && k.A(cmc3, 5) && k.A(cmc2, 2) && k.A(cmc2, 4))
                    return swd + 150 - Carte;
                if (lmc2 == 1 && lmc2A != 0) return (k.A(cmc4, 2) ? swd + 125 : swd + 135) - Carte;
                if (lmc4 == 1 && lmc4A != 0) return swd + 135 - Carte;
                if ((lmc3 == 1 && lmc3A != 0) || (lmc1 == 1 && lmc1A != 0)) return swd + 155 - Carte;
                return (Sequence == 1 ? swd + 150 : swd + 145) - Carte;
            }
            if (coupe2 && coupe4) return swd + 105 - Carte;
            if (coupe2) return (Max3(lmc1A, lmc3A, lmc4A) > lmc2A ? swd + 150 : swd + 165) - Carte;
            // K2 neither led nor held by the partner.
            const bool k2Ailleurs = (Pw(k.K(2)) & (C1 ^ cmc3)) == 0;
            return (Max3(lmc1A, lmc3A, lmc2A) > lmc4A || k2Ailleurs ? swd + 150 : swd + 160) - Carte;
        }
        // An opponent holds the top card.
        const uint32_t X = cmc1 ^ cmc3, Y = cmc2 ^ cmc4;
        if (atout) {
            if (k.A(cmc1, 2) && k.A(cmc3, 3) && lmc3 > 1 && k.A(cmc2, 1)) return swd + 140 - Carte;
            if (Sequence == 1) return swd + 125 - Carte;
            if (k.A(cmc2, 1) && k.A(cmc3, 2)) return swd + 135 - Carte;
            if (k.A(cmc1, 2) && k.A(cmc4, 1) && k.A(cmc4, 3) && lmc1 > 1) return swd + 90 - Carte;
            return swd + 105 - Carte;
        }
        if (coupe2 || coupe4) {
            if (!coupe3) return swd + 100 - Carte;
            return (cmc4 == 0 ? swd + 120 : swd + 140) - Carte;
        }
        if (coupe3) {
            if ((cmc1 & 0xF00) == 0xF00) return ((cmc2 & 0x1000) != 0 ? swd + 190 : swd + 180) - Carte;
            if ((cmc1 & 0xE00) == 0xE00) return ((cmc2 & 0x1000) != 0 ? swd + 185 : swd + 175) - Carte;
            if ((cmc1 & 0x700) == 0x700) return ((Y & 0x1800) == 0x1800 ? swd + 160 : swd + 180) - Carte;
            if ((leader == Suiv[SOne] && lmc2 == 1) || (leader == Prec[SOne] && lmc4 == 1))
                return swd + 150 - Carte;
            return (lmc1A <= lmc3A ? swd + 140 : swd + 155) - Carte;
        }
        if ((lmc1 > 1 && lmc3 > 1 && lmc2 == 1 && lmc2A != 0) || (lmc4 == 1 && lmc4A != 0))
            return swd + 100 - Carte;
        if (lmc1 > 1 && lmc3 == 1 && lmc2 > 1 && lmc4 > 1 && lmc3A != 0) return swd + 145 - Carte;
        if ((X & 0xF00) == 0xF00 && M13 > 3) return swd + 180 - Carte;
        if ((X & 0xE00) == 0xE00 && M13 > 2) return swd + 175 - Carte;
        if ((cmc3 & 0xB00) == 0xB00 && (cmc2 & 0x400) == 0x400) return swd + 180 - Carte;
        if (k.A(cmc1, 2) && k.A(cmc3, 3) && lmc3 > 1 && k.A(cmc2, 1)) return swd + 180 - Carte;
        if (cmc1 > 0x400 && cmc3 > 0x800 && (cmc4 & 0x1200) == 0x1200) return swd + 160 - Carte;
        if (Sequence == 1) return swd + 145 - Carte;
        if (k.A(cmc2, 1) && k.A(cmc3, 2)) return swd + 180 - Carte;
        if ((X & 0x700) == 0x700 && M13 > 2) return ((Y & 0x1800) == 0x1800 ? swd + 160 : swd + 180) - Carte;
        if (cmc3 > cmc4) return swd + 135 - Carte;
        if (k.A(cmc1, 2) && k.A(cmc4, 1) && k.A(cmc4, 3) && lmc1 > 1) return swd + 80 - Carte;
        return swd + 105 - Carte;
    };
    // This very lead produced a cut-off in this very position before.
    return regles() + (mem_->BMove1[SOne][s][Carte][NPli] == PositionCourante ? 100 : 0);
}

} // namespace vasterel
