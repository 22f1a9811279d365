// The monitor operations of the feature table: the argument checks, then
// the row's per-path operation on each path under the row's rule. Out
// pointers that the caller must give are checked before any path traffic
// (DvErrInvalidParameter).
#include <array>
#include <cstddef>
#include <numeric>

#include "features/table_rules.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "registry/varn_monitor.hpp"

using VMI = VarnMonitorInterface;

namespace {

// Channel numbers 0 to N - 1 of a channel table.
template <std::size_t N>
constexpr std::array<int32_t, N> ChannelNumbers() {
    std::array<int32_t, N> channels{};
    std::iota(channels.begin(), channels.end(), 0);
    return channels;
}

}  // namespace

#define DVC_ASK(Rule, call) dvc::features::Rule(Paths(), [&](VMI& path) { return path.call; })

#define DVC_SUPPORTED(Name, CODES, Doc) \
    int VarnMonitor::Name() { return dvc::features::AnyPath(Paths(), [](VMI& path) { return path.Name(); }); }

#define DVC_SUPPORTED_OUT(Name, Primitive, CODES, Doc) \
    DvError VarnMonitor::Name(int* flag) {             \
        if (flag == nullptr) return DvErrInvalidParameter; \
        return DVC_ASK(FirstSuccess, Name(flag));      \
    }

// The first-success answer, with every failure folded into 0x80000000.
#define DVC_SUPPORTED_KEPT(Name, Primitive, CODES, Doc)         \
    DvError VarnMonitor::Name(int* flag) {                      \
        if (flag == nullptr) return DvErrInvalidParameter;      \
        const DvError result = DVC_ASK(FirstSuccess, Name(flag)); \
        return result < 0 ? DvErrFailed : result;               \
    }

#define DVC_SUPPORTED_BY_RANGE(Name, RangeName, Kept, Doc) \
    DvError VarnMonitor::Name(int* flag) {                 \
        if (flag == nullptr) return DvErrInvalidParameter; \
        return RangeName(flag, nullptr, nullptr);          \
    }

#define DVC_RANGE_OLD(Name, Rule, Code, Primitive, RefuseNull, Doc)       \
    DvError VarnMonitor::Name(int* flag, int* maximum, int* minimum) {    \
        if (flag == nullptr) return DvErrInvalidParameter;                \
        return DVC_ASK(Rule, Name(flag, maximum, minimum));               \
    }

// The first path alone, once per channel: each must answer and report the
// feature; the range kept is the last channel's.
#define DVC_RANGE_CHANNELS(Name, Primitive, T, CODES, Doc)                                   \
    DvError VarnMonitor::Name(int* flag, T* maximum, T* minimum) {                           \
        if (flag == nullptr) return DvErrInvalidParameter;                                   \
        using Table = CODES;                                                                 \
        T high{};                                                                            \
        T low{};                                                                             \
        const DvError result = dvc::features::FirstPathOnly(                                 \
            Paths(), ChannelNumbers<Table::kList.size()>(), [&](VMI& path, int32_t channel) { \
                int32_t present = 0;                                                         \
                T channelHigh{};                                                             \
                T channelLow{};                                                              \
                const DvError answer = path.Name(channel, &present, &channelHigh, &channelLow); \
                if (answer < 0) return answer;                                               \
                if (present == 0) return DvErrFailed;                                        \
                high = channelHigh;                                                          \
                low = channelLow;                                                            \
                return DvOk;                                                                 \
            });                                                                              \
        if (result < 0) return result;                                                       \
        *flag = 1;                                                                           \
        if (maximum != nullptr) *maximum = high;                                             \
        if (minimum != nullptr) *minimum = low;                                              \
        return DvOk;                                                                         \
    }

#define DVC_RANGE_FIXED(Name, Rule, CODES, Doc)                                     \
    DvError VarnMonitor::Name(int* maximum, int* minimum) {                         \
        if (maximum == nullptr || minimum == nullptr) return DvErrInvalidParameter; \
        return DVC_ASK(Rule, Name(maximum, minimum));                               \
    }

#define DVC_CHECKED_GET(Name, Rule)                         \
    DvError VarnMonitor::Name(int* value) {                 \
        if (value == nullptr) return DvErrInvalidParameter; \
        return DVC_ASK(Rule, Name(value));                  \
    }
#define DVC_PLAIN_SET(Name, Rule) \
    DvError VarnMonitor::Name(int value) { return DVC_ASK(Rule, Name(value)); }

#define DVC_VALUE_GET(Name, Rule, Read, CODES, Doc) DVC_CHECKED_GET(Name, Rule)
#define DVC_VALUE_SET(Name, Rule, Switch, CODES, Doc) DVC_PLAIN_SET(Name, Rule)
#define DVC_FORWARD_GET(Name, Rule, Code, Primitive, Doc) DVC_CHECKED_GET(Name, Rule)
#define DVC_FORWARD_SET(Name, Rule, Code, Primitive, Doc) DVC_PLAIN_SET(Name, Rule)
#define DVC_FIXED_MAX_GET(Name, Rule, Code, Doc) DVC_CHECKED_GET(Name, Rule)
#define DVC_FIXED_LENGTH_GET(Name, Rule, Code, Doc) \
    DvError VarnMonitor::Name(int* size) {          \
        if (size == nullptr) return DvErrInvalidParameter; \
        return DVC_ASK(Rule, Name(size));           \
    }
