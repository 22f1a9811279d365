// libFuzzer entry for the keyed-item reader of self-QC records: the input
// is the item's length (two bytes) and then what the monitor answers, one
// reply after another. Beyond surviving any answers, the reader must ask
// only for fields the presence map names, in table order, and keep exactly
// those that were answered for themselves, each no longer than its row.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>

#include "selfcal/keyed_item.hpp"
#include "targets.hpp"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

namespace dvc::fuzz {

int SelfqcKeyed(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const uint32_t length = static_cast<uint32_t>(2 + ((data[0] | data[1] << 8) % 600));
    const auto table =
        (data[0] & 0x80) != 0 ? dvc::selfcal::KeyedCalTargetFields() : dvc::selfcal::KeyedCalResultFields();
    const uint8_t* stream = data + 2;
    const size_t streamSize = size - 2;
    size_t at = 0;
    int asked = 0;
    int lastField = -1;
    std::set<uint32_t> answered;  // keys whose reply named their own field
    const auto exchange = [&](std::span<const uint8_t> request, std::span<uint8_t> reply) -> DvError {
        Check(request.size() == length && reply.size() == length && request[0] == 0);
        if (asked++ == 0) {
            Check(request[1] == dvc::selfcal::kPresenceRequest);
        } else {
            Check(static_cast<int>(request[1]) > lastField || lastField < 0);
            lastField = request[1];
        }
        if (stream[at % streamSize] == 0xEE) {
            ++at;
            return DvErrFailed;  // a transport failure now and then
        }
        for (uint8_t& byte : reply) byte = stream[at++ % streamSize];
        if (asked > 1 && reply[1] == request[1])
            for (const auto& row : table)
                if (row.size != 0 && row.field == request[1]) answered.insert(row.key);
        return DvOk;
    };
    dvc::selfcal::KeyedMap out;
    const DvError result = dvc::selfcal::ReadKeyedItem(length, table, exchange, out);
    Check(asked <= 1 + static_cast<int>(table.size()));
    for (const auto& entry : out) {
        const uint32_t key = entry.first;
        Check(answered.count(key) == 1);
        const auto row = std::find_if(table.begin(), table.end(), [key](const auto& r) { return r.key == key; });
        Check(row != table.end() && entry.second.size() == std::min<size_t>(row->size, length - 2));
    }
    Check(result == DvOk || result == DvErrFailed);
    return 0;
}

}  // namespace dvc::fuzz
