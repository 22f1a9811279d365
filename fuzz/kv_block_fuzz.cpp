// The key/value block of the monitor's data stores. Beyond surviving any
// input: a block that decodes lays out again in a block of its size, and
// that layout decodes to the same keys and values.
#include <span>
#include <vector>

#include "paths/storage_kv_codec.hpp"
#include "targets.hpp"

namespace dvc::fuzz {

int KvBlock(const uint8_t* data, size_t size) {
    if (size > 0xFFFF) return 0;  // an item's size is 16-bit
    paths::kv::Map map;
    if (paths::kv::Decode(std::span(data, size), map) != DvOk) return 0;
    std::vector<uint8_t> again(size);
    Require(paths::kv::Encode(map, again) == DvOk);
    paths::kv::Map back;
    Require(paths::kv::Decode(again, back) == DvOk && back == map);
    return 0;
}

}  // namespace dvc::fuzz
