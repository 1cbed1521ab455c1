#include "cli/Commands.h"

#include <iostream>

int main(int argc, char **argv) {
    CLI::App app{"Vasterel: double-dummy tricks and hand evaluation, for batch work.", "vasterel-cli"};
    app.require_subcommand(1);
    vasterel::cli::RegisterSolve(app);
    vasterel::cli::RegisterBench(app);
    vasterel::cli::RegisterPoints(app);
    vasterel::cli::RegisterControls(app);
    vasterel::cli::RegisterRuns(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp &e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp &e) {
        return app.exit(e);
    } catch (const CLI::ParseError &e) {
        std::cerr << "vasterel-cli: " << e.what() << " (see vasterel-cli --help)\n";
        return 2;
    } catch (const vasterel::cli::UsageError &e) {
        std::cerr << "vasterel-cli: " << e.what() << '\n';
        return 2;
    }
    return 0;
}
