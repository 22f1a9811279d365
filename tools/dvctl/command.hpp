// What every command shares: the options of the whole program, and the way
// a command joins the command line. Each command lives in its own file and
// offers one Add...Command function.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace dvc::cli {

struct GlobalOptions {
    std::string simWorld;   // empty: no virtual world named on the command line
    bool simFresh = false;  // start the virtual monitors from their profiles
};

void AddListCommand(CLI::App& app, const GlobalOptions& global);
void AddInfoCommand(CLI::App& app, const GlobalOptions& global);
void AddFeaturesCommand(CLI::App& app, const GlobalOptions& global);
void AddGetCommand(CLI::App& app, const GlobalOptions& global);
void AddSetCommand(CLI::App& app, const GlobalOptions& global);
void AddDumpCommand(CLI::App& app, const GlobalOptions& global);
void AddLoadCommand(CLI::App& app, const GlobalOptions& global);
void AddRunCommand(CLI::App& app, const GlobalOptions& global);
void AddPictureCommand(CLI::App& app, const GlobalOptions& global);
void AddModesCommand(CLI::App& app, const GlobalOptions& global);
void AddWatchCommand(CLI::App& app, const GlobalOptions& global);
void AddSimCommand(CLI::App& app, const GlobalOptions& global);
void AddCapabilitiesCommand(CLI::App& app, const GlobalOptions& global);
void AddMatrixCommand(CLI::App& app, const GlobalOptions& global);
void Add3DLutCommand(CLI::App& app, const GlobalOptions& global);
void AddLutCommand(CLI::App& app, const GlobalOptions& global);
void AddProfileCommand(CLI::App& app, const GlobalOptions& global);
void AddStoreCommand(CLI::App& app, const GlobalOptions& global);
void AddSelfCalRecordsCommand(CLI::App& app, const GlobalOptions& global);
void AddSelfCalControlCommand(CLI::App& app, const GlobalOptions& global);

}  // namespace dvc::cli
