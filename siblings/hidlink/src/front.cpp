// The C front of hidlink (see transport_front.hpp). Reports are delivered
// by the dispatcher's thread whatever the backend; a discovery that moves to
// another backend tears down the old one's reports first. Fixed data,
// with the support flag, come from the link cache once a device has given
// them (link_cache.hpp), and each discovery reads every device's
// identification ahead, all devices at once (read_ahead.hpp).
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "backend.hpp"
#include "hidlink/hidlink.h"
#include "link_cache.hpp"
#include "link_filter.hpp"
#include "read_ahead.hpp"
#include "report_dispatcher.hpp"
#include "transport_front.hpp"

namespace dvc::hidlink {
namespace {

using transport::AheadAnswer;
using transport::AheadOp;
using transport::FixedAnswer;
using transport::Guard;

// What every discovery reads of every device: the identification block
// (fixed data with the support flag, then the block; one shorter than a
// serial number names nothing, and one longer than 1 KiB is not taken), and
// for the device's model the property-tag block, the 3D LUT's support and
// the preset-mode table (blocks past 16-bit lengths are not taken).
constexpr uint32_t kIdentification = 0x11;
constexpr uint32_t kShortestIdentification = 8;
constexpr uint32_t kLongestIdentification = 1024;
constexpr uint32_t kPropertyTags = 0x50;
constexpr uint32_t k3DLut = 0xFF0100B0;
constexpr uint32_t kPresetModes = 0xFF0000F1;
constexpr uint32_t kLongestTagBlock = 0xFFFF;

transport::Front<Backend> g_front(&SimBackend, &HardwareBackend);
transport::LinkCache g_cache;
transport::ReadAhead g_ahead;    // by handle
transport::ReadAhead g_handles;  // the Retrieve answers, by index
transport::LinkFilter g_filter;  // the caller's indices

// A call on one device; a link error drops what the cache knows of it.
template <typename... Params, typename... Args>
int32_t OnDevice(uint32_t handle, int32_t (Backend::*method)(Params...), Args... args) {
    g_ahead.Drop(handle);
    const int32_t r = g_front.Forward(DvErrFailed, method, handle, args...);
    g_cache.Check(handle, r);
    return r;
}

// The device's fixed data of `code`: kept, else asked (every out filled, so
// that the whole answer can be kept). A device that lacks the code says so
// with the answer DvErrNotSupported and a zero flag, which is kept too.
FixedAnswer Fixed(Backend& b, uint32_t handle, uint32_t code, const FixedAnswer& seed) {
    if (auto kept = g_cache.Fixed(handle, code)) return *kept;
    FixedAnswer a = seed;
    a.result = b.GetFixedData(handle, code, &a.maximum, &a.minimum, &a.flag, &a.length);
    g_cache.Check(handle, a.result);
    if (a.result >= 0 || a.result == DvErrNotSupported) g_cache.KeepFixed(handle, code, a);
    return a;
}

// One step made ahead: asked now (through the cache), its answer queued.
FixedAnswer FixedAhead(Backend& b, uint32_t handle, uint32_t code) {
    const FixedAnswer fixed = Fixed(b, handle, code, FixedAnswer{});
    g_ahead.Add(handle, AheadAnswer{AheadOp::Fixed, code, 0, fixed, {}});
    return fixed;
}
// (`copy` receives the block as read.)
int32_t DataAhead(Backend& b, uint32_t handle, uint32_t code, uint32_t length, std::vector<uint8_t>* copy = nullptr) {
    AheadAnswer block{AheadOp::Data, code, length, {}, std::vector<uint8_t>(length, 0)};
    const int32_t r = block.answer.result = b.GetData(handle, code, block.data.data(), length);
    g_cache.Check(handle, r);
    if (copy != nullptr) *copy = block.data;
    g_ahead.Add(handle, std::move(block));
    return r;
}
// A block the caller goes on to read: answered, and the device has it.
bool Present(const FixedAnswer& f) { return (f.result >= 0 || f.result == DvErrRefused) && f.flag != 0; }

// What discovery will ask of device `index` at once, asked now, each step
// only when the caller would come to it: its handle and the identification
// block (in `block`, when it was read whole). True when the caller will go
// on to describe the model.
bool IdentifyAhead(Backend& b, uint32_t index, uint32_t& handle, std::optional<std::vector<uint8_t>>& block) {
    AheadAnswer retrieved{AheadOp::Retrieve, 0, 0, {}, {}};
    retrieved.answer.result = b.Retrieve(index, &retrieved.handle);
    handle = retrieved.handle;
    const bool usable = retrieved.answer.result >= 0 && handle != 0;
    g_handles.Add(index, std::move(retrieved));
    if (!usable) return false;
    g_cache.Know(handle);
    const FixedAnswer id = FixedAhead(b, handle, kIdentification);
    if (id.result < 0 || id.flag == 0 || id.length > kLongestIdentification) return false;
    std::vector<uint8_t> read;
    const int32_t r = DataAhead(b, handle, kIdentification, id.length, &read);
    if (r == 0) block = std::move(read);
    return r != DvErrFailed && id.length >= kShortestIdentification;
}

// ... then the blocks that describe the model (when HID is the monitor's
// first path, as it is by default).
void DescribeAhead(Backend& b, uint32_t handle) {
    if (const FixedAnswer tags = FixedAhead(b, handle, kPropertyTags); Present(tags)) {
        if (tags.length > kLongestTagBlock || DataAhead(b, handle, kPropertyTags, tags.length) != DvErrFailed)
            FixedAhead(b, handle, k3DLut);
    }
    if (const FixedAnswer table = FixedAhead(b, handle, kPresetModes);
        Present(table) && table.length <= kLongestTagBlock)
        DataAhead(b, handle, kPresetModes, table.length);
}

// Reads every device's identification ahead, all at once, then the model
// blocks of those the caller is shown (link_filter.hpp). Returns how many
// it is shown.
uint32_t ReadAhead(Backend& b, uint32_t n) {
    std::vector<std::optional<std::vector<uint8_t>>> blocks(n);
    std::vector<uint32_t> handles(n, 0);
    std::vector<char> identified(n, 0);
    const std::string wanted = transport::WantedMonitor();
    // Without a name, one pass per device; with one, the blocks come first.
    transport::ForEachMonitor(n, [&](uint32_t i) {
        identified[i] = IdentifyAhead(b, i, handles[i], blocks[i]);
        if (wanted.empty() && identified[i] != 0) DescribeAhead(b, handles[i]);
    });
    if (wanted.empty()) return n;
    const auto shown = transport::LinksNaming(blocks, wanted);
    std::vector<uint32_t> described;
    for (uint32_t i = 0; i < n; ++i) {
        const bool listed = !shown || std::find(shown->begin(), shown->end(), i) != shown->end();
        if (!listed) {
            g_handles.Drop(i);
            g_ahead.Drop(handles[i]);
        } else if (identified[i] != 0) {
            described.push_back(handles[i]);
        }
    }
    transport::ForEachMonitor(static_cast<uint32_t>(described.size()),
                              [&](uint32_t k) { DescribeAhead(b, described[k]); });
    if (!shown) return n;
    g_filter.Show(*shown);
    return static_cast<uint32_t>(shown->size());
}

void Forget() {
    g_cache.Reset();
    g_ahead.Reset();
    g_handles.Reset();
    g_filter.ShowAll();
}

Backend& Switch() {
    return g_front.Switch([](Backend& old) {
        ReportDispatcher::Get().UnregisterAll();
        old.Release();
    });
}

}  // namespace

// The exports: the library is built with hidden visibility, and its version
// script keeps exactly these.
#pragma GCC visibility push(default)
extern "C" {

int32_t DvHIDFind(void) {
    return Guard([]() -> int32_t {
        std::lock_guard lock(g_front.select);
        Forget();
        Backend& b = Switch();
        const int32_t n = b.Find();
        if (n > 0 && g_cache.Enabled()) return static_cast<int32_t>(ReadAhead(b, static_cast<uint32_t>(n)));
        return n;
    });
}

int32_t DvHIDRetrieve(uint32_t index, uint32_t* handle) {
    return Guard([&]() -> int32_t {
        index = g_filter.Backend(index);
        if (auto ahead = g_handles.Take(index, AheadOp::Retrieve, 0); ahead && handle != nullptr) {
            if (ahead->answer.result >= 0) *handle = ahead->handle;
            return ahead->answer.result;
        }
        uint32_t h = handle != nullptr ? *handle : 0;
        const int32_t r = g_front.Forward(DvErrFailed, &Backend::Retrieve, index, handle != nullptr ? &h : nullptr);
        if (handle != nullptr) *handle = h;
        if (r >= 0 && h != 0) g_cache.Know(h);
        return r;
    });
}

int32_t DvHIDGetFixedData(uint32_t handle, uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag,
                          uint32_t* length) {
    return Guard([&]() -> int32_t {
        Backend* b = g_front.Current();
        if (b == nullptr) return DvErrFailed;
        auto ahead = g_ahead.Take(handle, AheadOp::Fixed, code);
        const FixedAnswer a =
            ahead ? ahead->answer : Fixed(*b, handle, code, transport::SeedFrom(maximum, minimum, flag, length));
        transport::CopyOut(a, maximum, minimum, length);
        if (flag != nullptr) *flag = a.result == DvErrNotSupported ? 0 : a.flag;
        return a.result;
    });
}

int32_t DvHIDGetValue(uint32_t handle, uint32_t code, uint32_t* value) {
    return OnDevice(handle, &Backend::GetValue, code, value);
}

int32_t DvHIDSetValue(uint32_t handle, uint32_t code, uint32_t value, uint32_t option) {
    return OnDevice(handle, &Backend::SetValue, code, value, option);
}

int32_t DvHIDGetData(uint32_t handle, uint32_t code, void* buffer, uint32_t size) {
    return Guard([&]() -> int32_t {
        auto ahead = g_ahead.Take(handle, AheadOp::Data, code, size);
        if (!ahead) return OnDevice(handle, &Backend::GetData, code, buffer, size);
        const int32_t r = ahead->answer.result;
        if ((r >= 0 || r == DvErrRefused) && buffer != nullptr && size != 0)
            std::memcpy(buffer, ahead->data.data(), size);
        return r;
    });
}

int32_t DvHIDSetData(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option) {
    return OnDevice(handle, &Backend::SetData, code, buffer, size, option);
}

int32_t DvHIDSetDataNoCheckResult(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option) {
    return OnDevice(handle, &Backend::SetDataNoCheckResult, code, buffer, size, option);
}

int32_t DvHIDReportON(uint32_t handle, DvHIDReportCallback report, DvHIDTeardownCallback teardown, void* context) {
    return Guard([&]() -> int32_t {
        if (report == nullptr) return DvErrInvalidParameter;
        Backend* b = g_front.Current();
        if (b == nullptr) return DvErrFailed;
        // Registered before the device starts, so that its first report finds it.
        ReportDispatcher::Get().Register(handle, report, teardown, context);
        int32_t r = b->ReportOn(handle);
        if (r < 0) ReportDispatcher::Get().Unregister(handle, false);
        return r;
    });
}

int32_t DvHIDReportOFF(uint32_t handle) {
    return Guard([&]() -> int32_t {
        Backend* b = g_front.Current();
        int32_t r = b != nullptr ? b->ReportOff(handle) : DvErrFailed;
        ReportDispatcher::Get().Unregister(handle, true);
        return r;
    });
}

int32_t DvHIDSupportsCriticalSection(uint32_t handle) {
    return g_front.Forward(0, &Backend::SupportsCriticalSection, handle);
}

int32_t DvHIDEnterCriticalSection(uint32_t handle) {
    return g_front.Forward(DvErrFailed, &Backend::EnterCriticalSection, handle);
}

int32_t DvHIDExitCriticalSection(uint32_t handle) {
    return g_front.Forward(DvErrFailed, &Backend::ExitCriticalSection, handle);
}

int32_t DvHIDRelease(void) {
    return Guard([]() -> int32_t {
        Forget();
        Backend* b = g_front.Current();
        int32_t r = b != nullptr ? b->Release() : 0;
        ReportDispatcher::Get().UnregisterAll();
        return r;
    });
}

}  // extern "C"
#pragma GCC visibility pop

}  // namespace dvc::hidlink
