// The two functions that the HID transport calls on its own thread: one per
// report, one when a monitor's report stream ends. The context is the
// VarnMonitor that started the reports.
#pragma once

#include <cstdint>

namespace dvc::reports {

void ReportEntry(uint32_t handle, uint32_t code, const void* data, uint32_t size, void* context);
void TeardownEntry(uint32_t handle, void* context);

}  // namespace dvc::reports
