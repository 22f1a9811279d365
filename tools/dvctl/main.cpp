// dvctl: look at and change the settings of the attached monitors.
#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>

#include "command.hpp"
#include "failure.hpp"

int main(int argc, char** argv) {
    CLI::App app{"dvctl: the monitors attached over DDC/CI and USB HID, and their settings"};
    app.require_subcommand(1);
    dvc::cli::GlobalOptions global;
    // A flag that takes an optional value: --sim alone means the default
    // world, --sim=NAME another one; without it the real monitors are used.
    app.add_flag("--sim{default}", global.simWorld, "use a virtual world of monitors (--sim=WORLD; name or path)")
        ->expected(0, 1);
    dvc::cli::AddListCommand(app, global);
    dvc::cli::AddInfoCommand(app, global);
    dvc::cli::AddFeaturesCommand(app, global);
    dvc::cli::AddGetCommand(app, global);
    dvc::cli::AddSetCommand(app, global);
    dvc::cli::AddRunCommand(app, global);
    dvc::cli::AddPictureCommand(app, global);
    dvc::cli::AddModesCommand(app, global);
    dvc::cli::AddWatchCommand(app, global);
    dvc::cli::AddSimCommand(app, global);
    dvc::cli::AddCapabilitiesCommand(app, global);
    dvc::cli::AddMatrixCommand(app, global);
    dvc::cli::Add3DLutCommand(app, global);
    dvc::cli::AddLutCommand(app, global);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help and version are answers; every other parse error is the
        // command line's fault, which dvctl reports as 2 like its own.
        return app.exit(e) == 0 ? 0 : 2;
    } catch (const dvc::cli::Failure& f) {
        return dvc::cli::Report(f);
    } catch (const dvc::cli::UsageError& e) {
        return dvc::cli::Report(e);
    } catch (const std::exception& e) {
        std::cerr << "error: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
