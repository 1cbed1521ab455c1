#include "runs/Statistiques.h"

#include "evaluation/FonctionsOrlune.h"

#include <algorithm>
#include <cmath>

namespace vasterel {

TVCP VCP;

void Accumulateurs::Enregistre(const Observation &o) {
    const int c = o.categorie;
    const int p = std::clamp(o.points, 0, 50);
    const int t = std::clamp(o.levees, 0, 13);
    Tableau[c][p][t] += 1;
    Somme[c][t] += p;
    Carres[c][t] += p * p;
    TotalColonne[c][t] += 1;
    TotalLigne[c][p] += 1;
}

StatistiquesParLevees CalculeParLevees(const Accumulateurs &a) {
    StatistiquesParLevees r;
    for (int c = 1; c <= NbCategories; ++c) {
        for (int t = 0; t <= 13; ++t) {
            const int64_t n = a.TotalColonne[c][t];
            if (n == 0) continue;
            const double S = static_cast<double>(a.Somme[c][t]);
            const double Q = static_cast<double>(a.Carres[c][t]);
            r.Moyenne[c][t] = static_cast<float>(S / static_cast<double>(n));
            // Identical values can leave a difference a hair below 0.
            const double variance = (Q - S / static_cast<double>(n) * S) / static_cast<double>(n);
            r.EcartType[c][t] = static_cast<float>(std::sqrt(std::max(0.0, variance)));
        }
    }
    return r;
}

StatistiquesParPoints CalculeParPoints(const Accumulateurs &a) {
    StatistiquesParPoints r;
    for (int c = 1; c <= NbCategories; ++c) {
        for (int p = 0; p <= 50; ++p) {
            const auto &k = a.Tableau[c][p];
            const int64_t n = a.TotalLigne[c][p];
            const double diviseur = static_cast<double>(std::max<int64_t>(1, n));
            int64_t auMoins = 0;
            for (int w = 13; w >= 0; --w) {
                auMoins += k[w];
                r.CaseTableau[c][p][w] = static_cast<float>(static_cast<double>(auMoins) / diviseur);
            }
            float M = 0, V = 0;
            for (int t = 0; t <= 13; ++t) {
                M += static_cast<float>(t * k[t]);
                V += static_cast<float>(t * t * k[t]);
            }
            if (n > 1) {
                const double nd = static_cast<double>(n);
                const double Md = M, Vd = V;
                r.EcartTypeLigne[c][p] =
                    static_cast<float>(std::sqrt(std::max(0.0, (Vd - Md * Md / nd) / (nd - 1))));
                r.MoyenneLigne[c][p] = static_cast<float>(Md / nd);
            } else {
                r.MoyenneLigne[c][p] = M;
            }
        }
    }
    return r;
}

void StockeEvaluation(TVCP &vcp, int s, int32_t N, const Accumulateurs &a, const StatistiquesParLevees &l,
                      const StatistiquesParPoints &p) {
    vcp.EchantillonTaille[s] = N;
    for (int c = 1; c <= NbCategories; ++c) {
        vcp.MoyenneContrats[s][c] = l.Moyenne[c];
        vcp.EcartTypeContrats[s][c] = l.EcartType[c];
        vcp.MoyennePoints[s][c] = p.MoyenneLigne[c];
        vcp.EcartTypePoints[s][c] = p.EcartTypeLigne[c];
        for (int q = 0; q <= 50; ++q) {
            vcp.TotalLigne[s][c][q] = static_cast<int32_t>(a.TotalLigne[c][q]);
            const double n = static_cast<double>(std::max<int64_t>(1, a.TotalLigne[c][q]));
            for (int t = 0; t <= 13; ++t)
                vcp.Valeur[s][c][q][t] = ArrondiPair(100.0 * static_cast<double>(a.Tableau[c][q][t]) / n);
        }
    }
}

} // namespace vasterel
