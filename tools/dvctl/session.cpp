#include "session.hpp"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "discovery_cache.hpp"
#include "failure.hpp"
#include "libdvc/libdvc.h"
#include "no_monitor_hint.hpp"
#include "real_displays.hpp"
#include "sim_world.hpp"
#include "value_text.hpp"

namespace dvc::cli {

namespace {

// The identifier pair buffers of DvCtrlGetSerialProduct.
constexpr int kSerialBytes = 9;
constexpr int kModelBytes = 17;

using Pair = std::pair<std::string, std::string>;
constexpr int kTypeOne = DvPathDDCCIType1;

std::vector<Pair> RegisteredPairs() {
    std::vector<Pair> pairs;
    const int count = DvCtrlGetNumMonitors();
    for (int i = 0; i < count; ++i) {
        char serial[kSerialBytes] = {};
        char model[kModelBytes] = {};
        if (DvCtrlGetSerialProduct(i, serial, model) == DvOk) pairs.emplace_back(serial, model);
    }
    return pairs;
}

// A name that reads as an index below this may mean a place in the whole
// list, so it is never looked for on the links alone.
constexpr unsigned long kMostMonitors = 4096;

bool IsIndex(const std::string& name) {
    return !name.empty() && name.size() < 9 &&
           std::all_of(name.begin(), name.end(), [](unsigned char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

const std::vector<PathKind>& ProbedKinds() {
    static const std::vector<PathKind> kinds{
        {DvPathHID, "HID"}, {DvPathDDCCIType0, "DDC/CI"}, {DvPathDDCCIType1, "DDC/CI-1"}};
    return kinds;
}

const char* KindName(int kind) {
    for (const auto& k : ProbedKinds())
        if (k.kind == kind) return k.name;
    return "unknown";
}

Session::Session(const GlobalOptions& global, bool probePaths) : global_(global) {
    PrepareVirtualWorld(global);
    real_ = !UsingVirtualMonitors(global);
    UseDiscoveryCache();
    if (probePaths) Discover(true, "");
}

void Session::Discover(bool probePaths, const std::string& only) {
    if (discovered_) retired_.push_back(std::move(monitors_));
    monitors_.clear();
    // Which kinds reach which monitor, in two discoveries: DDC/CI type 1
    // alone (it cannot join type 0), then DDC/CI type 0 before HID, so that
    // the kind a monitor was first found over tells whether DDC/CI reaches
    // it, and its HID handle whether HID does.
    std::set<Pair> typeOne;
    if (probePaths) {
        DvCtrlFind(&kTypeOne, 1);
        for (auto& pair : RegisteredPairs()) typeOne.insert(std::move(pair));
    }
    const int ddcFirst[] = {DvPathDDCCIType0, DvPathHID};
    // The transports read the name at this discovery only.
    if (!only.empty()) setenv("DVC_LINK_ONLY", only.c_str(), 1);
    probePaths ? DvCtrlFind(ddcFirst, 2) : DvCtrlFind(nullptr, 0);
    unsetenv("DVC_LINK_ONLY");
    discovered_ = true;
    narrowed_ = !only.empty();
    int index = 0;
    for (auto& pair : RegisteredPairs()) {
        Monitor m;
        m.index = index++;
        m.serial = pair.first;
        m.model = pair.second;
        DvCtrlGetCommunicationPath(m.serial.c_str(), m.model.c_str(), &m.firstKind);
        if (probePaths) {
            uint32_t handle = 0;
            const bool hid = DvCtrlGetHIDHandle(m.serial.c_str(), m.model.c_str(), &handle) == DvOk;
            const bool typeZero = m.firstKind == DvPathDDCCIType0;
            // As the default discovery (HID first) would name it.
            if (hid) m.firstKind = DvPathHID;
            if (hid) m.pathKinds.push_back(DvPathHID);
            if (typeZero) m.pathKinds.push_back(DvPathDDCCIType0);
            if (typeOne.count(pair) != 0) m.pathKinds.push_back(DvPathDDCCIType1);
        }
        monitors_.push_back(std::move(m));
    }
    CheckVirtualWorldLoaded(global_);
}

Session::~Session() { DvCtrlRelease(); }

const std::vector<Monitor>& Session::Monitors() {
    if (!discovered_ || narrowed_) Discover(false, "");
    return monitors_;
}

const Monitor& Session::Find(const std::string& name, Scope scope) {
    if (!discovered_ && scope == Scope::Named && !name.empty() &&
        !(IsIndex(name) && std::stoul(name) < kMostMonitors)) {
        Discover(false, name);
        if (const Monitor* m = Match(name)) return *m;
    }
    if (!discovered_ || narrowed_) Discover(false, "");
    if (const Monitor* m = Match(name)) return *m;
    if (monitors_.empty() && real_) throw Failure(DvErrFailed, "no monitors found: " + NoMonitorHint(), true);
    throw Failure(DvErrFailed, "no monitor is named \"" + Printable(name) + "\"; dvctl list shows them", true);
}

const Monitor* Session::Match(const std::string& name) const {
    if (IsIndex(name)) {
        const auto index = static_cast<std::size_t>(std::stoul(name));
        if (index < monitors_.size()) return &monitors_[index];
    }
    for (const auto& m : monitors_)
        if (SameText(m.serial, name)) return &m;
    const auto byModel =
        std::count_if(monitors_.begin(), monitors_.end(), [&](const Monitor& m) { return SameText(m.model, name); });
    if (byModel > 1)
        throw Failure(DvErrInvalidParameter,
                      "\"" + Printable(name) + "\" is the model of " + std::to_string(byModel) +
                          " monitors; name one by serial number",
                      true);
    for (const auto& m : monitors_)
        if (SameText(m.model, name)) return &m;
    return nullptr;
}

}  // namespace dvc::cli
