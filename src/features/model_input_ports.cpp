// The model's input ports as exported port numbers.
#include <algorithm>

#include "features/model.hpp"
#include "paths/port_numbers.hpp"

namespace dvc::features {

using paths::ExportedPortNumber;

DvError GetSupportedInputPort(VarnMonitor& monitor, int* ports, int capacity) {
    std::vector<int> codes;
    const DvError r = LoadInputPortList(monitor, codes);
    if (r != DvOk) return r;
    // The first min(count, capacity) entries are written and the list read's
    // result returned: a capacity of 0 or less writes nothing and succeeds.
    const std::size_t room = capacity > 0 ? static_cast<std::size_t>(capacity) : 0;
    const std::size_t n = std::min(codes.size(), room);
    if (n > 0 && ports == nullptr) return DvErrInvalidParameter;
    for (std::size_t i = 0; i < n; ++i) ports[i] = ExportedPortNumber(codes[i]);
    return r;
}

int GetSupportedInputPortCount(VarnMonitor& monitor) {
    return monitor.Record() != nullptr ? static_cast<int>(monitor.Record()->inputPorts.size()) : 0;
}

DvError GetUSBCAltModePort(VarnMonitor& monitor, int* ports, int capacity) {
    if (ports == nullptr || capacity < 0) return DvErrInvalidParameter;
    if (monitor.Record() == nullptr) return DvErrFailed;
    const auto& list = monitor.Record()->usbcAltModePorts;
    std::copy_n(list.begin(), std::min<std::size_t>(list.size(), static_cast<std::size_t>(capacity)), ports);
    return DvOk;
}

int GetUSBCAltModePortCount(VarnMonitor& monitor) {
    return monitor.Record() != nullptr ? static_cast<int>(monitor.Record()->usbcAltModePorts.size()) : 0;
}

}  // namespace dvc::features
