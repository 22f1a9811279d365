// Seed blocks for fuzzing the property-tag parser: well-formed blocks of
// the shapes that monitors send, built with the block writer so that they
// always follow the current format.
#pragma once

#include <cstdint>
#include <vector>

#include "proptag/block_writer.hpp"

namespace dvc::fuzz {

inline std::vector<std::vector<uint8_t>> Seeds() {
    using dvc::proptag::BlockWriter;
    BlockWriter flavors;  // three entries of (mode bits, flavor number, flags)
    for (uint16_t id = 1; id < 25; id += 8)
        flavors.Integer(id, 0x05u << id % 3, 1).Integer(id + 1, id / 8, 1).Integer(id + 2, 0x4001, 2);
    BlockWriter many;
    for (uint16_t tag = 0; tag < 300; ++tag) many.Integer(static_cast<uint16_t>(tag * 211), tag, tag % 5);
    return {
        BlockWriter().Build(),
        BlockWriter().Integer(0x02, 0x12345678).Integer(0x05, 0x80000881).Integer(0x51, 6, 1).Build(),
        BlockWriter().Words(0x4C, {3840, 2160}).Words(0x5C, {0, 0, 640, 480}).Bytes(0x57, {1, 2, 3}).Build(),
        BlockWriter().Words(0x3B, {0, 100, 10, 0x0005}).Bytes(0x63, {1}).Bytes(0x10, {}).Build(),
        flavors.Build(),
        many.Build(),
    };
}

}  // namespace dvc::fuzz
