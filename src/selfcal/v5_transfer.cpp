#include "selfcal/v5_transfer.hpp"

#include <algorithm>
#include <iterator>

#include "features/path_rules.hpp"
#include "libdvc/dvc_selfcal_records.h"
#include "paths/feature_codes.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "registry/varn_monitor.hpp"
#include "selfcal/older_records.hpp"
#include "selfcal/paged_transfer.hpp"
#include "selfcal/v5_capabilities.hpp"
#include "selfcal/v5_fixed_point.hpp"
#include "selfcal/v5_handles.hpp"
#include "selfcal/v5_operations.hpp"
#include "selfcal/v5_records.hpp"

namespace dvc::selfcal {
namespace {

using features::FirstAnswer;

// LUT values are fractions of the model's largest raw LUT entry.
LutScale ScaleOf(const VarnMonitor& monitor) {
    const auto* record = monitor.Record();
    return LutScaleFor(ModelLutSize(monitor), record ? record->Word(registry::word::kLutMaximum) : 0);
}

template <class Decode>
DvError ReadPaged(VarnMonitor& monitor, uint32_t code, Decode&& decode) {
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        paged::Pages pages;
        const DvError result = paged::ReadItem(path, code, pages);
        if (paths::Usable(result)) decode(pages);
        return result;
    });
}

DvError WritePaged(VarnMonitor& monitor, uint32_t code, const paged::Pages& pages) {
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return paged::WriteItem(path, code, pages); });
}

// The older records and the objects, field by field.
void FromOlder(const DvSelfCalibrationTargetV3& r, TargetV5& t) {
    t.SetIdInt16(r.id);
    t.luminance = r.luminance;
    t.white = r.white;
    t.colorTemperature = r.colorTemperature;
    t.colorGamut = r.colorGamut;
    t.red = r.red, t.green = r.green, t.blue = r.blue;
    GammaByIndex(static_cast<int32_t>(r.gammaIndex), t.gammaType, t.gammaIndex, t.gammaValue);
    t.enable = r.enable;
    t.gamutClipping = r.gamutClipping;
}
DvSelfCalibrationTargetV3 ToOlder(const TargetV5& t) {
    DvSelfCalibrationTargetV3 r{};
    r.enable = t.enable;
    r.id = t.IdInt16();
    r.luminance = t.luminance;
    r.white = t.white;
    r.colorTemperature = t.colorTemperature;
    r.colorGamut = t.colorGamut;
    r.red = t.red, r.green = t.green, r.blue = t.blue;
    r.gammaIndex = static_cast<uint32_t>(t.gammaIndex);
    r.gamutClipping = t.gamutClipping;
    return r;
}

// The version-1 result stands in for the result record of monitors without
// the paged item: the only older result block whose layout is known.
void FromOlder(const DvSelfCalibrationResult& r, ResultV5& o) {
    o.error = r.firstWord;
    o.luminance = r.luminance;
    o.white = r.white, o.red = r.red, o.green = r.green, o.blue = r.blue;
    o.targetGammaIndex = r.targetGammaIndex;
}
bool ToOlder(const ResultV5& o, DvSelfCalibrationResult& r) {
    // A result never run (0xFFFFFFFF) keeps the block's 16-bit form of it.
    const uint32_t error = o.error == 0xFFFFFFFFu ? 0xFFFFu : o.error;
    if (error > 0xFFFF || !fixed::RoundHalfUp(o.luminance, 1.0, r.luminance)) return false;
    r.firstWord = static_cast<uint16_t>(error);
    r.white = o.white, r.red = o.red, r.green = o.green, r.blue = o.blue;
    r.targetGammaIndex = o.targetGammaIndex;
    return true;
}

void FromOlder(const DvSelfCalibrationResultSetting& r, SettingV5& s) {
    s.recordTag = static_cast<uint16_t>(r.recordTag);
    s.contrast = r.contrast;
    std::copy(std::begin(r.gainMatrix), std::end(r.gainMatrix), s.gainMatrix.begin());
    std::copy(std::begin(r.emulationMatrix), std::end(r.emulationMatrix), s.emulationMatrix.begin());
}
DvSelfCalibrationResultSetting ToOlder(const SettingV5& s) {
    DvSelfCalibrationResultSetting r{};
    r.recordTag = s.recordTag;
    r.contrast = s.contrast;
    std::copy(s.gainMatrix.begin(), s.gainMatrix.end(), std::begin(r.gainMatrix));
    std::copy(s.emulationMatrix.begin(), s.emulationMatrix.end(), std::begin(r.emulationMatrix));
    return r;
}

// Reads the older record with `read` on each path and copies a usable one in.
template <class Record, class Read, class Copy>
DvError ReadOlder(VarnMonitor& monitor, Read&& read, Copy&& copy) {
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) {
        Record record{};
        const DvError result = read(path, &record);
        if (paths::Usable(result)) copy(record);
        return result;
    });
}

