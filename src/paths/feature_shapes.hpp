// The shapes in which a per-path feature operation talks to its monitor,
// as templates over the feature's codes and the primitive it uses. Each kind
// of feature-table row (features/row_kinds.hpp) is one of these shapes, and
// the hand-written encodings build on the same steps.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <vector>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// The codes of one feature in the order the operation uses them: one code,
// a fallback pair, or a channel table.
template <uint32_t... C>
struct Codes {
    static constexpr std::array<uint32_t, sizeof...(C)> kList{C...};
};

// How a value read reaches the caller, and how a value write goes out.
enum class ReadAs { Raw, Bool };
enum class Switch { Raw, NonZero, ExactlyOne };

constexpr int32_t Folded(ReadAs read, uint32_t value) noexcept {
    if (read == ReadAs::Bool) return value != 0 ? 1 : 0;
    return static_cast<int32_t>(value);
}

constexpr uint32_t Switched(Switch how, int32_t value) noexcept {
    switch (how) {
    case Switch::NonZero: return value != 0 ? 1u : 0u;
    case Switch::ExactlyOne: return value == 1 ? 1u : 0u;
    case Switch::Raw: break;
    }
    return static_cast<uint32_t>(value);
}

// A fallback moves to the next code only on these two answers; anything
// else (a refusal, an invalid parameter) is the feature's answer.
constexpr bool FallsBack(DvError result) noexcept { return result == DvErrFailed || result == DvErrNotSupported; }

// Runs `step(code)` for each code until one does not fall back.
template <class C, class Step>
DvError EachCode(Step&& step) {
    DvError result = DvErrFailed;
    for (const uint32_t code : C::kList) {
        result = step(code);
        if (!FallsBack(result)) break;
    }
    return result;
}

// A support query through `step(code, flag)` with fallback: like any other
// fallback it moves to the next code only on a fallback result; an answer,
// even one that reports the feature absent, is the feature's answer.
template <class C, class Step>
DvError EachSupportCode(int32_t* flag, Step&& step) {
    return EachCode<C>([&](uint32_t code) {
        *flag = 0;
        return step(code, flag);
    });
}

// Support by fixed data: the code's support flag. The transport's result is
// not looked at; the flag starts at 0 so that a transport that does not
// write it yields no support.
inline int32_t SupportFlag(VarnMonitorInterface& path, uint32_t code) {
    int32_t flag = 0;
    path.ReadFixedData(code, nullptr, nullptr, &flag, nullptr);
    return flag;
}
inline bool SupportedByFixedData(VarnMonitorInterface& path, uint32_t code) { return SupportFlag(path, code) != 0; }

// Support by fixed data over the codes in order: the first non-zero flag.
template <class C>
int SupportByFixedData(VarnMonitorInterface& path) {
    for (const uint32_t code : C::kList) {
        if (const int32_t flag = SupportFlag(path, code); flag != 0) return flag;
    }
    return 0;
}

// The argument types of a primitive, to pass the caller's value by value
// or by pointer as that primitive wants it.
template <class>
struct PrimitiveArgs;
template <class R, class... A>
struct PrimitiveArgs<R (VarnMonitorInterface::*)(A...)> {
    using Tuple = std::tuple<A...>;
};
template <auto Primitive, std::size_t I>
using PrimitiveArg = std::tuple_element_t<I, typename PrimitiveArgs<decltype(Primitive)>::Tuple>;

// Forward: the code in a local variable, the caller's out-pointer passed on
// unchanged (the primitive decides what it writes, and when).
template <auto Primitive>
DvError ForwardGet(VarnMonitorInterface& path, uint32_t code, int32_t* out) {
    using Out = std::remove_pointer_t<PrimitiveArg<Primitive, 1>>;
    static_assert(sizeof(Out) == sizeof(int32_t));
    const uint32_t local = code;
    return (path.*Primitive)(local, reinterpret_cast<Out*>(out));
}

template <auto Primitive>
DvError ForwardSet(VarnMonitorInterface& path, uint32_t code, int32_t value) {
    using In = PrimitiveArg<Primitive, 1>;
    const uint32_t local = code;
    if constexpr (std::is_pointer_v<In>) {
        const auto word = static_cast<std::remove_const_t<std::remove_pointer_t<In>>>(value);
        return (path.*Primitive)(local, &word);
    } else {
        return (path.*Primitive)(local, static_cast<In>(value));
    }
}

// Range primitives: support flag, maximum and minimum.
template <auto Primitive, class T>
DvError ForwardRange(VarnMonitorInterface& path, uint32_t code, int32_t* flag, T* maximum, T* minimum) {
    const uint32_t local = code;
    return (path.*Primitive)(local, flag, maximum, minimum);
}

// Channel fan-out: the channel picks the code; a channel outside the table
// fails before anything is sent.
template <class C>
constexpr bool ChannelInTable(int32_t channel) noexcept {
    return channel >= 0 && static_cast<std::size_t>(channel) < C::kList.size();
}

