// Identifier strings as the exports hand them out: fixed-size buffers.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

namespace dvc::api {

// Sizes of the caller's buffers for a serial number and a model name, with
// their terminating NUL.
inline constexpr std::size_t kSerialBytes = 9;
inline constexpr std::size_t kModelBytes = 17;

// Copies exactly `bytes` bytes: the text, then NULs; a longer text is cut so
// that the last byte is always a NUL.
inline void CopyFixed(char* out, const std::string& text, std::size_t bytes) {
    const std::size_t n = text.size() < bytes - 1 ? text.size() : bytes - 1;
    std::memcpy(out, text.data(), n);
    std::memset(out + n, 0, bytes - n);
}

}  // namespace dvc::api
