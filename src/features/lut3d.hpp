// The 3D LUT of a logical monitor: its grid, the transfer of the working,
// factory and media-emulation tables, and the model facts behind them.
#pragma once

#include <cstdint>

#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError Get3DLUTDirect(VarnMonitor& monitor, uint16_t* image, uint16_t gridCount);
DvError Set3DLUTDirect(VarnMonitor& monitor, const uint16_t* image, uint16_t gridCount);
DvError Get3DLUTFactory(VarnMonitor& monitor, uint16_t* image, uint16_t gridCount);
DvError GetMediaEmu3DLUTDirect(VarnMonitor& monitor, int index, uint16_t* image, uint16_t gridCount);
DvError SetMediaEmu3DLUTDirect(VarnMonitor& monitor, int index, const uint16_t* image, uint16_t gridCount);

int Get3DLUTGridCount(VarnMonitor& monitor);
int GetMediaEmu3DLUTGridCount(VarnMonitor& monitor);
DvError Get3DLUTGridLevels(VarnMonitor& monitor, uint16_t* levels, uint16_t count);

}  // namespace dvc::features
