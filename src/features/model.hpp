// Operations answered from the model record and the flavor table alone,
// and the cheap queries of the record that other operations build on. None
// of them makes path traffic.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "libdvc/dvc_types.h"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

// Number of picture modes; 0 when the model has none.
int GetModeCount(VarnMonitor& monitor);
// The i-th gamma value / gamma index of the model's gamma table.
DvError EnumGamma(VarnMonitor& monitor, int index, double* value);
DvError EnumGammaIndex(VarnMonitor& monitor, int index, int* value);
// The i-th colour-temperature value that the model offers, unconverted.
DvError EnumColorTemperature(VarnMonitor& monitor, int index, int* value);
// 8 or 10; -1 and DvErrNotSupported when the model has no native LUT.
DvError GetNativeLUTBitDepth(VarnMonitor& monitor, int* depth);
DvError GetPanelRevision(VarnMonitor& monitor, int* revision);
int GetMediaEmuCount(VarnMonitor& monitor);
// Preset flavors: flags, mode numbers and flavor number of one entry.
DvError GetSupportedFeature(VarnMonitor& monitor, int entry, int* features);
DvError EnumSupportedFlavor(VarnMonitor& monitor, int entry, int position, int* mode);
DvError GetPresetFlavor(VarnMonitor& monitor, int entry, int* flavor);
// The exported numbers of the model's input ports.
DvError GetSupportedInputPort(VarnMonitor& monitor, int* ports, int capacity);
int GetSupportedInputPortCount(VarnMonitor& monitor);
// The USB-C ports that carry an alternate mode, as the model lists them.
DvError GetUSBCAltModePort(VarnMonitor& monitor, int* ports, int capacity);
int GetUSBCAltModePortCount(VarnMonitor& monitor);
DvError GetPanelType(VarnMonitor& monitor, int* type);
DvError GetMonitorPbyPType(VarnMonitor& monitor, int* type);
// Calibration modes: pair `index` of (Tonality, slot); the current
// Tonality when it is one of them.
int SupportedTNFunction(VarnMonitor& monitor);
DvError GetTNInformation(VarnMonitor& monitor, int index, int* tonality, int* slot);
DvError GetCurrentCalibrationTN(VarnMonitor& monitor, int* tonality);

// Record queries: each fails with DvErrFailed before identification.
DvError LoadGammaTable(const VarnMonitor& monitor, std::vector<registry::GammaEntry>& table);
DvError LoadColourTemperatureTable(const VarnMonitor& monitor, std::vector<registry::ColourTemperatureEntry>& table);
DvError LoadTonalityList(const VarnMonitor& monitor, std::vector<int>& list);
DvError LoadInputPortList(const VarnMonitor& monitor, std::vector<int>& ports);
DvError LoadColourTemperatureValues(const VarnMonitor& monitor, std::vector<uint16_t>& values);
// Names of the LUT blocks per gamma setting (through EnumGammaIndex) and
// of the "AIC" blocks (DvErrNotSupported outside ModelGroupAtMode).
DvError LutNames(VarnMonitor& monitor, std::vector<std::string>& names);
DvError AicNames(const VarnMonitor& monitor, std::vector<std::string>& names);

}  // namespace dvc::features
