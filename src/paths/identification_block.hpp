// The identification block (codes::kIdentification) that every monitor reports
// about itself: 8 bytes of serial number, then the model name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace dvc::paths {

inline constexpr std::size_t kSerialLength = 8;
// No monitor names itself in more than a few dozen bytes; a longer block is
// a transport answering nonsense, and is not worth a large allocation.
inline constexpr uint32_t kMaxIdentificationBytes = 1024;

struct IdentifierPair {
    std::string serial;
    std::string model;
};

// Splits a block into the pair. The names travel as C strings, so each is
// cut at its first NUL; the model also loses trailing blanks, so that two
// transports padding the same name differently still agree. A block
// shorter than 8 bytes names nothing.
std::optional<IdentifierPair> SplitIdentificationBlock(std::span<const uint8_t> block);

}  // namespace dvc::paths
