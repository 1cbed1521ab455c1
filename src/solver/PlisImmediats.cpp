// Quick tricks: sure trick counts that settle a node without expanding it. Until the estimators exist they
// settle nothing, and the search alone finds the exact answer.

#include "solver/SolveurDM.h"

namespace vasterel {

void SolveurDM::PlisImmediatsSA(Node) {}
void SolveurDM::PlisImmediatsAtout(Node) {}
void SolveurDM::PlisImmediatsAdversaireSA(Node) {}
void SolveurDM::PlisImmediatsAdversaireAtout(Node) {}

} // namespace vasterel
