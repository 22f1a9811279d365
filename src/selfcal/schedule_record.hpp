// The 64-byte schedule record: byte 0 the caller's first byte, byte 1 the
// schedule type, then fields whose places depend on the type. Two forms of
// the operations read and write it; the encodings are kept here as plain
// functions over the bytes.
#pragma once

#include <array>
#include <cstdint>

#include "libdvc/dvc_selfcal_control.h"

namespace dvc::selfcal {

inline constexpr uint32_t kScheduleBytes = 64;
using ScheduleBytes = std::array<uint8_t, kScheduleBytes>;

// The second form: every field as the record of the public header.
ScheduleBytes EncodeScheduleV2(const DvSelfCalScheduleV2& schedule) noexcept;
DvSelfCalScheduleV2 DecodeScheduleV2(const ScheduleBytes& bytes) noexcept;

// The first form: types 0, 1 and 2 only, packed in two words.
bool EncodeScheduleV1(uint8_t first, uint32_t p, uint32_t q, ScheduleBytes& bytes) noexcept;
void DecodeScheduleV1(const ScheduleBytes& bytes, uint8_t* first, uint32_t* p, uint32_t* q) noexcept;

}  // namespace dvc::selfcal
