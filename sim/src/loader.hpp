// Reads world and profile files into a World ready to run.
#pragma once

#include <memory>
#include <string>

#include "monitor.hpp"

namespace dvc::sim {

// `origin` names the text in messages; `base_dir` resolves relative
// profile paths. Throws ConfigError with a message naming the file.
std::unique_ptr<World> LoadWorldText(const std::string& text, const std::string& origin, const std::string& base_dir);
// A short name of a built-in world, or a path.
std::unique_ptr<World> LoadWorld(const std::string& name_or_path);

}  // namespace dvc::sim
