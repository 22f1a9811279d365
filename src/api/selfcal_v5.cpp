// Exports of the self-calibration objects: creation and support on a
// monitor, and the accessors, which work on the object alone. Plain
// accessors are written from selfcal/v5_properties.def; every accessor
// finds its handle among the live objects before it touches anything, so a
// null, foreign or released handle gives 0x80000001.
#include <algorithm>
#include <cstring>

#include "api/call_frame.hpp"
#include "libdvc/dvc_selfcal_records.h"
#include "selfcal/v5_handles.hpp"
#include "selfcal/v5_operations.hpp"
#include "selfcal/v5_transfer.hpp"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace sc = dvc::selfcal;

namespace {

constexpr DvError Available(uint32_t flag) { return flag != 0 ? DvOk : DvErrNotSupported; }

template <class Object, class Handle>
DvError CreateAs(const char* id1, const char* id2, sc::ObjectKind kind, Handle** out) {
    return CallMonitor<ErrorResult>(id1, id2, [&](VarnMonitor& monitor) {
        sc::V5Object* made = nullptr;
        const DvError result = sc::CreateObject(monitor, kind, out != nullptr ? &made : nullptr);
        if (out != nullptr) *out = reinterpret_cast<Handle*>(static_cast<Object*>(made));
        return result;
    });
}

template <class Object, class Handle>
DvError GetCurrentAs(const char* id1, const char* id2, sc::ObjectKind kind, Handle** out) {
    return CallMonitor<ErrorResult>(id1, id2, [&](VarnMonitor& monitor) {
        sc::V5Object* made = nullptr;
        const DvError result = sc::GetCurrent(monitor, kind, out != nullptr ? &made : nullptr);
        if (out != nullptr) *out = reinterpret_cast<Handle*>(static_cast<Object*>(made));
        return result;
    });
}

// The object is found among the live ones before the monitor is asked.
template <class Object, class Handle>
DvError SetCurrentAs(const char* id1, const char* id2, Handle* handle) {
    Object* object = sc::FindAs<Object>(handle);
    if (object == nullptr) return DvErrInvalidParameter;
    return CallMonitor<ErrorResult>(id1, id2,
                                    [object](VarnMonitor& monitor) { return sc::SetCurrent(monitor, *object); });
}

// Copies a stored array out when the caller's count matches it exactly.
template <class T>
DvError CopyArrayOut(const std::vector<T>& stored, T* out, int count, uint32_t flag) {
    if (out == nullptr) return Available(flag);
    if (count < 0 || stored.size() != static_cast<std::size_t>(count)) return DvErrSizeMismatch;
    std::copy(stored.begin(), stored.end(), out);
    return Available(flag);
}

// Replaces a stored array by `count` entries when count is the LUT size.
template <class T>
DvError CopyArrayIn(std::vector<T>& stored, const T* in, int count, uint32_t flag, uint32_t lutSize) {
    if (flag == 0) return DvErrNotSupported;
    if (count < 0 || static_cast<uint32_t>(count) != lutSize) return DvErrSizeMismatch;
    if (in == nullptr && count > 0) return DvErrInvalidParameter;
    stored.assign(in, in + count);
    return DvOk;
}

}  // namespace

extern "C" {

// clang-format off
#define DVC_V5_GET(Prefix, Class, Property, CType, field, flag)                                   \
    DvError DvCtrl##Prefix##Get##Property(DvCtrl##Prefix* object, CType* value) {                 \
        auto* self = sc::FindAs<sc::Class>(object);                                               \
        if (self == nullptr) return DvErrInvalidParameter;                                        \
        if (value != nullptr) *value = self->field;                                               \
        return Available(self->flags[sc::flag]);                                                  \
    }
#define DVC_V5_SET(Prefix, Class, Property, CType, field, flag)                                   \
    DvError DvCtrl##Prefix##Set##Property(DvCtrl##Prefix* object, CType value) {                  \
        auto* self = sc::FindAs<sc::Class>(object);                                               \
        if (self == nullptr) return DvErrInvalidParameter;                                        \
        if (self->flags[sc::flag] == 0) return DvErrNotSupported;                                 \
        self->field = value;                                                                      \
        return DvOk;                                                                              \
    }
