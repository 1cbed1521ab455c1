#include "solver/OracleDds.h"

#include <dll.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace vasterel::test {

int OracleScore(const TDonne &donne) {
    static std::once_flag unFil;
    std::call_once(unFil, [] { SetMaxThreads(1); });

    deal dl{};
    dl.trump = donne.Atout == 5 ? 4 : donne.Atout - 1;
    dl.first = donne.MainD - 1;
    for (int i = 0; i < 3; ++i) {
        dl.currentTrickSuit[i] = donne.CouleursJouees[i + 1] == 0 ? 0 : donne.CouleursJouees[i + 1] - 1;
        dl.currentTrickRank[i] = donne.CouleursJouees[i + 1] == 0 ? 0 : donne.CartesJouees[i + 1] + 2;
    }
    for (int seat = 1; seat <= 4; ++seat)
        for (int s = 1; s <= 4; ++s)
            dl.remainCards[seat - 1][s - 1] = static_cast<unsigned>(donne.CartesEnMain[seat][s]) << 2;

    futureTricks fut{};
    const int rc = SolveBoard(dl, -1, 1, 1, &fut, 0);
    if (rc != RETURN_NO_FAULT) {
        char message[80];
        ErrorMessage(rc, message);
        std::fprintf(stderr, "oracle: SolveBoard failed: %s\n", message);
        std::abort();
    }
    return fut.score[0];
}

} // namespace vasterel::test
