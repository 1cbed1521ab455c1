// Solves the benchmark deals, every declarer and strain, with our solver and with the reference solver, and
// prints both times and their ratio. Absolute times on shared machines are noise; the ratio is the signal.
// Any disagreement in a trick count is reported and fails the run.

#include "hand/Pbn.h"
#include "solver/Echange.h"
#include "solver/OracleDds.h"
#include "solver/SolveurDM.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

using namespace vasterel;

int main(int argc, char **argv) {
    const char *fichier = argc > 1 ? argv[1] : VASTEREL_BENCH_DEALS;
    const size_t limite = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 0;
    std::ifstream in(fichier);
    if (!in) {
        std::fprintf(stderr, "bench_compare: cannot read %s\n", fichier);
        return 2;
    }
    std::vector<TDonne> requetes;
    size_t donnes = 0;
    for (std::string line; std::getline(in, line) && (limite == 0 || donnes < limite);) {
        if (line.empty() || line[0] == '#') continue;
        const TCarreWord deal = ParseDeal(line);
        ++donnes;
        for (int strain = 1; strain <= 5; ++strain)
            for (int declarant = 1; declarant <= 4; ++declarant)
                requetes.push_back(RequeteDonne(deal, Suiv[declarant], strain));
    }

    // Notrump (index 0) and trump contracts (index 1) are timed apart: their move weights differ.
    using Horloge = std::chrono::steady_clock;
    using Duree = std::chrono::duration<double>;
    std::vector<int> nous(requetes.size()), eux(requetes.size());
    Duree tNous[2] = {}, tEux[2] = {};
    unsigned long long noeuds[2] = {0, 0};
    auto genre = [&](size_t i) { return requetes[i].Atout == SansAtout ? 0 : 1; };
    SolveurDM solveur;
    for (size_t i = 0; i < requetes.size(); ++i) {
        TFutursPlis r;
        const uint64_t avant = solveur.Noeuds();
        const auto t0 = Horloge::now();
        solveur.Resoudre(requetes[i], r);
        tNous[genre(i)] += Horloge::now() - t0;
        noeuds[genre(i)] += solveur.Noeuds() - avant;
        nous[i] = r.Score[1];
    }
    for (size_t i = 0; i < requetes.size(); ++i) {
        const auto t0 = Horloge::now();
        eux[i] = test::OracleScore(requetes[i]);
        tEux[genre(i)] += Horloge::now() - t0;
    }

    int ecarts = 0;
    for (size_t i = 0; i < requetes.size(); ++i)
        if (nous[i] != eux[i]) {
            ++ecarts;
            std::fprintf(stderr, "disagreement on request %zu: %d against %d\n", i, nous[i], eux[i]);
        }
    const double nousTotal = tNous[0].count() + tNous[1].count(),
                 euxTotal = tEux[0].count() + tEux[1].count();
    std::printf(
        "deals %zu\nsolves %zu\nnodes %llu\nvasterel_seconds %.3f\nreference_seconds %.3f\nratio %.1f\n",
        donnes, requetes.size(), static_cast<unsigned long long>(solveur.Noeuds()), nousTotal, euxTotal,
        nousTotal / euxTotal);
    const char *const noms[2] = {"nt", "trump"};
    for (int k = 0; k < 2; ++k)
        std::printf("%s: nodes %llu vasterel_seconds %.3f reference_seconds %.3f ratio %.1f\n", noms[k],
                    noeuds[k], tNous[k].count(), tEux[k].count(), tNous[k].count() / tEux[k].count());
    return ecarts == 0 ? 0 : 1;
}
