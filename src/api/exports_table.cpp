// The exports of the feature table: each hands its arguments to the call
// frame with the monitor operation of the same name. They are compiled
// against the public headers, so a signature that differs from its
// declaration does not build.
#include "api/call_frame.hpp"
#include "libdvc/libdvc.h"
#include "registry/varn_monitor.hpp"

using dvc::api::CallMonitor;
using dvc::api::CountResult;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;

namespace {

// Out-flag Supported exports: 0 when the operation failed, else the flag.
// With `kept`, the flag whatever the result.
template <class Op>
int SupportFlag(const char* id1, const char* id2, Op op, bool kept) {
    int flag = 0;
    const DvError result = CallMonitor<ErrorResult>(id1, id2, op, &flag);
    return (kept || result >= 0) ? flag : 0;
}

// Older GetRange exports fold every failure into DvErrFailed and an absent
// feature into DvErrNotSupported.
template <class Op, class T>
DvError OlderRange(const char* id1, const char* id2, Op op, T* maximum, T* minimum) {
    int flag = 0;
    const DvError result = CallMonitor<ErrorResult>(id1, id2, op, &flag, maximum, minimum);
    if (result < 0) return DvErrFailed;
    if (flag == 0) return DvErrNotSupported;
    return result;
}

}  // namespace

#define DVC_PAIR const char *id1, const char *id2

#define DVC_SUPPORTED(Name, CODES, Doc) \
    int DvCtrl##Name(DVC_PAIR) { return CallMonitor<YesNoResult>(id1, id2, &VarnMonitor::Name); }
#define DVC_SUPPORTED_OUT(Name, Primitive, CODES, Doc) \
    int DvCtrl##Name(DVC_PAIR) { return SupportFlag(id1, id2, &VarnMonitor::Name, false); }
#define DVC_SUPPORTED_KEPT(Name, Primitive, CODES, Doc) \
    int DvCtrl##Name(DVC_PAIR) { return SupportFlag(id1, id2, &VarnMonitor::Name, true); }
#define DVC_SUPPORTED_BY_RANGE(Name, RangeName, Kept, Doc) \
    int DvCtrl##Name(DVC_PAIR) { return SupportFlag(id1, id2, &VarnMonitor::Name, Kept); }

#define DVC_RANGE_OLD(Name, Rule, Code, Primitive, RefuseNull, Doc)                        \
    DvError DvCtrl##Name(DVC_PAIR, int* maximum, int* minimum) {                           \
        if ((RefuseNull) && (maximum == nullptr || minimum == nullptr)) return DvErrInvalidParameter; \
        return OlderRange(id1, id2, &VarnMonitor::Name, maximum, minimum);                 \
    }
#define DVC_RANGE_CHANNELS(Name, Primitive, T, CODES, Doc) \
    DvError DvCtrl##Name(DVC_PAIR, T* maximum, T* minimum) { return OlderRange(id1, id2, &VarnMonitor::Name, maximum, minimum); }
#define DVC_RANGE_FIXED(Name, Rule, CODES, Doc)                  \
    DvError DvCtrl##Name(DVC_PAIR, int* maximum, int* minimum) { \
        return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Name, maximum, minimum); \
    }

#define DVC_FORWARD_EXPORT(Name, Parameters, ...) \
    DvError DvCtrl##Name(DVC_PAIR, Parameters) { return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Name, __VA_ARGS__); }
#define DVC_NO_ARGUMENT_EXPORT(Name) \
    DvError DvCtrl##Name(DVC_PAIR) { return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Name); }

