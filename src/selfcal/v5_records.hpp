// The records of the three objects in the paged container: which page and
// key each property travels under and in which fixed-point form. Decoding
// leaves a property whose record is missing as it was; encoding refuses a
// value that does not fit its wire form (0x80000001) before anything is
// sent.
#pragma once

#include <cstdint>

#include "libdvc/dvc_types.h"
#include "selfcal/paged_container.hpp"
#include "selfcal/v5_objects.hpp"

namespace dvc::selfcal {

// How LUT entries travel: the entry count (256 for 8-bit, 1024 for 10-bit,
// anything else moves no LUT data) and the divisor of a LUT value.
struct LutScale {
    uint32_t size = 0;
    double divisor = 0.0;
};
// The divisor from the model's full scale F: F itself for an 8-bit LUT;
// for a 10-bit LUT F shifted left until bit 23 is set (F as it is when its
// low 24 bits are zero). 0 when F is 0: no LUT values move then.
LutScale LutScaleFor(uint32_t lutSize, uint32_t fullScale);

void DecodeTarget(const paged::Pages& pages, const LutScale& lut, TargetV5& target);
DvError EncodeTarget(const TargetV5& target, const LutScale& lut, paged::Pages& pages);

void DecodeResult(const paged::Pages& pages, ResultV5& result);
DvError EncodeResult(const ResultV5& result, paged::Pages& pages);

void DecodeSetting(const paged::Pages& pages, const LutScale& lut, SettingV5& setting);
DvError EncodeSetting(const SettingV5& setting, const LutScale& lut, paged::Pages& pages);

// The four checks before a target is sent: 0x80000001 when one fails.
DvError CheckTarget(const TargetV5& target);

}  // namespace dvc::selfcal
