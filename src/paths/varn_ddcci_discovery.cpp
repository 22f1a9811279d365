// The process-wide list of DDC/CI paths: discovery and release.
#include <optional>
#include <vector>

#include "ddclink/ddclink.h"
#include "paths/feature_codes.hpp"
#include "paths/identification_block.hpp"
#include "paths/varn_ddcci_monitor.hpp"

using dvc::codes::kIdentification;

namespace {
// The pair that monitor `index` reports, or nothing when any of the three
// identification calls fails or the block is malformed.
std::optional<dvc::paths::IdentifierPair> Identify(uint32_t index) {
    uint32_t length = 0;
    if (DvDDCCIGetFixedData(index, kIdentification, nullptr, nullptr, &length) < 0) return std::nullopt;
    if (DvDDCCIIsSupported(index, kIdentification) == 0) return std::nullopt;
    if (length > dvc::paths::kMaxIdentificationBytes) return std::nullopt;
    std::vector<uint8_t> block(length, 0);
    if (DvDDCCIGetData(index, kIdentification, block.data(), length) != 0) return std::nullopt;
    return dvc::paths::SplitIdentificationBlock(block);
}
}  // namespace

VarnDDCCIMonitor::List& VarnDDCCIMonitor::Monitors() {
    // Never destroyed: the registry, which outlives static destruction,
    // borrows these paths.
    static List* list = new List;
    return *list;
}

int VarnDDCCIMonitor::FindMonitors(int32_t communicationType) {
    if (DvDDCCISetCommunicationType(communicationType) < 0) return 0;
    const int32_t count = DvDDCCIFind();
    List& list = Monitors();
    for (int32_t i = 0; i < count; ++i) {
        const auto index = static_cast<uint32_t>(i);
        if (auto pair = Identify(index)) {
            list.push_back(std::make_unique<VarnDDCCIMonitor>(std::move(pair->serial), std::move(pair->model), index));
        }
    }
    return static_cast<int>(list.size());
}

DvError VarnDDCCIMonitor::ReleaseMonitors() {
    const int32_t r = DvDDCCIRelease();
    List& list = Monitors();
    for (auto& path : list) path.reset();
    list.clear();
    return dvc::paths::AsError(r);
}
