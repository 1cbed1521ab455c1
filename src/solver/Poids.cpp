// Move weights: how promising each candidate move is. Until the weight rules exist every move weighs 0, so
// the moves keep their generation order behind any move that a table entry already decides.

#include "solver/SolveurDM.h"

namespace vasterel {

int SolveurDM::AllouePoidsSA(int, int, int, int) {
    return 0;
}
int SolveurDM::AllouePoidsAA(int, int, int) {
    return 0;
}

} // namespace vasterel
