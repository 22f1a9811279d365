#include "ddc/probe.hpp"

#include <cerrno>
#include <thread>

#include "libdvc/dvc_types.h"

namespace dvc::ddc {
namespace {

constexpr uint8_t kVcpVersion = 0xDF;  // every DDC/CI display answers it, if only with "unsupported"

struct Outcome {
    std::unique_ptr<Display> display;
    int openErrno = 0;
};

Outcome ProbeOne(const DisplayBus& where, BusOpener open, const Timing& timing, ProbeDepth depth) {
    Outcome out;
    errno = 0;
    std::unique_ptr<I2cBus> bus = open(where.bus);
    if (bus == nullptr) {
        out.openErrno = errno != 0 ? errno : ENOENT;
        return out;
    }
    auto d = std::make_unique<Display>();
    d->where = where;
    d->channel = std::make_unique<Channel>(std::move(bus), timing);
    std::vector<uint8_t> block;
    if (d->channel->ReadEdid(&block) < 0) return out;  // no display, or not one we can identify
    auto edid = ParseEdid(block);
    if (!edid) return out;
    d->edid = *edid;
    d->identity = IdentityFromEdid(d->edid, block);
    // A display that NAKs or garbles every DDC/CI frame cannot be driven;
    // one that answers "unsupported" or the null message can.
    if (depth != ProbeDepth::kEdid) {
        const int32_t alive = d->channel->GetVcp(kVcpVersion, nullptr);
        if (alive < 0 && alive != DvErrNotSupported) return out;
    }
    if (depth == ProbeDepth::kCapabilities && d->channel->Capabilities(&d->capabilitiesText) >= 0)
        d->capabilities = ParseCapabilities(d->capabilitiesText);
    out.display = std::move(d);
    return out;
}

}  // namespace

ProbeResult ProbeBuses(const std::vector<DisplayBus>& buses, BusOpener open, const Timing& timing, ProbeDepth depth) {
    std::vector<Outcome> outcomes(buses.size());
    std::vector<std::thread> threads;
    threads.reserve(buses.size());
    for (size_t i = 0; i < buses.size(); ++i) {
        auto probe = [&, i] { outcomes[i] = ProbeOne(buses[i], open, timing, depth); };
        try {
            threads.emplace_back(probe);
        } catch (...) {
            probe();  // no thread to spare: this bus waits its turn
        }
    }
    for (auto& t : threads) t.join();
    ProbeResult result;
    result.busesSeen = static_cast<int>(buses.size());
    for (auto& o : outcomes) {
        if (o.openErrno == EACCES || o.openErrno == EPERM) ++result.denied;
        if (o.openErrno == ENOENT || o.openErrno == ENODEV || o.openErrno == ENXIO) ++result.missing;
        if (o.display) result.displays.push_back(std::move(o.display));
    }
    return result;
}

}  // namespace dvc::ddc
