// dvctl selfcal status MONITOR: whether the monitor calibrates itself, and
// its switch, state, lock holder, ageing times, clock and next schedule.
// dvctl selfcal lock|unlock MONITOR OWNER: the lock that cooperating
// programs keep in the monitor while one of them works with self-calibration.
#include <fmt/format.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

#include "command.hpp"
#include "failure.hpp"
#include "libdvc/dvc_selfcal_control.h"
#include "session.hpp"

namespace dvc::cli {
namespace {

using Json = nlohmann::ordered_json;

struct SelfCalOptions {
    std::string monitor;
    int owner = 0;
    bool json = false;
};

// One reading through `get(int*)`: its value, or nothing when the monitor
// does not give it.
template <class Get>
std::optional<int> Read(Get get) {
    int value = 0;
    if (get(&value) < 0) return std::nullopt;
    return value;
}

template <class T>
Json JsonOf(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

std::string TextOf(const std::optional<int>& value) { return value ? fmt::format("{}", *value) : "not available"; }

struct Status {
    bool supported = false;
    bool selfQC = false;
    std::optional<int> enabled, state, owner, ageing, ageingBrightness;
    std::optional<uint32_t> clock;
    std::optional<uint16_t> clockExtra;
    std::optional<DvSelfNextSchedule> next;
};

Status ReadStatus(const Monitor& m) {
    const char* s = m.serial.c_str();
    const char* n = m.model.c_str();
    Status st;
    st.supported = DvCtrlSupportedSelfCalibration(s, n) != 0;
    st.selfQC = DvCtrlSupportedSelfQCCal(s, n) != 0;
    const auto of = [s, n](DvError (*get)(const char*, const char*, int*)) {
        return Read([&](int* value) { return get(s, n, value); });
    };
    st.enabled = of(DvCtrlGetSelfCalibrationTargetColorMode);
    st.state = of(DvCtrlGetSelfCalibrationState);
    st.owner = of(DvCtrlGetSelfCalibrationMutexOwner);
    st.ageing = of(DvCtrlGetSelfCalibrationAgingTime);
    if (DvCtrlSupportedSelfCalibrationAgingTimeForBrightnessChange(s, n) != 0)
        st.ageingBrightness = of(DvCtrlGetSelfCalibrationAgingTimeForBrightnessChange);
    uint32_t time = 0;
    uint16_t extra = 0;
    if (DvCtrlGetSelfCalibrationClockTime(s, n, &time, &extra) >= 0) {
        st.clock = time;
        st.clockExtra = extra;
    }
    DvSelfNextSchedule next{};
    if (DvCtrlSupportedSelfNextSchedule(s, n) != 0 && DvCtrlGetSelfNextSchedule(s, n, 0, &next) >= 0) st.next = next;
    return st;
}

std::string NextText(const DvSelfNextSchedule& next) {
    const uint8_t* d = next.data;
    switch (next.type) {
    case 1:
        return fmt::format("type 1: {} ({})", static_cast<uint32_t>(d[0] | d[1] << 8 | d[2] << 16 | d[3] << 24), d[4]);
    case 2: return fmt::format("type 2: {} {} {} {} {}", d[0] | d[1] << 8, d[2], d[3], d[4], d[5]);
    default: return "none the library knows";
    }
}

void PrintStatus(const Monitor& m, const Status& st, bool json) {
    if (json) {
        Json out{{"serial", m.serial},
                 {"model", m.model},
                 {"supported", st.supported},
                 {"selfQC", st.selfQC},
                 {"enabled", JsonOf(st.enabled)},
                 {"state", JsonOf(st.state)},
                 {"lockOwner", JsonOf(st.owner)},
                 {"ageingTime", JsonOf(st.ageing)},
                 {"ageingTimeForBrightnessChange", JsonOf(st.ageingBrightness)},
                 {"clock", st.clock ? Json{{"time", *st.clock}, {"extra", *st.clockExtra}} : Json(nullptr)},
                 {"nextSchedule",
                  st.next ? Json{{"type", st.next->type}, {"data", std::vector<int>(st.next->data, st.next->data + 8)}}
                          : Json(nullptr)}};
        fmt::print("{}\n", out.dump(2));
        return;
    }
    fmt::print("{} {}\n", m.model, m.serial);
    fmt::print("  self-calibration     {}\n", st.supported ? "supported" : st.selfQC ? "self-QC" : "not supported");
    fmt::print("  switch / target mode {}\n", TextOf(st.enabled));
    fmt::print("  state                {}\n", TextOf(st.state));
    fmt::print("  lock                 {}\n", !st.owner        ? "not available"
                                              : *st.owner == 0 ? "free"
                                                               : fmt::format("held by owner {}", *st.owner));
    fmt::print("  ageing time          {}\n", TextOf(st.ageing));
    if (st.ageingBrightness) fmt::print("  ageing after change  {}\n", *st.ageingBrightness);
    fmt::print("  clock                {}\n",
               st.clock ? fmt::format("{:#010x} {:#06x}", *st.clock, *st.clockExtra) : "not available");
    fmt::print("  next schedule        {}\n", st.next ? NextText(*st.next) : "not available");
}

void RunStatus(const GlobalOptions& global, const SelfCalOptions& o) {
    Session session(global, false);
    const Monitor& m = session.Find(o.monitor);
    PrintStatus(m, ReadStatus(m), o.json);
}

void RunLock(const GlobalOptions& global, const SelfCalOptions& o, bool lock) {
    Session session(global, false);
    const Monitor& m = session.Find(o.monitor);
    const char* s = m.serial.c_str();
    const char* n = m.model.c_str();
    int holder = 0;
    const DvError result =
        lock ? DvCtrlLockSelfCalibration(s, n, o.owner, 0) : DvCtrlUnlockSelfCalibration(s, n, o.owner);
    const char* doing = lock ? "locking" : "unlocking";
    if (result < 0 && DvCtrlGetSelfCalibrationMutexOwner(s, n, &holder) >= 0) {
        if (holder != 0 && holder != o.owner)
            throw Failure(
                result, fmt::format("{} self-calibration as owner {}: owner {} holds the lock", doing, o.owner, holder),
                true);
        if (!lock && holder == 0)
            throw Failure(result, fmt::format("unlocking self-calibration as owner {}: it is not locked", o.owner),
                          true);
    }
    Check(result, fmt::format("{} self-calibration as owner {}", doing, o.owner));
    if (o.json)
        fmt::print("{}\n",
                   Json{{"serial", m.serial}, {"model", m.model}, {"locked", lock}, {"owner", o.owner}}.dump(2));
}

void AddLockCommand(CLI::App& parent, const GlobalOptions& global, bool lock) {
    auto options = std::make_shared<SelfCalOptions>();
    auto* cmd = parent.add_subcommand(lock ? "lock" : "unlock",
                                      lock ? "take the self-calibration lock as OWNER (1 to 255)"
                                           : "give the self-calibration lock back; only its holder may");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_option("owner", options->owner, "the owner's identifier")
        ->required()
        ->check(CLI::Range(lock ? 1 : 0, 255));
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options, lock] { RunLock(global, *options, lock); });
}

}  // namespace

void AddSelfCalControlCommand(CLI::App& app, const GlobalOptions& global) {
    auto* selfcal = app.add_subcommand("selfcal", "self-calibration of a monitor: its status and its lock");
    selfcal->require_subcommand(1);
    auto options = std::make_shared<SelfCalOptions>();
    auto* status = selfcal->add_subcommand("status", "show whether a monitor calibrates itself, and how");
    status->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    status->add_flag("--json", options->json, "print JSON");
    status->callback([&global, options] { RunStatus(global, *options); });
    AddLockCommand(*selfcal, global, true);
    AddLockCommand(*selfcal, global, false);
}

}  // namespace dvc::cli
