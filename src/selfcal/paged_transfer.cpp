#include "selfcal/paged_transfer.hpp"

#include <algorithm>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::selfcal::paged {
namespace {

// The item's block length and its page count, from the first block read.
DvError Learn(VarnMonitorInterface& path, uint32_t code, uint32_t& length, uint32_t& count) {
    length = 0;
    DvError result = path.ReadFixedData(code, nullptr, nullptr, nullptr, &length);
    if (!paths::Usable(result)) return result;
    if (length < kPageHeaderBytes || length > kMaxBlockBytes) return DvErrWrongLength;
    Bytes block(length, 0);
    result = path.ReadData(code, block.data(), length);
    if (!paths::Usable(result)) return result;
    count = block[1];
    return result;
}

}  // namespace

DvError ReadItem(VarnMonitorInterface& path, uint32_t code, Pages& out) {
    uint32_t length = 0, count = 0;
    DvError result = Learn(path, code, length, count);
    if (!paths::Usable(result)) return result;
    Bytes block(length, 0);
    result = path.WriteData(code, block.data(), length, 0);  // selects page 0
    if (!paths::Usable(result)) return result;
    for (uint32_t k = 0; k < count; ++k) {
        std::fill(block.begin(), block.end(), 0);
        result = path.ReadData(code, block.data(), length);
        if (!paths::Usable(result)) return result;
        out[k] = DecodePage(block);
    }
    return result;
}

DvError WriteItem(VarnMonitorInterface& path, uint32_t code, const Pages& pages) {
    uint32_t length = 0, count = 0;
    DvError result = Learn(path, code, length, count);
    if (!paths::Usable(result)) return result;
    std::vector<Bytes> blocks;
    for (const auto& [index, page] : pages) {
        if (page.empty()) continue;
        if (index >= count) return DvErrWrongLength;
        auto block = EncodePage(static_cast<uint8_t>(index), static_cast<uint8_t>(count), page, length);
        if (!block) return DvErrWrongLength;
        blocks.push_back(std::move(*block));
    }
    for (const Bytes& block : blocks) {
        result = path.WriteData(code, block.data(), length, 0);
        if (!paths::Usable(result)) return result;
    }
    return result;
}

}  // namespace dvc::selfcal::paged
