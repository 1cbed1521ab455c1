// Hand points and support points of the configurable systems (SEF, Personnel A, Personnel B), driven by their
// TCompte records. The fixed systems are handed to the functions of SystemesFixes.cpp.

#include "evaluation/FonctionsOrlune.h"

namespace vasterel {

namespace {

constexpr uint16_t As = 0x1000, Roi = 0x800, Dame = 0x400, Valet = 0x200, Dix = 0x100, Neuf = 0x80;

// The holding of a suit among the given top cards, to compare with an exact combination.
constexpr uint16_t Parmi(uint16_t mask, uint16_t cartes) { return mask & cartes; }
constexpr bool Tient(uint16_t mask, uint16_t cartes) { return (mask & cartes) == cartes; }

// The configurable system a count reads: an option character outside F, A, B never gets here.
const TCompte &Compte(int n) { return ComptePoints[n]; }

} // namespace

int FO_CalculPoints(const TMainF &MainF, int J1, int J2, int &PHO, char Option) {
    const int n = SelonOption(Option);
    if (n >= 4) return FO_CalculPointsB(MainF, J1, J2, PHO, Option);
    // Not one of the six option characters: no system, no points.
    if (n == 0) {
        PHO = 0;
        return 0;
    }
    const TCompte &C = Compte(n);
    PHO = C.PHO == 'M' ? FO_CalculPHO(MainF) : ArrondiPair(FO_CalculPHOZAR(MainF) + 0.5);
    float S = static_cast<float>(PHO);

    int L[5] = {};
    for (int s = 1; s <= 4; ++s) L[s] = NumberOnes[MainF[s]];

    if (C.Sequence_ARD_ARV_ADV_RDV != 0) {
        int k = 0;
        for (int s = 1; s <= 4; ++s) k += NumberOnes[Parmi(MainF[s], MasqueHonneurs)] == 3;
        S += C.Sequence_ARD_ARV_ADV_RDV * static_cast<float>(k);
    }
    if (C.Sequence_RDX_RVX_DVX != 0) {
        int k = 0;
        for (int s = 1; s <= 4; ++s) {
            const uint16_t h = Parmi(MainF[s], As | Roi | Dame | Valet | Dix);
            // Only K Q 10 needs a fourth card.
            k += (h == (Roi | Dame | Dix) && L[s] >= 4) + (h == (Roi | Valet | Dix)) + (h == (Dame | Valet | Dix));
        }
        S += C.Sequence_RDX_RVX_DVX * static_cast<float>(k);
    }
    if (C.BonusAs != 0) {
        int as = 0;
        for (int s = 1; s <= 4; ++s) as += (MainF[s] & As) != 0;
        S += C.BonusAs * static_cast<float>(as > 0 ? as - 1 : 0);
    }
    if (C.QuatreDix_Neuf != 0) {
        // A 10 standing in K Q 10 or Q J 10 is counted by the sequence bonus when that bonus is on, so it is
        // left out here; with the bonus off, only such tens count.
        const bool sansSequence = C.Sequence_RDX_RVX_DVX == 0;
        int dix = 0, neuf = 0;
        for (int s = 1; s <= 4; ++s) {
            const uint16_t m = MainF[s];
            neuf += (m & Neuf) != 0;
            if (!(m & Dix)) continue;
            const bool enSequence = Tient(m, Roi | Dame | Dix) || Tient(m, Dame | Valet | Dix);
            dix += enSequence == sansSequence;
        }
        S += static_cast<float>(dix - 1) * 0.5f + static_cast<float>(neuf - 1) * 0.25f;
    }
    if (C.Longueur != 0) {
        int k = 0;
        for (int s = 1; s <= 4; ++s)
            if (L[s] >= 5) k += (C.Longueur == 1 || FO_BelleCouleur(MainF[s])) ? L[s] - 4 : L[s] - 5;
        S += static_cast<float>(k); // the value is a mode, not a multiplier
    }

    // Two-suiters: the suit pairs in the order (1,2), (1,3), (1,4), (2,3), (2,4), (3,4).
    bool b54 = false;
    int cinq = 0, onzePlus = 0;
    for (int i = 1; i <= 4; ++i) {
        cinq += L[i] == 5;
        for (int j = i + 1; j <= 4; ++j) {
            b54 = b54 || (L[i] == 5 && L[j] == 4);
            if (onzePlus == 0 && L[i] >= 6 && L[j] >= 5) onzePlus = L[i] + L[j] - 10;
        }
    }
    if (C.Bicolore54 != 0 && b54) S += C.Bicolore54;
    if (C.Bicolore55 != 0 && cinq >= 2) S += C.Bicolore55;
    if (C.BicoloreSuperieur55 != 0) S += C.BicoloreSuperieur55 * static_cast<float>(onzePlus);

    if (C.HonneursCourts != 0) {
        int k = 0;
        for (int s = 1; s <= 4; ++s) {
            const uint16_t m = MainF[s];
            if (L[s] == 1) k += m == Roi || m == Dame || m == Valet;
            if (L[s] == 2) k += m == (Roi | Dame) || m == (Roi | Valet) || m == (Dame | Valet);
        }
        S += C.HonneursCourts * static_cast<float>(k);
    }
    if (C.MalusAs != 0) {
        bool as = false;
        for (int s = 1; s <= 4; ++s) as = as || (MainF[s] & As);
        if (!as) S += C.MalusAs;
    }
    if (C.Couleur3PerdantesImmediates != 0) {
        int k = 0;
        for (int s = 1; s <= 4; ++s) k += L[s] == 3 && Parmi(MainF[s], As | Roi | Dame | Valet | Dix) == 0;
        S += C.Couleur3PerdantesImmediates * static_cast<float>(k);
    }

    const int resultat = ArrondiPair(S);
    return resultat < 0 ? 0 : resultat;
}

int FO_CalculPS(const TMainF &MainF, int PHO, int Atout, int J1, int J2, char Option, int Ultime, int LonPar) {
    const int n = SelonOption(Option);
    if (n >= 4) return FO_CalculPSB(MainF, PHO, Atout, J1, J2, Option, Ultime, LonPar);
    if (n == 0 || Atout < 1 || Atout > 4) return 0; // no system (or no trump suit): no points
    // Ultime 0 would leave the fit base undefined; no caller passes it, and it is taken as 1.
    const int B = 8 - LonPar;
    const TCompte &C = Compte(n);
    const uint16_t atouts = MainF[Atout];
    const int T = NumberOnes[atouts];

    float S = static_cast<float>(FO_CalculPoints(MainF, J1, J2, PHO, Option));

    int chicanes = 0, singletons = 0, doubletons = 0, courtes = 0;
    bool regulier4333 = true;
    for (int s = 1; s <= 4; ++s) {
        const int l = NumberOnes[MainF[s]];
        chicanes += l == 0;
        singletons += l == 1;
        doubletons += l == 2;
        courtes += l < 2;
        regulier4333 = regulier4333 && (l == 3 || l == 4);
    }

    if (C.Chicane != 0 && chicanes > 0) S += C.Chicane; // once, however many voids
    if (C.Singleton != 0) S += C.Singleton * static_cast<float>(singletons);
    if (C.Doubleton4Atouts != 0 && T >= 4 && doubletons > 0) S += C.Doubleton4Atouts;
    if (C.Doubleton3Atouts != 0 && T <= 3 && doubletons > 0) S += C.Doubleton3Atouts;
    if (C.SecondDoubleton != 0 && doubletons >= 2) S += C.Doubleton3Atouts;
    if (C.FitExactSansHonneurs != 0 && T == B && (atouts & (As | Roi | Dame | Valet | Dix)) == 0)
        S += C.FitExactSansHonneurs;
    if (C.Penalite4333 != 0 && regulier4333) S += C.Penalite4333;
    if (C.PenaliteNoSingleton != 0 && courtes == 0) S += C.PenaliteNoSingleton;

    int d = T - B;
    d = d < -2 ? -2 : d > 3 ? 3 : d;
    S += C.AtoutsSurnumeraires[d];

    // The trump suit's length is valued by the fit, so its length points are taken back whatever the mode.
    if (T >= 5) S -= static_cast<float>(FO_BelleCouleur(atouts) ? T - 4 : T - 5);

    const int resultat = ArrondiPair(S);
    return resultat < 0 ? 0 : resultat;
}

} // namespace vasterel
