// LUT facts that the model record holds: gamut indices, media emulation,
// rear-LUT maxima, front-LUT precision, the REC.709 warning.
#include "features/luts.hpp"

namespace dvc::features {

namespace {

constexpr uint32_t kGamutBits = 16;

// A nonzero capability word as a result, DvErrNotSupported for 0.
DvError RecordWord(const VarnMonitor& monitor, std::size_t word, int* out) {
    if (out == nullptr) return DvErrInvalidParameter;
    if (monitor.Record() == nullptr) return DvErrFailed;
    const uint32_t value = monitor.Record()->Word(word);
    if (value == 0 || value > 0x7FFFFFFF) return DvErrNotSupported;
    *out = static_cast<int>(value);
    return DvOk;
}

}  // namespace

DvError EnumGamutIndex(VarnMonitor& monitor, int index, int* gamut) {
    if (gamut == nullptr) return DvErrInvalidParameter;
    if (monitor.Record() == nullptr) return DvErrNoMoreItems;
    const uint32_t mask = monitor.Record()->Word(registry::word::kGamutMask);
    int position = 0;
    for (uint32_t bit = 0; bit < kGamutBits; ++bit) {
        if ((mask >> bit & 1u) == 0) continue;
        if (position++ == index) {
            *gamut = static_cast<int>(bit);
            return DvOk;
        }
    }
    return DvErrNoMoreItems;
}

int SupportedMediaEmu(VarnMonitor& monitor) {
    return monitor.Record() != nullptr && monitor.Record()->mediaEmulationCount > 0 ? 1 : 0;
}

DvError GetMaxRearLUTDirectColor(VarnMonitor& monitor, int* maximum) {
    return RecordWord(monitor, registry::word::kMaxRearLutColour, maximum);
}

DvError GetMaxRearLUTDirectMono(VarnMonitor& monitor, int* maximum) {
    return RecordWord(monitor, registry::word::kMaxRearLutMono, maximum);
}

DvError GetFrontLUTPrecision(VarnMonitor& monitor, int* precision) {
    return RecordWord(monitor, registry::word::kFrontLutPrecision, precision);
}

// Our choice: the model record's tag flag (tag 0x63, bit 0) says that the
// monitor has the warning for REC.709 colours in a REC.2020 picture.
int SupportedREC709GamutWarningForREC2020(VarnMonitor& monitor) {
    return monitor.Record() != nullptr && monitor.Record()->flag != 0 ? 1 : 0;
}

}  // namespace dvc::features
