#include "discovery_cache.hpp"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

namespace dvc::cli {

void UseDiscoveryCache() {
    const char* wanted = std::getenv("DVCTL_DISCOVERY_CACHE");
    if (wanted == nullptr || std::strcmp(wanted, "1") != 0) return;
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path folder;
    if (xdg != nullptr && *xdg == '/') folder = std::filesystem::path(xdg) / "dvctl";
    else if (home != nullptr && *home != '\0') folder = std::filesystem::path(home) / ".cache" / "dvctl";
    else return;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    // Without a folder there is nothing to keep: every run asks the monitors.
    if (!error) setenv("DVC_LINK_CACHE_DIR", folder.c_str(), 1);
}

}  // namespace dvc::cli
