#pragma once
// The solver's large per-request arrays: card owners and the three memories of moves that produced
// cut-offs. Kept apart from SolveurDM so that the object itself stays small.

#include "hand/TableBornee.h"

#include <cstdint>
#include <cstring>

namespace vasterel {

struct SolveurDMMemoires {
    // Owners[s][m]: owners of the cards of m from the highest down, two bits each (seat - 1).
    TableBornee<TableBornee<uint32_t, 0, 8191>, 1, 4> Owners;
    // Leader[s][m]: the seat holding the highest card of m.
    TableBornee<TableBornee<uint8_t, 0, 8191>, 1, 4> Leader;
    // [seat][suit][rank][trick]: position key in which that lead produced a cut-off; 0 = none.
    TableBornee<TableBornee<TableBornee<TableBornee<int64_t, 0, 12>, 0, 12>, 1, 4>, 1, 4> BMove1;
    // [suit][rank led][cards of the suit in play before the second card]: second-hand rank; 13 = none.
    TableBornee<TableBornee<TableBornee<uint8_t, 0, 8191>, 0, 12>, 1, 4> BMove2;
    // [rank led][second card's rank, 14 when it did not follow][led suit in play before the third card]:
    // card number of the third-hand card; 0 = none.
    TableBornee<TableBornee<TableBornee<uint8_t, 0, 8191>, 0, 14>, 0, 12> BMove3;

    void Efface() {
        std::memset(static_cast<void *>(&BMove1), 0, sizeof BMove1);
        std::memset(static_cast<void *>(&BMove2), 13, sizeof BMove2);
        std::memset(static_cast<void *>(&BMove3), 0, sizeof BMove3);
    }
};

} // namespace vasterel
