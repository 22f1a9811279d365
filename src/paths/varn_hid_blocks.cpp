// Block transfers of the HID path: the LUT tables, moved as four 128-byte
// blocks each, and the EDID, which the device shows one page at a time.
#include <array>
#include <cstring>

#include "hidlink/hidlink.h"
#include "paths/feature_codes.hpp"
#include "paths/lut_bank_map.hpp"
#include "paths/varn_hid_monitor.hpp"

using dvc::paths::AsError;
using dvc::paths::kLutBlockBytes;
using dvc::paths::kLutBlocksPerTable;
using dvc::paths::kLutTableBytes;

namespace {
// The LUT option of hidlink's writes.
constexpr uint32_t kLutOption = 1;

// Only a failure or a missing feature stops a transfer; other results of a
// single block (a refusal, say) do not.
bool StopsTransfer(int32_t result) { return result == DvErrFailed || result == DvErrNotSupported; }

// Selects LUT block `block` with `selectCode`: a value write, or a two-byte
// data write for a device that wants the block number so.
DvError SelectLutBlock(uint32_t handle, uint32_t selectCode, uint32_t block) {
    int32_t r = DvHIDSetValue(handle, selectCode, block, kLutOption);
    if (r == DvErrSizeMismatch) {
        const std::array<uint8_t, 2> number{static_cast<uint8_t>(block & 0xFF), 0x00};
        r = DvHIDSetData(handle, selectCode, number.data(), 2, kLutOption);
    }
    return AsError(r);
}

constexpr std::array<uint8_t, 8> kEdidHeader{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
// Pages 1 to 5 are tried first and page 0 last.
constexpr uint32_t kEdidPages = 6;
}  // namespace

DvError VarnHIDMonitor::ReadLUT(const uint32_t& code, const uint32_t& dataCode, uint8_t* table, uint32_t tableNumber,
                                const uint32_t* bank) {
    if (table == nullptr || bank == nullptr) return DvErrInvalidParameter;
    const auto first = dvc::paths::LutFirstBlock(*bank, tableNumber);
    if (!first) return DvErrFailed;
    std::array<uint8_t, kLutTableBytes> work{};
    for (uint32_t k = 0; k < kLutBlocksPerTable; ++k) {
        if (const DvError r = SelectLutBlock(handle_, code, *first + k); StopsTransfer(r)) return r;
        const int32_t r = DvHIDGetData(handle_, dataCode, work.data() + kLutBlockBytes * k, kLutBlockBytes);
        if (StopsTransfer(r)) return AsError(r);
    }
    std::memcpy(table, work.data(), work.size());
    return DvOk;
}

DvError VarnHIDMonitor::WriteLUT(const uint32_t& code, const uint32_t& dataCode, const uint8_t* table,
                                 uint32_t tableNumber, const uint32_t* bank) {
    if (table == nullptr || bank == nullptr) return DvErrInvalidParameter;
    const auto first = dvc::paths::LutFirstBlock(*bank, tableNumber);
    if (!first) return DvErrFailed;
    std::array<uint8_t, kLutTableBytes> work{};
    std::memcpy(work.data(), table, work.size());
    for (uint32_t k = 0; k < kLutBlocksPerTable; ++k) {
        if (const DvError r = SelectLutBlock(handle_, code, *first + k); StopsTransfer(r)) return r;
        const int32_t r = DvHIDSetData(handle_, dataCode, work.data() + kLutBlockBytes * k, kLutBlockBytes, kLutOption);
        if (StopsTransfer(r)) return AsError(r);
    }
    return DvOk;
}

// The page results are not weighed: a page holds the EDID exactly when it
// begins with the EDID header.
DvError VarnHIDMonitor::ReadEDID(uint8_t* buffer) {
    if (buffer == nullptr) return DvErrInvalidParameter;
    std::array<uint8_t, dvc::paths::kEdidBytes> work{};
    for (uint32_t attempt = 0; attempt < kEdidPages; ++attempt) {
        const uint32_t page = (attempt + 1) % kEdidPages;
        DvHIDSetValue(handle_, dvc::codes::kEdidPage, page, 0);
        DvHIDGetData(handle_, dvc::codes::kEdidData, work.data(), dvc::paths::kEdidBytes);
        if (std::memcmp(work.data(), kEdidHeader.data(), kEdidHeader.size()) == 0) {
            std::memcpy(buffer, work.data(), work.size());
            return DvOk;
        }
    }
    return DvErrFailed;
}
