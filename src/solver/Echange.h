#pragma once
// The request/answer exchange through globals, for callers written against it: fill Donne, point FutP1 at a
// result record, call SODM_SolveurDM, read FutP1->Score[1]. It drives one default solver object and so is
// for one thread; code that solves on several threads owns one SolveurDM each.

#include "hand/VariablesGlobales.h"
#include "solver/SolveurDM.h"

namespace vasterel {

extern TDonne Donne;
extern FutPli FutP1;

void SODM_SolveurDM();
SolveurDM &SolveurParDefaut();

// The request of a fresh solve, as the evaluation run fills it: leader on lead to the first trick, no card
// played, every table made new and released afterwards. strain 1..4 is the trump suit, 5 notrump.
TDonne RequeteDonne(const TCarreWord &deal, int leader, int strain);

// Declarer's double-dummy tricks for a deal of equal hands and no card played; -1 when the deal is
// inconsistent. strain 1..4 is the trump suit, 5 notrump.
int LeveesDuDeclarant(SolveurDM &solveur, const TCarreWord &deal, int declarant, int strain);

} // namespace vasterel
