// Report injection: make a virtual monitor send a report over its HID link,
// as if a key were pressed or its mode changed on the monitor itself.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace dvc::sim {

// Queues the report for delivery on hidlink's report thread. Returns false
// (and sends nothing) when the monitor is unknown, has no HID link or its
// reports are off, as a real monitor would stay silent.
bool InjectReport(std::string_view serial, uint32_t code, const std::vector<uint8_t>& data);

// Posts the report for whichever process watches the monitor's reports
// (its reports on); false when the post cannot be written.
bool PostReport(std::string_view serial, uint32_t code, const std::vector<uint8_t>& data);

// Number of reports handed to hidlink so far (delivered or queued).
uint64_t ReportsSent();

}  // namespace dvc::sim