#define DVC_VALUE_GET(Name, Rule, Read, CODES, Doc) DVC_FORWARD_EXPORT(Name, int* value, value)
#define DVC_VALUE_SET(Name, Rule, Switch, CODES, Doc) DVC_FORWARD_EXPORT(Name, int value, value)
#define DVC_COMMAND(Name, Rule, Code, Value, Doc) DVC_NO_ARGUMENT_EXPORT(Name)
#define DVC_VALUE_COPY(Name, Rule, From, To, Doc) DVC_NO_ARGUMENT_EXPORT(Name)
#define DVC_FORWARD_GET(Name, Rule, Code, Primitive, Doc) DVC_FORWARD_EXPORT(Name, int* value, value)
#define DVC_FORWARD_SET(Name, Rule, Code, Primitive, Doc) DVC_FORWARD_EXPORT(Name, int value, value)
#define DVC_FORWARD_GET_XY(Name, Rule, Code, Primitive, Doc) \
    DvError DvCtrl##Name(DVC_PAIR, double* x, double* y) { return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Name, x, y); }
#define DVC_FORWARD_SET_XY(Name, Rule, Code, Primitive, Doc) \
    DvError DvCtrl##Name(DVC_PAIR, double x, double y) { return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Name, x, y); }
#define DVC_CHANNEL_GET(Name, Rule, Primitive, CODES, Doc) \
    DvError DvCtrl##Name(DVC_PAIR, int* value, int channel) { return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Name, value, channel); }
#define DVC_CHANNEL_SET(Name, Rule, Primitive, CODES, Doc) \
    DvError DvCtrl##Name(DVC_PAIR, int value, int channel) { return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Name, value, channel); }
#define DVC_FIXED_MAX_GET(Name, Rule, Code, Doc) DVC_FORWARD_EXPORT(Name, int* value, value)
#define DVC_FIXED_MAX_COUNT(Name, Code, Doc) \
    int DvCtrl##Name(DVC_PAIR) { return CallMonitor<CountResult>(id1, id2, &VarnMonitor::Name); }
#define DVC_FIXED_LENGTH_GET(Name, Rule, Code, Doc) DVC_FORWARD_EXPORT(Name, int* size, size)
#define DVC_BLOCK_VALUE_GET(Name, Rule, Code, Doc) DVC_FORWARD_EXPORT(Name, int* value, value)
#define DVC_BLOCK_VALUE_SET(Name, Rule, Code, Doc) DVC_FORWARD_EXPORT(Name, int value, value)
#define DVC_BLOCK_FIELD_GET(Name, Rule, Code, Offset, Width, Doc) DVC_FORWARD_EXPORT(Name, int* value, value)
#define DVC_BLOCK_FIELD_SET(Name, Rule, Code, Offset, Width, Switch, Doc) DVC_FORWARD_EXPORT(Name, int value, value)
#define DVC_BLOCK_ITEM_GET(Name, Rule, Code, Width, Doc) \
    DvError DvCtrl##Name(DVC_PAIR, int index, int* value) { return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Name, index, value); }
#define DVC_BLOCK_ITEM_SET(Name, Rule, Code, Width, Doc) \
    DvError DvCtrl##Name(DVC_PAIR, int index, int value) { return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Name, index, value); }
#define DVC_BLOCK_RAW_GET(Name, Rule, Code, Doc) \
    DvError DvCtrl##Name(DVC_PAIR, uint8_t* data, int* size) { return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Name, data, size); }
#define DVC_BLOCK_RAW_SET(Name, Rule, Code, Doc) \
    DvError DvCtrl##Name(DVC_PAIR, const uint8_t* data, int size) { return CallMonitor<ErrorResult>(id1, id2, &VarnMonitor::Name, data, size); }
#define DVC_BLOCK_FIXED_GET(Name, Rule, Code, Length, Doc) DVC_FORWARD_EXPORT(Name, uint8_t* data, data)
#define DVC_BLOCK_FIXED_SET(Name, Rule, Code, Length, Doc) DVC_FORWARD_EXPORT(Name, const uint8_t* data, data)
#define DVC_BLOCK_XY_GET(Name, Rule, Code, Pairs, Doc) DVC_FORWARD_EXPORT(Name, double* xy, xy)
#define DVC_BLOCK_XY_SET(Name, Rule, Code, Pairs, Doc) DVC_FORWARD_EXPORT(Name, const double* xy, xy)

extern "C" {
#include "paths/feature_table.def"
}
