// Moving a paged item to and from the monitor over one path. Each
// operation learns the item's length and page count afresh; reading selects
// page 0 and then reads every page in turn, so no other traffic to the item
// may come between (the caller holds the monitor's lock).
#pragma once

#include <cstdint>

#include "libdvc/dvc_types.h"
#include "selfcal/paged_container.hpp"

class VarnMonitorInterface;

namespace dvc::selfcal::paged {

// Blocks longer than this are refused as a wrong length: no item is.
inline constexpr uint32_t kMaxBlockBytes = 4096;

// Every page of the item, page k being the k-th block read. 0x80000006 from
// a transfer counts as an answer; any other failure ends the read with it.
// 0x8000001B for an item shorter than a page header or longer than a block
// can be.
DvError ReadItem(VarnMonitorInterface& path, uint32_t code, Pages& out);

// Writes each page that has records, in page order; pages without records
// are not written. Every page is built before the first is sent: a page
// past the item's page count or one whose records do not fit in a block
// gives 0x8000001B and nothing is written.
DvError WriteItem(VarnMonitorInterface& path, uint32_t code, const Pages& pages);

}  // namespace dvc::selfcal::paged
