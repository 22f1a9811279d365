// The per-path feature operations of the feature table: each row becomes
// one call of its shape (feature_shapes.hpp) with the row's codes.
#include "paths/feature_shapes.hpp"

using dvc::paths::ReadAs;
using dvc::paths::Switch;
using VMI = VarnMonitorInterface;

#define DVC_SUPPORTED(Name, CODES, Doc) \
    int VMI::Name() { return dvc::paths::SupportByFixedData<CODES>(*this); }

#define DVC_SUPPORTED_OUT(Name, Primitive, CODES, Doc)                                  \
    DvError VMI::Name(int32_t* flag) {                                                  \
        return dvc::paths::EachSupportCode<CODES>(flag, [this](uint32_t code, int32_t* f) { \
            return Primitive(code, f);                                                  \
        });                                                                             \
    }
#define DVC_SUPPORTED_KEPT(Name, Primitive, CODES, Doc)                                 \
    DvError VMI::Name(int32_t* flag) {                                                  \
        return dvc::paths::EachSupportCode<CODES>(flag, [this](uint32_t code, int32_t* f) { \
            return Primitive(code, f);                                                  \
        });                                                                             \
    }

#define DVC_RANGE_OLD(Name, Rule, Code, Primitive, RefuseNull, Doc)                    \
    DvError VMI::Name(int32_t* flag, int32_t* maximum, int32_t* minimum) {             \
        return dvc::paths::ForwardRange<&VMI::Primitive>(*this, Code, flag, maximum, minimum); \
    }

#define DVC_RANGE_CHANNELS(Name, Primitive, T, CODES, Doc)                                      \
    DvError VMI::Name(int32_t channel, int32_t* flag, T* maximum, T* minimum) {                 \
        using Table = CODES;                                                                    \
        if (!dvc::paths::ChannelInTable<Table>(channel)) return DvErrFailed;                    \
        return dvc::paths::ForwardRange<&VMI::Primitive>(*this, Table::kList[channel], flag, maximum, minimum); \
    }

#define DVC_RANGE_FIXED(Name, Rule, CODES, Doc) \
    DvError VMI::Name(int32_t* maximum, int32_t* minimum) { return dvc::paths::FixedRange<CODES>(*this, maximum, minimum); }

#define DVC_VALUE_GET(Name, Rule, Read, CODES, Doc) \
    DvError VMI::Name(int32_t* value) { return dvc::paths::ValueGet<CODES, ReadAs::Read>(*this, value); }

#define DVC_VALUE_SET(Name, Rule, How, CODES, Doc) \
    DvError VMI::Name(int32_t value) { return dvc::paths::ValueSet<CODES, Switch::How>(*this, value); }

#define DVC_COMMAND(Name, Rule, Code, Value, Doc) \
    DvError VMI::Name() { return WriteValue(Code, Value, 0); }

#define DVC_VALUE_COPY(Name, Rule, From, To, Doc) \
    DvError VMI::Name() { return dvc::paths::CopyValue(*this, From, To); }

#define DVC_FORWARD_GET(Name, Rule, Code, Primitive, Doc) \
    DvError VMI::Name(int32_t* value) { return dvc::paths::ForwardGet<&VMI::Primitive>(*this, Code, value); }

#define DVC_FORWARD_SET(Name, Rule, Code, Primitive, Doc) \
    DvError VMI::Name(int32_t value) { return dvc::paths::ForwardSet<&VMI::Primitive>(*this, Code, value); }

#define DVC_FORWARD_GET_XY(Name, Rule, Code, Primitive, Doc) \
    DvError VMI::Name(double* x, double* y) {                \
        const uint32_t code = Code;                          \
        return Primitive(code, x, y);                        \
    }

#define DVC_FORWARD_SET_XY(Name, Rule, Code, Primitive, Doc) \
    DvError VMI::Name(double x, double y) {                  \
        const uint32_t code = Code;                          \
        return Primitive(code, &x, &y);                      \
    }

