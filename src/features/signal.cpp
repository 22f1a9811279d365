// The shown input as an index of the model's input-port list.
#include "features/signal.hpp"

#include <algorithm>
#include <vector>

#include "features/model.hpp"
#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "registry/model_groups.hpp"

namespace dvc::features {

namespace {

// The port code that reads when no path answers: in no model's list.
constexpr uint32_t kNoPort = 0xFFFF;

// Monitors whose port list is this pair answer the older two-input switch.
const std::vector<int> kTwoCodeList{0, 1};
constexpr int kTwoCodeCount = 2;

// The signal code, with the state word as its older form.
template <class Step>
DvError EachSignalCode(Step&& step) {
    DvError result = step(codes::kSignal);
    if (paths::FallsBack(result)) result = step(codes::kFlags);
    return result;
}

}  // namespace

DvError GetSignal(VarnMonitor& monitor, int* index) {
    if (index == nullptr) return DvErrInvalidParameter;
    uint32_t code = kNoPort;
    const DvError result = FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return EachSignalCode([&](uint32_t c) { return path.ReadSignal(c, &code); });
    });
    std::vector<int> ports;
    LoadInputPortList(monitor, ports);
    const auto it = std::find(ports.begin(), ports.end(), static_cast<int>(code));
    *index = it == ports.end() ? 0 : static_cast<int>(it - ports.begin());
    return result;
}

DvError SetSignal(VarnMonitor& monitor, int index) {
    std::vector<int> ports;
    LoadInputPortList(monitor, ports);
    const auto position = static_cast<uint32_t>(index);
    const auto code = static_cast<uint16_t>(position < ports.size() ? ports[position] : 0);
    return FirstSuccess(monitor.Paths(), [&](VarnMonitorInterface& path) {
        return EachSignalCode([&](uint32_t c) { return path.WriteSignal(c, &code); });
    });
}

int GetSignalCount(VarnMonitor& monitor) {
    std::vector<int> ports;
    if (LoadInputPortList(monitor, ports) != DvOk) return 0;
    if (ports != kTwoCodeList) return static_cast<int>(ports.size());
    const int supported =
        AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) { return paths::SupportFlag(path, codes::kFlags); });
    if (supported == 0 || registry::InModelGroup(registry::ModelGroup::NoSignalCount, monitor.ModelName())) return 0;
    return kTwoCodeCount;
}

}  // namespace dvc::features
