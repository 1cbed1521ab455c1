// The control category of a partnership for a trump suit, the IMP scale and the check of typed integers.

#include "evaluation/FonctionsOrlune.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace vasterel {

int FO_ControlesLigne(const TCarreWord &MainF, int Atout, int Ligne) {
    const int j1 = Ligne == 1 ? 1 : 2, j2 = Part[j1];
    const uint16_t M = MainF[j1][Atout] | MainF[j2][Atout];
    const bool atouts1 = MainF[j1][Atout] != 0, atouts2 = MainF[j2][Atout] != 0;
    constexpr uint16_t As = 0x1000, Roi = 0x800, Dame = 0x400;

    int P = 0, S = 0;
    for (int c = 1; c <= 4; ++c) {
        const uint16_t m1 = MainF[j1][c], m2 = MainF[j2][c];
        if (c == Atout) {
            if (M & As) ++P;
            else if (M & Roi) ++S;
            continue;
        }
        // A shortness controls a suit only in the hand that can ruff it.
        const int l1 = NumberOnes[m1], l2 = NumberOnes[m2];
        if (((m1 | m2) & As) || (l1 == 0 && atouts1) || (l2 == 0 && atouts2))
            ++P;
        else if (((m1 | m2) & Roi) || (l1 <= 1 && atouts1) || (l2 <= 1 && atouts2))
            ++S;
    }
    const bool roi = (M & Roi) != 0;
    if (P == 4 && roi && ((M & Dame) || NumberOnes[M] >= 10)) return ControlesCPT;
    if (P == 4 || (P + S == 4 && roi)) return ControlesCST;
    return ControlesNC;
}

int FO_ConversionIMP(int X) {
    // Upper bound of |X| for 0, 1, 2, ... 23 IMPs; beyond the last, 24.
    static constexpr int Bornes[] = {10,  40,  80,  120, 160,  210,  260,  310,  360,  420,  490,  590,
                                     740, 890, 1090, 1290, 1490, 1740, 1990, 2240, 2490, 2990, 3490, 3990};
    const int64_t v = std::llabs(static_cast<int64_t>(X));
    int imp = 0;
    while (imp < 24 && v > Bornes[imp]) ++imp;
    return X < 0 ? -imp : imp;
}

bool FO_VerifieEntier(std::string_view S, int Bas, int Haut) {
    const auto blanc = [](char c) { return c == ' ' || c == '\t'; };
    while (!S.empty() && blanc(S.front())) S.remove_prefix(1);
    while (!S.empty() && blanc(S.back())) S.remove_suffix(1);
    bool negatif = false;
    if (!S.empty() && (S.front() == '+' || S.front() == '-')) {
        negatif = S.front() == '-';
        S.remove_prefix(1);
    }
    // Decimal digits only: no other base, no blank or second sign after the sign.
    if (S.empty()) return false;
    for (char c : S)
        if (c < '0' || c > '9') return false;
    uint64_t v = 0;
    const auto [fin, erreur] = std::from_chars(S.data(), S.data() + S.size(), v, 10);
    if (erreur != std::errc() || fin != S.data() + S.size()) return false; // too long for any integer
    const int64_t X = negatif ? -static_cast<int64_t>(std::min<uint64_t>(v, uint64_t{1} << 40))
                              : static_cast<int64_t>(std::min<uint64_t>(v, uint64_t{1} << 40));
    if (X < INT32_MIN || X > INT32_MAX) return false; // beyond 32 bits
    return Bas < X && X < Haut;
}

} // namespace vasterel
