#include "no_monitor_hint.hpp"

#include <fmt/core.h>
#include <unistd.h>

#include <filesystem>
#include <string_view>

namespace dvc::cli {

namespace {

namespace fs = std::filesystem;

struct Nodes {
    int seen = 0;
    int denied = 0;
};

// The device nodes in /dev whose names start with `prefix`.
Nodes Look(std::string_view prefix) {
    Nodes nodes;
    std::error_code ec;
    for (fs::directory_iterator it("/dev", ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().filename().string().rfind(prefix, 0) != 0) continue;
        ++nodes.seen;
        if (::access(it->path().c_str(), R_OK | W_OK) != 0) ++nodes.denied;
    }
    return nodes;
}

}  // namespace

std::string NoMonitorHint() {
    std::string hint;
    const Nodes i2c = Look("i2c-");
    const Nodes hid = Look("hidraw");
    std::error_code ec;
    if (i2c.seen == 0) {
        hint += "there is no /dev/i2c-* display bus";
        if (!fs::exists("/sys/module/i2c_dev", ec))
            hint += " and the i2c-dev module is not loaded (sudo modprobe i2c-dev)";
        hint += "; ";
    } else if (i2c.denied > 0) {
        hint += fmt::format(
            "{} of {} /dev/i2c-* display buses may not be opened by this user (sudo usermod -aG i2c $USER, then log "
            "in again); ",
            i2c.denied, i2c.seen);
    }
    if (hid.seen == 0) hint += "there is no /dev/hidraw* USB device; ";
    else if (hid.denied > 0)
        hint +=
            fmt::format("{} of {} /dev/hidraw* USB devices may not be opened by this user (a udev rule grants it); ",
                        hid.denied, hid.seen);
    return hint + "dvctl --sim uses virtual monitors instead";
}

}  // namespace dvc::cli