// Value read with fallback: the caller's value is written only
// from a usable read.
template <class C, ReadAs kRead>
DvError ValueGet(VarnMonitorInterface& path, int32_t* out) {
    return EachCode<C>([&](uint32_t code) {
        uint32_t value = 0;
        const DvError result = path.ReadValue(code, &value);
        if (Usable(result)) *out = Folded(kRead, value);
        return result;
    });
}

// Value write with its switch, with fallback.
template <class C, Switch kSwitch>
DvError ValueSet(VarnMonitorInterface& path, int32_t value) {
    return EachCode<C>([&](uint32_t code) { return path.WriteValue(code, Switched(kSwitch, value), 0); });
}

// Fixed data: the maximum (a count, a kind), the block length, or the range.
DvError FixedMaximum(VarnMonitorInterface& path, uint32_t code, int32_t* out);
DvError FixedLength(VarnMonitorInterface& path, uint32_t code, int32_t* out);

template <class C>
DvError FixedRange(VarnMonitorInterface& path, int32_t* maximum, int32_t* minimum) {
    return EachCode<C>([&](uint32_t code) {
        int32_t high = 0;
        int32_t low = 0;
        const DvError result = path.ReadFixedData(code, &high, &low, nullptr, nullptr);
        if (Usable(result)) {
            *maximum = high;
            *minimum = low;
        }
        return result;
    });
}

// A value read from one code written to another: a setting put back from
// the copy the monitor keeps of it.
DvError CopyValue(VarnMonitorInterface& path, uint32_t from, uint32_t to);

// Data blocks. Multi-byte fields are little-endian.

// The longest block that an operation accepts from a monitor's length
// report; a longer one is treated as a wrong answer, not allocated.
inline constexpr uint32_t kMaxBlockLength = 0x10000;

// The monitor's block length for `code`: DvErrNotSupported when it is 0 or
// below `minimum`, DvErrWrongLength when it is beyond any real block.
DvError CheckDataLength(VarnMonitorInterface& path, uint32_t code, uint32_t* length, uint32_t minimum);

// The monitor's block of `code`, at least `minimum` bytes long (its length
// from fixed data), zero-filled and then read.
DvError ReadSizedBlock(VarnMonitorInterface& path, uint32_t code, uint32_t minimum, std::vector<uint8_t>& block);

// A block holding one value in its first bytes (up to four).
DvError BlockValueGet(VarnMonitorInterface& path, uint32_t code, int32_t* out);
DvError BlockValueSet(VarnMonitorInterface& path, uint32_t code, int32_t value);
// A field of `width` bytes at `offset`; the write reads the block first and
// writes all of it back with the field changed.
DvError BlockFieldGet(VarnMonitorInterface& path, uint32_t code, uint32_t offset, uint32_t width, int32_t* out);
DvError BlockFieldSet(VarnMonitorInterface& path, uint32_t code, uint32_t offset, uint32_t width, uint32_t value);
// Item `index` of a block of equal items of `width` bytes.
DvError BlockItemGet(VarnMonitorInterface& path, uint32_t code, uint32_t width, int32_t index, int32_t* out);
DvError BlockItemSet(VarnMonitorInterface& path, uint32_t code, uint32_t width, int32_t index, int32_t value);
// The block as the monitor keeps it. `size` is the caller's capacity on the
// way in and the block's length on the way out; a capacity below the length
// gives DvErrSizeMismatch and reads nothing.
DvError BlockRawGet(VarnMonitorInterface& path, uint32_t code, uint8_t* data, int32_t* size);
// `size` bytes (at most the block's length) at the start of a zero-filled
// block of the monitor's length.
DvError BlockRawSet(VarnMonitorInterface& path, uint32_t code, const uint8_t* data, int32_t size);
// Blocks of a length that the feature fixes.
DvError BlockFixedGet(VarnMonitorInterface& path, uint32_t code, uint32_t length, uint8_t* data);
DvError BlockFixedSet(VarnMonitorInterface& path, uint32_t code, uint32_t length, const uint8_t* data);
// Pairs of chromaticity coordinates, each an unsigned 16-bit number of
// 0.0001, x before y.
DvError BlockXYGet(VarnMonitorInterface& path, uint32_t code, uint32_t pairs, double* xy);
DvError BlockXYSet(VarnMonitorInterface& path, uint32_t code, uint32_t pairs, const double* xy);
// Whether a coordinate fits the block's 16-bit field of 0.0001.
bool ChromaticityFits(double coordinate) noexcept;

// Little-endian fields of up to four bytes.
uint32_t LittleField(const uint8_t* bytes, uint32_t width) noexcept;
void PutLittleField(uint8_t* bytes, uint32_t width, uint32_t value) noexcept;
// Whether `value` fits a field of `width` bytes (as an unsigned number).
constexpr bool FitsField(uint32_t value, uint32_t width) noexcept { return width >= 4 || (value >> (8 * width)) == 0; }

}  // namespace dvc::paths
