#include "paths/matrices.hpp"

#include "paths/feature_codes.hpp"

namespace dvc::paths {
namespace {

// Elements little-endian, whatever the host's byte order.
template <class Raw>
std::array<uint8_t, sizeof(Raw)> Pack(const Raw& raw) {
    constexpr std::size_t kWidth = sizeof(typename Raw::value_type);
    std::array<uint8_t, sizeof(Raw)> bytes{};
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const auto bits = static_cast<uint32_t>(raw[i]);
        for (std::size_t b = 0; b < kWidth; ++b) bytes[i * kWidth + b] = static_cast<uint8_t>(bits >> (8 * b));
    }
    return bytes;
}

template <class Raw>
Raw Unpack(const std::array<uint8_t, sizeof(Raw)>& bytes) {
    using Element = typename Raw::value_type;
    constexpr std::size_t kWidth = sizeof(Element);
    Raw raw{};
    for (std::size_t i = 0; i < raw.size(); ++i) {
        uint32_t bits = 0;
        for (std::size_t b = 0; b < kWidth; ++b) bits |= static_cast<uint32_t>(bytes[i * kWidth + b]) << (8 * b);
        raw[i] = static_cast<Element>(bits);
    }
    return raw;
}

DvError Select(VarnMonitorInterface& path, uint32_t slot) { return path.WriteValue(codes::kColorMatrixSlot, slot, 0); }

template <class Raw>
DvError ReadBlock(VarnMonitorInterface& path, uint32_t code, Raw& raw) {
    std::array<uint8_t, sizeof(Raw)> bytes{};
    const DvError result = path.ReadData(code, bytes.data(), static_cast<uint32_t>(bytes.size()));
    if (Usable(result)) raw = Unpack<Raw>(bytes);
    return result;
}

template <class Raw>
DvError ReadSlot(VarnMonitorInterface& path, uint32_t slot, uint32_t code, Raw& raw) {
    if (const DvError selected = Select(path, slot); selected < 0) return selected;
    return ReadBlock(path, code, raw);
}

// Reads the mask, clears the slot's bit and writes the mask back.
DvError EnableSlot(VarnMonitorInterface& path, uint32_t slot) {
    uint32_t mask = 0;
    const DvError read = path.ReadValue(codes::kColorMatrixMask, &mask);
    if (!Usable(read)) return read;
    if (slot < 32) mask &= ~(1u << slot);
    return WriteMatrixMask(path, mask);
}

template <class Raw>
DvError WriteSlot(VarnMonitorInterface& path, uint32_t slot, uint32_t code, const Raw& raw, bool enable) {
    if (const DvError selected = Select(path, slot); selected < 0) return selected;
    auto bytes = Pack(raw);
    const DvError written = path.WriteData(code, bytes.data(), static_cast<uint32_t>(bytes.size()), 0);
    if (!enable || !Usable(written)) return written;
    return EnableSlot(path, slot);
}

}  // namespace

DvError ReadMatrix16(VarnMonitorInterface& path, uint32_t slot, Raw16& raw) {
    return ReadSlot(path, slot, codes::kColorMatrix16, raw);
}
DvError ReadMatrix32(VarnMonitorInterface& path, uint32_t slot, Raw32& raw) {
    return ReadSlot(path, slot, codes::kColorMatrix32, raw);
}
DvError ReadAsicMatrix(VarnMonitorInterface& path, Raw32& raw) { return ReadBlock(path, codes::kAsicMatrix, raw); }

DvError WriteMatrix16(VarnMonitorInterface& path, uint32_t slot, const Raw16& raw, bool enable) {
    return WriteSlot(path, slot, codes::kColorMatrix16, raw, enable);
}
DvError WriteMatrix32(VarnMonitorInterface& path, uint32_t slot, const Raw32& raw, bool enable) {
    return WriteSlot(path, slot, codes::kColorMatrix32, raw, enable);
}

DvError ReadMatrixSlotCount(VarnMonitorInterface& path, uint32_t& count) {
    return path.ReadValue(codes::kColorMatrixCount, &count);
}
DvError WriteMatrixMask(VarnMonitorInterface& path, uint32_t mask) {
    return path.WriteValue(codes::kColorMatrixMask, mask, 0);
}

}  // namespace dvc::paths
