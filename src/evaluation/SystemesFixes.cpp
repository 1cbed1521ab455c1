// Hand points and support points of the three systems without parameters: Zar, Kaplan-Rubens and
// Charles-Gigault.

#include "evaluation/FonctionsOrlune.h"

#include <algorithm>
#include <cmath>

namespace vasterel {

namespace {

constexpr uint16_t As = 0x1000, Roi = 0x800, Dame = 0x400, Valet = 0x200, Dix = 0x100, Neuf = 0x80, Huit = 0x40;
constexpr uint16_t Honneurs5 = As | Roi | Dame | Valet | Dix;

constexpr bool Tient(uint16_t mask, uint16_t cartes) { return (mask & cartes) == cartes; }
int Nombre(uint16_t mask, uint16_t cartes) { return NumberOnes[mask & cartes]; }

// Kaplan-Rubens value of a suit's holding among A, K, Q, J and 10 (exact holding), L its length.
double ValeurHonneursKR(uint16_t m, int L) {
    const bool neuf = (m & Neuf) != 0;
    switch (m & Honneurs5) {
    case Dame: return L >= 3 ? 0.75 : L == 2 ? 0.25 : 0;
    case Dame | Dix: return neuf ? 1 : 0.75;
    case Dame | Valet: return 0.5;
    case Dame | Valet | Dix: return 1.25;
    case Roi: return L >= 2 ? 2 : 0.5;
    case Roi | Dix: return neuf ? 2.25 : 2;
    case Roi | Valet: return 2.25;
    case Roi | Valet | Dix: return 2.5;
    case Roi | Dame: return L >= 3 ? 3 : 2.5;
    case Roi | Dame | Dix: return 3.25;
    case Roi | Dame | Valet: return 3.5;
    case Roi | Dame | Valet | Dix: return 3.75;
    case As: return 3;
    case As | Dix: return neuf ? 3.25 : 3;
    case As | Valet: return 3.25;
    case As | Valet | Dix: return 3.5;
    case As | Dame: return L >= 3 ? 4 : 3.5;
    case As | Dame | Dix: return 4.25;
    case As | Dame | Valet: return 4.5;
    case As | Dame | Valet | Dix: return 4.75;
    case As | Roi: return 5;
    case As | Roi | Dix: return 5.25;
    case As | Roi | Valet: return 5.5;
    case As | Roi | Valet | Dix: return 5.75;
    case As | Roi | Dame: return 6;
    case As | Roi | Dame | Dix: return 6.25;
    case As | Roi | Dame | Valet: return 6.5;
    case As | Roi | Dame | Valet | Dix: return 6.75;
    default: return 0; // none of A, K, Q
    }
}

// Kaplan-Rubens suit quality: length times the suit's improved points, over 10.
double QualiteKR(uint16_t m, int L) {
    double q = FO_CalculPHOSuit(m);
    if (L >= 2 && L <= 6) {
        if (m & Dix) q += ((m & Valet) || Nombre(m, As | Roi | Dame) >= 2) ? 1 : 0.5;
        if ((m & Neuf) && ((m & (Huit | Dix)) || Nombre(m, As | Roi | Dame | Valet) >= 2)) q += 0.5;
    } else if (L == 7) {
        if (!Tient(m, Dame | Valet)) q += 1;
    } else if (L == 8) {
        if (!Tient(m, Dame | Valet)) q += 2;
    } else if (L >= 9) {
        // Ranks 2..6 are the cards from the 4 to the 8.
        if (!((m & Valet) && (m & 0x7C))) q += 3;
    }
    return L * q / 10;
}

// Fractional part exactly one half (the Zar tie rule); negative totals never tie.
bool DemiExact(float x) { return x - std::trunc(x) == 0.5f; }

int PositifArrondi(double x) {
    const int r = ArrondiPair(x);
    return r < 0 ? 0 : r;
}

} // namespace

int FO_CalculPHKR(const TMainF &MainF) {
    double pk1 = 0, pk3 = 0;
    for (int s = 1; s <= 4; ++s) pk1 += ValeurHonneursKR(MainF[s], NumberOnes[MainF[s]]);
    for (int s = 1; s <= 4; ++s) pk3 += QualiteKR(MainF[s], NumberOnes[MainF[s]]);
    return ArrondiPair(pk1 + pk3);
}

float FO_CalculPHLZAR(const TMainF &MainF, int, int) {
    float P = static_cast<float>(FO_CalculPHOZAR(MainF));
    int W = 0;
    float Dev = 0;
    for (int s = 1; s <= 4; ++s) {
        const uint16_t m = MainF[s];
        const int L = NumberOnes[m];
        if (L < 4 && (m & MasqueHonneurs) == 0) ++W; // voids included
        if (L == 2 && (m == (Roi | Dame) || m == (Roi | Valet) || m == (Dame | Valet))) Dev -= 0.5f;
        if (L == 1 && (m == Roi || m == Dame)) Dev -= 1;
        if (L == 1 && m == Valet) Dev -= 0.5f;
        if (Tient(m, Roi | Dame | Valet) || Tient(m, Dame | Valet | Dix | Neuf)) Dev += 0.5f;
    }
    if (P > 14 && W >= 1)
        P += 0.5f;
    else if (FO_Borne(P, 10.0f, 15.0f) && W >= 2)
        P += 0.5f;
    for (int s = 1; s <= 4; ++s) {
        const uint16_t m = MainF[s];
        if (NumberOnes[m] >= 5 && !(m & (As | Roi)) && !Tient(m, Dame | Valet)) P -= 1;
    }
    const float r = P + Dev;
    return r < 0 ? 0 : r;
}

float FO_CalculPDZAR(int L1, int L2, int L3, int L4) {
    int l[4] = {L1, L2, L3, L4};
    std::sort(l, l + 4, [](int x, int y) { return x > y; });
    const int a = l[0], b = l[1], c = l[2], d = l[3];
    const int n = (a + b) + (a - d) - 8;
    // For 9-2-1-1 and the shapes with a suit of ten cards or more the half is dropped.
    if ((a == 9 && b == 2 && c == 1 && d == 1) || a >= 10) return static_cast<float>(n / 2);
    return static_cast<float>(n) / 2;
}

int FO_CalculPointsB(const TMainF &MainF, int J1, int J2, int &PHO, char Option) {
    PHO = 0;
    int L[5] = {};
    int dixNeuf = 0;
    bool chicane = false;
    for (int s = 1; s <= 4; ++s) {
        L[s] = NumberOnes[MainF[s]];
        dixNeuf += (MainF[s] & Dix) ? 3 : 0;
        dixNeuf += (MainF[s] & Neuf) ? 2 : 0;
        chicane = chicane || L[s] == 0;
    }

    switch (Option) {
    case 'K': {
        const int K = FO_CalculPHKR(MainF);
        PHO = K;
        double X = K;
        bool r4333 = true;
        int doubletons = 0;
        for (int s = 1; s <= 4; ++s) r4333 = r4333 && (L[s] == 3 || L[s] == 4);
        if (r4333) X -= 0.5;
        for (int s = 1; s <= 4; ++s) {
            if (L[s] == 0) X += 3;
            if (L[s] == 1) X += 2;
            doubletons += L[s] == 2;
        }
        if (doubletons > 0) X += doubletons - 1;
        return PositifArrondi(X);
    }
    case 'Z': {
        PHO = ArrondiPair(FO_CalculPHOZAR(MainF) + 0.5);
        float H = FO_CalculPHLZAR(MainF, J1, J2);
        const float D = FO_CalculPDZAR(L[1], L[2], L[3], L[4]);
        // Two tens, a ten and two nines, three nines, or a void break a tie upwards.
        if (DemiExact(D + H)) H += (dixNeuf > 5 || chicane) ? 0.5f : -0.5f;
        return PositifArrondi(D + H);
    }
    case 'C': {
        PHO = FO_CalculPHO(MainF);
        const int X = PHO - FO_CalculCorrectionHonneurs('C', MainF, 0);
        double V = 0;
        for (int s = 1; s <= 4; ++s) {
            const bool bonne = Nombre(MainF[s], Honneurs5) >= 2;
            if (L[s] == 5) V += bonne ? 1 : 0;
            else if (L[s] == 6) V += bonne ? 2 : 1;
            else if (L[s] == 7) V += bonne ? 2.5 : 1.5;
            else if (L[s] >= 8) V += bonne ? 3 : 2;
        }
        return std::max(PHO, PositifArrondi(X + V));
    }
    default: return 0;
    }
}

int FO_Ouvreur(const TMainF &MainF, int J2, int Atout) { return NumberOnes[MainF[Atout]] >= 4 ? J2 : Part[J2]; }

int FO_CalculPSB(const TMainF &MainF, int, int Atout, int J1, int J2, char Option, int, int LonPar) {
    // BaseCommune. Ultime 0 would leave the fit base undefined; no caller passes it, and it is taken as 1.
    if (Atout < 1 || Atout > 4) return 0;
    int L[5] = {};
    int RDV = 0;
    double Distribution[5] = {};
    for (int s = 1; s <= 4; ++s) {
        L[s] = NumberOnes[MainF[s]];
        if (s == Atout) continue;
        RDV += Nombre(MainF[s], Roi | Dame | Valet);
        Distribution[s] = L[s] == 0 ? 3.1 : L[s] == 1 ? 2.1 : L[s] == 2 ? 0.9 : -0.1;
    }
    const uint16_t atouts = MainF[Atout];
    const int T = L[Atout];
    const int B = 8 - LonPar;
    const int d = T - B;

    switch (Option) {
    case 'K': {
        const int P = FO_CalculPHO(MainF);
        int D = 0, doubletons = 0;
        for (int s = 1; s <= 4; ++s) {
            D += L[s] == 0 ? 3 : L[s] == 1 ? 2 : 0;
            doubletons += L[s] == 2;
        }
        if (doubletons > 0) D += doubletons - 1;
        const bool ouvreur = FO_Ouvreur(MainF, J2, Atout) == J2;
        double A;
        if (T <= 1) A = -D;
        else if (T == 2) A = 0;
        else if (d == 0) A = (ouvreur ? 1.25 : 1.5) * D;
        else if (d == 1) A = (ouvreur ? 1.5 : 2.0) * D;
        else A = 2.0 * D;
        return PositifArrondi(P + A);
    }
    case 'Z': {
        const float Z = FO_CalculPHLZAR(MainF, J1, J2) + FO_CalculPDZAR(L[1], L[2], L[3], L[4]);
        float F = (d >= -8 && d <= -1) ? 2.5f * static_cast<float>(d) : 0.0f;
        if ((atouts & MasqueHonneurs) == 0) F -= 1;
        if (FO_CalculPHOSuit(atouts) >= 7) F += 1;
        bool courte = false;
        for (int s = 1; s <= 4; ++s) {
            if (d == 0) {
                if (T == 2 && L[s] == 0) F += 1.5f;
                if (T == 3 && L[s] <= 1) F += L[s] == 0 ? 1.5f : 1.0f;
                if (T >= 4 && L[s] <= 2) F += L[s] == 0 ? 1.5f : L[s] == 1 ? 1.0f : 0.5f;
            } else {
                const float fd = static_cast<float>(d);
                if (L[s] == 0) F += 1.5f * fd;
                if (L[s] == 1) F += fd;
                if (L[s] == 2) F += 0.5f * fd;
                courte = courte || L[s] < 2;
            }
        }
        if (DemiExact(F + Z)) F += courte ? 0.5f : -0.5f;
        return PositifArrondi(F + Z);
    }
    case 'C': {
        const int P = FO_CalculPHO(MainF) - FO_CalculCorrectionHonneurs('C', MainF, Atout);
        double V = (atouts & Dix) ? 0.5 : 0;
        for (int s = 1; s <= 4; ++s)
            if (s != Atout && (MainF[s] & Dix)) V += 0.25;
        if (atouts & Neuf) V += 0.25;
        V += 1 - 0.5 * RDV;

        float S = 0; // a single-precision sum, in suit order
        for (int s = 1; s <= 4; ++s) {
            if (s == Atout) continue;
            const uint16_t m = MainF[s];
            double v = (L[s] == 0 && T >= 4) ? 4.0 : Distribution[s];
            if (L[s] == 1) v -= m == Valet ? 0.25 : m == Dame ? 0.5 : (m == Roi || m == As) ? 1 : 0;
            // The list is exact: A Q and K J doubletons keep their full value.
            if (L[s] == 2 && (m == (Dame | Valet) || m == (Roi | Dix) || m == (Roi | Dame) || m == (As | Valet) ||
                              m == (As | Roi)))
                v -= 0.5;
            S += v;
        }

        double A;
        if (d >= -8 && d <= -1) A = 2.0 * d;
        else if (d == 1) A = 2;
        else if (d == 2) A = 3;
        else if (d == 3) A = 5;
        else if (d == 4 || d == 5) A = 7;
        else A = 0;
        return PositifArrondi(P + V + A + static_cast<double>(S));
    }
    default: return 0;
    }
}

} // namespace vasterel
