// libFuzzer entry for the paged record decoder. Beyond surviving any page,
// it holds the decoder to the format: every record it keeps lies inside the
// block, and a decoded page encoded again into a block of the same length
// decodes to the same records (the page header and the zero tail aside).
#include <cstdint>
#include <cstdlib>
#include <span>

#include "selfcal/paged_container.hpp"
#include "targets.hpp"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

namespace dvc::fuzz {

int SelfcalPaged(const uint8_t* data, size_t size) {
    namespace paged = dvc::selfcal::paged;
    const std::span<const uint8_t> block(data, size);
    const paged::Page page = paged::DecodePage(block);
    std::size_t used = paged::kPageHeaderBytes;
    for (const auto& [key, value] : page) {
        Check(key != 0);
        used += paged::kRecordHeaderBytes + value.size();
    }
    Check(page.empty() || used <= size);
    if (size < paged::kPageHeaderBytes) return 0;
    const auto again = paged::EncodePage(data[0], data[1], page, size);
    Check(again.has_value());
    Check(paged::DecodePage(*again) == page);

    // Arrays put together from the page's chunks are whole or absent.
    paged::Pages pages{{0, page}};
    for (std::size_t chunks = 1; chunks <= 4; ++chunks) {
        const auto array = paged::GetChunked(pages, 0, data[0] == 0 ? 1 : data[0], chunks);
        Check(!array || array->size() == chunks * paged::kChunkBytes);
    }
    return 0;
}

}  // namespace dvc::fuzz