#define DVC_CHANNEL_GET(Name, Rule, Primitive, CODES, Doc)                                   \
    DvError VMI::Name(int32_t* value, int32_t channel) {                                     \
        using Table = CODES;                                                                 \
        if (!dvc::paths::ChannelInTable<Table>(channel)) return DvErrFailed;                 \
        return dvc::paths::ForwardGet<&VMI::Primitive>(*this, Table::kList[channel], value); \
    }

#define DVC_CHANNEL_SET(Name, Rule, Primitive, CODES, Doc)                                   \
    DvError VMI::Name(int32_t value, int32_t channel) {                                      \
        using Table = CODES;                                                                 \
        if (!dvc::paths::ChannelInTable<Table>(channel)) return DvErrFailed;                 \
        return dvc::paths::ForwardSet<&VMI::Primitive>(*this, Table::kList[channel], value); \
    }

#define DVC_FIXED_MAX_GET(Name, Rule, Code, Doc) \
    DvError VMI::Name(int32_t* value) { return dvc::paths::FixedMaximum(*this, Code, value); }
#define DVC_FIXED_MAX_COUNT(Name, Code, Doc) \
    DvError VMI::Name(int32_t* count) { return dvc::paths::FixedMaximum(*this, Code, count); }
#define DVC_FIXED_LENGTH_GET(Name, Rule, Code, Doc) \
    DvError VMI::Name(int32_t* size) { return dvc::paths::FixedLength(*this, Code, size); }

#define DVC_BLOCK_VALUE_GET(Name, Rule, Code, Doc) \
    DvError VMI::Name(int32_t* value) { return dvc::paths::BlockValueGet(*this, Code, value); }
#define DVC_BLOCK_VALUE_SET(Name, Rule, Code, Doc) \
    DvError VMI::Name(int32_t value) { return dvc::paths::BlockValueSet(*this, Code, value); }
#define DVC_BLOCK_FIELD_GET(Name, Rule, Code, Offset, Width, Doc) \
    DvError VMI::Name(int32_t* value) { return dvc::paths::BlockFieldGet(*this, Code, Offset, Width, value); }
#define DVC_BLOCK_FIELD_SET(Name, Rule, Code, Offset, Width, How, Doc)                            \
    DvError VMI::Name(int32_t value) {                                                             \
        return dvc::paths::BlockFieldSet(*this, Code, Offset, Width, dvc::paths::Switched(Switch::How, value)); \
    }
#define DVC_BLOCK_ITEM_GET(Name, Rule, Code, Width, Doc) \
    DvError VMI::Name(int32_t index, int32_t* value) { return dvc::paths::BlockItemGet(*this, Code, Width, index, value); }
#define DVC_BLOCK_ITEM_SET(Name, Rule, Code, Width, Doc) \
    DvError VMI::Name(int32_t index, int32_t value) { return dvc::paths::BlockItemSet(*this, Code, Width, index, value); }
#define DVC_BLOCK_RAW_GET(Name, Rule, Code, Doc) \
    DvError VMI::Name(uint8_t* data, int32_t* size) { return dvc::paths::BlockRawGet(*this, Code, data, size); }
#define DVC_BLOCK_RAW_SET(Name, Rule, Code, Doc) \
    DvError VMI::Name(const uint8_t* data, int32_t size) { return dvc::paths::BlockRawSet(*this, Code, data, size); }
#define DVC_BLOCK_FIXED_GET(Name, Rule, Code, Length, Doc) \
    DvError VMI::Name(uint8_t* data) { return dvc::paths::BlockFixedGet(*this, Code, Length, data); }
#define DVC_BLOCK_FIXED_SET(Name, Rule, Code, Length, Doc) \
    DvError VMI::Name(const uint8_t* data) { return dvc::paths::BlockFixedSet(*this, Code, Length, data); }
#define DVC_BLOCK_XY_GET(Name, Rule, Code, Pairs, Doc) \
    DvError VMI::Name(double* xy) { return dvc::paths::BlockXYGet(*this, Code, Pairs, xy); }
#define DVC_BLOCK_XY_SET(Name, Rule, Code, Pairs, Doc) \
    DvError VMI::Name(const double* xy) { return dvc::paths::BlockXYSet(*this, Code, Pairs, xy); }

#include "paths/feature_table.def"
