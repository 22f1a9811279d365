// dvctl: look at and change the settings of the attached monitors.
#include <fmt/format.h>
#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <string_view>

#include "command.hpp"
#include "failure.hpp"
#include "usage.hpp"

namespace {

// A mistake on the command line: what CLI11 found, with the word at fault,
// then where to look. Help and version are answers, not mistakes.
int ReportParseError(const CLI::App& app, const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);
    fmt::print(stderr, "error: {}\n", dvc::cli::ParseErrorText(app, e));
    fmt::print(stderr, "dvctl --help lists the commands, the worlds and the options\n");
    return 2;
}

// `dvctl help [COMMAND]`: the help of the whole tool or of one command.
int PrintHelp(const CLI::App& app, int argc, char** argv) {
    if (argc < 3) {
        fmt::print("{}", app.help());
        return 0;
    }
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
        if (sub->get_name() == argv[2]) {
            fmt::print("{}", sub->help());
            return 0;
        }
    fmt::print(stderr, "error: no command is called \"{}\"\n", argv[2]);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"dvctl: the monitors attached over DDC/CI and USB HID, and their settings"};
    if (argc < 2) {
        fmt::print(stderr, "{}", dvc::cli::ShortUsage());
        return 2;
    }
    app.name("dvctl");
    app.require_subcommand(1);
    app.set_version_flag("--version", dvc::cli::VersionText());
    app.footer(dvc::cli::HelpFooter());
    dvc::cli::GlobalOptions global;
    // A flag that takes an optional value: --sim alone means the default
    // world, --sim=NAME another one; without it the real monitors are used.
    app.add_flag("--sim{default}", global.simWorld, "use a virtual world of monitors (--sim=WORLD; name or path)")
        ->expected(0, 1);
    app.add_flag("--sim-fresh", global.simFresh, "start the virtual monitors from their profiles, not the saved state");
    dvc::cli::AddListCommand(app, global);
    dvc::cli::AddInfoCommand(app, global);
    dvc::cli::AddFeaturesCommand(app, global);
    dvc::cli::AddGetCommand(app, global);
    dvc::cli::AddSetCommand(app, global);
    dvc::cli::AddDumpCommand(app, global);
    dvc::cli::AddLoadCommand(app, global);
    dvc::cli::AddRunCommand(app, global);
    dvc::cli::AddPictureCommand(app, global);
    dvc::cli::AddModesCommand(app, global);
    dvc::cli::AddWatchCommand(app, global);
    dvc::cli::AddSimCommand(app, global);
    dvc::cli::AddCapabilitiesCommand(app, global);
    dvc::cli::AddMatrixCommand(app, global);
    dvc::cli::Add3DLutCommand(app, global);
    dvc::cli::AddLutCommand(app, global);
    dvc::cli::AddProfileCommand(app, global);
    dvc::cli::AddStoreCommand(app, global);
    dvc::cli::AddSelfCalRecordsCommand(app, global);
    dvc::cli::AddSelfCalControlCommand(app, global);
    if (std::string_view(argv[1]) == "help") return PrintHelp(app, argc, argv);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return ReportParseError(app, e);
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
