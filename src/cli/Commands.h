#pragma once
// The subcommands of vasterel-cli. Each registers itself on the application; bad input is reported by
// throwing UsageError, which main turns into one line on standard error and exit status 2.

#include <CLI/CLI.hpp>

#include <stdexcept>
#include <string>

namespace vasterel::cli {

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A system as typed: 1..6 or F, A, B, Z, K, C (either case); 0 for anything else.
int SystemeDepuisTexte(const std::string &t);

void RegisterSolve(CLI::App &app);
void RegisterBench(CLI::App &app);
void RegisterPoints(CLI::App &app);
void RegisterControls(CLI::App &app);
void RegisterRuns(CLI::App &app);

} // namespace vasterel::cli
