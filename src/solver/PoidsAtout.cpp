// Move weights in trump contracts. Until they exist every move weighs 0.

#include "solver/SolveurDM.h"

namespace vasterel {

int SolveurDM::AllouePoidsAA(int, int, int) {
    return 0;
}

} // namespace vasterel
