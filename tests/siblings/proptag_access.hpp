// Reaches proptag through its C functions, as libdvc does.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "proptag/proptag.h"

namespace dvc::test {

inline int32_t Parse(const std::vector<uint8_t>& block) {
    const uint32_t length = static_cast<uint32_t>(block.size());
    return DvpTagParse(block.data(), &length);
}

// The item's bytes through a buffer of its exact size; nullopt when any
// read fails or disagrees with the size reported.
inline std::optional<std::vector<uint8_t>> Read(uint16_t tag) {
    uint16_t size = 0;
    if (DvpGetTagDataSize(&tag, &size) < 0) return std::nullopt;
    std::vector<uint8_t> data(size + 1u);  // never empty, so data() is never null
    uint16_t capacity = size;
    if (DvpGetTagData(&tag, data.data(), &capacity) != size || capacity != size) return std::nullopt;
    data.resize(size);
    return data;
}

}  // namespace dvc::test
