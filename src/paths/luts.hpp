// Per-path encoding of the tone LUT: 256 16-bit words of one table moved
// through the LUT block transfer, on the select/data pair 0x18/0x19 or,
// when the path answers that the pair is missing, on 0x72/0x73.
#pragma once

#include <cstdint>

#include "paths/lut_encodings.hpp"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

// Support of the tone LUT: QueryLUT for 0x18, then for 0x72.
int SupportsToneLut(VarnMonitorInterface& path);
DvError SupportToneLut(VarnMonitorInterface& path, int32_t* flag);

// One table of words (table number = the caller's channel) of a bank.
DvError ReadToneWords(VarnMonitorInterface& path, uint32_t table, uint32_t bank, ToneWords& words);
DvError WriteToneWords(VarnMonitorInterface& path, uint32_t table, uint32_t bank, const ToneWords& words);

// The newer encoding: the path makes the words itself, each level times
// `scale` rounded half up, and reads them back the same way. `lutFlags` is
// the model's LUT flag word; without its tone-LUT bit the monitor keeps no
// such table and nothing is sent.
DvError WriteToneLevels(VarnMonitorInterface& path, uint32_t table, const ToneLevels& levels, uint32_t scale,
                        uint32_t bank, uint32_t lutFlags);
DvError ReadToneLevels(VarnMonitorInterface& path, uint32_t table, ToneLevels& levels, uint32_t scale, uint32_t bank,
                       uint32_t lutFlags);

}  // namespace dvc::paths
