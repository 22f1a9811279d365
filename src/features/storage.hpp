// Storage inside the monitor: the asset tag.
#pragma once

#include "registry/varn_monitor.hpp"

namespace dvc::features {

DvError GetAssetTag(VarnMonitor& monitor, char* buffer, int size);
DvError GetAssetTagSize(VarnMonitor& monitor, int* size);
DvError SetEnableAssetTag(VarnMonitor& monitor, int value);

}  // namespace dvc::features
