// High-card points on the two scales, the tens-and-nines correction, the good-suit test, the strict bounds
// tests, the shared rounding rule and the system number of an option character.

#include "evaluation/FonctionsOrlune.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace vasterel {

int ArrondiPair(double x) {
    if (std::isnan(x)) return 0;
    constexpr double haut = std::numeric_limits<int>::max(), bas = std::numeric_limits<int>::min();
    if (x >= haut) return std::numeric_limits<int>::max();
    if (x <= bas) return std::numeric_limits<int>::min();
    double entier = std::floor(x);
    const double reste = x - entier;
    if (reste > 0.5 || (reste == 0.5 && std::fmod(entier, 2.0) != 0.0)) entier += 1.0;
    return static_cast<int>(entier);
}

int FO_CalculPHOSuit(uint16_t mask) { return NumberPoints[mask & MasqueHonneurs]; }

int FO_CalculPHO(const TMainF &MainF) {
    int n = 0;
    for (int s = 1; s <= 4; ++s) n += FO_CalculPHOSuit(MainF[s]);
    return n;
}

double FO_CalculPHOZAR(const TMainF &MainF) {
    double p = 0;
    for (int s = 1; s <= 4; ++s) {
        const uint16_t m = MainF[s];
        if (m & 0x1000) p += 4.5;
        if (m & 0x0800) p += 3;
        if (m & 0x0400) p += 1.5;
        if (m & 0x0200) p += 0.5;
    }
    return p;
}

int FO_CalculCorrectionHonneurs(char, const TMainF &MainF, int) {
    int dix = 0, neuf = 0;
    for (int s = 1; s <= 4; ++s) {
        dix += (MainF[s] & 0x100) != 0;
        neuf += (MainF[s] & 0x80) != 0;
    }
    double v = (dix - 1) * 0.5 + (neuf - 1) * 0.25;
    // A short suit tips an exact half upwards.
    for (int s = 1; s <= 4; ++s)
        if (NumberOnes[MainF[s]] < 2) v += 0.1;
    return ArrondiPair(v);
}

namespace {

// The top-six pattern of a suit: bit 5 the A, 4 the K, 3 the Q, 2 the J, 1 the 10, 0 the 9.
constexpr int HautDeCouleur(uint16_t mask) { return (mask >> 7) & 0x3F; }

// A list of top-card holdings ("A K 10; Q J 10 9; ...") as a set of top-six patterns.
constexpr uint64_t Patrons(std::string_view liste) {
    uint64_t ensemble = 0;
    int patron = 0;
    for (size_t i = 0; i <= liste.size(); ++i) {
        const char c = i < liste.size() ? liste[i] : ';';
        switch (c) {
        case 'A': patron |= 32; break;
        case 'K': patron |= 16; break;
        case 'Q': patron |= 8; break;
        case 'J': patron |= 4; break;
        case '1': patron |= 2; ++i; break; // "10"
        case '9': patron |= 1; break;
        case ';':
            ensemble |= uint64_t{1} << patron;
            patron = 0;
            break;
        default: break;
        }
    }
    return ensemble;
}

// The lists are exact sets: a pattern close to a listed one is not good unless listed itself.
// clang-format off
constexpr uint64_t Patron4 = Patrons(
    "Q J 10; Q J 10 9; K J 10 9; K Q J; K Q J 9; K Q J 10; A J 10; A J 10 9; A Q J; A Q J 9; A Q J 10; A K; "
    "A K 9; A K 10; A K 10 9; A K J; A K J 9; A K J 10; A K Q; A K Q 9; A K Q 10; A K Q J");
constexpr uint64_t Patron5 = Patrons(
    "Q J 10; K J 10; K J 10 9; K Q; K Q 9; K Q 10; K Q 10 9; K Q J; K Q J 9; K Q J 10; K Q J 10 9; A 10 9; "
    "A J 9; A J 10; A J 10 9; A Q; A Q 9; A Q 10; A Q 10 9; A Q J; A Q J 9; A Q J 10; A Q J 10 9; A K; A K 9; "
    "A K 10; A K 10 9; A K J; A K J 9; A K J 10; A K J 10 9; A K Q; A K Q 9; A K Q 10; A K Q 10 9; A K Q J; "
    "A K Q J 9; A K Q J 10");
constexpr uint64_t Patron6 = Patrons(
    "Q J 9; Q J 10; Q J 10 9; K J 9; K J 10; K J 10 9; K Q; K Q 9; K Q 10; K Q 10 9; K Q J; K Q J 9; K Q J 10; "
    "K Q J 10 9; A 10 9; A J; A J 9; A J 10; A J 10 9; A Q; A Q 9; A Q 10; A Q 10 9; A Q J; A Q J 9; A Q J 10; "
    "A Q J 10 9; A K; A K 9; A K 10; A K 10 9; A K J; A K J 9; A K J 10; A K J 10 9; A K Q; A K Q 9; A K Q 10; "
    "A K Q 10 9; A K Q J; A K Q J 9; A K Q J 10; A K Q J 10 9");
// clang-format on
static_assert(std::popcount(Patron4) == 22 && std::popcount(Patron5) == 38 && std::popcount(Patron6) == 43);

} // namespace

bool FO_BelleCouleur(uint16_t mask) {
    const int longueur = NumberOnes[mask];
    const uint64_t bit = uint64_t{1} << HautDeCouleur(mask);
    if (longueur >= 6) return (Patron6 & bit) != 0;
    if (longueur == 5) return (Patron5 & bit) != 0;
    if (longueur == 4) return (Patron4 & bit) != 0;
    return false;
}

bool FO_Borne(int V, int B, int H) { return B < V && V < H; }

// Unordered comparisons (a NaN anywhere) are false, so the answer is false.
bool FO_Borne(float V, float B, float H) { return B < V && V < H; }

int SelonOption(char Option) {
    switch (Option) {
    case 'F': return 1;
    case 'A': return 2;
    case 'B': return 3;
    case 'Z': return 4;
    case 'K': return 5;
    case 'C': return 6;
    default: return 0;
    }
}

char OptionDuSysteme(int systeme) {
    constexpr std::string_view lettres = "FABZKC";
    return systeme >= 1 && systeme <= 6 ? lettres[static_cast<size_t>(systeme - 1)] : '\0';
}

} // namespace vasterel
