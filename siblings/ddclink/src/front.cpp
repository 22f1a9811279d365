// The C front of ddclink (see transport_front.hpp). A discovery that moves
// to another backend tells the new one the communication type it has not
// seen. Support answers and fixed data come from the link cache once a
// monitor has given them (link_cache.hpp), and each discovery reads every
// monitor's identification ahead, all monitors at once (read_ahead.hpp).
#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <optional>
#include <vector>

#include "ahead_store.hpp"
#include "backend.hpp"
#include "ddclink/ddclink.h"
#include "link_cache.hpp"
#include "link_filter.hpp"
#include "read_ahead.hpp"
#include "transport_front.hpp"

namespace dvc::ddclink {
namespace {

using transport::AheadAnswer;
using transport::AheadOp;
using transport::FixedAnswer;
using transport::Guard;

// What every discovery reads of every monitor: the identification block
// (fixed data, support, then the block; one shorter than a serial number
// names nothing, and a longer one than 1 KiB is not taken), and for the
// monitor's model the property-tag block, the 3D LUT's support and the
// preset-mode table (blocks past 16-bit lengths are not taken).
constexpr uint32_t kIdentification = 0x11;
constexpr uint32_t kShortestIdentification = 8;
constexpr uint32_t kLongestIdentification = 1024;
constexpr uint32_t kPropertyTags = 0x50;
constexpr uint32_t k3DLut = 0xFF0100B0;
constexpr uint32_t kPresetModes = 0xFF0000F1;
constexpr uint32_t kLongestTagBlock = 0xFFFF;

transport::Front<Backend> g_front(&SimBackend, &HardwareBackend);
transport::LinkCache g_cache;
transport::ReadAhead g_ahead;
transport::LinkFilter g_filter;
int32_t g_type = 0;

// A call on one monitor; a link error drops what the cache knows of it.
template <typename... Params, typename... Args>
int32_t OnMonitor(uint32_t index, int32_t (Backend::*method)(Params...), Args... args) {
    g_ahead.Drop(index);
    const int32_t r = g_front.Forward(DvErrFailed, method, index, args...);
    g_cache.Check(index, r);
    return r;
}

int32_t Support(Backend& b, uint32_t index, uint32_t code) {
    if (auto kept = g_cache.Support(index, code)) return *kept;
    const int32_t r = b.IsSupported(index, code);
    g_cache.Check(index, r);
    if (r >= 0) g_cache.KeepSupport(index, code, r);
    return r;
}

// The monitor's fixed data of `code`: kept, refused at once when the
// monitor said it lacks the code, else asked (every out filled, so that
// the whole answer can be kept).
FixedAnswer Fixed(Backend& b, uint32_t index, uint32_t code, const FixedAnswer& seed) {
    if (auto kept = g_cache.Fixed(index, code)) return *kept;
    if (g_cache.Support(index, code) == 0) return FixedAnswer{DvErrNotSupported};
    FixedAnswer a = seed;
    a.result = b.GetFixedData(index, code, &a.maximum, &a.minimum, &a.length);
    g_cache.Check(index, a.result);
    if (a.result >= 0 || a.result == DvErrNotSupported) g_cache.KeepFixed(index, code, a);
    return a;
}

// One step made ahead: asked now (through the cache), its answer queued.
int32_t SupportAhead(Backend& b, uint32_t index, uint32_t code) {
    const int32_t supported = Support(b, index, code);
    g_ahead.Add(index, AheadAnswer{AheadOp::Support, code, 0, FixedAnswer{supported}, {}});
    return supported;
}
FixedAnswer FixedAhead(Backend& b, uint32_t index, uint32_t code) {
    const FixedAnswer fixed = Fixed(b, index, code, FixedAnswer{});
    g_ahead.Add(index, AheadAnswer{AheadOp::Fixed, code, 0, fixed, {}});
    return fixed;
}
int32_t DataAhead(Backend& b, uint32_t index, uint32_t code, uint32_t length) {
    AheadAnswer block{AheadOp::Data, code, length, {}, std::vector<uint8_t>(length, 0)};
    const int32_t r = block.answer.result = b.GetData(index, code, block.data.data(), length);
    g_cache.Check(index, r);
    g_ahead.Add(index, std::move(block));
    return r;
}
bool Answered(int32_t r) { return r >= 0 || r == DvErrRefused; }

// What discovery asks of monitor `index` at once, asked now, each step only
// when the caller would come to it: the identification block. True when
// the caller will go on to identify the monitor's model.
bool IdentifyAhead(Backend& b, uint32_t index) {
    const FixedAnswer id = FixedAhead(b, index, kIdentification);
    if (id.result < 0 || SupportAhead(b, index, kIdentification) == 0 || id.length > kLongestIdentification)
        return false;
    return DataAhead(b, index, kIdentification, id.length) == 0 && id.length >= kShortestIdentification;
}

// ... and what it asks later: the blocks that describe the model, which the
// caller reads only where DDC/CI is the monitor's first path. They are read
// for every identified monitor at once when the caller asks the
// first of them of one monitor (before that, HID may be every monitor's
// first path, and the reads would be made in vain).
void DescribeAhead(Backend& b, uint32_t index, const std::atomic<bool>& stop) {
    if (SupportAhead(b, index, kPropertyTags) != 0) {
        const FixedAnswer tags = FixedAhead(b, index, kPropertyTags);
        if (Answered(tags.result) && !stop) {
            const bool read = tags.length <= kLongestTagBlock;
            if (!read || DataAhead(b, index, kPropertyTags, tags.length) != DvErrFailed) {
                SupportAhead(b, index, k3DLut);
                if (stop) return;
                FixedAhead(b, index, k3DLut);
            }
        }
    }
    if (stop) return;
    const int32_t modes = SupportAhead(b, index, kPresetModes);
    const FixedAnswer table = FixedAhead(b, index, kPresetModes);
    if (Answered(table.result) && modes != 0 && table.length <= kLongestTagBlock && !stop)
        DataAhead(b, index, kPresetModes, table.length);
}

// A monitor met by an earlier process on this index: its identification
// block read again, and when it is the one kept, the kept answers are taken
// as the monitor's. False when the monitor must be asked.
bool ReplayKept(Backend& b, uint32_t index, const std::vector<AheadAnswer>& kept) {
    if (kept.size() != 3 || kept[0].op != AheadOp::Fixed || kept[0].code != kIdentification ||
        kept[2].op != AheadOp::Data || kept[2].code != kIdentification || kept[2].answer.result != 0)
        return false;
    std::vector<uint8_t> block(kept[2].size, 0);
    const int32_t r = b.GetData(index, kIdentification, block.data(), kept[2].size);
    g_cache.Check(index, r);
    if (r != 0 || block != kept[2].data) return false;
    for (const AheadAnswer& a : kept) {
        if (a.op == AheadOp::Support && a.answer.result >= 0) g_cache.KeepSupport(index, a.code, a.answer.result);
        if (a.op == AheadOp::Fixed && (a.answer.result >= 0 || a.answer.result == DvErrNotSupported))
            g_cache.KeepFixed(index, a.code, a.answer);
        g_ahead.Add(index, a);
    }
    return true;
}

// Made at the first read-ahead, after the backends, so that it stops its
// workers before they go at exit.
std::atomic<transport::AheadWorkers*> g_workers{nullptr};
transport::AheadWorkers& Workers() {
    static transport::AheadWorkers workers;
    g_workers = &workers;
    return workers;
}

// The identified monitors whose model blocks are not yet being read ahead.
std::mutex g_describe_mutex;
std::vector<uint32_t> g_describe;

// Reads every monitor's identification ahead, all at once (from what an
// earlier process kept where it can, and kept for the next one). Returns
// the number of monitors the caller is shown (link_filter.hpp).
uint32_t ReadAhead(Backend& b, uint32_t n) {
    const std::string store = StorePath(&b == &HardwareBackend(), g_type);
    const KeptAnswers kept = store.empty() ? KeptAnswers{} : LoadAnswers(store);
    std::vector<char> identified(n, 0);
    transport::ForEachMonitor(n, [&b, &kept, &identified](uint32_t i) {
        const auto it = kept.find(i);
        identified[i] = (it != kept.end() && ReplayKept(b, i, it->second)) || IdentifyAhead(b, i);
    });
    std::vector<std::optional<std::vector<uint8_t>>> blocks(n);
    KeptAnswers now;
    for (uint32_t i = 0; i < n; ++i) {
        auto answers = g_ahead.Identification(i);
        if (identified[i] != 0 && answers.size() == 3) blocks[i] = answers[2].data;
        const bool clean = std::none_of(answers.begin(), answers.end(),
                                        [](const AheadAnswer& a) { return transport::IsLinkError(a.answer.result); });
        if (clean && answers.size() == 3) now[i] = std::move(answers);
    }
    if (!store.empty() && !SameAnswers(now, kept)) SaveAnswers(store, now);
    const auto shown = transport::LinksNaming(blocks, transport::WantedMonitor());
    std::lock_guard lock(g_describe_mutex);
    for (uint32_t i = 0; i < n; ++i) {
        const bool listed = !shown || std::find(shown->begin(), shown->end(), i) != shown->end();
        if (!listed) g_ahead.Drop(i);
        if (listed && identified[i] != 0) g_describe.push_back(i);
    }
    if (!shown) return n;
    g_filter.Show(*shown);
    return static_cast<uint32_t>(shown->size());
}

// The caller asks the first model block of a monitor: every identified
// monitor's blocks are read at once, and the call waits for all of them, so
// that no read made ahead is still on the wire when the caller goes on (it
// would land between the caller's own transactions).
void DescribeAll(Backend& b) {
    std::vector<uint32_t> monitors;
    {
        std::lock_guard lock(g_describe_mutex);
        monitors.swap(g_describe);
    }
    if (monitors.empty()) return;
    Workers().Start(g_ahead, monitors, [&b](uint32_t i, const std::atomic<bool>& stop) { DescribeAhead(b, i, stop); });
    Workers().Wait();
}

void Forget() {
    if (transport::AheadWorkers* workers = g_workers) workers->Stop();
    {
        std::lock_guard lock(g_describe_mutex);
        g_describe.clear();
    }
    g_cache.Reset();
    g_ahead.Reset();
    g_filter.ShowAll();
}

Backend& Switch() {
    return g_front.Switch([](Backend& old) { old.Release(); });
}

}  // namespace

// The exports: the library is built with hidden visibility, and its version
// script keeps exactly these.
#pragma GCC visibility push(default)
extern "C" {

int32_t DvDDCCISetCommunicationType(int32_t type) {
    return Guard([&]() -> int32_t {
        if (type != 0 && type != 1) return DvErrInvalidParameter;
        std::lock_guard lock(g_front.select);
        g_type = type;
        Forget();
        return Switch().SetCommunicationType(type);
    });
}

int32_t DvDDCCIFind(void) {
    return Guard([]() -> int32_t {
        std::lock_guard lock(g_front.select);
        Backend* before = g_front.Current();
        Backend& b = Switch();
        if (&b != before) b.SetCommunicationType(g_type);
        Forget();
        const int32_t n = b.Find();
        for (int32_t i = 0; i < n; ++i) g_cache.Know(static_cast<uint32_t>(i));
        if (n > 0 && g_cache.Enabled()) return static_cast<int32_t>(ReadAhead(b, static_cast<uint32_t>(n)));
        return n;
    });
}

int32_t DvDDCCIIsSupported(uint32_t index, uint32_t code) {
    return Guard([&]() -> int32_t {
        index = g_filter.Backend(index);
        Backend* b = g_front.Current();
        if (code == kPropertyTags && b != nullptr) DescribeAll(*b);
        if (auto ahead = g_ahead.Take(index, AheadOp::Support, code)) return ahead->answer.result;
        return b != nullptr ? Support(*b, index, code) : 0;
    });
}

int32_t DvDDCCIGetFixedData(uint32_t index, uint32_t code, int32_t* maximum, int32_t* minimum, uint32_t* length) {
    return Guard([&]() -> int32_t {
        index = g_filter.Backend(index);
        Backend* b = g_front.Current();
        if (b == nullptr) return DvErrFailed;
        auto ahead = g_ahead.Take(index, AheadOp::Fixed, code);
        const FixedAnswer a =
            ahead ? ahead->answer : Fixed(*b, index, code, transport::SeedFrom(maximum, minimum, nullptr, length));
        transport::CopyOut(a, maximum, minimum, length);
        return a.result;
    });
}

int32_t DvDDCCIGetValue(uint32_t index, uint32_t code, uint32_t* value) {
    return OnMonitor(g_filter.Backend(index), &Backend::GetValue, code, value);
}

int32_t DvDDCCISetValue(uint32_t index, uint32_t code, const uint32_t* value) {
    return OnMonitor(g_filter.Backend(index), &Backend::SetValue, code, value);
}

int32_t DvDDCCIGetData(uint32_t index, uint32_t code, void* buffer, uint32_t size) {
    return Guard([&]() -> int32_t {
        index = g_filter.Backend(index);
        auto ahead = g_ahead.Take(index, AheadOp::Data, code, size);
        if (!ahead) return OnMonitor(index, &Backend::GetData, code, buffer, size);
        const int32_t r = ahead->answer.result;
        if ((r >= 0 || r == DvErrRefused) && buffer != nullptr && size != 0)
            std::memcpy(buffer, ahead->data.data(), size);
        return r;
    });
}

int32_t DvDDCCISetData(uint32_t index, uint32_t code, const void* buffer, uint32_t size) {
    return OnMonitor(g_filter.Backend(index), &Backend::SetData, code, buffer, size);
}

int32_t DvDDCCIRelease(void) {
    return Guard([]() -> int32_t {
        Forget();
        return g_front.Forward(0, &Backend::Release);
    });
}

}  // extern "C"
#pragma GCC visibility pop

}  // namespace dvc::ddclink
