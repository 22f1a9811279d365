#include "model_facts.hpp"

#include <cmath>

#include <fmt/core.h>
#include <fmt/format.h>

#include "failure.hpp"
#include "libdvc/libdvc.h"
#include "value_text.hpp"

namespace dvc::cli {

namespace {

constexpr int kFeatureFlags = 32;

// Calls `step(i)` from 0 until it answers anything but DvOk; a first
// answer other than the end of the list or "not supported" is a failure.
template <class Step>
void Enumerate(const std::string& what, Step&& step) {
    for (int i = 0;; ++i) {
        const DvError r = step(i);
        if (r == DvOk) continue;
        if (r == DvErrNoMoreItems || r == DvErrNotSupported || r == DvErrInvalidParameter) return;
        Check(r, what);
    }
}

std::vector<FlavorEntry> Flavors(const char* id1, const char* id2) {
    std::vector<FlavorEntry> flavors;
    Enumerate("flavor list", [&](int e) {
        FlavorEntry entry{};
        const DvError r = DvCtrlGetPresetFlavor(id1, id2, e, &entry.flavor);
        if (r != DvOk) return r;
        Enumerate("flavor modes", [&](int p) {
            int mode = 0;
            const DvError m = DvCtrlEnumSupportedFlavor(id1, id2, e, p, &mode);
            if (m == DvOk) entry.modes.push_back(mode);
            return m;
        });
        int flags[kFeatureFlags] = {};
        Check(DvCtrlGetSupportedFeature(id1, id2, e, flags), "flavor features");
        for (int k = 0; k < kFeatureFlags; ++k)
            if (flags[k] != 0) entry.features.push_back(k);
        flavors.push_back(std::move(entry));
        return DvOk;
    });
    return flavors;
}

}  // namespace

ModelFacts GatherModelFacts(const Monitor& monitor) {
    const char* id1 = monitor.serial.c_str();
    const char* id2 = monitor.model.c_str();
    ModelFacts facts;
    facts.modeCount = DvCtrlGetModeCount(id1, id2);
    facts.mediaEmulationCount = DvCtrlGetMediaEmuCount(id1, id2);
    int depth = 0;
    if (DvCtrlGetNativeLUTBitDepth(id1, id2, &depth) == DvOk) facts.lutDepth = depth;
    Check(DvCtrlGetPanelRevision(id1, id2, &facts.panelRevision), "panel revision");
    Enumerate("gamma table", [&](int i) {
        GammaEntry entry{};
        DvError r = DvCtrlEnumGamma(id1, id2, i, &entry.value);
        if (r == DvOk) r = DvCtrlEnumGammaIndex(id1, id2, i, &entry.index);
        if (r == DvOk) facts.gamma.push_back(entry);
        return r;
    });
    Enumerate("colour temperatures", [&](int i) {
        int value = 0;
        const DvError r = DvCtrlEnumColorTemperature(id1, id2, i, &value);
        if (r == DvOk) facts.colourTemperatures.push_back(value);
        return r;
    });
    const int ports = DvCtrlGetSupportedInputPortCount(id1, id2);
    if (ports > 0) {
        facts.inputPorts.resize(static_cast<std::size_t>(ports));
        Check(DvCtrlGetSupportedInputPort(id1, id2, facts.inputPorts.data(), ports), "input ports");
    }
    facts.flavors = Flavors(id1, id2);
    int width = 0, height = 0;
    if (DvCtrlGetNativeResolution(id1, id2, &width, &height) == DvOk) facts.nativeResolution = {width, height};
    return facts;
}

std::string ColourTemperatureText(int value) {
    if (value == 0) return "native";
    if (value >= 0xFF00) return fmt::format("preset {:#06x}", value);
    return fmt::format("{} K", value);
}

std::string GammaText(double value) {
    if (value < 0) return fmt::format("special curve {:g}", value);
    return fmt::format("{:.1f}", value);
}

nlohmann::ordered_json ToJson(const Monitor& monitor, const ModelFacts& facts) {
    nlohmann::ordered_json gamma = nlohmann::ordered_json::array();
    // Gamma values to a thousandth: the table's steps are tenths, and the
    // library's doubles carry their binary rounding.
    for (const auto& g : facts.gamma)
        gamma.push_back({{"value", std::round(g.value * 1000.0) / 1000.0}, {"index", g.index}});
    nlohmann::ordered_json flavors = nlohmann::ordered_json::array();
    for (const auto& f : facts.flavors)
        flavors.push_back({{"flavor", f.flavor}, {"modes", f.modes}, {"features", f.features}});
    return {
        {"index", monitor.index},
        {"serial", Printable(monitor.serial)},
        {"model", Printable(monitor.model)},
        {"pathKind", monitor.firstKind},
        {"modeCount", facts.modeCount},
        {"nativeLutBitDepth",
         facts.lutDepth ? nlohmann::ordered_json(*facts.lutDepth) : nlohmann::ordered_json(nullptr)},
        {"panelRevision", facts.panelRevision},
        {"mediaEmulationCount", facts.mediaEmulationCount},
        {"gamma", gamma},
        {"colourTemperatures", facts.colourTemperatures},
        {"inputPorts", facts.inputPorts},
        {"nativeResolution", facts.nativeResolution
                                 ? nlohmann::ordered_json({{"width", facts.nativeResolution->first},
                                                           {"height", facts.nativeResolution->second}})
                                 : nlohmann::ordered_json(nullptr)},
        {"flavors", flavors},
    };
}

namespace {

std::string Capabilities(const ModelFacts& facts) {
    std::vector<std::string> words;
    words.push_back(facts.modeCount > 0 ? fmt::format("{} picture modes", facts.modeCount) : "no picture modes");
    words.push_back(facts.lutDepth ? fmt::format("{}-bit native LUT", *facts.lutDepth) : "no native LUT");
    if (facts.mediaEmulationCount > 0)
        words.push_back(fmt::format("{} media emulation tables", facts.mediaEmulationCount));
    if (!facts.flavors.empty()) words.push_back(fmt::format("{} preset flavors", facts.flavors.size()));
    return fmt::format("{}", fmt::join(words, ", "));
}

}  // namespace

std::string ToText(const Monitor& monitor, const ModelFacts& facts) {
    std::string out;
    out += fmt::format("{} {} (monitor {}, found over {})\n", Printable(monitor.model), Printable(monitor.serial),
                       monitor.index, KindName(monitor.firstKind));
    out += fmt::format("  capabilities:       {}\n", Capabilities(facts));
    out += fmt::format("  panel revision:     {}\n", facts.panelRevision);
    std::vector<std::string> gamma;
    for (const auto& g : facts.gamma) gamma.push_back(fmt::format("{} [{}]", GammaText(g.value), g.index));
    out +=
        fmt::format("  gamma:              {}\n", gamma.empty() ? "none" : fmt::format("{}", fmt::join(gamma, ", ")));
    std::vector<std::string> temps;
    for (const int t : facts.colourTemperatures) temps.push_back(ColourTemperatureText(t));
    out +=
        fmt::format("  colour temperature: {}\n", temps.empty() ? "none" : fmt::format("{}", fmt::join(temps, ", ")));
    out += fmt::format("  native resolution:  {}\n",
                       facts.nativeResolution
                           ? fmt::format("{} x {}", facts.nativeResolution->first, facts.nativeResolution->second)
                           : "not known");
    out += fmt::format("  input ports:        {}\n",
                       facts.inputPorts.empty() ? "none" : fmt::format("{}", fmt::join(facts.inputPorts, ", ")));
    if (facts.flavors.empty()) {
        out += "  flavors:            none\n";
    } else {
        out += "  flavors:\n";
        for (const auto& f : facts.flavors)
            out += fmt::format("    flavor {:<3} modes {:<10} features {}\n", f.flavor,
                               fmt::format("{}", fmt::join(f.modes, ",")),
                               f.features.empty() ? "none" : fmt::format("{}", fmt::join(f.features, ",")));
    }
    return out;
}

}  // namespace dvc::cli
