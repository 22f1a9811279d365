// dvctl profile MONITOR: what a colour profile of the monitor needs, as the
// monitor reports it: the peak luminance, white, black and the primaries
// (XYZ with white at Y = 1, and xy), and each channel's tone curve (a gamma,
// or the 256 levels of its LUT).
#include <fmt/format.h>

#include <memory>
#include <nlohmann/json.hpp>

#include "command.hpp"
#include "failure.hpp"
#include "libdvc/dvc_profile.h"
#include "session.hpp"

namespace dvc::cli {
namespace {

using Json = nlohmann::ordered_json;

struct ProfileOptions {
    std::string monitor;
    bool json = false;
};

struct NamedColour {
    const char* name;
    const colour* value;
};

Json CurveJson(const DvToneCurve& curve) {
    if (curve.kind == 1) return Json{{"gamma", curve.data.gamma}};
    return Json{{"lut", std::vector<double>(std::begin(curve.data.lut), std::end(curve.data.lut))}};
}

std::string CurveText(const DvToneCurve& curve) {
    if (curve.kind == 1) return fmt::format("gamma {:.2f}", curve.data.gamma);
    return fmt::format("LUT of 256 levels ({:.4f} at 25%, {:.4f} at 50%, {:.4f} at 75%)", curve.data.lut[64],
                       curve.data.lut[128], curve.data.lut[191]);
}

void Run(const GlobalOptions& global, const ProfileOptions& o) {
    Session session(global, false);
    const Monitor& monitor = session.Find(o.monitor);
    auto profile = std::make_unique<DvProfileData>();
    Check(DvCtrlProfGetData(monitor.serial.c_str(), monitor.model.c_str(), profile.get()), "reading the profile data");
    const NamedColour colours[] = {{"white", &profile->white},
                                   {"black", &profile->black},
                                   {"red", &profile->red},
                                   {"green", &profile->green},
                                   {"blue", &profile->blue}};
    static const char* const kChannels[] = {"red", "green", "blue"};
    if (o.json) {
        Json out{{"serial", monitor.serial}, {"model", monitor.model}, {"peakLuminance", profile->peakLuminance}};
        for (const auto& c : colours)
            out[c.name] = {
                {"X", c.value->X}, {"Y", c.value->Y}, {"Z", c.value->Z}, {"x", c.value->x}, {"y", c.value->y}};
        Json curves;
        for (int i = 0; i < 3; ++i) curves[kChannels[i]] = CurveJson(profile->curves[i]);
        out["curves"] = curves;
        fmt::print("{}\n", out.dump(2));
        return;
    }
    fmt::print("{} {}\n", monitor.model, monitor.serial);
    if (profile->peakLuminance > 0) fmt::print("  peak luminance  {:.1f} cd/m2\n", profile->peakLuminance);
    else fmt::print("  peak luminance  not reported\n");
    for (const auto& c : colours)
        fmt::print("  {:<6} XYZ {:.4f} {:.4f} {:.4f}   xy {:.4f} {:.4f}\n", c.name, c.value->X, c.value->Y, c.value->Z,
                   c.value->x, c.value->y);
    for (int i = 0; i < 3; ++i) fmt::print("  {:<6} curve: {}\n", kChannels[i], CurveText(profile->curves[i]));
}

}  // namespace

void AddProfileCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<ProfileOptions>();
    auto* cmd =
        app.add_subcommand("profile", "show what a colour profile of a monitor needs, as the monitor reports it");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { Run(global, *options); });
}

}  // namespace dvc::cli
