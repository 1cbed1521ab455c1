#pragma once
// The solver's start-up tables, indexed by suit masks and ranks: every count, extreme and relative rank of a
// suit is one read. Filled once by InitialiseSDM (after InitialiseVariablesGlobales, whose PW it reads).

#include "hand/TableBornee.h"

#include <cstdint>

namespace vasterel {

// clang-format off
extern TableBornee<int8_t, 0, 8191> MaxCard;   // highest rank of a mask, -1 for the empty mask
extern TableBornee<int8_t, 0, 8191> MinCard;   // lowest rank, -1 for the empty mask
// RelRang[r][m]: position of rank r among the cards of m from the top (1 = highest), 13 when r is not in m;
// row -1 is 14 and row 13 is 0 throughout.
extern TableBornee<TableBornee<int8_t, 0, 8191>, -1, 13> RelRang;
// InvRelRang[k][m]: rank of the k-th highest card of m, 13 beyond the cards of m; row 0 is 13.
extern TableBornee<TableBornee<int8_t, 0, 8191>, 0, 13> InvRelRang;
extern TableBornee<TableBornee<int32_t, 0, 12>, 0, 12> Cache;   // ranks strictly between a and b
extern TableBornee<uint16_t, -1, 13> CacheLevees;    // first k tricks of a trick mask: 2^k - 1
extern TableBornee<uint16_t, -1, 7>  CacheLeveesQT;  // bits 1..k: 2^(k+1) - 2
extern TableBornee<uint16_t, -1, 12> CacheMainSup;   // ranks 0..k
extern TableBornee<uint16_t, -1, 12> CacheMainInf;   // ranks k..12
extern TableBornee<uint32_t, 0, 13>  Masque;         // lowest 2k bits: compares k packed owners
// clang-format on

void InitialiseSDM();

} // namespace vasterel