#define DVC_V5_SCALAR(Prefix, Class, Property, CType, field, flag) \
    DVC_V5_GET(Prefix, Class, Property, CType, field, flag) DVC_V5_SET(Prefix, Class, Property, CType, field, flag)
#define DVC_V5_GETTER(Prefix, Class, Property, CType, field, flag) DVC_V5_GET(Prefix, Class, Property, CType, field, flag)
#define DVC_V5_COLOUR(Prefix, Class, Property, field, flag) DVC_V5_SCALAR(Prefix, Class, Property, colour, field, flag)
#include "selfcal/v5_properties.def"
#undef DVC_V5_SCALAR
#undef DVC_V5_GETTER
#undef DVC_V5_COLOUR
#undef DVC_V5_GET
#undef DVC_V5_SET
// clang-format on

// Creation and support on a monitor.

DvError DvCtrlCreateSelfCalTargetV5(const char* id1, const char* id2, DvCtrlSelfCalTargetV5** object) {
    return CreateAs<sc::TargetV5>(id1, id2, sc::ObjectKind::Target, object);
}
DvError DvCtrlCreateSelfCalResultV5(const char* id1, const char* id2, DvCtrlSelfCalResultV5** object) {
    return CreateAs<sc::ResultV5>(id1, id2, sc::ObjectKind::Result, object);
}
DvError DvCtrlCreateSelfCalResultSettingV5(const char* id1, const char* id2, DvCtrlSelfCalResultSettingV5** object) {
    return CreateAs<sc::SettingV5>(id1, id2, sc::ObjectKind::Setting, object);
}

DvError DvCtrlGetCurrentSelfCalTargetV5(const char* id1, const char* id2, DvCtrlSelfCalTargetV5** object) {
    return GetCurrentAs<sc::TargetV5>(id1, id2, sc::ObjectKind::Target, object);
}
DvError DvCtrlGetCurrentSelfCalResultV5(const char* id1, const char* id2, DvCtrlSelfCalResultV5** object) {
    return GetCurrentAs<sc::ResultV5>(id1, id2, sc::ObjectKind::Result, object);
}
DvError DvCtrlGetCurrentSelfCalResultSettingV5(const char* id1, const char* id2,
                                               DvCtrlSelfCalResultSettingV5** object) {
    return GetCurrentAs<sc::SettingV5>(id1, id2, sc::ObjectKind::Setting, object);
}
DvError DvCtrlSetCurrentSelfCalTargetV5(const char* id1, const char* id2, DvCtrlSelfCalTargetV5* object) {
    return SetCurrentAs<sc::TargetV5>(id1, id2, object);
}
DvError DvCtrlSetCurrentSelfCalResultV5(const char* id1, const char* id2, DvCtrlSelfCalResultV5* object) {
    return SetCurrentAs<sc::ResultV5>(id1, id2, object);
}
DvError DvCtrlSetCurrentSelfCalResultSettingV5(const char* id1, const char* id2, DvCtrlSelfCalResultSettingV5* object) {
    return SetCurrentAs<sc::SettingV5>(id1, id2, object);
}

int DvCtrlSupportedSelfCalTargetV5(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, sc::SupportedTargetV5);
}
int DvCtrlSupportedSelfCalResultV5(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, sc::SupportedResultV5);
}
int DvCtrlSupportedSelfCalResultSettingV5(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, sc::SupportedResultSettingV5);
}
int DvCtrlSupportedSelfCalTargetV5Property(const char* id1, const char* id2, int id) {
    return CallMonitor<YesNoResult>(id1, id2, sc::SupportedProperty, sc::ObjectKind::Target, id);
}
int DvCtrlSupportedSelfCalResultV5Property(const char* id1, const char* id2, int id) {
    return CallMonitor<YesNoResult>(id1, id2, sc::SupportedProperty, sc::ObjectKind::Result, id);
}
int DvCtrlSupportedSelfCalResultSettingV5Property(const char* id1, const char* id2, int id) {
    return CallMonitor<YesNoResult>(id1, id2, sc::SupportedProperty, sc::ObjectKind::Setting, id);
}

DvError DvCtrlGetSelfCalLUTSize(const char* id1, const char* id2, int* count) {
    return CallMonitor<ErrorResult>(id1, id2, sc::GetSelfCalLutSize, count);
}

// Release: any of the three names releases any of the three kinds.

