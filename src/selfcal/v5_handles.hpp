// The live self-calibration objects. A host holds them as opaque handles;
// every accessor looks its handle up here first, so a null, foreign or
// released handle is refused without the library ever reading through it.
#pragma once

#include <memory>

#include "selfcal/v5_objects.hpp"

namespace dvc::selfcal {

// Takes ownership and returns the handle the host receives; null when the
// object could not be made.
V5Object* Adopt(std::unique_ptr<V5Object> object) noexcept;

// The live object behind `handle` when it is of `kind`, else null.
V5Object* Find(const void* handle, ObjectKind kind) noexcept;

template <class T>
T* FindAs(const void* handle) noexcept;
template <>
inline TargetV5* FindAs<TargetV5>(const void* handle) noexcept {
    return static_cast<TargetV5*>(Find(handle, ObjectKind::Target));
}
template <>
inline ResultV5* FindAs<ResultV5>(const void* handle) noexcept {
    return static_cast<ResultV5*>(Find(handle, ObjectKind::Result));
}
template <>
inline SettingV5* FindAs<SettingV5>(const void* handle) noexcept {
    return static_cast<SettingV5*>(Find(handle, ObjectKind::Setting));
}

// Destroys the live object behind `handle`, of any kind. False when the
// handle names no live object (nothing happens then).
bool Destroy(const void* handle) noexcept;

}  // namespace dvc::selfcal
