#include "cli/Commands.h"

#include "hand/Pbn.h"
#include "solver/Echange.h"
#include "solver/SolveurDM.h"

#include <chrono>
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

    SolveurDM solveur;
    const auto debut = std::chrono::steady_clock::now();
    for (size_t i = 0; i < deals.size(); ++i) {
        for (int strain = 1; strain <= 5; ++strain)
            for (int declarant = 1; declarant <= 4; ++declarant)
                LeveesDuDeclarant(solveur, deals[i], declarant, strain);
        std::cerr << "\rbench: " << i + 1 << "/" << deals.size() << " deals" << std::flush;
    }
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    std::cerr << '\n';
    char secondes[32];
    std::snprintf(secondes, sizeof secondes, "%.3f", duree.count());
    std::cout << "deals " << deals.size() << "\nnodes " << solveur.Noeuds() << "\nseconds " << secondes
              << '\n';
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