DvError DvCtrlReleaseSelfCalTargetV5(DvCtrlSelfCalTargetV5* object) {
    return object == nullptr || sc::Destroy(object) ? DvOk : DvErrInvalidParameter;
}
DvError DvCtrlReleaseSelfCalResultV5(DvCtrlSelfCalResultV5* object) {
    return object == nullptr || sc::Destroy(object) ? DvOk : DvErrInvalidParameter;
}
DvError DvCtrlReleaseSelfCalResultSettingV5(DvCtrlSelfCalResultSettingV5* object) {
    return object == nullptr || sc::Destroy(object) ? DvOk : DvErrInvalidParameter;
}

// Target: the ID and its 16-bit view, the gamma setters, the LUT arrays.

DvError DvCtrlSelfCalTargetV5GetID(DvCtrlSelfCalTargetV5* object, uint8_t* id) {
    auto* self = sc::FindAs<sc::TargetV5>(object);
    if (self == nullptr) return DvErrInvalidParameter;
    if (id != nullptr) std::memcpy(id, self->id.data(), self->id.size());
    return Available(self->flags[sc::kTgId]);
}
DvError DvCtrlSelfCalTargetV5SetID(DvCtrlSelfCalTargetV5* object, const uint8_t* id) {
    auto* self = sc::FindAs<sc::TargetV5>(object);
    if (self == nullptr) return DvErrInvalidParameter;
    if (self->flags[sc::kTgId] == 0) return DvErrNotSupported;
    if (id == nullptr) return DvErrInvalidParameter;
    std::memcpy(self->id.data(), id, self->id.size());
    return DvOk;
}
DvError DvCtrlSelfCalTargetV5GetIDInt16(DvCtrlSelfCalTargetV5* object, uint16_t* value) {
    auto* self = sc::FindAs<sc::TargetV5>(object);
    if (self == nullptr) return DvErrInvalidParameter;
    if (value != nullptr) *value = self->IdInt16();
    return Available(self->flags[sc::kTgIdInt16]);
}
DvError DvCtrlSelfCalTargetV5SetIDInt16(DvCtrlSelfCalTargetV5* object, uint16_t value) {
    auto* self = sc::FindAs<sc::TargetV5>(object);
    if (self == nullptr) return DvErrInvalidParameter;
    if (self->flags[sc::kTgIdInt16] == 0) return DvErrNotSupported;
    self->SetIdInt16(value);
    return DvOk;
}
DvError DvCtrlSelfCalTargetV5SetGammaIndex(DvCtrlSelfCalTargetV5* object, int32_t index) {
    auto* self = sc::FindAs<sc::TargetV5>(object);
    if (self == nullptr) return DvErrInvalidParameter;
    if (self->flags[sc::kTgGamma] == 0) return DvErrNotSupported;
    sc::GammaByIndex(index, self->gammaType, self->gammaIndex, self->gammaValue);
    return DvOk;
}
DvError DvCtrlSelfCalTargetV5SetGammaValue(DvCtrlSelfCalTargetV5* object, double value) {
    auto* self = sc::FindAs<sc::TargetV5>(object);
    if (self == nullptr) return DvErrInvalidParameter;
    if (self->flags[sc::kTgGamma] == 0) return DvErrNotSupported;
    sc::GammaByValue(value, self->gammaType, self->gammaIndex, self->gammaValue);
    return DvOk;
}

#define DVC_V5_TARGET_ARRAY(Property, CType, field, flag)                                                       \
    DvError DvCtrlSelfCalTargetV5Get##Property(DvCtrlSelfCalTargetV5* object, CType* values, int count) {       \
        auto* self = sc::FindAs<sc::TargetV5>(object);                                                          \
        if (self == nullptr) return DvErrInvalidParameter;                                                      \
        return CopyArrayOut(self->field, values, count, self->flags[sc::flag]);                                 \
    }                                                                                                           \
    DvError DvCtrlSelfCalTargetV5Set##Property(DvCtrlSelfCalTargetV5* object, const CType* values, int count) { \
        auto* self = sc::FindAs<sc::TargetV5>(object);                                                          \
        if (self == nullptr) return DvErrInvalidParameter;                                                      \
        return CopyArrayIn(self->field, values, count, self->flags[sc::flag], self->lutSize);                   \
    }