#define DVC_BLOCK_VALUE_GET(Name, Rule, Code, Doc) DVC_CHECKED_GET(Name, Rule)
#define DVC_BLOCK_VALUE_SET(Name, Rule, Code, Doc) DVC_PLAIN_SET(Name, Rule)
#define DVC_BLOCK_FIELD_GET(Name, Rule, Code, Offset, Width, Doc) DVC_CHECKED_GET(Name, Rule)
#define DVC_BLOCK_FIELD_SET(Name, Rule, Code, Offset, Width, Switch, Doc) DVC_PLAIN_SET(Name, Rule)

#define DVC_COMMAND(Name, Rule, Code, Value, Doc) \
    DvError VarnMonitor::Name() { return DVC_ASK(Rule, Name()); }
#define DVC_VALUE_COPY(Name, Rule, From, To, Doc) \
    DvError VarnMonitor::Name() { return DVC_ASK(Rule, Name()); }

#define DVC_FORWARD_GET_XY(Name, Rule, Code, Primitive, Doc)            \
    DvError VarnMonitor::Name(double* x, double* y) {                   \
        if (x == nullptr || y == nullptr) return DvErrInvalidParameter; \
        return DVC_ASK(Rule, Name(x, y));                               \
    }
#define DVC_FORWARD_SET_XY(Name, Rule, Code, Primitive, Doc) \
    DvError VarnMonitor::Name(double x, double y) { return DVC_ASK(Rule, Name(x, y)); }

#define DVC_CHANNEL_GET(Name, Rule, Primitive, CODES, Doc)  \
    DvError VarnMonitor::Name(int* value, int channel) {    \
        if (value == nullptr) return DvErrInvalidParameter; \
        return DVC_ASK(Rule, Name(value, channel));         \
    }
#define DVC_CHANNEL_SET(Name, Rule, Primitive, CODES, Doc) \
    DvError VarnMonitor::Name(int value, int channel) { return DVC_ASK(Rule, Name(value, channel)); }

// A count the monitor cannot give, or a negative one, is 0.
#define DVC_FIXED_MAX_COUNT(Name, Code, Doc)                                                 \
    int VarnMonitor::Name() {                                                                \
        int32_t count = 0;                                                                   \
        const DvError result = DVC_ASK(FirstAnswer, Name(&count));                           \
        return dvc::paths::Usable(result) && count > 0 ? count : 0;                          \
    }

#define DVC_BLOCK_ITEM_GET(Name, Rule, Code, Width, Doc)    \
    DvError VarnMonitor::Name(int index, int* value) {      \
        if (value == nullptr) return DvErrInvalidParameter; \
        return DVC_ASK(Rule, Name(index, value));           \
    }
#define DVC_BLOCK_ITEM_SET(Name, Rule, Code, Width, Doc) \
    DvError VarnMonitor::Name(int index, int value) { return DVC_ASK(Rule, Name(index, value)); }

// A null buffer with a capacity of 0 asks for the block's length alone.
#define DVC_BLOCK_RAW_GET(Name, Rule, Code, Doc)                                          \
    DvError VarnMonitor::Name(uint8_t* data, int* size) {                                 \
        if (size == nullptr || *size < 0 || (data == nullptr && *size != 0)) return DvErrInvalidParameter; \
        return DVC_ASK(Rule, Name(data, size));                                           \
    }
#define DVC_BLOCK_RAW_SET(Name, Rule, Code, Doc)                               \
    DvError VarnMonitor::Name(const uint8_t* data, int size) {                 \
        if (data == nullptr || size <= 0) return DvErrInvalidParameter;        \
        return DVC_ASK(Rule, Name(data, size));                                \
    }
#define DVC_BLOCK_FIXED_GET(Name, Rule, Code, Length, Doc) \
    DvError VarnMonitor::Name(uint8_t* data) {             \
        if (data == nullptr) return DvErrInvalidParameter; \
        return DVC_ASK(Rule, Name(data));                  \
    }
#define DVC_BLOCK_FIXED_SET(Name, Rule, Code, Length, Doc) \
    DvError VarnMonitor::Name(const uint8_t* data) {       \
        if (data == nullptr) return DvErrInvalidParameter; \
        return DVC_ASK(Rule, Name(data));                  \
    }
#define DVC_BLOCK_XY_GET(Name, Rule, Code, Pairs, Doc)  \
    DvError VarnMonitor::Name(double* xy) {             \
        if (xy == nullptr) return DvErrInvalidParameter; \
        return DVC_ASK(Rule, Name(xy));                 \
    }
// Every coordinate is checked before anything is sent.
#define DVC_BLOCK_XY_SET(Name, Rule, Code, Pairs, Doc)                              \
    DvError VarnMonitor::Name(const double* xy) {                                   \
        if (xy == nullptr) return DvErrInvalidParameter;                            \
        for (int i = 0; i < 2 * (Pairs); ++i)                                       \
            if (!dvc::paths::ChromaticityFits(xy[i])) return DvErrInvalidParameter; \
        return DVC_ASK(Rule, Name(xy));                                             \
    }

#include "paths/feature_table.def"