DvError GetTarget(VarnMonitor& monitor, const Capabilities& caps, TargetV5& t) {
    if (caps.targetA)
        return ReadPaged(monitor, codes::kSelfCalTargetPaged,
                         [&](const paged::Pages& p) { DecodeTarget(p, ScaleOf(monitor), t); });
    if (!caps.targetB && !caps.targetC) return DvErrNotSupported;
    return ReadOlder<DvSelfCalibrationTargetV3>(
        monitor, [&](VarnMonitorInterface& path, auto* r) { return older::ReadTargetV3(path, caps.targetB, r); },
        [&](const auto& r) { FromOlder(r, t); });
}

DvError GetResult(VarnMonitor& monitor, const Capabilities& caps, ResultV5& o) {
    if (caps.resultA) return ReadPaged(monitor, codes::kSelfCalResultPaged, [&](const auto& p) { DecodeResult(p, o); });
    if (!caps.resultD) return DvErrNotSupported;
    return ReadOlder<DvSelfCalibrationResult>(monitor, older::ReadResultV1, [&](const auto& r) { FromOlder(r, o); });
}

DvError GetSetting(VarnMonitor& monitor, const Capabilities& caps, SettingV5& s) {
    if (caps.settingA)
        return ReadPaged(monitor, codes::kSelfCalResultSettingPaged,
                         [&](const paged::Pages& p) { DecodeSetting(p, ScaleOf(monitor), s); });
    if (!caps.settingB) return DvErrNotSupported;
    return ReadOlder<DvSelfCalibrationResultSetting>(monitor, older::ReadSettingV1,
                                                     [&](const auto& r) { FromOlder(r, s); });
}

DvError SetTarget(VarnMonitor& monitor, const TargetV5& t) {
    if (const DvError check = CheckTarget(t); check < 0) return check;
    const Capabilities caps = ReadCapabilities(monitor);
    if (caps.targetA) {
        paged::Pages pages;
        if (const DvError r = EncodeTarget(t, ScaleOf(monitor), pages); r < 0) return r;
        return WritePaged(monitor, codes::kSelfCalTargetPaged, pages);
    }
    if (!caps.targetB && !caps.targetC) return DvErrNotSupported;
    const DvSelfCalibrationTargetV3 record = ToOlder(t);
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return older::WriteTargetV3(path, caps.targetB, record); });
}

DvError SetResult(VarnMonitor& monitor, const ResultV5& o) {
    const Capabilities caps = ReadCapabilities(monitor);
    if (caps.resultA) {
        paged::Pages pages;
        if (const DvError r = EncodeResult(o, pages); r < 0) return r;
        return WritePaged(monitor, codes::kSelfCalResultPaged, pages);
    }
    if (!caps.resultD) return DvErrNotSupported;
    DvSelfCalibrationResult record{};
    if (!ToOlder(o, record)) return DvErrInvalidParameter;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return older::WriteResultV1(path, record); });
}

DvError SetSetting(VarnMonitor& monitor, const SettingV5& s) {
    const Capabilities caps = ReadCapabilities(monitor);
    if (caps.settingA) {
        paged::Pages pages;
        if (const DvError r = EncodeSetting(s, ScaleOf(monitor), pages); r < 0) return r;
        return WritePaged(monitor, codes::kSelfCalResultSettingPaged, pages);
    }
    if (!caps.settingB) return DvErrNotSupported;
    const DvSelfCalibrationResultSetting record = ToOlder(s);
    return FirstAnswer(monitor.Paths(),
                       [&](VarnMonitorInterface& path) { return older::WriteSettingV1(path, record); });
}

}  // namespace

DvError GetCurrent(VarnMonitor& monitor, ObjectKind kind, V5Object** out) {
    if (out == nullptr) return DvErrNullOutput;
    const DvError created = CreateObject(monitor, kind, out);
    if (created < 0 || *out == nullptr) return created;
    const Capabilities caps = ReadCapabilities(monitor);
    switch (kind) {
    case ObjectKind::Target: return GetTarget(monitor, caps, static_cast<TargetV5&>(**out));
    case ObjectKind::Result: return GetResult(monitor, caps, static_cast<ResultV5&>(**out));
    case ObjectKind::Setting: return GetSetting(monitor, caps, static_cast<SettingV5&>(**out));
    }
    return DvErrFailed;
}

DvError SetCurrent(VarnMonitor& monitor, V5Object& object) {
    switch (object.Kind()) {
    case ObjectKind::Target: return SetTarget(monitor, static_cast<const TargetV5&>(object));
    case ObjectKind::Result: return SetResult(monitor, static_cast<const ResultV5&>(object));
    case ObjectKind::Setting: return SetSetting(monitor, static_cast<const SettingV5&>(object));
    }
    return DvErrFailed;
}

}  // namespace dvc::selfcal
