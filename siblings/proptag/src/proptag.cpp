// The C front: one current block per process, guarded by a mutex because
// hosts call in from several threads.
#include "proptag/proptag.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "tag_block.hpp"

namespace {

std::mutex g_mutex;
std::optional<dvc::proptag::TagBlock> g_current;

}  // namespace

extern "C" {

int32_t DvpTagParse(const void* block, const uint32_t* length) {
    if (block == nullptr || length == nullptr) return PROPTAG_ERR_INVALID_PARAMETER;
    try {
        auto parsed =
            dvc::proptag::TagBlock::Parse(std::span<const uint8_t>(static_cast<const uint8_t*>(block), *length));
        if (parsed.code != PROPTAG_OK) return parsed.code;
        std::lock_guard lock(g_mutex);
        g_current = std::move(parsed.block);
        return PROPTAG_OK;
    } catch (...) {  // allocation failure: the previous block stays
        return PROPTAG_ERR_NO_BLOCK;
    }
}

int32_t DvpGetTagDataSize(const uint16_t* tag, uint16_t* size) {
    if (tag == nullptr || size == nullptr) return PROPTAG_ERR_INVALID_PARAMETER;
    std::lock_guard lock(g_mutex);
    if (!g_current) return PROPTAG_ERR_NO_BLOCK;
    const auto data = g_current->Find(*tag);
    if (!data) return PROPTAG_ERR_NOT_FOUND;
    *size = static_cast<uint16_t>(data->size());
    return static_cast<int32_t>(data->size());
}

int32_t DvpGetTagData(const uint16_t* tag, void* buffer, uint16_t* size) {
    if (tag == nullptr || buffer == nullptr || size == nullptr) return PROPTAG_ERR_INVALID_PARAMETER;
    std::lock_guard lock(g_mutex);
    if (!g_current) return PROPTAG_ERR_NO_BLOCK;
    const auto data = g_current->Find(*tag);
    if (!data) return PROPTAG_ERR_NOT_FOUND;
    const size_t copied = std::min<size_t>(*size, data->size());
    if (copied > 0) std::memcpy(buffer, data->data(), copied);
    *size = static_cast<uint16_t>(copied);
    return static_cast<int32_t>(data->size());
}

void DvpReleaseTagData(void) {
    std::lock_guard lock(g_mutex);
    g_current.reset();
}

}  // extern "C"
