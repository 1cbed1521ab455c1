#include "cli/Commands.h"

#include "hand/Pbn.h"
#include "solver/Echange.h"
#include "solver/SolveurDM.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>

namespace vasterel::cli {

extern const char *const BenchDealsText;

namespace {

void Bench(int count) {
    std::vector<TCarreWord> deals;
    std::istringstream in(BenchDealsText);
    for (std::string line; std::getline(in, line);)
        if (line.find_first_not_of(" \t\r") != std::string::npos && line[0] != '#')
            deals.push_back(ParseDeal(line));
    if (count > 0 && static_cast<size_t>(count) < deals.size()) deals.resize(static_cast<size_t>(count));

    // Notrump and trump contracts are searched with different move weights: each gets its own count.
    SolveurDM solveur;
    uint64_t noeuds[2] = {0, 0};
    std::chrono::duration<double> durees[2] = {};
    const auto debut = std::chrono::steady_clock::now();
    for (size_t i = 0; i < deals.size(); ++i) {
        for (int strain = 1; strain <= 5; ++strain) {
            const int k = strain == SansAtout ? 0 : 1;
            const uint64_t avant = solveur.Noeuds();
            const auto t0 = std::chrono::steady_clock::now();
            for (int declarant = 1; declarant <= 4; ++declarant)
                LeveesDuDeclarant(solveur, deals[i], declarant, strain);
            durees[k] += std::chrono::steady_clock::now() - t0;
            noeuds[k] += solveur.Noeuds() - avant;
        }
        std::cerr << "\rbench: " << i + 1 << "/" << deals.size() << " deals" << std::flush;
    }
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    std::cerr << '\n';
    char secondes[32], nt[32], atout[32];
    std::snprintf(secondes, sizeof secondes, "%.3f", duree.count());
    std::snprintf(nt, sizeof nt, "%.3f", durees[0].count());
    std::snprintf(atout, sizeof atout, "%.3f", durees[1].count());
    std::cout << "deals " << deals.size() << "\nnodes " << solveur.Noeuds() << "\nseconds " << secondes
              << "\nnodes_nt " << noeuds[0] << "\nnodes_trump " << noeuds[1] << "\nseconds_nt " << nt
              << "\nseconds_trump " << atout << '\n';
}

} // namespace

void RegisterBench(CLI::App &app) {
    auto count = std::make_shared<int>(0);
    auto *cmd = app.add_subcommand("bench", "Solve the fixed benchmark deals (all declarers and strains)");
    cmd->add_option("--deals", *count, "Solve only the first N deals of the list")
        ->check(CLI::PositiveNumber);
    cmd->callback([count] { Bench(*count); });
}

} // namespace vasterel::cli
