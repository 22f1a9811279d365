// Tagged data transfer: the description of a tag, and the paged reads and
// writes of its records. The protocol is the same on both path kinds.
#include "paths/tagged_transfer.hpp"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/value_codec.hpp"
#include "paths/waits.hpp"

namespace dvc::paths::tags {

Header MakeHeader(const char* tag, uint32_t record, uint32_t block) {
    Header header{};
    std::memcpy(header.data(), tag, kNameBytes);
    PutField16(header.data() + 6, static_cast<uint16_t>(record));
    PutField16(header.data() + 8, static_cast<uint16_t>(block));
    return header;
}

}  // namespace dvc::paths::tags

namespace dvc::paths {

using namespace tags;
using codes::kTagBlock128;
using codes::kTagBlock512;
using codes::kTagCombinedRead;
using codes::kTagCombinedWrite;
using codes::kTagDescription;
using codes::kTagHeader;

namespace {

// One block in combined mode: the header and the data come back together,
// and the echoed header proves that the data belong to the request.
DvError ReadCombinedBlock(VarnMonitorInterface& path, const Header& header, uint8_t* destination) {
    std::array<uint8_t, kCombinedBytes> request{};
    std::copy(header.begin(), header.end(), request.begin());
    DvError result = path.WriteData(kTagCombinedRead, request.data(), kCombinedBytes, 0);
    if (!Usable(result)) return result;
    std::array<uint8_t, kCombinedBytes> reply{};
    result = path.ReadData(kTagCombinedRead, reply.data(), kCombinedBytes);
    if (!Usable(result)) return result;
    if (!std::equal(header.begin(), header.end(), reply.begin())) return DvErrFailed;
    std::copy(reply.begin() + kHeaderBytes, reply.end(), destination);
    return result;
}

// One block in separate mode: the header selects it, the data code moves
// it, as many bytes as the data code reports (never more than the block).
DvError ReadSeparateBlock(VarnMonitorInterface& path, const Header& header, uint8_t* destination, uint32_t blockSize) {
    DvError result = path.WriteData(kTagHeader, header.data(), kHeaderBytes, 0);
    if (!Usable(result)) return result;
    const uint32_t dataCode = SupportedByFixedData(path, kTagBlock512) ? kTagBlock512 : kTagBlock128;
    uint32_t length = 0;
    result = path.ReadFixedData(dataCode, nullptr, nullptr, nullptr, &length);
    if (!Usable(result)) return result;
    if (length <= blockSize) return path.ReadData(dataCode, destination, length);
    if (length > kMaxBlockLength) return DvErrWrongLength;
    std::vector<uint8_t> longer(length, 0);
    result = path.ReadData(dataCode, longer.data(), length);
    if (Usable(result)) std::copy_n(longer.begin(), blockSize, destination);
    return result;
}

DvError ReadBlocks(VarnMonitorInterface& path, const char* tag, uint32_t record, uint32_t first, uint32_t last,
                   uint32_t blockSize, uint8_t* destination) {
    if (first > last) return DvErrFailed;
    DvError result = DvOk;
    for (uint32_t block = first; block <= last; ++block, destination += blockSize) {
        const Header header = MakeHeader(tag, record, block);
        if (SupportedByFixedData(path, kTagCombinedRead)) {
            // A device that took up combined reads since the block size was
            // chosen sends 512 bytes into a read planned in 128-byte blocks:
            // they neither fit nor belong there.
            result = blockSize == kCombinedDataBytes ? ReadCombinedBlock(path, header, destination) : DvErrFailed;
        } else {
            result = ReadSeparateBlock(path, header, destination, blockSize);
        }
        if (!Usable(result)) return result;
    }
    return result;
}

// Where a write plan stands: the blocks are 0 to `full` - 1 whole ones and,
// when `tail` is nonzero, block `full` with the remaining bytes.
struct WritePlan {
    const char* tag;
    uint32_t record;
    const uint8_t* data;
    uint32_t blockSize;
    uint32_t full;
    uint32_t tail;
};

// Each returns the first block not yet written: plan.full + 1 when all are.
uint32_t WriteSeparateFrom(VarnMonitorInterface& path, const WritePlan& plan, uint32_t dataCode, uint32_t k) {
    const Header header = MakeHeader(plan.tag, plan.record, k);
    if (path.WriteData(kTagHeader, header.data(), kHeaderBytes, 0) < 0) return k;
    std::vector<uint8_t> buffer(plan.blockSize);
    for (uint32_t block = k; block < plan.full; ++block) {
        std::copy_n(plan.data + static_cast<size_t>(block) * plan.blockSize, plan.blockSize, buffer.begin());
        if (path.WriteData(dataCode, buffer.data(), plan.blockSize, 0) < 0) return block;
    }
    if (plan.tail == 0) return plan.full + 1;
    std::fill(buffer.begin(), buffer.end(), 0);
    std::copy_n(plan.data + static_cast<size_t>(plan.full) * plan.blockSize, plan.tail, buffer.begin());
    return path.WriteData(dataCode, buffer.data(), plan.blockSize, 0) >= 0 ? plan.full + 1 : plan.full;
}

uint32_t WriteCombinedFrom(VarnMonitorInterface& path, const WritePlan& plan, uint32_t k) {
    std::array<uint8_t, kCombinedBytes> buffer{};
    auto send = [&](uint32_t block, uint32_t bytes) {
        buffer.fill(0);
        const Header header = MakeHeader(plan.tag, plan.record, block);
        std::copy(header.begin(), header.end(), buffer.begin());
        std::copy_n(plan.data + static_cast<size_t>(block) * kCombinedDataBytes, bytes, buffer.begin() + kHeaderBytes);
        return path.WriteData(kTagCombinedWrite, buffer.data(), kCombinedBytes, 0);
    };
    for (uint32_t block = k; block < plan.full; ++block) {
        if (send(block, kCombinedDataBytes) < 0) return block;
    }
    if (plan.tail == 0) return plan.full + 1;
    return send(plan.full, plan.tail) >= 0 ? plan.full + 1 : plan.full;
}

}  // namespace

uint32_t TagBlockSize(VarnMonitorInterface& path) {
    if (SupportedByFixedData(path, kTagCombinedRead)) return 512;
    if (SupportedByFixedData(path, kTagBlock512)) return 512;
    if (SupportedByFixedData(path, kTagBlock128)) return 128;
    return 0;
}

DvError ReadTagInfo(VarnMonitorInterface& path, const char* tag, uint16_t* first, uint16_t* second) {
    if (tag == nullptr || first == nullptr || second == nullptr) return DvErrInvalidParameter;
    const Header header = MakeHeader(tag, 0, 0);
    // Neither result is looked at: only an echo of the name proves an answer.
    path.WriteData(kTagHeader, header.data(), kHeaderBytes, 0);
    std::array<uint8_t, kDescriptionBytes> reply{};
    path.ReadData(kTagDescription, reply.data(), kDescriptionBytes);
    if (std::memcmp(reply.data(), tag, kNameBytes) != 0) return DvErrFailed;
    *first = Field16(reply.data() + 6);
    *second = Field16(reply.data() + 8);
    return DvOk;
}

DvError CheckTagInfo(VarnMonitorInterface& path, const char* tag, uint16_t* first, uint16_t* second,
                     uint32_t firstMinimum, uint32_t secondMinimum) {
    const DvError result = ReadTagInfo(path, tag, first, second);
    if (!Usable(result)) return result;
    if (*first >= firstMinimum || *second >= secondMinimum) return result;
    return DvErrNotSupported;
}

DvError ReadTag(VarnMonitorInterface& path, const char* tag, uint32_t record, void* buffer, uint32_t size,
                uint32_t offset) {
    if (tag == nullptr || buffer == nullptr || size == 0 || record > kMaxBlockNumber) return DvErrInvalidParameter;
    const uint32_t blockSize = TagBlockSize(path);
    if (blockSize == 0) return DvErrNotSupported;
    const uint64_t lastByte = static_cast<uint64_t>(offset) + size - 1;
    const uint64_t first = offset / blockSize;
    const uint64_t last = lastByte / blockSize;
    if (last > kMaxBlockNumber) return DvErrInvalidParameter;
    const size_t workBytes = static_cast<size_t>(last - first + 1) * blockSize;

    std::vector<uint8_t> work;
    try {
        work.resize(workBytes);
    } catch (const std::bad_alloc&) {
        return DvErrFailed;
    }
    DvError result = DvErrFailed;
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        std::fill(work.begin(), work.end(), 0);
        result = ReadBlocks(path, tag, record, static_cast<uint32_t>(first), static_cast<uint32_t>(last), blockSize,
                            work.data());
        if (Usable(result)) break;
        Pause(RetryPauseMilliseconds());
    }
    if (!Usable(result)) return result;
    std::memset(buffer, 0, size);
    std::memcpy(buffer, work.data() + offset % blockSize, size);
    return result;
}

