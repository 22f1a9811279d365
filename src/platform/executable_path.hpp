// Where the host's executable lives; the settings file sits beside it.
#pragma once

#include <string>

namespace dvc::platform {

// The executable's full path, or empty when the system cannot say. The
// buffer starts at 260 characters and doubles while the path fills it, at
// most three attempts.
std::string ExecutablePath();

// The folder part of ExecutablePath(): everything before the last '/'.
std::string ExecutableDirectory();

}  // namespace dvc::platform
