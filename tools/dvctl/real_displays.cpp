#include "real_displays.hpp"

#include <fmt/core.h>

#include <cstdlib>
#include <filesystem>

#include "ddc/linux_i2c_bus.hpp"

namespace dvc::cli {

bool UsingVirtualMonitors(const GlobalOptions& global) {
    const char* sim = std::getenv("DVC_SIM");
    return !global.simWorld.empty() || (sim != nullptr && *sim != '\0');
}

ddc::ProbeResult LookAtDisplayBuses() {
    return ddc::ProbeBuses(ddc::FindDisplayBuses(), &ddc::OpenLinuxBus, ddc::Timing{}, ddc::ProbeDepth::kEdid);
}

const ddc::Display* DisplayOf(const ddc::ProbeResult& found, const Monitor& monitor) {
    for (const auto& d : found.displays)
        if (d->identity.serial == monitor.serial && d->identity.model == monitor.model) return d.get();
    return nullptr;
}

std::string Where(const ddc::Display& display) {
    const std::string bus = fmt::format("i2c-{}", display.where.bus);
    return display.where.connector.empty() ? bus : fmt::format("{} ({})", bus, display.where.connector);
}

std::string AccessProblem(const ddc::ProbeResult& found) {
    if (found.denied > 0)
        return fmt::format(
            "permission denied on {} of the {} display buses (/dev/i2c-*): add yourself to the i2c group "
            "(sudo usermod -aG i2c $USER, then log in again), or run as root",
            found.denied, found.busesSeen);
    std::error_code ec;
    const bool loaded = std::filesystem::exists("/sys/class/i2c-dev", ec);
    constexpr const char* kLoad =
        "load the i2c-dev module (sudo modprobe i2c-dev; to load it at every boot: echo i2c-dev | sudo tee "
        "/etc/modules-load.d/i2c-dev.conf)";
    if (found.missing > 0) return fmt::format("the display buses have no /dev/i2c-* device nodes: {}", kLoad);
    if (found.busesSeen == 0 && !loaded)
        return fmt::format("no display bus was found and the i2c-dev module is not loaded: {}", kLoad);
    return {};
}

}  // namespace dvc::cli
