// Displays on the machine's I2C buses: the DDC buses of the DRM connectors
// (or the graphics adapters' buses), opened through /dev/i2c-N, with the
// pauses that real displays need.
#include "backend.hpp"
#include "ddc/i2c_link.hpp"
#include "ddc/linux_i2c_bus.hpp"

namespace dvc::ddclink {

Backend& HardwareBackend() {
    static ddc::I2cLink link(ddc::Environment{[] { return ddc::FindDisplayBuses(); }, &ddc::OpenLinuxBus, {}});
    return link;
}

}  // namespace dvc::ddclink
