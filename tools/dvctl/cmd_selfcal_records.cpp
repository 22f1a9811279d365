// dvctl selfcal-records target|result|setting MONITOR: the monitor's current
// self-calibration target, result or result setting, each property that
// the record carries on this monitor.
#include <fmt/format.h>

#include <array>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "command.hpp"
#include "failure.hpp"
#include "libdvc/dvc_selfcal_records.h"
#include "session.hpp"

namespace dvc::cli {
namespace {

using Json = nlohmann::ordered_json;

struct RecordsOptions {
    std::string kind;
    std::string monitor;
    bool json = false;
};

// The properties read so far, in order: name, JSON value and text.
class Fields {
public:
    void Add(const char* name, DvError result, Json value, std::string text) {
        if (result < 0) return;  // not carried by this monitor's records
        json_[name] = std::move(value);
        lines_.push_back(fmt::format("  {:<24}{}", name, text));
    }
    // Each property through its getter on the object: the getter runs
    // before its value is used.
    template <class Object>
    void Colour(const char* name, DvError (*get)(Object*, colour*), Object* object) {
        colour c{};
        const DvError result = get(object, &c);
        Add(name, result, Json{{"X", c.X}, {"Y", c.Y}, {"Z", c.Z}, {"x", c.x}, {"y", c.y}},
            fmt::format("Y {:.3f}  x {:.4f} y {:.4f}", c.Y, c.x, c.y));
    }
    template <class Object, class T>
    void Number(const char* name, DvError (*get)(Object*, T*), Object* object) {
        T value{};
        const DvError result = get(object, &value);
        Add(name, result, value, fmt::format("{}", value));
    }
    template <class Object>
    void Code(const char* name, DvError (*get)(Object*, uint32_t*), Object* object) {
        uint32_t value = 0;
        const DvError result = get(object, &value);
        Add(name, result, value, fmt::format("0x{:08X}", value));
    }
    void Print(const Monitor& monitor, const std::string& kind, bool json) const {
        if (json) {
            Json out{{"serial", monitor.serial}, {"model", monitor.model}, {"record", kind}};
            out["fields"] = json_;
            fmt::print("{}\n", out.dump(2));
            return;
        }
        fmt::print("{} {}: self-calibration {}\n", monitor.model, monitor.serial, kind);
        for (const auto& line : lines_) fmt::print("{}\n", line);
    }

private:
    Json json_ = Json::object();
    std::vector<std::string> lines_;
};

// Releases an object with any of the release exports.
struct Released {
    void operator()(void* object) const { DvCtrlReleaseSelfCalTargetV5(static_cast<DvCtrlSelfCalTargetV5*>(object)); }
};
template <class T>
using Owned = std::unique_ptr<T, Released>;

// The monitor's current record of one kind, owned; a failure is reported
// with `what` (the object, if any, is released first).
template <class T>
Owned<T> Current(const Monitor& m, DvError (*get)(const char*, const char*, T**), const char* what) {
    T* raw = nullptr;
    const DvError got = get(m.serial.c_str(), m.model.c_str(), &raw);
    Owned<T> object(raw);
    Check(got, what);
    return object;
}

void Target(const Monitor& m, Fields& f) {
    const auto t = Current(m, DvCtrlGetCurrentSelfCalTargetV5, "reading the current self-calibration target");
    f.Number("id", DvCtrlSelfCalTargetV5GetIDInt16, t.get());
    f.Number("luminance", DvCtrlSelfCalTargetV5GetLuminance, t.get());
    f.Colour("white", DvCtrlSelfCalTargetV5GetWhite, t.get());
    uint32_t temperature = 0;
    const DvError gotTemperature = DvCtrlSelfCalTargetV5GetColorTemperature(t.get(), &temperature);
    f.Add("colorTemperature", gotTemperature, temperature,
          temperature >= 0x10000000u ? fmt::format("0x{:08X}", temperature) : fmt::format("{} K", temperature));
    f.Number("blackLuminance", DvCtrlSelfCalTargetV5GetBlackLuminance, t.get());
    f.Number("colorGamut", DvCtrlSelfCalTargetV5GetColorGamut, t.get());
    f.Colour("red", DvCtrlSelfCalTargetV5GetRed, t.get());
    f.Colour("green", DvCtrlSelfCalTargetV5GetGreen, t.get());
    f.Colour("blue", DvCtrlSelfCalTargetV5GetBlue, t.get());
    f.Number("gammaType", DvCtrlSelfCalTargetV5GetGammaType, t.get());
    f.Number("gammaIndex", DvCtrlSelfCalTargetV5GetGammaIndex, t.get());
    f.Number("gammaValue", DvCtrlSelfCalTargetV5GetGammaValue, t.get());
    f.Number("gamutClipping", DvCtrlSelfCalTargetV5GetGamutClipping, t.get());
    f.Number("calPriority", DvCtrlSelfCalTargetV5GetCalPriority, t.get());
    f.Code("hlgSystemGamma", DvCtrlSelfCalTargetV5GetHLGSystemGamma, t.get());
    f.Number("hlgClipping", DvCtrlSelfCalTargetV5GetHLGClipping, t.get());
    f.Number("enable", DvCtrlSelfCalTargetV5GetEnable, t.get());
    f.Number("limited109Optimization", DvCtrlSelfCalTargetV5GetLimited109Optimization, t.get());
    int size = 0;
    if (DvCtrlGetSelfCalLUTSize(m.serial.c_str(), m.model.c_str(), &size) == DvOk) {
        std::vector<double> values(static_cast<std::size_t>(size));
        const bool has = DvCtrlSelfCalTargetV5GetLUTValue(t.get(), values.data(), size) == DvOk;
        f.Add("lutValue", has ? DvOk : DvErrNotSupported, values, fmt::format("{} entries", size));
    }
}

void Result(const Monitor& m, Fields& f) {
    const auto r = Current(m, DvCtrlGetCurrentSelfCalResultV5, "reading the current self-calibration result");
    f.Code("error", DvCtrlSelfCalResultV5GetError, r.get());
    f.Number("luminance", DvCtrlSelfCalResultV5GetLuminance, r.get());
    f.Colour("white", DvCtrlSelfCalResultV5GetWhite, r.get());
    f.Colour("red", DvCtrlSelfCalResultV5GetRed, r.get());
    f.Colour("green", DvCtrlSelfCalResultV5GetGreen, r.get());
    f.Colour("blue", DvCtrlSelfCalResultV5GetBlue, r.get());
    f.Colour("black", DvCtrlSelfCalResultV5GetBlack, r.get());
    f.Number("targetGammaIndex", DvCtrlSelfCalResultV5GetTargetGammaIndex, r.get());
    f.Number("hasMeasuredBlack", DvCtrlSelfCalResultV5GetHasMeasuredBlack, r.get());
    f.Colour("limited109White", DvCtrlSelfCalResultV5GetLimited109White, r.get());
    f.Colour("limited109Red", DvCtrlSelfCalResultV5GetLimited109Red, r.get());
    f.Colour("limited109Green", DvCtrlSelfCalResultV5GetLimited109Green, r.get());
    f.Colour("limited109Blue", DvCtrlSelfCalResultV5GetLimited109Blue, r.get());
}

void Setting(const Monitor& m, Fields& f) {
    const auto s =
        Current(m, DvCtrlGetCurrentSelfCalResultSettingV5, "reading the current self-calibration result setting");
    std::array<double, 9> matrix{};
    f.Number("contrast", DvCtrlSelfCalResultSettingV5GetContrast, s.get());
    for (const auto& [name, get] : {std::pair{"gainMatrix", &DvCtrlSelfCalResultSettingV5GetGainMatrix},
                                    std::pair{"emulationMatrix", &DvCtrlSelfCalResultSettingV5GetEmulationMatrix}}) {
        const DvError read = get(s.get(), matrix.data());
        f.Add(name, read, matrix, fmt::format("{:.5f}", fmt::join(matrix, " ")));
    }
    f.Number("gammaArea", DvCtrlSelfCalResultSettingV5GetGammaArea, s.get());
    f.Number("targetGammaType", DvCtrlSelfCalResultSettingV5GetTargetGammaType, s.get());
    f.Number("targetGammaIndex", DvCtrlSelfCalResultSettingV5GetTargetGammaIndex, s.get());
    f.Number("targetGammaValue", DvCtrlSelfCalResultSettingV5GetTargetGammaValue, s.get());
    f.Code("hlgSystemGamma", DvCtrlSelfCalResultSettingV5GetHLGSystemGamma, s.get());
    f.Number("hlgClipping", DvCtrlSelfCalResultSettingV5GetHLGClipping, s.get());
    f.Number("limited109Setting", DvCtrlSelfCalResultSettingV5GetLimited109Setting, s.get());
}

void Run(const GlobalOptions& global, const RecordsOptions& o) {
    Session session(global, false);
    const Monitor& monitor = session.Find(o.monitor);
    Fields fields;
    if (o.kind == "target") Target(monitor, fields);
    else if (o.kind == "result") Result(monitor, fields);
    else Setting(monitor, fields);
    fields.Print(monitor, o.kind, o.json);
}

}  // namespace

void AddSelfCalRecordsCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<RecordsOptions>();
    auto* cmd = app.add_subcommand("selfcal-records",
                                   "show a monitor's current self-calibration target, result or result setting");
    cmd->add_option("record", options->kind, "target, result or setting")
        ->required()
        ->check(CLI::IsMember({"target", "result", "setting"}));
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { Run(global, *options); });
}

}  // namespace dvc::cli
