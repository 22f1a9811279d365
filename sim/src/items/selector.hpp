// The select code of a paged or slotted item: its value names which of
// `count` pages or slots the item's data code reads and writes.
#pragma once

#include <cstdint>

#include "../item.hpp"

namespace dvc::sim::selector {

inline int32_t Get(Context& ctx, uint32_t selectCode, uint32_t code, uint32_t& value) {
    if (code != selectCode) return DvErrNotSupported;
    value = ctx.state().ValueOr(ctx.Key(code), 0);
    return DvOk;
}

// A choice past the last page or slot is refused and changes nothing.
inline int32_t Set(Context& ctx, uint32_t selectCode, uint32_t count, uint32_t code, uint32_t value) {
    if (code != selectCode) return DvErrNotSupported;
    if (value >= count) return DvErrRefused;
    ctx.state().SetValue(ctx.Key(code), value);
    return DvOk;
}

}  // namespace dvc::sim::selector
