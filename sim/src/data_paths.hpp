// Where built-in worlds and profiles are found: DVC_SIM_DATA first, then
// share/dvc/sim beside the library (installed, and mirrored in the build
// tree), then the source tree the library was built from.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace dvc::sim {

std::vector<std::string> DataFolders();
// "worlds" or "profiles"; a short name becomes <folder>/<kind>/<name>.json.
std::optional<std::string> FindDataFile(const std::string& kind, const std::string& name);
std::vector<std::string> ListDataFiles(const std::string& kind);
// A short name has no '/' and no ".json" ending.
bool IsShortName(const std::string& text);
// The whole file, at most kMaxDataFile bytes of a regular file; otherwise
// nothing, and `error` names the file and the reason.
constexpr std::size_t kMaxDataFile = 64u << 20;
std::optional<std::string> ReadFile(const std::string& path, std::string& error);

}  // namespace dvc::sim
