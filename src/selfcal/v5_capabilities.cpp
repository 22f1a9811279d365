#include "selfcal/v5_capabilities.hpp"

#include "paths/feature_codes.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "registry/varn_monitor.hpp"

namespace dvc::selfcal {

bool ItemSupported(VarnMonitor& monitor, uint32_t code, uint32_t* length) {
    for (VarnMonitorInterface* path : monitor.Paths()) {
        int32_t flag = 0;
        uint32_t size = 0;
        const DvError result = path->ReadFixedData(code, nullptr, nullptr, &flag, &size);
        if (!paths::Usable(result)) continue;
        if (length != nullptr) *length = size;
        return flag != 0;
    }
    return false;
}

Capabilities ReadCapabilities(VarnMonitor& monitor) {
    Capabilities caps;
    caps.targetA = ItemSupported(monitor, codes::kSelfCalTargetPaged);
    caps.targetB = ItemSupported(monitor, codes::kSelfCalTargetV3);
    caps.targetC = ItemSupported(monitor, codes::kSelfCalTargetV1);
    caps.resultA = ItemSupported(monitor, codes::kSelfCalResultPaged, &caps.resultALength);
    caps.resultB = ItemSupported(monitor, codes::kSelfCalResultV4Support);
    caps.resultC = ItemSupported(monitor, codes::kSelfCalResultV2Support);
    caps.resultD = ItemSupported(monitor, codes::kSelfCalResultV1);
    caps.settingA = ItemSupported(monitor, codes::kSelfCalResultSettingPaged);
    caps.settingB = ItemSupported(monitor, codes::kSelfCalResultSettingV1);
    caps.limited109 = ItemSupported(monitor, codes::kLimited109Setting);
    caps.lutSize = ModelLutSize(monitor);
    return caps;
}

uint32_t ModelLutSize(const VarnMonitor& monitor) {
    const auto* record = monitor.Record();
    return record == nullptr ? 0 : LutSizeForDepth(record->Word(registry::word::kSelfCalLutDepth));
}

}  // namespace dvc::selfcal
