#pragma once
// Random deals and what one deal tells: for the notrump contract of seats 1 and 3 and for every suit contract
// of an eight-card fit, the points of the declaring line against declarer's double-dummy tricks.

#include "hand/VariablesGlobales.h"
#include "runs/Statistiques.h"

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace vasterel {

class SolveurDM;

// The seed of every evaluation run, so that every run deals the same sequence of deals.
constexpr uint32_t GraineDonnes = 142857;

// std::mt19937 seeded with one value is the standard MT19937 (init_genrand, standard tempering).
class GenerateurDonnes {
  public:
    explicit GenerateurDonnes(uint32_t graine = GraineDonnes) : mt_(graine) {}
    // A uniform integer below n: the upper 32 bits of x * n for the next 32-bit output x.
    uint32_t Tirage(uint32_t n) { return static_cast<uint32_t>((static_cast<uint64_t>(mt_()) * n) >> 32); }
    // Four hands of 13 cards, dealt to seats 1 to 4 in turn by drawing cards and discarding those dealt.
    TCarreWord Donne();

  private:
    std::mt19937 mt_;
};

// The observations of one deal, in the order they are recorded: the suit contracts of line 1 then line 2,
// suit by suit (each twice: its control category, then PS_Total), then the notrump contract (PHo, PHl).
// Lettres are the option characters of line 1 and line 2. The solver's state is reset by every solve.
std::vector<Observation> AnalyseDonne(const TCarreWord &donne, char lettreLigne1, char lettreLigne2,
                                      SolveurDM &solveur);

} // namespace vasterel

namespace vasterel {

// Deals deals 1..N of the seeded sequence and analyses them on `threads` solving threads (0: every core).
// `recoit` gets each deal and its observations in deal order, on the calling thread, and returns false to
// stop. `annule` is polled while waiting; true stops as well. Returns true when all N deals were received.
bool AnalyseDonnes(
    long N, char lettreLigne1, char lettreLigne2, unsigned threads,
    const std::function<bool(long, const TCarreWord &, const std::vector<Observation> &)> &recoit,
    const std::function<bool()> &annule);

} // namespace vasterel