DvError WriteTag(VarnMonitorInterface& path, const char* tag, uint32_t record, const void* data, uint32_t size) {
    if (tag == nullptr || data == nullptr || record > kMaxBlockNumber) return DvErrInvalidParameter;
    const bool combined = SupportedByFixedData(path, kTagCombinedWrite);
    uint32_t dataCode = kTagCombinedWrite;
    uint32_t blockSize = kCombinedDataBytes;
    if (!combined) {
        const bool large = SupportedByFixedData(path, kTagBlock512);
        dataCode = large ? kTagBlock512 : kTagBlock128;
        blockSize = large ? 512 : 128;
    }
    const WritePlan plan{tag, record, static_cast<const uint8_t*>(data), blockSize, size / blockSize, size % blockSize};
    // The highest block number must fit the header's 16 bits.
    const uint32_t highest = plan.tail != 0 ? plan.full : (plan.full == 0 ? 0 : plan.full - 1);
    if (highest > kMaxBlockNumber) return DvErrInvalidParameter;

    uint32_t next = 0;
    for (int attempt = 0; attempt < kWriteTries; ++attempt) {
        if (attempt > 0) Pause(RetryPauseMilliseconds());
        next = combined ? WriteCombinedFrom(path, plan, next) : WriteSeparateFrom(path, plan, dataCode, next);
        if (next > plan.full) return DvOk;
    }
    return DvErrFailed;
}

}  // namespace dvc::paths
