// Keyed items: the older form in which monitors keep self-QC records. The
// host asks which fields are present (a 256-bit map), then asks for each
// field of the record's field table in turn; the answers become a map from
// the table's key to the field's bytes, the same map that the paged form
// gives.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <vector>

#include "libdvc/dvc_types.h"

namespace dvc::selfcal {

// One row of a field table: the monitor's field number, the key it is
// stored under, and its size in bytes. A table ends at a row of size 0.
struct KeyedField {
    uint8_t field;
    uint8_t key;
    uint16_t size;
};

using KeyedMap = std::map<uint32_t, std::vector<uint8_t>>;

// One exchange with the item: `request` written, `reply` read back (both
// the item's length).
using KeyedExchange = std::function<DvError(std::span<const uint8_t> request, std::span<uint8_t> reply)>;

inline constexpr uint8_t kPresenceRequest = 0xFF;
inline constexpr uint32_t kPresenceBytes = 32;  // bytes 2 to 33 of the presence reply

// Reads the fields of `table` that the item holds into `out`. The result is
// the presence exchange's failure, else the last failing field's (a field
// whose reply names another field fails with DvErrFailed), else DvOk; the
// fields after a failing one are still read.
DvError ReadKeyedItem(uint32_t length, std::span<const KeyedField> table, const KeyedExchange& exchange, KeyedMap& out);

// The field tables of the keyed calibration result and target.
std::span<const KeyedField> KeyedCalResultFields();
std::span<const KeyedField> KeyedCalTargetFields();

}  // namespace dvc::selfcal
