#include "features/matrices.hpp"

#include <algorithm>

#include "colour/dense_matrix.hpp"
#include "features/lut_at_mode.hpp"
#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/matrices.hpp"

namespace dvc::features {
namespace {

using paths::kMatrixElements;
using paths::Raw16;
using paths::Raw32;
using VMI = VarnMonitorInterface;

constexpr int kLastSlot = 255;
constexpr uint32_t kFeatureColorMatrix = 16;
// With the compensation enabled: slot 0 on, every other slot of the sixteen
// off until the slot written and the last slot are cleared too.
constexpr uint32_t kCompensatedMask = 0xFFFE;

bool BadSlot(int slot) { return slot < 0 || slot > kLastSlot; }

template <class Raw, class Read>
DvError ReadRaw(VarnMonitor& monitor, int slot, Raw& raw, Read read) {
    return FirstAnswer(monitor.Paths(), [&](VMI& path) { return read(path, static_cast<uint32_t>(slot), raw); });
}

template <class Raw, class Write>
DvError WriteRaw(VarnMonitor& monitor, int slot, const Raw& raw, int enable, Write write) {
    return FirstAnswer(monitor.Paths(),
                       [&](VMI& path) { return write(path, static_cast<uint32_t>(slot), raw, enable != 0); });
}

template <class Raw, class Convert>
void ToDoubles(const Raw& raw, double* out, Convert convert) {
    std::transform(raw.begin(), raw.end(), out, convert);
}

colour_math::DenseMatrix ToDense(const Raw32& raw) {
    double values[kMatrixElements];
    ToDoubles(raw, values, paths::FromFixed32);
    return colour_math::DenseMatrix(3, 3, values);
}

std::optional<Raw32> ToRaw32(const colour_math::DenseMatrix& m) {
    double values[kMatrixElements];
    m.CopyTo(values);
    return paths::ToFixed<Raw32>(values, paths::ToFixed32);
}

uint32_t Bit(uint32_t slot) { return slot < 16 ? 1u << slot : 0u; }

// The compensation on one path; DvErrFailed when the chip's matrix cannot
// be read or inverted. Every matrix is converted before the first write, so
// that an element without a wire form writes nothing.
DvError CompensateOnPath(VMI& path, uint16_t slot, const colour_math::DenseMatrix& wanted, bool enable,
                         int32_t* inverseOut) {
    uint32_t count = 0;
    if (!paths::Usable(paths::ReadMatrixSlotCount(path, count))) count = 0;
    const auto last = static_cast<uint16_t>(count - 1);

    Raw32 chipRaw{};
    if (!paths::Usable(paths::ReadMatrix32(path, paths::kChipSlot, chipRaw))) return DvErrFailed;
    const colour_math::DenseMatrix chip = ToDense(chipRaw);
    if (!chip.Invertible3()) return DvErrFailed;
    const auto inverse = chip.Inverse();
    if (!inverse) return DvErrFailed;

    const bool intoLast = slot == last;
    const auto target = ToRaw32(intoLast ? inverse->Times(wanted) : wanted);
    const auto inverseRaw = ToRaw32(*inverse);
    if (!target || (!intoLast && !inverseRaw)) return DvErrInvalidParameter;

    // The results of the writes are not reported: the compensation is done
    // as far as the monitor takes it.
    paths::WriteMatrix32(path, 0, chipRaw, false);
    paths::WriteMatrix32(path, slot, *target, false);
    if (!intoLast) {
        paths::WriteMatrix32(path, last, *inverseRaw, false);
        if (inverseOut != nullptr) std::copy(inverseRaw->begin(), inverseRaw->end(), inverseOut);
    }
    if (enable) paths::WriteMatrixMask(path, kCompensatedMask & ~Bit(slot) & ~Bit(last));
    return DvOk;
}

}  // namespace

DvError GetColorMatrix(VarnMonitor& monitor, int slot, double* matrix) {
    if (matrix == nullptr || BadSlot(slot)) return DvErrInvalidParameter;
    Raw16 raw{};
    const DvError result = ReadRaw(monitor, slot, raw, paths::ReadMatrix16);
    if (paths::Usable(result)) ToDoubles(raw, matrix, paths::FromFixed16);
    return result;
}

DvError SetColorMatrix(VarnMonitor& monitor, int slot, const double* matrix, int enable) {
    if (matrix == nullptr || BadSlot(slot)) return DvErrInvalidParameter;
    const auto raw = paths::ToFixed<Raw16>(matrix, paths::ToFixed16);
    if (!raw) return DvErrInvalidParameter;
    return WriteRaw(monitor, slot, *raw, enable, paths::WriteMatrix16);
}

DvError GetColorMatrix32(VarnMonitor& monitor, int slot, double* matrix) {
    if (matrix == nullptr || BadSlot(slot)) return DvErrInvalidParameter;
    Raw32 raw{};
    const DvError result = ReadRaw(monitor, slot, raw, paths::ReadMatrix32);
    if (paths::Usable(result)) ToDoubles(raw, matrix, paths::FromFixed32);
    return result;
}

DvError SetColorMatrix32(VarnMonitor& monitor, int slot, const double* matrix, int enable) {
    if (matrix == nullptr || BadSlot(slot)) return DvErrInvalidParameter;
    const auto raw = paths::ToFixed<Raw32>(matrix, paths::ToFixed32);
    if (!raw) return DvErrInvalidParameter;
    return WriteRaw(monitor, slot, *raw, enable, paths::WriteMatrix32);
}

DvError GetColorMatrixDirect(VarnMonitor& monitor, int slot, int16_t* raw) {
    if (raw == nullptr || BadSlot(slot)) return DvErrInvalidParameter;
    Raw16 read{};
    const DvError result = ReadRaw(monitor, slot, read, paths::ReadMatrix16);
    if (paths::Usable(result)) std::copy(read.begin(), read.end(), raw);
    return result;
}

DvError SetColorMatrixDirect(VarnMonitor& monitor, int slot, const int16_t* raw, int enable) {
    if (raw == nullptr || BadSlot(slot)) return DvErrInvalidParameter;
    Raw16 values{};
    std::copy_n(raw, values.size(), values.begin());
    return WriteRaw(monitor, slot, values, enable, paths::WriteMatrix16);
}

DvError GetColorMatrixDirect32(VarnMonitor& monitor, int slot, int32_t* raw) {
    if (raw == nullptr || BadSlot(slot)) return DvErrInvalidParameter;
    Raw32 read{};
    const DvError result = ReadRaw(monitor, slot, read, paths::ReadMatrix32);
    if (paths::Usable(result)) std::copy(read.begin(), read.end(), raw);
    return result;
}

DvError SetColorMatrixDirect32(VarnMonitor& monitor, int slot, const int32_t* raw, int enable) {
    if (raw == nullptr || BadSlot(slot)) return DvErrInvalidParameter;
    Raw32 values{};
    std::copy_n(raw, values.size(), values.begin());
    return WriteRaw(monitor, slot, values, enable, paths::WriteMatrix32);
}

// The mode's block holds its matrices slot by slot in the 32-bit form.
DvError GetColorMatrix32AtMode(VarnMonitor& monitor, int mode, int slot, double* matrix) {
    if (const DvError absent = CheckAtMode(monitor, matrix, kMatrixElements)) return absent;
    if (BadSlot(slot)) return DvErrInvalidParameter;
    constexpr uint32_t kSlotBytes = 4 * kMatrixElements;
    std::vector<uint8_t> bytes(kSlotBytes);
    const DvError result =
        ReadModeTable(monitor, mode, codes::kModeMatrix32, static_cast<uint32_t>(slot) * kSlotBytes, bytes);
    if (!paths::Usable(result)) return result;
    for (std::size_t i = 0; i < kMatrixElements; ++i)
        matrix[i] = paths::FromFixed32(static_cast<int32_t>(paths::LittleField(bytes.data() + 4 * i, 4)));
    return result;
}

DvError GetAsicMatrix32(VarnMonitor& monitor, double* matrix) {
    if (matrix == nullptr) return DvErrInvalidParameter;
    Raw32 raw{};
    const DvError result = FirstAnswer(monitor.Paths(), [&](VMI& path) { return paths::ReadAsicMatrix(path, raw); });
    if (paths::Usable(result)) ToDoubles(raw, matrix, paths::FromFixed32);
    return result;
}

DvError SupportedColorMatrix(VarnMonitor& monitor, int* flag) {
    if (flag == nullptr) return DvErrInvalidParameter;
    const registry::ModelRecord* record = monitor.Record();
    if (record != nullptr && (record->HasFeatureCode(kFeatureColorMatrix) || record->IsNewerGeneration())) {
        *flag = 1;
        return DvOk;
    }
    return FirstAnswer(monitor.Paths(), [&](VMI& path) {
        int32_t supported = 0;
        const DvError result = path.ReadFixedData(codes::kColorMatrix16, nullptr, nullptr, &supported, nullptr);
        if (paths::Usable(result)) *flag = supported != 0 ? 1 : 0;
        return result;
    });
}

DvError SetColorMatrixCompensated(VarnMonitor& monitor, int slot, const double* matrix, int enable, int32_t* inverse) {
    if (slot == 0 || matrix == nullptr || BadSlot(slot)) return DvErrInvalidParameter;
    if (!paths::ToFixed<Raw32>(matrix, paths::ToFixed32)) return DvErrInvalidParameter;
    const colour_math::DenseMatrix wanted(3, 3, matrix);
    return FirstAnswer(monitor.Paths(), [&](VMI& path) {
        return CompensateOnPath(path, static_cast<uint16_t>(slot), wanted, enable != 0, inverse);
    });
}

}  // namespace dvc::features