DVC_V5_TARGET_ARRAY(LUTAdjustable, uint32_t, lutAdjustable, kTgLutAdjustable)
DVC_V5_TARGET_ARRAY(LUTThreshold, double, lutThreshold, kTgLutThreshold)
DVC_V5_TARGET_ARRAY(LUTValue, double, lutValue, kTgLutValue)
#undef DVC_V5_TARGET_ARRAY

// Result setting: the two matrices, the gamma setters and the LUT.

#define DVC_V5_SETTING_MATRIX(Property, field)                                                                      \
    DvError DvCtrlSelfCalResultSettingV5Get##Property(DvCtrlSelfCalResultSettingV5* object, double* values) {       \
        auto* self = sc::FindAs<sc::SettingV5>(object);                                                             \
        if (self == nullptr) return DvErrInvalidParameter;                                                          \
        if (values != nullptr) std::copy(self->field.begin(), self->field.end(), values);                           \
        return DvOk;                                                                                                \
    }                                                                                                               \
    DvError DvCtrlSelfCalResultSettingV5Set##Property(DvCtrlSelfCalResultSettingV5* object, const double* values) { \
        auto* self = sc::FindAs<sc::SettingV5>(object);                                                             \
        if (self == nullptr || values == nullptr) return DvErrInvalidParameter;                                     \
        std::copy(values, values + 9, self->field.begin());                                                         \
        return DvOk;                                                                                                \
    }
DVC_V5_SETTING_MATRIX(GainMatrix, gainMatrix)
DVC_V5_SETTING_MATRIX(EmulationMatrix, emulationMatrix)
#undef DVC_V5_SETTING_MATRIX

DvError DvCtrlSelfCalResultSettingV5SetTargetGammaIndex(DvCtrlSelfCalResultSettingV5* object, int32_t index) {
    auto* self = sc::FindAs<sc::SettingV5>(object);
    if (self == nullptr) return DvErrInvalidParameter;
    if (self->flags[sc::kStGamma] == 0) return DvErrNotSupported;
    sc::GammaByIndex(index, self->targetGammaType, self->targetGammaIndex, self->targetGammaValue);
    return DvOk;
}
DvError DvCtrlSelfCalResultSettingV5SetTargetGammaValue(DvCtrlSelfCalResultSettingV5* object, double value) {
    auto* self = sc::FindAs<sc::SettingV5>(object);
    if (self == nullptr) return DvErrInvalidParameter;
    if (self->flags[sc::kStGamma] == 0) return DvErrNotSupported;
    sc::GammaByValue(value, self->targetGammaType, self->targetGammaIndex, self->targetGammaValue);
    return DvOk;
}

// Channels in order 0, 1, 2; a null channel is skipped; a length mismatch
// stops the call with the channels before it already copied.
DvError DvCtrlSelfCalResultSettingV5GetLUT(DvCtrlSelfCalResultSettingV5* object, double* channel0, double* channel1,
                                           double* channel2, int count) {
    auto* self = sc::FindAs<sc::SettingV5>(object);
    if (self == nullptr) return DvErrInvalidParameter;
    double* out[3] = {channel0, channel1, channel2};
    for (int c = 0; c < 3; ++c) {
        if (out[c] == nullptr) continue;
        const auto& stored = self->lut[c];
        if (count < 0 || stored.size() != static_cast<std::size_t>(count)) return DvErrSizeMismatch;
        std::copy(stored.begin(), stored.end(), out[c]);
    }
    return Available(self->flags[sc::kStLut]);
}
DvError DvCtrlSelfCalResultSettingV5SetLUT(DvCtrlSelfCalResultSettingV5* object, const double* channel0,
                                           const double* channel1, const double* channel2, int count) {
    auto* self = sc::FindAs<sc::SettingV5>(object);
    if (self == nullptr) return DvErrInvalidParameter;
    if (self->flags[sc::kStLut] == 0) return DvErrNotSupported;
    const double* in[3] = {channel0, channel1, channel2};
    for (int c = 0; c < 3; ++c) {
        if (in[c] == nullptr) continue;
        if (count < 0 || static_cast<uint32_t>(count) != self->lutSize) return DvErrSizeMismatch;
        self->lut[c].assign(in[c], in[c] + count);
    }
    return DvOk;
}

}  // extern "C"
