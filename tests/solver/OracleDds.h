#pragma once
// The independent double-dummy solver of the Debian package libdds-dev, as an oracle for exactness and as
// the speed reference. Linked into tests and benchmarks only.

#include "hand/VariablesGlobales.h"

namespace vasterel::test {

// Tricks that the side of the player to move takes from the current trick to the end (the trick in
// progress included), for the same request our solver answers. Aborts the test program on a library error.
int OracleScore(const TDonne &donne);

} // namespace vasterel::test
