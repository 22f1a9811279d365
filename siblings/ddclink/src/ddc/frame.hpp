// DDC/CI message framing. A request written to the display carries the
// host's source address, a length byte with its top bit set, the payload and
// an XOR checksum that also covers the display's write address; a reply
// carries the display's source address and is checked against the host's
// virtual address instead.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ddc/i2c_bus.hpp"

namespace dvc::ddc {

inline constexpr uint8_t kHostSource = 0x51;     // source byte of our requests
inline constexpr uint8_t kDisplaySource = 0x6E;  // source byte of replies (the display's write address)
inline constexpr uint8_t kHostVirtual = 0x50;    // starts the checksum of a reply
inline constexpr size_t kMaxPayload = 32 + 4;    // a table or capabilities fragment and its header

// The request bytes after the address: source, length, payload, checksum.
std::vector<uint8_t> EncodeRequest(std::span<const uint8_t> payload);

enum class ReplyStatus { kOk, kNull, kBadSource, kBadLength, kBadChecksum };

struct Reply {
    ReplyStatus status = ReplyStatus::kBadLength;
    std::vector<uint8_t> payload;
};

// Reads a reply from the raw bytes of a read (which may run past its end).
// The null message (length 0) is told apart: the display is alive but has
// nothing to say yet, or does not know the request.
Reply DecodeReply(std::span<const uint8_t> raw);

// The reply bytes for a payload, as a display sends them (for the emulated
// display and for tests).
std::vector<uint8_t> EncodeReply(std::span<const uint8_t> payload);

}  // namespace dvc::ddc
