#include "solver/TablesSolveur.h"

#include "hand/VariablesGlobales.h"

namespace vasterel {

TableBornee<int8_t, 0, 8191> MaxCard;
TableBornee<int8_t, 0, 8191> MinCard;
TableBornee<TableBornee<int8_t, 0, 8191>, -1, 13> RelRang;
TableBornee<TableBornee<int8_t, 0, 8191>, 0, 13> InvRelRang;
TableBornee<TableBornee<int32_t, 0, 12>, 0, 12> Cache;
TableBornee<uint16_t, -1, 13> CacheLevees;
TableBornee<uint16_t, -1, 7> CacheLeveesQT;
TableBornee<uint16_t, -1, 12> CacheMainSup;
TableBornee<uint16_t, -1, 12> CacheMainInf;
TableBornee<uint32_t, 0, 13> Masque;

void InitialiseSDM() {
    for (int m = 0; m <= 8191; ++m) {
        MaxCard[m] = MinCard[m] = -1;
        int position = 0;
        for (int r = 12; r >= 0; --r) {
            if ((m & PW[r]) == 0) continue;
            if (MaxCard[m] < 0) MaxCard[m] = static_cast<int8_t>(r);
            MinCard[m] = static_cast<int8_t>(r);
            ++position;
            RelRang[r][m] = static_cast<int8_t>(position);
            InvRelRang[position][m] = static_cast<int8_t>(r);
        }
        for (int r = 0; r <= 12; ++r)
            if ((m & PW[r]) == 0) RelRang[r][m] = 13;
        RelRang[-1][m] = 14;
        RelRang[13][m] = 0;
        InvRelRang[0][m] = 13;
        for (int k = position + 1; k <= 13; ++k)
            InvRelRang[k][m] = 13;
        NumberOnes[m] = static_cast<uint8_t>(position);
    }
    for (int a = 0; a <= 12; ++a)
        for (int b = 0; b <= 12; ++b) {
            const int bas = a < b ? a : b, haut = a < b ? b : a;
            int32_t entre = 0;
            for (int r = bas + 1; r < haut; ++r)
                entre |= PW[r];
            Cache[a][b] = entre;
        }
    CacheLevees[-1] = 0;
    for (int k = 0; k <= 13; ++k)
        CacheLevees[k] = static_cast<uint16_t>((1 << k) - 1);
    CacheLeveesQT[-1] = 0;
    for (int k = 0; k <= 7; ++k)
        CacheLeveesQT[k] = static_cast<uint16_t>((1 << (k + 1)) - 2);
    CacheMainSup[-1] = 0;
    CacheMainInf[-1] = CouleurPleine;
    for (int k = 0; k <= 12; ++k) {
        CacheMainSup[k] = static_cast<uint16_t>((1 << (k + 1)) - 1);
        CacheMainInf[k] = static_cast<uint16_t>(CouleurPleine - ((1 << k) - 1));
    }
    for (int k = 0; k <= 13; ++k)
        Masque[k] = static_cast<uint32_t>((uint64_t{1} << (2 * k)) - 1);
}

} // namespace vasterel
