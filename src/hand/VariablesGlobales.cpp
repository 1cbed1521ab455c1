#include "hand/VariablesGlobales.h"

#include "solver/TablesSolveur.h"

#include <mutex>

namespace vasterel {

TableBornee<uint8_t, 0, 8192> NumberOnes;
TableBornee<uint8_t, 0, 7680> NumberPoints;
TableBornee<int32_t, -1, 45> PW;
TableBornee<int64_t, -1, 63> PWPC;
TableBornee<int8_t, 1, 4> Part;
TableBornee<int8_t, 1, 4> Prec;
TableBornee<int8_t, 1, 4> Suiv;
TableBornee<TableBornee<TableBornee<uint16_t, 1, 6>, 1, 3>, 1, 7> MarqueBase;
TableBornee<TableBornee<uint16_t, 1, 6>, 1, 13> LeveeDeChute;
std::string PoliceFederale;

int CountOnes(uint16_t w) {
    int n = 0;
    while (w != 0) {
        w &= static_cast<uint16_t>(w - 1);
        ++n;
    }
    return n;
}

namespace {

// Duplicate score of a contract made exactly. classe: 1 minor, 2 major, 3 notrump; facteur 1, 2 or 4 for
// undoubled, doubled, redoubled.
int Marque(int niveau, int classe, int facteur, bool vulnerable) {
    int plis = classe == 1 ? 20 * niveau : classe == 2 ? 30 * niveau : 40 + 30 * (niveau - 1);
    plis *= facteur;
    int total = plis;
    total += plis >= 100 ? (vulnerable ? 500 : 300) : 50;
    if (niveau == 6) total += vulnerable ? 750 : 500;
    if (niveau == 7) total += vulnerable ? 1500 : 1000;
    if (facteur == 2) total += 50;
    if (facteur == 4) total += 100;
    return total;
}

int Chute(int n, int facteur, bool vulnerable) {
    if (facteur == 1) return (vulnerable ? 100 : 50) * n;
    int double_;
    if (vulnerable)
        double_ = 200 + 300 * (n - 1);
    else
        double_ = n == 1 ? 100 : n <= 3 ? 100 + 200 * (n - 1) : 500 + 300 * (n - 3);
    return double_ * (facteur / 2);
}

} // namespace

void InitialiseVariablesGlobales() {
    for (int m = 0; m <= 8191; ++m)
        NumberOnes[m] = static_cast<uint8_t>(CountOnes(static_cast<uint16_t>(m)));
    NumberOnes[8192] = 0;

    NumberPoints = {};
    for (int h = 0; h < 16; ++h) {
        const int m = h << 9; // J, Q, K, A are bits 9..12
        NumberPoints[m] =
            static_cast<uint8_t>((h & 1) * 1 + ((h >> 1) & 1) * 2 + ((h >> 2) & 1) * 3 + ((h >> 3) & 1) * 4);
    }

    PW[-1] = 0;
    for (int i = 0; i <= 15; ++i)
        PW[i] = 1 << i;
    for (int i = 16; i <= 28; ++i)
        PW[i] = 1 << (i - 16);
    PW[29] = PW[30] = PW[31] = 0;
    for (int i = 32; i <= 45; ++i)
        PW[i] = 1 << (i - 32);

    PWPC = {};
    for (int i = 0; i <= 52; ++i)
        PWPC[i] = int64_t{1} << i;
    PWPC[56] = int64_t{1} << 56;
    PWPC[60] = int64_t{1} << 60;

    const int8_t part[] = {3, 4, 1, 2}, prec[] = {4, 1, 2, 3}, suiv[] = {2, 3, 4, 1};
    for (int s = 1; s <= 4; ++s) {
        Part[s] = part[s - 1];
        Prec[s] = prec[s - 1];
        Suiv[s] = suiv[s - 1];
    }

    const int facteurs[] = {1, 2, 4};
    for (int col = 1; col <= 6; ++col) {
        const bool vul = col > 3;
        const int facteur = facteurs[(col - 1) % 3];
        for (int niveau = 1; niveau <= 7; ++niveau)
            for (int classe = 1; classe <= 3; ++classe)
                MarqueBase[niveau][classe][col] = static_cast<uint16_t>(Marque(niveau, classe, facteur, vul));
        for (int n = 1; n <= 13; ++n)
            LeveeDeChute[n][col] = static_cast<uint16_t>(Chute(n, facteur, vul));
    }

    PoliceFederale = "Tahoma";
}

void InitialiseTables() {
    static std::once_flag fait;
    std::call_once(fait, [] {
        InitialiseVariablesGlobales();
        InitialiseSDM();
    });
}

namespace {
// Programs and tests get filled tables before main; InitialiseTables stays callable for static-init users.
const bool tablesPretes = (InitialiseTables(), true);
} // namespace

} // namespace vasterel
