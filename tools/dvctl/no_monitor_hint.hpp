// Why no real monitor was found, in the words of the fix: no display bus
// or HID device node, nodes this user may not open, the i2c-dev module.
#pragma once

#include <string>

namespace dvc::cli {

// Sentences to print after "no monitors found"; they end by naming --sim.
std::string NoMonitorHint();

}  // namespace dvc::cli
