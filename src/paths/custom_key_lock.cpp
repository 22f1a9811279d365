#include "paths/custom_key_lock.hpp"

#include <array>

#include "paths/feature_codes.hpp"

namespace dvc::paths {

namespace {
constexpr uint32_t kRequestBytes = 4;
constexpr uint32_t kReplyBytes = 64;
}  // namespace

DvError ReadLockableKeys(VarnMonitorInterface& path, std::vector<int>& keys) {
    const std::array<uint8_t, kRequestBytes> request{};
    DvError result = path.WriteData(codes::kDsCustomKeyLockRequest, request.data(), kRequestBytes, 0);
    if (!Usable(result)) return result;
    std::array<uint8_t, kReplyBytes> reply{};
    result = path.ReadData(codes::kDsCustomKeyLockAvailable, reply.data(), kReplyBytes);
    if (!Usable(result)) return result;
    if (reply[0] >= kReplyBytes) return DvErrWrongLength;
    keys.assign(reply.begin() + 1, reply.begin() + 1 + reply[0]);
    return result;
}

}  // namespace dvc::paths
