// The yes/no tree search: can the side of Entameur take Target tricks? Depth first, one card per ply, with
// boolean values and immediate cut-offs. Only the nodes of the current line exist.

#include "solver/Memoires.h"
#include "solver/SolveurDM.h"

namespace vasterel {

namespace {
inline bool MemeCamp(int a, int b) {
    return (a % 2) == (b % 2);
}
} // namespace

void SolveurDM::Arbre(Node R) {
    ++compteNoeuds_;
    if (PP == 0 && R->FilsAine == nullptr) {
        SOne = Entameur;
        if (Atout == 0)
            PlisImmediatsSA(R);
        else
            PlisImmediatsAtout(R);
    }

    if (R->Table != 1 && R->Target != 1) {
        ++PP;
        PPRang = PP % 4;
        NPli = (PP - 1) / 4 + 1;
        ListeCartesFils(R);
        CarteFils(R, SOne);
        Node N = &ligne_[static_cast<size_t>(PP) + 1];
        CreeNoeud(N, R, SOne);
        R->FilsAine = N;
        auto effaceTueurs = [&] {
            // A new trick begins below: the killers of its other plies belong to another lead.
            if (PPRang == 1 && Seuil - 3 > PP)
                BestMove[1][PP + 2] = BestMove[1][PP + 3] = BestMove[1][PP + 4] = 0;
        };
        effaceTueurs();

        while (N != nullptr) {
            if (PPRang == 0) {
                const TListeC &L = R->OrdreDesCoups[R->NumeroDuFils];
                ValeurDuNoeud(N, L);
                if (N->Table == 0 && N->Target == 0 && PP < Seuil) {
                    if (PP > SeuilTTPost)
                        VerifieTT(N);
                    else if (L.PEP != Nil)
                        CheckBounds(N, L.PEP);
                }
                if (N->Table == 0 && PP < Seuil) {
                    if (Atout == 0)
                        PlisImmediatsSA(N);
                    else
                        PlisImmediatsAtout(N);
                }
            }
            if (PPRang == 1 && PP < Seuil) {
                if (Atout == 0)
                    PlisImmediatsAdversaireSA(N);
                else
                    PlisImmediatsAdversaireAtout(N);
            }
            Arbre(N);
            SOne = N->Cardinal;
            if (N->Coupe == 1) {
                AnnuleNoeud(N);
                N = nullptr;
            } else {
                Node P = N->Pere;
                AnnuleNoeud(N);
                ++P->NumeroDuFils;
                if (CarteFrere(P) == 1) {
                    CreeNoeud(N, P, SOne);
                    effaceTueurs();
                } else {
                    N = nullptr;
                }
            }
        }
        --PP;
        PPRang = PP % 4;
        NPli = PP == 0 ? 0 : (PP - 1) / 4 + 1;
    }

    if (R->Table == 0 && PPRang == 0 && PP > 2 && PP < Seuil) FaitTT(R);
    if (R->Niveau > 0) AlphaBeta(R, MemeCamp(R->Cardinal, Entameur) ? 1 : 0);
}

void SolveurDM::AlphaBeta(Node N, int V) {
    Node P = N->Pere;
    P->Valeur = N->Valeur;
    if (N->Valeur == V) {
        N->Coupe = 1;
        for (int s = 1; s <= 4; ++s)
            P->LowestBound[s] = N->LowestBound[s];
        if (PP <= Seuil) {
            BestMove[1][PP] = N->Couleur;
            BestMove[2][PP] = N->Carte;
        }
        switch (PPRang) {
        case 1:
            mem_->BMove1[N->Cardinal][N->Couleur][N->Carte][NPli] =
                PositionCourante + PWPC[(N->Cardinal - 1) * 16 + (N->Couleur - 1) * 4];
            break;
        case 2:
            if (N->Couleur == CouleurRequise[NPli])
                mem_->BMove2[N->Couleur][P->Carte][static_cast<int>(CouleurEnMainSDM[N->Couleur][NPli] ^
                                                                    static_cast<uint32_t>(PW[N->Carte]))] =
                    static_cast<uint8_t>(N->Carte);
            break;
        case 3:
            if (Atout == 0) {
                const int cr = CouleurRequise[NPli];
                uint32_t m = CouleurEnMainSDM[cr][NPli];
                if (N->Couleur == cr)
                    m |= static_cast<uint32_t>(PW[N->Carte]); // in play before the third card
                const auto c = static_cast<uint8_t>((N->Couleur - 1) * 13 + N->Carte);
                const int second = P->Couleur == cr ? P->Carte : 14;
                mem_->BMove3[P->Pere->Carte][second][static_cast<int>(m)] = c;
            }
            break;
        default:
            break;
        }
    } else {
        for (int s = 1; s <= 4; ++s)
            if (N->LowestBound[s] < P->LowestBound[s]) P->LowestBound[s] = N->LowestBound[s];
    }
    if (PPRang == 0) {
        // The rank of the trick's winning group mattered when it beat a card of its own kind.
        const int w = WinPP[NPli];
        if (w != 0 && P->LowestBound[SQ[w]] > EX[w]) P->LowestBound[SQ[w]] = static_cast<int8_t>(EX[w]);
    }
}

void SolveurDM::CreeNoeud(Node N, Node R, int J) {
    N->Cardinal = static_cast<int8_t>(J);
    N->Niveau = static_cast<int8_t>(PP);
    N->Coupe = N->Table = N->Target = 0;
    N->FilsAine = nullptr;
    N->Pere = R;
    R->FilsAine = nullptr;
    N->Valeur = N->ValeurLocale = N->Main = 0;
    for (int s = 1; s <= 4; ++s) {
        N->LowestBound[s] = 13;
        N->UnderLB[s] = 0;
    }
    N->Carte = static_cast<int8_t>(Card[PP] % 16);
    N->Couleur = static_cast<int8_t>(TKCP);
    N->NumeroDuFils = 1;
    CouleurEnMainSDM[N->Couleur][NPli] &= ~static_cast<uint32_t>(PW[N->Carte]);
}

void SolveurDM::AnnuleNoeud(Node N) {
    MainsDM[N->Cardinal][N->Couleur] |= static_cast<uint32_t>(PW[N->Carte]);
    FaitPosition(N->Cardinal, N->Couleur, 1);
    CouleurEnMainSDM[N->Couleur][NPli] |= static_cast<uint32_t>(PW[N->Carte]);
}

void SolveurDM::ListeCartesFils(Node R) {
    if (PPRang == 1) {
        for (int s = 1; s <= 4; ++s)
            CouleurEnMainSDM[s][NPli] = CouleurEnMainSDM[s][NPli - 1];
        if (PP == 1) SOne = Entameur;
    } else {
        SOne = Suiv[SOne];
    }
    if (PPRang == 0 && PP < SeuilTTPost) {
        // The tricks won before this one, read at the boundary node that precedes it.
        MoveOrdering(R->Pere->Pere->Pere->ValeurLocale, R->OrdreDesCoups);
    } else {
        MoveOrdering(0, R->OrdreDesCoups);
    }
}

void SolveurDM::JoueCarte(int J, const TListeC &L) {
    TKCP = L.Couleur;
    Card[PP] = L.Carte;
    EX[PP] = L.ExAequo;
    SQ[PP] = L.Couleur;
    if (PPRang == 1) CouleurRequise[NPli] = L.Couleur;
    if (L.Couleur == Atout)
        Card[PP] += 32;
    else if (L.Couleur == CouleurRequise[NPli])
        Card[PP] += 16;
    MainsDM[J][L.Couleur] &= ~static_cast<uint32_t>(PW[L.Carte]);
    FaitPosition(J, L.Couleur, 0);
}

void SolveurDM::CarteFils(Node R, int J) {
    const TListeC &premier = R->OrdreDesCoups[1];
    JoueCarte(J, premier);
    R->UnderLB[premier.Couleur] ^= static_cast<uint32_t>(PW[premier.ExAequo]);
}

int SolveurDM::CarteFrere(Node P) {
    while (true) {
        const TListeC &M = P->OrdreDesCoups[P->NumeroDuFils];
        if (M.Carte == -1) return 0;
        const int lb = P->LowestBound[M.Couleur];
        if (lb > M.Carte && (P->UnderLB[M.Couleur] & static_cast<uint32_t>(PW[lb] - 1)) != 0) {
            // Below every rank that mattered, and a card below those ranks was already tried: equivalent.
            P->UnderLB[M.Couleur] ^= static_cast<uint32_t>(PW[M.Carte]);
            ++P->NumeroDuFils;
            continue;
        }
        TKCP = M.Couleur;
        P->UnderLB[M.Couleur] ^= static_cast<uint32_t>(PW[M.Carte]);
        JoueCarte(SOne, M);
        return 1;
    }
}

void SolveurDM::ValeurDuNoeud(Node N, const TListeC &L) {
    const int reste = NLevees - NPli;
    if (NombreDeCartesEnJeu == 4) {
        DerniereLevee(N, 1);
        return;
    }
    if (PP < SeuilTTPost) {
        N->Main = static_cast<int8_t>(L.Gain);
        WinPP[NPli] = L.CWR;
    } else {
        int w = 0;
        N->Main = static_cast<int8_t>(TrickWinner(0, 0, w));
        WinPP[NPli] = w;
    }
    SOne = N->Main;
    if (MemeCamp(N->Main, Entameur))
        Levees |= 1u << (NPli - 1);
    else
        Levees &= ~(1u << (NPli - 1));
    N->ValeurLocale = static_cast<int8_t>(NumberOnes[Levees & CacheLevees[NPli]]);
    if (N->ValeurLocale + reste < Target) {
        N->Valeur = 0;
        N->Table = 1;
    } else if (N->ValeurLocale >= Target) {
        N->Valeur = 1;
        N->Table = 1;
    } else if (PP == Seuil) {
        DerniereLevee(N, 0);
    }
}

int SolveurDM::JoueDernierPli(int L, int &couleurGagnante, int &W) const {
    auto carte = [&](int seat, int &couleur) -> uint32_t {
        for (int s = 1; s <= 4; ++s)
            if (MainsDM[seat][s] != 0) {
                couleur = s;
                return MainsDM[seat][s];
            }
        couleur = 0;
        return 0;
    };
    uint32_t meilleure = carte(L, couleurGagnante);
    int gagnant = L;
    W = 13;
    const int suivants[] = {Suiv[L], Part[L], Prec[L]};
    for (int seat : suivants) {
        int couleur = 0;
        const uint32_t c = carte(seat, couleur);
        if (couleur == couleurGagnante) {
            if (c > meilleure) {
                meilleure = c;
                gagnant = seat;
            }
            W = static_cast<int>(meilleure);
        } else if (Atout != 0 && couleur == Atout) {
            // A ruff wins whatever its rank, until an overruff compares trumps again.
            meilleure = c;
            gagnant = seat;
            couleurGagnante = Atout;
            W = 13;
        }
    }
    if (W != 13) W = MaxCard[W];
    return gagnant;
}

void SolveurDM::DerniereLevee(Node N, int /*Retour*/) {
    int couleurGagnante = 0, W = 13;
    const int gagnant = JoueDernierPli(N->Main, couleurGagnante, W);
    if (MemeCamp(gagnant, Entameur))
        Levees |= 1u << (NLevees - 1);
    else
        Levees &= ~(1u << (NLevees - 1));
    N->ValeurLocale = static_cast<int8_t>(NumberOnes[Levees & CacheLevees[NLevees]]);
    N->Valeur = N->ValeurLocale >= Target ? 1 : 0;
    N->Table = 1;
    if (N->LowestBound[couleurGagnante] > W) N->LowestBound[couleurGagnante] = static_cast<int8_t>(W);
}

int SolveurDM::TrickWinner(int Coul, int Carte, int &WR) const {
    int meilleur, plyMeilleur, premier;
    if (Coul != 0) {
        meilleur = Coul == Atout ? Carte + 32 : Coul == CouleurRequise[NPli] ? Carte + 16 : Carte;
        plyMeilleur = PP;
        premier = PP - 1;
    } else {
        meilleur = -1;
        plyMeilleur = 0;
        premier = PP;
    }
    int t = meilleur >= 32 ? 1 : 0;
    int f = meilleur >= 16 && meilleur < 32 ? 1 : 0;
    for (int k = premier; k >= PP - 3; --k) {
        const int code = Card[k];
        if (code >= 32)
            ++t;
        else if (code >= 16)
            ++f;
        if (code > meilleur) {
            meilleur = code;
            plyMeilleur = k;
        }
    }
    WR = (t >= 2 || (t == 0 && f != 1)) ? plyMeilleur : 0;
    switch (plyMeilleur % 4) {
    case 0:
        return SOne;
    case 1:
        return Suiv[SOne];
    case 2:
        return Part[SOne];
    default:
        return Prec[SOne];
    }
}

void SolveurDM::FaitPosition(int J, int Coul, int Mode) {
    const int64_t pas = PWPC[(J - 1) * 16 + (Coul - 1) * 4];
    PositionCourante = Mode == 0 ? PositionCourante - pas : PositionCourante + pas;
}

} // namespace vasterel
