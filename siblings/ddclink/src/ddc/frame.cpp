#include "ddc/frame.hpp"

namespace dvc::ddc {
namespace {

uint8_t Xor(uint8_t seed, std::span<const uint8_t> bytes) {
    for (const uint8_t b : bytes) seed ^= b;
    return seed;
}

std::vector<uint8_t> Frame(uint8_t source, uint8_t seed, std::span<const uint8_t> payload) {
    std::vector<uint8_t> out;
    out.reserve(payload.size() + 3);
    out.push_back(source);
    out.push_back(static_cast<uint8_t>(0x80 | payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    out.push_back(Xor(seed, out));
    return out;
}

}  // namespace

// Our request is written to the display's 8-bit write address 0x6E, which
// the checksum covers although it is not among the bytes written.
std::vector<uint8_t> EncodeRequest(std::span<const uint8_t> payload) {
    return Frame(kHostSource, kDisplaySource, payload.first(std::min(payload.size(), kMaxPayload)));
}

std::vector<uint8_t> EncodeReply(std::span<const uint8_t> payload) {
    return Frame(kDisplaySource, kHostVirtual, payload.first(std::min(payload.size(), size_t{0x7F})));
}

Reply DecodeReply(std::span<const uint8_t> raw) {
    Reply r;
    if (raw.size() < 3) return r;
    if (raw[0] != kDisplaySource) {
        r.status = ReplyStatus::kBadSource;
        return r;
    }
    if ((raw[1] & 0x80) == 0) return r;
    const size_t length = raw[1] & 0x7F;
    if (length + 3 > raw.size()) return r;
    if (Xor(kHostVirtual, raw.first(length + 2)) != raw[length + 2]) {
        r.status = ReplyStatus::kBadChecksum;
        return r;
    }
    r.status = length == 0 ? ReplyStatus::kNull : ReplyStatus::kOk;
    r.payload.assign(raw.begin() + 2, raw.begin() + 2 + static_cast<std::ptrdiff_t>(length));
    return r;
}

}  // namespace dvc::ddc
