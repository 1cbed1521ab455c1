// Move weights at notrump: lead where the side has strength or length, win cheaply, cover, unblock, discard
// from length, and retry the cards that produced cut-offs before. The follow-suit weights of the third and
// fourth hands serve trump contracts too.

#include "solver/Memoires.h"
#include "solver/Poids.h"
#include "solver/SolveurDM.h"

namespace vasterel {

using namespace poids;

int SolveurDM::AllouePoidsSA(int Couleur, int Carte, int ExAequo, int Sequence) {
    const uint32_t main = MainsDM[SOne][Couleur];
    const int cr = CouleurRequise[NPli];
    const bool defausse = PPRang != 1 && MainsDM[SOne][cr] == 0;
    const int SuitAdd = (PPRang == 1 || defausse) ? 64 * NumberOnes[main] : 0;
    const uint32_t CM = CouleurEnMainSDM[Couleur][NPli];
    const bool tueur = EstCoupTueur(Couleur, Carte);
    // Long suits first, low cards before high, and the group holding the suit's lowest card before all.
    const int poidsDefausse = SuitAdd - Carte + (MinCard[main] == ExAequo ? 500 : 0);

    switch (PPRang) {
    case 0:
        C4 = Pw(Carte);
        if (!defausse) return CouleurFournie4(Couleur, Carte, CM);
        return poidsDefausse + (tueur ? 200 : 0);
    case 1:
        return PoidsEntameSA(Couleur, Carte, Sequence);
    case 2:
        C2 = Pw(Carte);
        if (!defausse) return CouleurFournie2SA(Couleur, Carte, CM);
        return poidsDefausse;
    default: {
        C3 = Pw(Carte);
        if (defausse) return poidsDefausse + (tueur ? 200 : 0);
        const int r1 = Card[PP - 2] % 16;
        const int r2 = SQ[PP - 1] == cr ? Card[PP - 1] % 16 : 14;
        const int memoire = mem_->BMove3[r1][r2][static_cast<int>(CouleurEnMainSDM[cr][NPli])];
        if (memoire == (Couleur - 1) * 13 + Carte) return 200;
        return CouleurFournie3(Couleur, Carte, CM);
    }
    }
}

int SolveurDM::PoidsEntameSA(int s, int Carte, int Sequence) {
    C1 = Pw(Carte);
    const uint32_t CM = CouleurEnMainSDM[s][NPli];
    const Rangs k(CM);
    const uint32_t cmc1 = CMC1[s], cmc2 = CMC2[s], cmc3 = CMC3[s], cmc4 = CMC4[s];
    const int lmc1 = LMC1[s], lmc2 = LMC2[s], lmc3 = LMC3[s], lmc4 = LMC4[s];
    const int swd = SWD[s];
    const int leader = mem_->Leader[s][CM];

    auto regles = [&]() -> int {
        if (EstCoupTueur(s, Carte)) return 200;
        if (PerdLevee(s, Carte)) return swd - 100 - Carte;
        if (leader == SOne) {
            if (Carte == MaxCard[CM]) {
                if (k.A(cmc1, 2)) return swd + 50 - Carte;
                if (k.A(cmc3, 2) && lmc3 != 1)
                    return (k.A(cmc4, 3) && lmc4 > 1 ? swd + 30 : swd + 50) - Carte;
                if ((k.A(cmc2, 2) && lmc2 == 1) || (k.A(cmc4, 2) && lmc4 == 1)) return swd + 50 - Carte;
                if (std::max(lmc2, lmc4) < 3) return swd + 30 - Carte;
                return swd - Carte;
            }
            if ((cmc2 | cmc4) < C1) return swd + 50 - Carte;
            if (k.A(cmc3, 2) && k.A(cmc3, 4) && k.A(cmc2, 3) && std::max(lmc1, lmc3) > 2)
                return swd + 60 - Carte;
            if ((cmc2 | cmc4) < cmc3) return swd + 50 - Carte;
            if (k.A(cmc2, 2) && lmc2 > 1 && k.A(cmc3, 3) && lmc3 > 1) return swd + 40 - Carte;
            if (cmc3 > cmc4) return swd + 10 - Carte;
            return swd - Carte;
        }
        if ((cmc2 | cmc4) < cmc3) { // the partner holds the top card
            if (lmc1 > 1) {
                if (k.A(cmc2, 2) && k.A(cmc3, 3)) return swd + 50 - Carte;
                if (k.A(cmc1, 2)) return swd + 50 - Carte;
                if (k.A(cmc3, 2)) {
                    if (k.A(cmc1, 4) && k.A(cmc2, 3) && lmc2 != 1 && lmc3 > 2 &&
                        (InvRelRang[lmc4][cmc3] > MaxCard[cmc4] || Reste(cmc1) > cmc4))
                        return swd + 50 + Carte;
                    return swd + 50 - Carte;
                }
                if (k.A(cmc1, 3) && lmc1 > 2 && k.A(cmc3, 5) && k.A(cmc2, 2) && k.A(cmc2, 4))
                    return swd + 60 - Carte;
                return swd - Carte;
            }
            if (lmc3 <= 1) return swd - Carte;
            if (k.A(cmc3, 2) && lmc3 > 2 && k.A(cmc1, 3)) return swd + 55 + Carte;
            if (k.A(cmc1, 2)) return swd + 35 + Carte;
            if (k.A(cmc2, 2) && k.A(cmc3, 3)) return swd + 25 + Carte;
            return swd + 10 + Carte;
        }
        // An opponent holds the top card.
        const uint32_t X = cmc1 ^ cmc3, Y = cmc2 ^ cmc4;
        const int M13 = std::max(lmc1, lmc3), M24 = std::max(lmc2, lmc4);
        if ((X & 0xF00) == 0xF00 && M13 > 3) return swd + 80 - Carte;
        if ((X & 0x780) == 0x780 && M13 > 3) return swd + 80 - Carte;
        if ((cmc3 & 0xB00) == 0xB00 && (cmc2 & 0x400) == 0x400) return swd + 60 - Carte;
        if ((cmc3 & 0xA00) == 0xA00 && (cmc2 & 0x1400) == 0x1400 && lmc3 > 2) return swd + 80 - Carte;
        if ((cmc3 & 0xA00) == 0xA00 && (cmc2 & 0x400) == 0x400 && lmc3 > 3) return swd + 80 - Carte;
        if ((X & 0xE00) == 0xE00 && M13 > 2) return swd + 60 - Carte;
        if ((X & 0x700) == 0x700 && M13 > 2) return ((Y & 0x1800) == 0x1800 ? swd + 30 : swd + 70) - Carte;
        if (((k.A(cmc1, 2) && lmc1 > 1) || (k.A(cmc3, 2) && lmc3 > 1)) &&
            ((leader == Suiv[SOne] && lmc2 == 1) || (leader == Prec[SOne] && lmc4 == 1)))
            return swd + 50 - Carte;
        if (Sequence == 1) return swd + 30 + 2 * lmc1 - Carte;
        if (((k.A(cmc1, 2) && k.A(cmc3, 3)) || (k.A(cmc1, 3) && k.A(cmc3, 2))) && M13 > 1)
            return swd + 40 - Carte;
        if (k.A(cmc3, 2) && k.A(cmc2, 1)) return (lmc3 > 1 ? swd + 30 : swd + 10) - Carte;
        if (k.A(cmc1, 2) && k.A(cmc3, 3) && lmc3 > 1 && k.A(cmc2, 1)) return swd + 30 - Carte;
        if (M13 > M24 + 1) return swd + 20 - Carte;
        if (k.A(cmc1, 2) && k.A(cmc4, 1) && k.A(cmc4, 3) && lmc1 > 1) return swd - 35 - Carte;
        if (M13 < M24) return swd - 20 - Carte;
        return swd - Carte;
    };
    // This very lead produced a cut-off in this very position before.
    return regles() + (mem_->BMove1[SOne][s][Carte][NPli] == PositionCourante ? 80 : 0);
}

// Whether leading Carte of suit s is judged to give a trick away; the lead context and C1 must be set. In a
// trump contract a lead from the side holding the top card never counts as losing.
bool SolveurDM::PerdLevee(int s, int Carte) const {
    const uint32_t CM = CouleurEnMainSDM[s][NPli];
    const Rangs k(CM);
    const uint32_t cmc1 = CMC1[s], cmc2 = CMC2[s], cmc3 = CMC3[s], cmc4 = CMC4[s];
    const int lmc2 = LMC2[s], lmc3 = LMC3[s], lmc4 = LMC4[s];
    const int leader = mem_->Leader[s][CM];
    if (leader == SOne) {
        if (Atout != 0) return false;
        return (k.A(cmc4, 2) && k.A(cmc1, 3) && lmc4 > 1 && lmc3 > 0) ||
               (cmc1 > 0x1200 && cmc3 > 0x800 && cmc4 > 0x500 && C1 > 0x100);
    }
    if (leader == Part[SOne]) {
        const int rang = RelRang[Carte][CM];
        return (k.A(cmc1, 2) && k.A(cmc1, 4) && k.A(cmc4, 3) && lmc4 > 2 && rang == 2) ||
               (k.A(cmc2, 2) && k.A(cmc1, 3) && k.A(cmc1, 4) && lmc3 != 1 && lmc2 != 1 && rang > 4);
    }
    const uint32_t Y = cmc2 ^ cmc4;
    // An opponent holds a card between the card led and the leader's lowest card.
    const bool entre = (static_cast<uint32_t>(Cache[Carte][MinCard[cmc1]]) & Y) != 0;
    if (entre && (MinCard[cmc2] > Carte || MinCard[cmc4] > Carte)) return true;
    if ((C1 ^ Pw(MaxCard[cmc3])) < cmc4 && (cmc2 < C1 || lmc2 > 1) &&
        MinCard[cmc4 & CacheMainInf[MaxCard[cmc3 ^ C1]]] < MaxCard[cmc1])
        return true;
    if (MinCard[cmc3] > Carte && entre) return true;
    return (cmc1 & 0x540) == 0x540 && ((cmc2 & 0x1280) == 0x1280 || (cmc2 & 0xA80) == 0xA80);
}

// Second hand following suit. Positions: 1 the leader, 2 the mover (C2 the card weighed), 3 the next
// player, 4 the mover's partner. The trump-contract variant differs in three places.
int SolveurDM::CouleurFournie2(int Couleur, int Carte, uint32_t CM, bool atout) const {
    const int r1 = Card[PP - 1] % 16;
    if (mem_->BMove2[Couleur][r1][static_cast<int>(CM)] == Carte) return 200;
    if (C1 > CM2) return -Carte; // the mover cannot beat the card led
    const Rangs k(CM);
    if ((CM3 | C1) < CM4) { // the partner beats the card led and all of the next player's cards
        if (CM2 <= CM3) {
            if (C2 <= C1) return 40 - Carte;
            return (LM3 != 1 && LM4 != 1 ? 60 : 0) - Carte;
        }
        if (LM4 == 1 || (LM4 == 2 && (CM3 | C1) < Pw(MinCard[CM4]))) return 30 - Carte;
        if (atout) return (CM2 < CM4 && (CM3 | C1) < C2 ? 60 : 30) - Carte;
        if (CM2 >= CM4) {
            const int k2 = InvRelRang[2][CM3];
            return ((CM3 | C1) >= C2 && C2 > C1 && Pw(k2) < C2 && MinCard[CM4] < k2 ? 60 : 30) - Carte;
        }
        return ((CM3 | C1) >= C2 ? 30 : 60) - Carte;
    }
    if (CM2 <= CM3) { // the next player's top card beats the mover's
        if (LM3 == 1) return -Carte;
        const uint32_t reste3 = Reste(CM3);
        const bool sousLaMain = C2 <= C1 || (CM2 ^ C2) <= CM1;
        if (LM2 <= LM3) {
            if (CM4 <= C1) {
                if (reste3 >= CM4 && reste3 >= CM2) return (sousLaMain ? 30 : 60) - Carte;
                return (C2 <= C1 ? 30 : 60) - Carte;
            }
            return (C2 <= C1 ? 60 : 30) - Carte;
        }
        if (CM4 <= C1) return sousLaMain ? 30 - Carte : Carte + 40;
        if (reste3 >= CM4) {
            if (C2 <= C1) return 60 - Carte;
            return (CM2 ^ C2) <= CM1 ? 30 - Carte : Carte + 40;
        }
        return (C2 <= C1 ? 60 : 30) - Carte;
    }
    // The mover's top card beats the next player's.
    if (atout) {
        if ((CM1 & 0xC00) != 0 && (CM3 & 0xC00) != 0 && LM3 > 1 && LM2 > LM1 && CM4 > 0x200)
            return 30 - Carte;
    } else if (((k.A(CM1, 2) && k.A(CM3, 3)) || (k.A(CM1, 3) && k.A(CM3, 2))) && LM3 > 1 && LM2 > LM1 &&
               (C1 | Reste(CM3)) < CM4) {
        return 60 - Carte;
    }
    if ((CM3 | C1) >= C2) {
        if (C2 <= C1 || CM4 <= CM3) return 30 - Carte;
        return (LM4 == 1 && C2 > CM4 ? 20 : 50) - Carte;
    }
    if (LM3 != 1 && k.A(CM3, 2) && InvRelRang[2][CM2 ^ C2] < InvRelRang[2][CM1] && CM4 > C1 &&
        MaxCard[CM4] > InvRelRang[2][CM3] && (!atout || LM4 != 1 || LMA4 == 0))
        return 30 - Carte;
    return 60 - Carte;
}

// Third hand following suit. Positions: 1 the leader (the mover's partner), 2 the previous player, 3 the
// mover (C3 the card weighed), 4 the next player.
int SolveurDM::CouleurFournie3(int Couleur, int Carte, uint32_t CM) const {
    if (C1 > C2 || CC2 != Couleur) { // the partner is winning the trick
        if (C1 > CM4) {
            const uint32_t apres = CM3 ^ C3;
            if (CM3 > C1 && LM1 == 0 && NumberOnes[apres & CacheMainInf[MaxCard[CM2]]] >= LM2 &&
                NumberOnes[apres & CacheMainInf[MaxCard[CM4 ^ Pw(MinCard[CM4])]]] >= LM4 - 1 && C3 > C1)
                return 160 - Carte; // overtake a partner with no card left, keeping enough winners
            if (MaxCard[CM3] == MaxCard[CM] && (CM4 ^ C2 ^ CM2) < Pw(MinCard[CM3]) && LM3 < LM1 &&
                Carte == MaxCard[CM3])
                return 160 - Carte; // unblock: the shorter hand holds only winners
            return 130 - Carte;
        }
        if (CM3 > CM4) return (C3 > CM4 ? 160 : 130) - Carte;
        if (LM4 == 1) return 160 - Carte;
        // Cover cheaply: the lowest group of the mover above the next player's second group.
        if (C3 > C1 && (CM4 & (C3 - C1)) != 0 &&
            ButtomExaequo(SOne, Couleur, Carte) == MinCard[CM3 & ~(Pw(Niveau(CM4)) - 1)])
            return 160 - Carte;
        return 130 - Carte;
    }
    if ((CM4 | C2) < CM3) {
        if ((CM4 | C2) < C3) return 160 - Carte;
        return (C3 > C2 ? 150 : 130) - Carte;
    }
    if (CM3 > C2) { // the next player holds a card above all of the mover's
        if (LM4 == 1 || MinCard[CM4] > MaxCard[CM3]) return 130 - Carte;
        const uint32_t R = Reste(CM4);
        if (R < CM3 && (R < CM1 || R < Pw(InvRelRang[2][CM3])))
            return (C3 > C2 && R < C3 ? 160 : 130) - Carte;
        return (C3 > C2 ? 160 : 130) - Carte;
    }
    // The mover cannot beat the second card: unblock with the higher of two cards.
    const int bas3 = MinCard[CM3];
    if (LM3 == 2 && MaxCard[CM4 ^ CM2] < bas3 && bas3 > MinCard[CM1] && bas3 < MaxCard[CM1])
        return Carte + 130;
    return 130 - Carte;
}

// Fourth hand following suit. Positions: 1 the leader, 2 the mover's partner, 3 the previous player, 4 the
// mover (C4 the card weighed).
int SolveurDM::CouleurFournie4(int, int Carte, uint32_t CM) const {
    const uint32_t W = C1 ^ C3;                                  // the opponents' cards on the table
    if (W >= C2) return (W < CM4 && W < C4 ? 150 : 100) - Carte; // win with the cheapest winning group
    const uint32_t apres = CM4 ^ C4;
    if (CM4 > C2 && LM2 == 0 && NumberOnes[apres & CacheMainInf[MaxCard[CM3]]] >= LM3 &&
        NumberOnes[apres & CacheMainInf[MaxCard[CM1]]] >= LM1 && C4 > C2)
        return 150 - Carte;
    if (MaxCard[CM4] == MaxCard[CM] && (CM1 ^ CM3) < Pw(MinCard[CM4]) && LM4 < LM2 && Carte == MaxCard[CM4])
        return 150 - Carte;
    const Rangs k(CM);
    if (C2 > CM4 && LM1 < 2 && LM3 < 2 && k.A(CM4, 1) && k.A(CM4, 2)) return 150 - Carte;
    return 100 - Carte;
}

int SolveurDM::ButtomExaequo(int J, int Couleur, int Carte) const {
    return BasDuGroupe(MainsDM[J][Couleur], CouleurEnMainSDM[Couleur][NPli], Carte);
}

} // namespace vasterel
