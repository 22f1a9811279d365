#include "ddc/display_buses.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace dvc::ddc {
namespace {

namespace fs = std::filesystem;

std::string FirstLine(const fs::path& p) {
    std::ifstream in(p);
    std::string line;
    std::getline(in, line);
    return line;
}

// "i2c-7" gives 7; anything else -1.
int BusNumber(const std::string& name) {
    if (name.rfind("i2c-", 0) != 0 || name.size() == 4) return -1;
    int n = 0;
    for (size_t i = 4; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9' || n > 100000) return -1;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

// The connector's bus: its "ddc" link (HDMI, DVI, VGA), else the I2C
// adapter that the DisplayPort AUX channel registers inside it.
int ConnectorBus(const fs::path& dir) {
    std::error_code ec;
    const fs::path ddc = fs::read_symlink(dir / "ddc", ec);
    if (!ec) return BusNumber(ddc.filename().string());
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        const int n = BusNumber(entry.path().filename().string());
        if (n >= 0) return n;
    }
    return -1;
}

std::vector<DisplayBus> FromDrm(const fs::path& drm) {
    std::vector<DisplayBus> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(drm, ec)) {
        const std::string name = entry.path().filename().string();
        const size_t dash = name.find('-');
        if (name.rfind("card", 0) != 0 || dash == std::string::npos) continue;
        if (FirstLine(entry.path() / "status") != "connected") continue;  // nothing to talk to
        const int bus = ConnectorBus(entry.path());
        if (bus >= 0) found.push_back({bus, name.substr(dash + 1)});
    }
    return found;
}

std::vector<DisplayBus> FromAdapterNames(const fs::path& adapters) {
    std::vector<DisplayBus> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(adapters, ec)) {
        const int bus = BusNumber(entry.path().filename().string());
        if (bus >= 0 && IsDisplayAdapterName(FirstLine(entry.path() / "name"))) found.push_back({bus, ""});
    }
    return found;
}

}  // namespace

bool IsDisplayAdapterName(const std::string& name) {
    static constexpr const char* kDisplay[] = {"gmbus",  "DPDDC",  "DP-",     "AMDGPU DM", "amdgpu", "Radeon", "radeon",
                                               "NVIDIA", "nvidia", "nouveau", "i915",      "HDMI",   "DDC"};
    static constexpr const char* kNever[] = {"SMBus", "smbus"};
    for (const char* n : kNever)
        if (name.find(n) != std::string::npos) return false;
    for (const char* n : kDisplay)
        if (name.find(n) != std::string::npos) return true;
    return false;
}

std::vector<DisplayBus> FindDisplayBuses(const std::string& sysRoot) {
    const fs::path root(sysRoot);
    std::vector<DisplayBus> found = FromDrm(root / "class/drm");
    if (found.empty()) found = FromAdapterNames(root / "class/i2c-dev");
    std::sort(found.begin(), found.end(), [](const DisplayBus& a, const DisplayBus& b) { return a.bus < b.bus; });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const DisplayBus& a, const DisplayBus& b) { return a.bus == b.bus; }),
                found.end());
    return found;
}

}  // namespace dvc::ddc
