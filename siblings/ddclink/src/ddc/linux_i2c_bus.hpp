// The hardware bus: /dev/i2c-N through the i2c-dev driver.
#pragma once

#include "ddc/i2c_bus.hpp"

namespace dvc::ddc {

// Opens /dev/i2c-N; null (errno set) when it cannot be opened.
std::unique_ptr<I2cBus> OpenLinuxBus(int bus);

}  // namespace dvc::ddc
