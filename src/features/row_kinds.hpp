// The kinds of feature-table rows. A kind is everything that rows of one
// shape share, defined once here:
//   Signature  the export's C signature after the monitor's pair; the
//              generators write the public declaration and the export from it
//   kFold      how the export turns the operation's result into its own
//   kAsks      what a monitor that has the feature answers (the simulator's
//              profile check and the table suite hold every model to it)
//   kDvctl     dvctl's role and value form for the export: "ROLE FORM
//              [OPTION]" (scripts/gen_dvctl_catalog.py)
//   Check<R>   the argument checks before any path traffic (none when absent)
//   Path<R>    the per-path operation: one of the shapes of feature_shapes.hpp,
//              asked of each path under the row's rule (Run in table_row.hpp)
//   Monitor<R> instead of Check and Path, for a kind whose operation is more
//              than one per-path call under a rule
// A new kind is one more struct of this form; generators and templates fail
// loudly on a kind they do not know.
#pragma once

#include <array>
#include <cstdint>
#include <numeric>

#include "features/table_row.hpp"

namespace dvc::features {

// What an export makes of its operation's result.
enum class Fold {
    Plain,            // the result as it is
    SupportFlag,      // 0 when the operation failed, else the flag it wrote
    SupportFlagKept,  // the flag the operation wrote, whatever its result
    OlderRange,       // any failure is DvErrFailed, an absent feature DvErrNotSupported
};

// What a monitor that has a row's feature answers for its codes.
enum class Asks {
    Answer,   // a usable answer to the row's own queries
    Value,    // a readable value
    Block,    // a data block of at least the row's minimum length
    Maximum,  // a maximum (a count, a kind or a range) in its fixed data
};

namespace kinds {

using VMI = VarnMonitorInterface;

// A required out-pointer.
template <class... T>
constexpr DvError Required(const T*... pointers) {
    return ((pointers == nullptr) || ...) ? DvErrInvalidParameter : DvOk;
}

// Channel numbers 0 to N - 1 of a channel table.
template <std::size_t N>
constexpr std::array<int32_t, N> ChannelNumbers() {
    std::array<int32_t, N> channels{};
    std::iota(channels.begin(), channels.end(), 0);
    return channels;
}

// Supported, flag form: the first nonzero support flag of any path.
struct Supported {
    using Signature = int();
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "supported Ask";
    template <class R>
    static int Path(VMI& path) {
        return paths::SupportByFixedData<typename R::Codes>(path);
    }
    template <class R>
    static int Monitor(VarnMonitor& monitor) {
        static_assert(R::kRule == Rule::AnyPath);
        return AnyPath(monitor.Paths(), [](VMI& path) { return Path<R>(path); });
    }
};

// Supported, out-flag form: a support query through the row's primitive,
// over its codes until one reports the feature.
struct SupportedOut {
    using Signature = int();
    static constexpr Fold kFold = Fold::SupportFlag;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "supported Ask";
    template <class R>
    static DvError Path(VMI& path, int32_t* flag) {
        return paths::EachSupportCode<typename R::Codes>(
            flag, [&](uint32_t code, int32_t* f) { return (path.*R::kVia)(code, f); });
    }
    template <class R>
    static DvError Check(const int* flag) {
        return Required(flag);
    }
};

// Supported, flag kept: as the out-flag form, but every failure is folded
// into DvErrFailed and the export gives the flag whatever the result.
struct SupportedKept {
    using Signature = int();
    static constexpr Fold kFold = Fold::SupportFlagKept;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "supported Ask";
    template <class R>
    static DvError Check(const int* flag) {
        return Required(flag);
    }
    template <class R>
    static DvError Path(VMI& path, int32_t* flag) {
        return SupportedOut::Path<R>(path, flag);
    }
    template <class R>
    static DvError Monitor(VarnMonitor& monitor, int* flag) {
        const DvError result = AskEachPath<R>(monitor, flag);
        return result < 0 ? DvErrFailed : result;
    }
};

// Supported through the range operation of row R::Range, with null bounds.
struct SupportedByRange {
    using Signature = int();
    static constexpr Fold kFold = Fold::SupportFlag;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "supported Ask";
    template <class R>
    static DvError Monitor(VarnMonitor& monitor, int* flag) {
        static_assert(R::kRule == R::Range::kRule, "a range-backed Supported row follows its range row's rule");
        if (const DvError bad = Required(flag)) return bad;
        return Run<typename R::Range>(monitor, flag, nullptr, nullptr);
    }
};

// The same, with the flag kept whatever the result.
struct SupportedByRangeKept {
    using Signature = int();
    static constexpr Fold kFold = Fold::SupportFlagKept;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "supported Ask";
    template <class R>
    static DvError Monitor(VarnMonitor& monitor, int* flag) {
        return SupportedByRange::Monitor<R>(monitor, flag);
    }
};

// GetRange, older form: support flag, maximum and minimum through the row's
// primitive on its one code.
struct RangeOld {
    using Signature = DvError(int* maximum, int* minimum);
    static constexpr Fold kFold = Fold::OlderRange;
    static constexpr Asks kAsks = Asks::Maximum;
    static constexpr const char* kDvctl = "range IntRange";
    template <class R>
    static DvError Path(VMI& path, int32_t* flag, int32_t* maximum, int32_t* minimum) {
        return paths::ForwardRange<R::kVia>(path, R::kCode, flag, maximum, minimum);
    }
    template <class R>
    static DvError Check(const int* flag, const int* /*maximum*/, const int* /*minimum*/) {
        return Required(flag);
    }
};

// GetRange, older form, of a feature with one control per channel: the
// first path alone, once per channel; each must answer and report the
// feature; the range kept is the last channel's.
template <class T>
struct ChannelRangeOf {
    static constexpr Fold kFold = Fold::OlderRange;
    static constexpr Asks kAsks = Asks::Answer;
    template <class R>
    static DvError Path(VMI& path, int32_t channel, int32_t* flag, T* maximum, T* minimum) {
        using Table = typename R::Codes;
        if (!paths::ChannelInTable<Table>(channel)) return DvErrFailed;
        return paths::ForwardRange<R::kVia>(path, Table::kList[channel], flag, maximum, minimum);
    }
    template <class R>
    static DvError Monitor(VarnMonitor& monitor, int* flag, T* maximum, T* minimum) {
        static_assert(R::kRule == Rule::FirstPathOnly);
        if (const DvError bad = Required(flag)) return bad;
        T high{};
        T low{};
        const DvError result =
            FirstPathOnly(monitor.Paths(), ChannelNumbers<R::Codes::kList.size()>(), [&](VMI& path, int32_t channel) {
                int32_t present = 0;
                T channelHigh{};
                T channelLow{};
                const DvError answer = Path<R>(path, channel, &present, &channelHigh, &channelLow);
                if (answer < 0) return answer;
                if (present == 0) return DvErrFailed;
                high = channelHigh;
                low = channelLow;
                return DvOk;
            });
        if (result < 0) return result;
        *flag = 1;
        if (maximum != nullptr) *maximum = high;
        if (minimum != nullptr) *minimum = low;
        return DvOk;
    }
};
struct ChannelRange : ChannelRangeOf<int> {
    using Signature = DvError(int* maximum, int* minimum);
    static constexpr const char* kDvctl = "range IntRange";
};
struct ChromaticityRange : ChannelRangeOf<double> {
    using Signature = DvError(double* maximum, double* minimum);
    static constexpr const char* kDvctl = "range DoubleRange";
};

// GetRange, newer form: maximum and minimum from fixed data, with fallback.
struct RangeFixed {
    using Signature = DvError(int* maximum, int* minimum);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Maximum;
    static constexpr const char* kDvctl = "range IntRange";
    template <class R>
    static DvError Path(VMI& path, int32_t* maximum, int32_t* minimum) {
        return paths::FixedRange<typename R::Codes>(path, maximum, minimum);
    }
    template <class R>
    static DvError Check(const int* maximum, const int* minimum) {
        return Required(maximum, minimum);
    }
};

// Value read with fallback over the row's codes; Bool folds it to 1/0.
struct ValueGet {
    using Signature = DvError(int* value);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Value;
    static constexpr const char* kDvctl = "get ValueGet";
    template <class R>
    static DvError Check(const int* value) {
        return Required(value);
    }
    template <class R>
    static DvError Path(VMI& path, int32_t* value) {
        return paths::ValueGet<typename R::Codes, ReadOf<R>()>(path, value);
    }
};

// Value write with fallback; NonZero and ExactlyOne switch the value.
struct ValueSet {
    using Signature = DvError(int value);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "set ValueSet";
    template <class R>
    static DvError Path(VMI& path, int32_t value) {
        return paths::ValueSet<typename R::Codes, SwitchOf<R>()>(path, value);
    }
};

// A fixed value written to the row's code.
struct Command {
    using Signature = DvError();
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "run Command";
    template <class R>
    static DvError Path(VMI& path) {
        return path.WriteValue(R::kCode, R::kValue, 0);
    }
};

// The value of the first code written to the second: a setting put back
// from the copy the monitor keeps of it.
struct ValueCopy {
    using Signature = DvError();
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Value;
    static constexpr const char* kDvctl = "run Command";
    template <class R>
    static DvError Path(VMI& path) {
        static_assert(R::Codes::kList.size() == 2, "a copy names the code it reads, then the one it writes");
        return paths::CopyValue(path, R::Codes::kList[0], R::Codes::kList[1]);
    }
};

// Forwards: the row's primitive on its one code, the caller's value passed
// on as the primitive wants it.
struct ForwardGet {
    using Signature = DvError(int* value);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "get ValueGet";
    template <class R>
    static DvError Check(const int* value) {
        return Required(value);
    }
    template <class R>
    static DvError Path(VMI& path, int32_t* value) {
        return paths::ForwardGet<R::kVia>(path, R::kCode, value);
    }
};
struct ForwardSet {
    using Signature = DvError(int value);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "set ValueSet";
    template <class R>
    static DvError Path(VMI& path, int32_t value) {
        return paths::ForwardSet<R::kVia>(path, R::kCode, value);
    }
};
struct ForwardGetXY {
    using Signature = DvError(double* x, double* y);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "get XyGet";
    template <class R>
    static DvError Path(VMI& path, double* x, double* y) {
        const uint32_t code = R::kCode;
        return (path.*R::kVia)(code, x, y);
    }
    template <class R>
    static DvError Check(const double* x, const double* y) {
        return Required(x, y);
    }
};
struct ForwardSetXY {
    using Signature = DvError(double x, double y);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "set XySet";
    template <class R>
    static DvError Path(VMI& path, double x, double y) {
        const uint32_t code = R::kCode;
        return (path.*R::kVia)(code, &x, &y);
    }
    // The coordinates travel as 16-bit numbers of 0.0001: what that cannot
    // carry (negative, above 6.5535, NaN, infinite) is refused.
    template <class R>
    static DvError Check(double x, double y) {
        return paths::ChromaticityFits(x) && paths::ChromaticityFits(y) ? DvOk : DvErrInvalidParameter;
    }
};

// Channel fan-out: channel i uses code i; a channel outside the table fails
// before anything is sent.
struct ChannelGet {
    using Signature = DvError(int* value, int channel);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "get ChannelGet";
    template <class R>
    static DvError Path(VMI& path, int32_t* value, int32_t channel) {
        using Table = typename R::Codes;
        if (!paths::ChannelInTable<Table>(channel)) return DvErrFailed;
        return paths::ForwardGet<R::kVia>(path, Table::kList[channel], value);
    }
    template <class R>
    static DvError Check(const int* value, int /*channel*/) {
        return Required(value);
    }
};
struct ChannelSet {
    using Signature = DvError(int value, int channel);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Answer;
    static constexpr const char* kDvctl = "set ChannelSet";
    template <class R>
    static DvError Path(VMI& path, int32_t value, int32_t channel) {
        using Table = typename R::Codes;
        if (!paths::ChannelInTable<Table>(channel)) return DvErrFailed;
        return paths::ForwardSet<R::kVia>(path, Table::kList[channel], value);
    }
};

// Fixed data: the maximum (a count, a kind) or the block length.
struct FixedMaxGet {
    using Signature = DvError(int* value);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Maximum;
    static constexpr const char* kDvctl = "get ValueGet";
    template <class R>
    static DvError Check(const int* value) {
        return Required(value);
    }
    template <class R>
    static DvError Path(VMI& path, int32_t* value) {
        return paths::FixedMaximum(path, R::kCode, value);
    }
};

// A count as the export's result: 0 when the monitor cannot give it, or
// gives a negative one.
struct FixedMaxCount {
    using Signature = int();
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Maximum;
    static constexpr const char* kDvctl = "get CountGet";
    template <class R>
    static DvError Path(VMI& path, int32_t* count) {
        return paths::FixedMaximum(path, R::kCode, count);
    }
    template <class R>
    static int Monitor(VarnMonitor& monitor) {
        static_assert(R::kRule == Rule::FirstAnswer);
        int32_t count = 0;
        const DvError result = AskEachPath<R>(monitor, &count);
        return paths::Usable(result) && count > 0 ? count : 0;
    }
};

struct FixedLengthGet {
    using Signature = DvError(int* size);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "get ValueGet";
    template <class R>
    static DvError Check(const int* value) {
        return Required(value);
    }
    template <class R>
    static DvError Path(VMI& path, int32_t* size) {
        return paths::FixedLength(path, R::kCode, size);
    }
};

// A block holding one value in its first bytes (up to four).
struct BlockValueGet {
    using Signature = DvError(int* value);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "get ValueGet";
    template <class R>
    static DvError Check(const int* value) {
        return Required(value);
    }
    template <class R>
    static DvError Path(VMI& path, int32_t* value) {
        return paths::BlockValueGet(path, R::kCode, value);
    }
};
struct BlockValueSet {
    using Signature = DvError(int value);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "set ValueSet";
    template <class R>
    static DvError Path(VMI& path, int32_t value) {
        return paths::BlockValueSet(path, R::kCode, value);
    }
};

// A field of Width bytes at Offset; the write reads the block first and
// writes all of it back with the field changed.
struct BlockFieldGet {
    using Signature = DvError(int* value);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "get ValueGet";
    template <class R>
    static DvError Check(const int* value) {
        return Required(value);
    }
    template <class R>
    static DvError Path(VMI& path, int32_t* value) {
        return paths::BlockFieldGet(path, R::kCode, OffsetOf<R>(), R::kWidth, value);
    }
};
struct BlockFieldSet {
    using Signature = DvError(int value);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "set ValueSet";
    template <class R>
    static DvError Path(VMI& path, int32_t value) {
        return paths::BlockFieldSet(path, R::kCode, OffsetOf<R>(), R::kWidth, paths::Switched(SwitchOf<R>(), value));
    }
};

// Item `index` of a block of equal items of Width bytes.
struct BlockItemGet {
    using Signature = DvError(int index, int* value);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "get ItemGet";
    template <class R>
    static DvError Path(VMI& path, int32_t index, int32_t* value) {
        return paths::BlockItemGet(path, R::kCode, R::kWidth, index, value);
    }
    template <class R>
    static DvError Check(int /*index*/, const int* value) {
        return Required(value);
    }
};
struct BlockItemSet {
    using Signature = DvError(int index, int value);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "set ItemSet";
    template <class R>
    static DvError Path(VMI& path, int32_t index, int32_t value) {
        return paths::BlockItemSet(path, R::kCode, R::kWidth, index, value);
    }
};

// The block as the monitor keeps it. `size` is the caller's capacity on the
// way in and the block's length on the way out; a null buffer with a
// capacity of 0 asks for the length alone. Further codes are older forms,
// asked when a code falls back.
struct BlockRawGet {
    using Signature = DvError(uint8_t* data, int* size);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "get BlockGet";
    template <class R>
    static DvError Path(VMI& path, uint8_t* data, int32_t* size) {
        return paths::EachCode<typename R::Codes>(
            [&](uint32_t code) { return paths::BlockRawGet(path, code, data, size); });
    }
    template <class R>
    static DvError Check(const uint8_t* data, const int* size) {
        const bool bad = size == nullptr || *size < 0 || (data == nullptr && *size != 0);
        return bad ? DvErrInvalidParameter : DvOk;
    }
};
struct BlockRawSet {
    using Signature = DvError(const uint8_t* data, int size);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "set BlockSet";
    template <class R>
    static DvError Path(VMI& path, const uint8_t* data, int32_t size) {
        return paths::BlockRawSet(path, R::kCode, data, size);
    }
    template <class R>
    static DvError Check(const uint8_t* data, int size) {
        return data == nullptr || size <= 0 ? DvErrInvalidParameter : DvOk;
    }
};

// Blocks of a Length that the feature fixes.
struct BlockFixedGet {
    using Signature = DvError(uint8_t* data);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "get FixedGet Length";
    template <class R>
    static DvError Path(VMI& path, uint8_t* data) {
        return paths::BlockFixedGet(path, R::kCode, R::kLength, data);
    }
    template <class R>
    static DvError Check(const uint8_t* data) {
        return Required(data);
    }
};
struct BlockFixedSet {
    using Signature = DvError(const uint8_t* data);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "set FixedSet Length";
    template <class R>
    static DvError Path(VMI& path, const uint8_t* data) {
        return paths::BlockFixedSet(path, R::kCode, R::kLength, data);
    }
    template <class R>
    static DvError Check(const uint8_t* data) {
        return Required(data);
    }
};

// Pairs of chromaticity coordinates, each an unsigned 16-bit number of
// 0.0001, x before y; every coordinate is checked before anything is sent.
struct BlockXYGet {
    using Signature = DvError(double* xy);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "get PairsGet Pairs";
    template <class R>
    static DvError Path(VMI& path, double* xy) {
        return paths::BlockXYGet(path, R::kCode, R::kPairs, xy);
    }
    template <class R>
    static DvError Check(const double* xy) {
        return Required(xy);
    }
};
struct BlockXYSet {
    using Signature = DvError(const double* xy);
    static constexpr Fold kFold = Fold::Plain;
    static constexpr Asks kAsks = Asks::Block;
    static constexpr const char* kDvctl = "set PairsSet Pairs";
    template <class R>
    static DvError Path(VMI& path, const double* xy) {
        return paths::BlockXYSet(path, R::kCode, R::kPairs, xy);
    }
    template <class R>
    static DvError Check(const double* xy) {
        if (xy == nullptr) return DvErrInvalidParameter;
        for (uint32_t i = 0; i < 2 * R::kPairs; ++i)
            if (!paths::ChromaticityFits(xy[i])) return DvErrInvalidParameter;
        return DvOk;
    }
};

}  // namespace kinds

// The shortest block that a row of a block kind needs from the monitor.
template <class R>
constexpr uint32_t MinimumBlockLength() {
    if constexpr (requires { R::kPairs; }) return 4 * R::kPairs;
    else if constexpr (requires { R::kLength; }) return R::kLength;
    else if constexpr (requires { R::kWidth; }) return OffsetOf<R>() + R::kWidth;
    else return 1;
}

}  // namespace dvc::features
