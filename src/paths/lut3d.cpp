#include "paths/lut3d.hpp"

#include <vector>

#include "paths/feature_codes.hpp"

namespace dvc::paths {

namespace {

// One block's chunks through `move(dataCode, bytes, size)`; the result of
// the first select or chunk that fails, else of the last chunk.
template <class Move>
DvError EachChunk(VarnMonitorInterface& path, const Lut3dTarget& at, int component, int parity, uint8_t* block,
                  uint32_t length, Move&& move) {
    DvError result = DvOk;
    if (at.chunk == kLut3dChunkLarge) {
        result = path.WriteValue(codes::k3DLutSelect512, Lut3dSelectLarge(at, component, parity), 0);
        if (!Usable(result)) return result;
        for (uint32_t t = 0; t * kLut3dChunkLarge < length; ++t) {
            result = move(codes::k3DLutData512, block + t * kLut3dChunkLarge, kLut3dChunkLarge);
            if (!Usable(result)) return result;
        }
        return result;
    }
    for (uint32_t t = 0; t * kLut3dChunkSmall < length; ++t) {
        result = path.WriteValue(codes::k3DLutSelect128, Lut3dSelectSmall(at, component, parity, t), 1);
        if (!Usable(result)) return result;
        result = move(codes::k3DLutData128, block + t * kLut3dChunkSmall, kLut3dChunkSmall);
        if (!Usable(result)) return result;
    }
    return result;
}

// Every block in order, component by component; a block that fails ends
// the classes left in its component.
template <class Block>
DvError EachBlock(const Lut3dTarget& at, Block&& block) {
    if (at.chunk == kLut3dChunkLarge && at.table > 0x7F) return DvErrInvalidParameter;  // 7 bits in that select
    DvError result = DvErrFailed;
    for (int c = 0; c < kLut3dComponents; ++c) {
        for (int s = 0; s < kLut3dClasses; ++s) {
            result = block(c, s);
            if (!Usable(result)) break;
        }
    }
    return result;
}

}  // namespace

DvError Read3DLut(VarnMonitorInterface& path, const Lut3dTarget& from, uint16_t* image) {
    const uint32_t length = Lut3dBlockBytes(from.grid, from.chunk);
    if (length == 0) return DvErrNotSupported;
    std::vector<uint8_t> buffer(length);
    return EachBlock(from, [&](int c, int s) {
        const DvError result =
            EachChunk(path, from, c, s, buffer.data(), length,
                      [&](uint32_t code, uint8_t* bytes, uint32_t size) { return path.ReadData(code, bytes, size); });
        if (Usable(result)) UnpackLut3dBlock(buffer, from.grid, c, s, image);
        return result;
    });
}

DvError Write3DLut(VarnMonitorInterface& path, const Lut3dTarget& to, const uint16_t* image) {
    const uint32_t length = Lut3dBlockBytes(to.grid, to.chunk);
    if (length == 0) return DvErrNotSupported;
    std::vector<uint8_t> buffer(length);
    return EachBlock(to, [&](int c, int s) {
        PackLut3dBlock(image, to.grid, c, s, buffer);
        return EachChunk(path, to, c, s, buffer.data(), length, [&](uint32_t code, uint8_t* bytes, uint32_t size) {
            return path.WriteData(code, bytes, size, 0);
        });
    });
}

}  // namespace dvc::paths
