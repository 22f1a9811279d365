// The process-wide list of HID paths: discovery, paths for handles that the
// host supplies, removal and release.
#include <algorithm>
#include <optional>
#include <vector>

#include "hidlink/hidlink.h"
#include "paths/feature_codes.hpp"
#include "paths/identification_block.hpp"
#include "paths/varn_hid_monitor.hpp"

using dvc::codes::kIdentification;
using dvc::paths::Usable;

namespace {
// The pair that the device reports. Enumeration is lenient with the data
// read (only a plain failure skips the device: a refusal still leaves the
// block in the buffer); a refused support query names no device.
std::optional<dvc::paths::IdentifierPair> Identify(uint32_t handle) {
    int32_t flag = 0;
    uint32_t length = 0;
    if (DvHIDGetFixedData(handle, kIdentification, nullptr, nullptr, &flag, &length) < 0 || flag == 0) {
        return std::nullopt;
    }
    if (length > dvc::paths::kMaxIdentificationBytes) return std::nullopt;
    std::vector<uint8_t> block(length, 0);
    if (DvHIDGetData(handle, kIdentification, block.data(), length) == DvErrFailed) return std::nullopt;
    return dvc::paths::SplitIdentificationBlock(block);
}

// A path for a handle that the host supplies is made only from a device
// that identifies itself: a refusal of the block still counts when the
// bytes arrived, but a path without a pair would register a nameless
// monitor.
std::optional<dvc::paths::IdentifierPair> IdentifyAdded(uint32_t handle) {
    int32_t flag = 0;
    uint32_t length = 0;
    const int32_t r = DvHIDGetFixedData(handle, kIdentification, nullptr, nullptr, &flag, &length);
    if (!Usable(r) || flag == 0 || length > dvc::paths::kMaxIdentificationBytes) return std::nullopt;
    std::vector<uint8_t> block(length, 0);
    if (!Usable(DvHIDGetData(handle, kIdentification, block.data(), length))) return std::nullopt;
    return dvc::paths::SplitIdentificationBlock(block);
}
}  // namespace

VarnHIDMonitor::List& VarnHIDMonitor::Monitors() {
    // Never destroyed: the registry, which outlives static destruction,
    // borrows these paths.
    static List* list = new List;
    return *list;
}

int VarnHIDMonitor::FindMonitors() {
    const int32_t count = DvHIDFind();
    List& list = Monitors();
    for (int32_t i = 0; i < count; ++i) {
        uint32_t handle = 0;
        if (DvHIDRetrieve(static_cast<uint32_t>(i), &handle) < 0 || handle == 0) continue;
        if (auto pair = Identify(handle)) {
            list.push_back(std::make_unique<VarnHIDMonitor>(handle, std::move(pair->serial), std::move(pair->model)));
        }
    }
    return static_cast<int>(list.size());
}

VarnHIDMonitor* VarnHIDMonitor::AddMonitor(uint32_t handle, std::string* first, std::string* second) {
    if (handle == 0) return nullptr;
    List& list = Monitors();
    for (const auto& path : list) {
        uint32_t known = 0;
        if (path->GetHandle(&known) >= 0 && known == handle) return nullptr;
    }
    auto pair = IdentifyAdded(handle);
    if (!pair) return nullptr;
    if (first != nullptr) *first = pair->serial;
    if (second != nullptr) *second = pair->model;
    list.push_back(std::make_unique<VarnHIDMonitor>(handle, std::move(pair->serial), std::move(pair->model)));
    return list.back().get();
}

DvError VarnHIDMonitor::RemoveMonitor(const std::string& first, const std::string& second) {
    List& list = Monitors();
    const auto match = std::find_if(list.begin(), list.end(), [&](const auto& path) {
        std::string serial;
        std::string model;
        path->GetIdentifiers(kIdentification, serial, model);
        return serial == first && model == second;
    });
    if (match == list.end()) return DvErrFailed;
    list.erase(match);
    return DvOk;
}

DvError VarnHIDMonitor::ReleaseMonitors() {
    const int32_t r = DvHIDRelease();
    List& list = Monitors();
    for (auto& path : list) path.reset();
    list.clear();
    return dvc::paths::AsError(r);
}
