#include "cli/Commands.h"

#include "hand/Pbn.h"
#include "solver/Echange.h"
#include "solver/SolveurDM.h"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace vasterel::cli {

namespace {

struct SolveOptions {
    std::vector<std::string> deals;
    std::string declarer;
    std::string strain;
};

void Solve(const SolveOptions &o) {
    if (o.declarer.empty() != o.strain.empty())
        throw UsageError("solve: --declarer and --strain go together (as in --declarer N --strain NT)");
    int declarant = 0, strain = 0;
    if (!o.declarer.empty()) {
        declarant = o.declarer.size() == 1 ? SeatFromLetter(o.declarer[0]) : 0;
        if (declarant == 0)
            throw UsageError("solve: --declarer '" + o.declarer + "' is not a seat (N, E, S or W)");
        strain = StrainFromText(o.strain);
        if (strain == 0)
            throw UsageError("solve: --strain '" + o.strain + "' is not a strain (S, H, D, C or NT)");
    }

    std::vector<std::string> lines = o.deals;
    const bool fromStdin = lines.empty();
    if (fromStdin)
        for (std::string line; std::getline(std::cin, line);)
            lines.push_back(line);

    // Read every deal first: a bad one is reported before any table is printed.
    std::vector<TCarreWord> deals;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (fromStdin && lines[i].find_first_not_of(" \t\r") == std::string::npos) continue;
        try {
            deals.push_back(ParseDeal(lines[i]));
        } catch (const PbnError &e) {
            throw UsageError((fromStdin ? "line " : "deal ") + std::to_string(i + 1) + ": " + e.what());
        }
    }

    SolveurDM solveur;
    for (const auto &deal : deals) {
        if (declarant != 0) {
            std::cout << LeveesDuDeclarant(solveur, deal, declarant, strain) << '\n';
            continue;
        }
        std::cout << "S H D C NT\n";
        for (int seat = 1; seat <= 4; ++seat) {
            std::cout << SeatLetter(seat);
            for (int s = 1; s <= 5; ++s)
                std::cout << ' ' << LeveesDuDeclarant(solveur, deal, seat, s);
            std::cout << '\n';
        }
    }
    std::cout.flush();
}

} // namespace

void RegisterSolve(CLI::App &app) {
    auto o = std::make_shared<SolveOptions>();
    auto *cmd = app.add_subcommand(
        "solve", "Double-dummy tricks of each deal (PBN, or one per line on standard input)");
    cmd->add_option("deals", o->deals, "Deals as N:S.H.D.C S.H.D.C S.H.D.C S.H.D.C");
    cmd->add_option("--declarer", o->declarer, "Declarer seat: N, E, S or W (with --strain)");
    cmd->add_option("--strain", o->strain, "Strain: S, H, D, C or NT (with --declarer)");
    cmd->callback([o] { Solve(*o); });
}

} // namespace vasterel::cli
