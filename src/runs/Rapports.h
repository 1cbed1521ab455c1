#pragma once
// The text reports, line by line, for a fixed-pitch font. Legends follow the current language; the other
// texts are the program's own French in both languages.

#include "runs/Statistiques.h"

#include <string>
#include <vector>

namespace vasterel {

using Lignes = std::vector<std::string>;

// The report rewritten during a run, after deal u of N.
Lignes RapportProgression(char lettre, long u, long N, const StatistiquesParLevees &l);
// The report appended at the end of a run.
Lignes RapportFinal(const Accumulateurs &a, const StatistiquesParPoints &p);
// The stored chances of making n tricks or more with p points, for system s.
Lignes RapportValeurs(const TVCP &vcp, int s);
// The six stored systems side by side.
Lignes RapportComparaison(const TVCP &vcp);
// The break-even percentages of bidding one level higher, in total points and in IMPs.
Lignes RapportEncheres();

// Break-even percentage of the higher contract: A its score made, B the lower contract's score made, C the
// penalty of the higher contract down one. In total points rounded up, in IMPs truncated.
int Calcule(int A, int B, int C);
int CalculeIMP(int A, int B, int C);

} // namespace vasterel
