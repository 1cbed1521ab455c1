#pragma once
// The accumulators of an evaluation run, the statistics drawn from them, and the stored evaluation of every
// system (VCP). Statistics are 32-bit floats computed in double from their operands and rounded once when
// stored, so that every report is reproducible to the character.

#include "hand/TableBornee.h"
#include "runs/Commandes.h"

#include <cstdint>

namespace vasterel {

constexpr int NbCategories = 6;
constexpr int NbSystemes = 6;
constexpr int PointsMax = 50;

// Statistics categories: the notrump contract counted in high-card points and in hand points, a suit contract
// by the controls of the declaring line, and every suit contract.
constexpr int CategoriePHo = 1;
constexpr int CategoriePHl = 2;
constexpr int CategoriePS_NC = 3;
constexpr int CategoriePS_CST = 4;
constexpr int CategoriePS_CPT = 5;
constexpr int CategoriePS_Total = 6;
template <typename T> using ParLevees = TableBornee<T, 0, 13>;
template <typename T> using ParPoints = TableBornee<T, 0, 50>;
template <typename T> using ParCategorie = TableBornee<T, 1, NbCategories>;
template <typename T> using ParSysteme = TableBornee<T, 1, NbSystemes>;

// Counts of a run; 64-bit so that no sample the run accepts can overflow them.
struct Accumulateurs {
    ParCategorie<ParPoints<ParLevees<int64_t>>> Tableau{};
    ParCategorie<ParLevees<int64_t>> Somme{};
    ParCategorie<ParLevees<int64_t>> Carres{};
    ParCategorie<ParLevees<int64_t>> TotalColonne{};
    ParCategorie<ParPoints<int64_t>> TotalLigne{};

    void Enregistre(const Observation &o);
};

// Mean and population deviation of the points of the observations with exactly t tricks.
struct StatistiquesParLevees {
    ParCategorie<ParLevees<float>> Moyenne{};
    ParCategorie<ParLevees<float>> EcartType{};
};
StatistiquesParLevees CalculeParLevees(const Accumulateurs &a);

// Per points value: the share of contracts making w tricks or more, mean and sample deviation of the tricks.
struct StatistiquesParPoints {
    ParCategorie<ParPoints<ParLevees<float>>> CaseTableau{};
    ParCategorie<ParPoints<float>> MoyenneLigne{};
    ParCategorie<ParPoints<float>> EcartTypeLigne{};
};
StatistiquesParPoints CalculeParPoints(const Accumulateurs &a);

// The stored evaluation of each system; EchantillonTaille 0 means never evaluated.
struct TVCP {
    ParSysteme<int32_t> EchantillonTaille{};
    ParSysteme<ParCategorie<ParLevees<float>>> MoyenneContrats{};
    ParSysteme<ParCategorie<ParLevees<float>>> EcartTypeContrats{};
    ParSysteme<ParCategorie<ParPoints<float>>> MoyennePoints{};
    ParSysteme<ParCategorie<ParPoints<float>>> EcartTypePoints{};
    ParSysteme<ParCategorie<ParPoints<ParLevees<int32_t>>>> Valeur{}; // percent with exactly t tricks
    ParSysteme<ParCategorie<ParPoints<int32_t>>> TotalLigne{};
};
extern TVCP VCP;

// Stores a run of N deals as the evaluation of system s.
void StockeEvaluation(TVCP &vcp, int s, int32_t N, const Accumulateurs &a, const StatistiquesParLevees &l,
                      const StatistiquesParPoints &p);

} // namespace vasterel
