// Candidate moves of the player to move, equivalent cards grouped into one move, sorted so that the moves
// most likely to reach the player's goal come first.

#include "solver/SolveurDM.h"

namespace vasterel {

void SolveurDM::GroupeCouleur(TListeCoups &Liste, int &n, int couleur, uint32_t m, uint32_t cs, bool entame,
                              bool suite) {
    bool ouvert = false;
    bool trou = false;
    for (int r = MaxCard[m]; r >= MinCard[m]; --r) {
        const auto bit = static_cast<uint32_t>(PW[r]);
        if (m & bit) {
            if (ouvert && !trou) {
                TListeC &L = Liste[n];
                L.ExAequo = static_cast<uint8_t>(r);
                if (suite || (entame && r > InvRelRang[4][cs])) L.Sequence = 1;
            } else {
                TListeC &L = Liste[++n];
                L.Couleur = couleur;
                L.Carte = r;
                L.ExAequo = static_cast<uint8_t>(r);
                L.Sequence = -1;
                L.Poids = 0;
                L.PEP = Nil;
                ouvert = true;
            }
            trou = false;
        } else if (cs & bit) {
            trou = true; // a card still in play elsewhere separates the cards on either side of it
        }
    }
}

void SolveurDM::MoveOrdering(int VL, TListeCoups &Liste) {
    Depth = NombreDeCartesEnJeu - 3 - PP;
    for (int i = 1; i <= 15 - NPli && i <= 14; ++i) {
        Liste[i].Carte = -1;
        Liste[i].Sequence = -1;
        Liste[i].Poids = 0;
    }

    if (PP < RangDebut) {
        TListeC &L = Liste[1];
        L.Couleur = donne_->CouleursJouees[PPRang];
        L.Carte = donne_->CartesJouees[PPRang];
        L.ExAequo = static_cast<uint8_t>(L.Carte);
        L.Sequence = -1;
        L.Gain = 0;
        L.CWR = 0;
        L.PEP = Nil;
        Liste[2].Couleur = 0;
        Liste[2].Carte = -1;
        return;
    }

    int n = 0;
    const auto &main = MainsDM[SOne];
    if (PPRang == 1) {
        for (int s = 1; s <= 4; ++s) {
            CMC1[s] = MainsDM[SOne][s];
            CMC2[s] = MainsDM[Suiv[SOne]][s];
            CMC3[s] = MainsDM[Part[SOne]][s];
            CMC4[s] = MainsDM[Prec[SOne]][s];
            LMC1[s] = NumberOnes[CMC1[s]];
            LMC2[s] = NumberOnes[CMC2[s]];
            LMC3[s] = NumberOnes[CMC3[s]];
            LMC4[s] = NumberOnes[CMC4[s]];
        }
        EtudeEntameLevee();
        for (int s = 4; s >= 1; --s)
            if (main[s] != 0) GroupeCouleur(Liste, n, s, main[s], CouleurEnMainSDM[s][NPli - 1], true, false);
    } else {
        const int cr = CouleurRequise[NPli];
        const uint32_t m = main[cr];
        if (m != 0) {
            GroupeCouleur(Liste, n, cr, m, CouleurEnMainSDM[cr][NPli - 1], false, true);
        } else {
            for (int s = 4; s >= 1; --s)
                if (main[s] != 0)
                    GroupeCouleur(Liste, n, s, main[s], CouleurEnMainSDM[s][NPli - 1], false, false);
        }

        // Follow context for the weights: at notrump only when following with a choice of cards.
        if (Atout != 0 || NumberOnes[m] > 1) {
            int seats[4];
            auto masque = [&](int ply) { return static_cast<uint32_t>(PW[Card[ply]]); };
            if (PPRang == 0) {
                CC1 = SQ[PP - 3];
                auto garde = [&](int cc) { return (cc == CC1 || (Atout != 0 && cc == Atout)) ? cc : 0; };
                CC2 = garde(SQ[PP - 2]);
                CC3 = garde(SQ[PP - 1]);
                C1 = masque(PP - 3);
                C2 = (Atout == 0 ? CC2 == CC1 : CC2 != 0) ? masque(PP - 2) : 0;
                C3 = (Atout == 0 ? CC3 == CC1 : CC3 != 0) ? masque(PP - 1) : 0;
                seats[0] = Suiv[SOne], seats[1] = Part[SOne], seats[2] = Prec[SOne], seats[3] = SOne;
            } else if (PPRang == 3) {
                CC1 = SQ[PP - 2];
                C1 = masque(PP - 2);
                if (Atout == 0) {
                    CC2 = SQ[PP - 1];
                    C2 = masque(PP - 1);
                } else {
                    CC2 = (SQ[PP - 1] == CC1 || SQ[PP - 1] == Atout) ? SQ[PP - 1] : 0;
                    C2 = CC2 != 0 ? masque(PP - 1) : 0;
                }
                seats[0] = Part[SOne], seats[1] = Prec[SOne], seats[2] = SOne, seats[3] = Suiv[SOne];
            } else {
                C1 = masque(PP - 1);
                seats[0] = Prec[SOne], seats[1] = SOne, seats[2] = Suiv[SOne], seats[3] = Part[SOne];
            }
            CM1 = MainsDM[seats[0]][cr], CM2 = MainsDM[seats[1]][cr];
            CM3 = MainsDM[seats[2]][cr], CM4 = MainsDM[seats[3]][cr];
            LM1 = NumberOnes[CM1], LM2 = NumberOnes[CM2], LM3 = NumberOnes[CM3], LM4 = NumberOnes[CM4];
            if (Atout != 0) {
                CMA1 = MainsDM[seats[0]][Atout], CMA2 = MainsDM[seats[1]][Atout];
                CMA3 = MainsDM[seats[2]][Atout], CMA4 = MainsDM[seats[3]][Atout];
                LMA1 = NumberOnes[CMA1], LMA2 = NumberOnes[CMA2];
                LMA3 = NumberOnes[CMA3], LMA4 = NumberOnes[CMA4];
            }
        }

        if (PPRang == 0 && PP < SeuilTTPost) {
            // Early tricks: the winner and a deciding table entry of each fourth card, found once here.
            for (int i = 1; i <= n; ++i) {
                TListeC &L = Liste[i];
                FaitPosition(SOne, L.Couleur, 0);
                int w = 0;
                L.Gain = TrickWinner(L.Couleur, L.Carte, w);
                L.CWR = w;
                L.PEP = Nil;
                VerifieTTImmediat(L, VL);
                FaitPosition(SOne, L.Couleur, 1);
            }
        }
    }

    Liste[n + 1].Couleur = 0;
    Liste[n + 1].Carte = -1;
    if (n > 1) {
        for (int i = 1; i <= n; ++i) {
            TListeC &L = Liste[i];
            if (Atout == 0) {
                L.Poids += AllouePoidsSA(L.Couleur, L.Carte, L.ExAequo, L.Sequence);
            } else {
                LastCJ = Liste[i + 1].Couleur != L.Couleur ? 1 : 0;
                L.Poids += AllouePoidsAA(L.Couleur, L.Carte, L.Sequence);
            }
        }
        TrieListe(Liste, n);
    }
}

void SolveurDM::TrieListe(TListeCoups &Liste, int n) {
    // Stable: moves of equal weight keep their generation order.
    bool echange = true;
    while (echange) {
        echange = false;
        for (int i = 1; i < n; ++i)
            if (Liste[i + 1].Poids > Liste[i].Poids) {
                std::swap(Liste[i], Liste[i + 1]);
                echange = true;
            }
    }
}

void SolveurDM::EtudeEntameLevee() {
    for (int i = 1; i <= 4; ++i) {
        int r = 0;
        if (Atout != 0 && i != Atout &&
            ((LMC2[i] == 0 && LMC2[Atout] > 0) || (LMC4[i] == 0 && LMC4[Atout] > 0)))
            r = -10;
        const int a = LMC2[i] == 0 ? Depth + 4 : 4 * LMC2[i];
        const int b = LMC4[i] == 0 ? Depth + 4 : 4 * LMC4[i];
        const int c = (Atout == 0 && LMC3[i] == 0) ? 15 : 0;
        SWD[i] = r - 2 * (a + b + c);
        if (i == Atout) {
            bool trouve = false;
            for (int j = 1; j <= 4; ++j) {
                if (j == Atout) continue;
                if ((LMC2[j] < 2 && LMC2[Atout] > 0) || (LMC4[j] < 2 && LMC4[Atout] > 0)) {
                    trouve = true;
                    if (CouleurEnMainSDM[j][NPli] == CouleurPleine) SWD[j] -= 25;
                }
            }
            if (trouve && PP == 1) SWD[i] += 20;
        }
    }
}

int SolveurDM::WinTrick() const {
    if (PPRang == 3) return Card[PP - 2] > Card[PP - 1] ? Part[SOne] : Prec[SOne];
    if (Card[PP - 3] > Card[PP - 2]) return Card[PP - 3] > Card[PP - 1] ? Suiv[SOne] : Prec[SOne];
    return Card[PP - 2] > Card[PP - 1] ? Part[SOne] : Prec[SOne];
}

} // namespace vasterel
