#include "selfcal/v5_operations.hpp"

#include <memory>
#include <new>

#include "paths/feature_codes.hpp"
#include "registry/varn_monitor.hpp"
#include "selfcal/v5_capabilities.hpp"
#include "selfcal/v5_handles.hpp"

namespace dvc::selfcal {

namespace {

bool Any(VarnMonitor& monitor, std::initializer_list<uint32_t> items) {
    for (uint32_t code : items)
        if (ItemSupported(monitor, code)) return true;
    return false;
}

}  // namespace

int SupportedTargetV5(VarnMonitor& monitor) {
    return Any(monitor, {codes::kSelfCalTargetPaged, codes::kSelfCalTargetV3, codes::kSelfCalTargetV1}) ? 1 : 0;
}

int SupportedResultV5(VarnMonitor& monitor) {
    return Any(monitor, {codes::kSelfCalResultPaged, codes::kSelfCalResultV4Support, codes::kSelfCalResultV2Support,
                         codes::kSelfCalResultV1})
               ? 1
               : 0;
}

int SupportedResultSettingV5(VarnMonitor& monitor) {
    return Any(monitor, {codes::kSelfCalResultSettingPaged, codes::kSelfCalResultSettingV1}) ? 1 : 0;
}

int SupportedProperty(VarnMonitor& monitor, ObjectKind kind, int id) {
    if (id != 0) return 0;
    const int type = kind == ObjectKind::Target   ? SupportedTargetV5(monitor)
                     : kind == ObjectKind::Result ? SupportedResultV5(monitor)
                                                  : SupportedResultSettingV5(monitor);
    if (type == 0) return 0;
    return ItemSupported(monitor, codes::kLimited109Setting) ? 1 : 0;
}

DvError CreateObject(VarnMonitor& monitor, ObjectKind kind, V5Object** out) {
    if (out == nullptr) return DvErrNullOutput;
    *out = nullptr;
    const int supported = kind == ObjectKind::Target   ? SupportedTargetV5(monitor)
                          : kind == ObjectKind::Result ? SupportedResultV5(monitor)
                                                       : SupportedResultSettingV5(monitor);
    if (supported == 0) return DvErrNotSupported;
    if (monitor.Paths().empty()) return DvErrFailed;
    const Capabilities caps = ReadCapabilities(monitor);
    std::unique_ptr<V5Object> object;
    switch (kind) {
    case ObjectKind::Target: object.reset(new (std::nothrow) TargetV5(caps)); break;
    case ObjectKind::Result: object.reset(new (std::nothrow) ResultV5(caps)); break;
    case ObjectKind::Setting: object.reset(new (std::nothrow) SettingV5(caps)); break;
    }
    // A failed allocation leaves a null handle and still succeeds.
    *out = Adopt(std::move(object));
    return DvOk;
}

DvError GetSelfCalLutSize(VarnMonitor& monitor, int* count) {
    if (count == nullptr) return DvErrInvalidParameter;
    const uint32_t size = ModelLutSize(monitor);
    *count = static_cast<int>(size);
    return size == 0 ? DvErrNotSupported : DvOk;
}

}  // namespace dvc::selfcal
