// ddclink's readers of what a display answers: capabilities strings, EDIDs
// and DDC/CI reply frames.
#include <span>
#include <string_view>

#include "ddc/capabilities.hpp"
#include "ddc/edid.hpp"
#include "ddc/frame.hpp"
#include "ddc/self_description.hpp"
#include "targets.hpp"

namespace dvc::fuzz {

int Capabilities(const uint8_t* data, size_t size) {
    const auto caps = ddc::ParseCapabilities(std::string_view(reinterpret_cast<const char*>(data), size));
    ddc::SelfDescription(caps);
    ddc::ParseEdid(std::span(data, size));  // the same bytes as an EDID
    return 0;
}

// A reply that decodes carries a payload that encodes back to the same frame.
int DdcReply(const uint8_t* data, size_t size) {
    const ddc::Reply reply = ddc::DecodeReply(std::span(data, size));
    if (reply.status == ddc::ReplyStatus::kOk) {
        const auto again = ddc::DecodeReply(ddc::EncodeReply(reply.payload));
        Require(again.status == ddc::ReplyStatus::kOk && again.payload == reply.payload);
    }
    return 0;
}

}  // namespace dvc::fuzz
