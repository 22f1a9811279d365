// Operations of the keys and on-screen display area that are more than a
// table row.
#pragma once

#include "libdvc/dvc_keys_osd.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError ShowCenterCrossMarker(VarnMonitor& monitor);
DvError HideCenterCrossMarker(VarnMonitor& monitor);
DvError GetKeyPushCount(VarnMonitor& monitor, int key, int* count);

// Virtual keys the monitor takes, and the indicator screen.
DvError EnumVirtualKey(VarnMonitor& monitor, int index, int* key);
DvError ShowIndicatorOSD(VarnMonitor& monitor);
DvError HideIndicatorOSD(VarnMonitor& monitor);
// The keys that the custom key lock can lock.
DvError GetAvailableDsCustomKeyLock(VarnMonitor& monitor, int* keys, int capacity, int* count);
int SupportedDsCustomKeyLock(VarnMonitor& monitor);

// Colour patches the monitor draws itself.
DvError ShowColorPatchFixed(VarnMonitor& monitor, int patch);
DvError ShowColorPatch(VarnMonitor& monitor, int red, int green, int blue);
DvError HideColorPatch(VarnMonitor& monitor);
DvError GetColorPatchBitDepth(VarnMonitor& monitor, int* bits);

DvError GetPixelErrorAnalyzerInfo(VarnMonitor& monitor, DvPixelErrorAnalyzerInfo* info);
DvError StartPixelErrorAnalyzer(VarnMonitor& monitor);
DvError StopPixelErrorAnalyzer(VarnMonitor& monitor);

// The firmware versions that the on-screen display shows.
int GetOSDDisplayFirmwareVersionsCount(VarnMonitor& monitor);
DvError GetOSDDisplayFirmwareVersions(VarnMonitor& monitor, int* versions, int count);
DvError GetOSDDisplayFirmwareVersionsString(VarnMonitor& monitor, char* buffer, int count);

}  // namespace dvc::features
