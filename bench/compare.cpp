// Solves the benchmark deals, every declarer and strain, with our solver and with the reference solver, and
// prints both times and their ratio. Absolute times on shared machines are noise; the ratio is the signal.
// Any disagreement in a trick count is reported and fails the run.

#include "hand/Pbn.h"
#include "solver/Echange.h"
#include "solver/OracleDds.h"
#include "solver/SolveurDM.h"

#include <chrono>
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

    using Horloge = std::chrono::steady_clock;
    std::vector<int> nous(requetes.size()), eux(requetes.size());
    SolveurDM solveur;
    auto t0 = Horloge::now();
    for (size_t i = 0; i < requetes.size(); ++i) {
        TFutursPlis r;
        solveur.Resoudre(requetes[i], r);
        nous[i] = r.Score[1];
    }
    const std::chrono::duration<double> tNous = Horloge::now() - t0;
    t0 = Horloge::now();
    for (size_t i = 0; i < requetes.size(); ++i)
        eux[i] = test::OracleScore(requetes[i]);
    const std::chrono::duration<double> tEux = Horloge::now() - t0;

    int ecarts = 0;
    for (size_t i = 0; i < requetes.size(); ++i)
        if (nous[i] != eux[i]) {
            ++ecarts;
            std::fprintf(stderr, "disagreement on request %zu: %d against %d\n", i, nous[i], eux[i]);
        }
    std::printf(
        "deals %zu\nsolves %zu\nnodes %llu\nvasterel_seconds %.3f\nreference_seconds %.3f\nratio %.1f\n",
        donnes, requetes.size(), static_cast<unsigned long long>(solveur.Noeuds()), tNous.count(),
        tEux.count(), tNous.count() / tEux.count());
    return ecarts == 0 ? 0 : 1;
}
