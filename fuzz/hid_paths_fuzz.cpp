// libdvc's readers of what a HID device sends: the block transfers and
// custom reads of the HID path, the tagged transfer over it, and the
// decoding of monitor-initiated reports. The device is fake_hidlink's
// scripted one: the fuzz input picks each operation and is the device's
// answers.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "fake_hidlink.hpp"
#include "paths/feature_codes.hpp"
#include "paths/tagged_transfer.hpp"
#include "paths/varn_hid_monitor.hpp"
#include "paths/waits.hpp"
#include "reports/callback_manager.hpp"
#include "reports/report_codes.hpp"
#include "targets.hpp"

namespace dvc::fuzz {
namespace {

constexpr uint8_t kUntouched = 0xA5;

// The scripted device as a HID path; the waits between retries cost nothing.
VarnHIDMonitor& Path(const uint8_t* data, size_t size) {
    static VarnHIDMonitor path = [] {
        paths::SetWaitHooks({[](uint32_t) {}, [] { return 0u; }});
        return VarnHIDMonitor(kScriptedHandle, "S0000001", "CG0000");
    }();
    Script(data, size);
    return path;
}

uint32_t NextCode() {
    // A handful of codes with a meaning of their own, else any byte.
    constexpr uint32_t kCodes[] = {codes::kSignal, codes::kFlags, codes::kEdidPage, codes::kEdidData};
    const uint8_t b = NextScriptByte();
    return b < std::size(kCodes) ? kCodes[b] : b;
}

double NextDouble() {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(NextScriptByte()) << (8 * i);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool Untouched(const std::vector<uint8_t>& buffer) {
    return std::all_of(buffer.begin(), buffer.end(), [](uint8_t b) { return b == kUntouched; });
}

// One LUT table: a failed transfer leaves the caller's table as it was.
void LutTransfer(VarnHIDMonitor& path, bool read) {
    const uint32_t code = NextCode();
    const uint32_t dataCode = NextCode();
    const uint32_t table = NextScriptByte() % 13;
    const uint32_t bank = NextScriptByte() % 3;
    std::vector<uint8_t> lut(paths::kLutTableBytes, kUntouched);
    if (read) {
        if (path.ReadLUT(code, dataCode, lut.data(), table, &bank) != DvOk) Require(Untouched(lut));
    } else {
        path.WriteLUT(code, dataCode, lut.data(), table, &bank);
    }
}

// A found EDID begins with the EDID header; none found leaves the buffer.
void EdidRead(VarnHIDMonitor& path) {
    std::vector<uint8_t> edid(paths::kEdidBytes, kUntouched);
    if (path.ReadEDID(edid.data()) == DvOk) {
        constexpr uint8_t kHeader[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
        Require(std::memcmp(edid.data(), kHeader, sizeof kHeader) == 0);
    } else {
        Require(Untouched(edid));
    }
}

void ChromaticityCalls(VarnHIDMonitor& path) {
    const uint32_t code = NextCode();
    double x = 0;
    double y = 0;
    if (paths::Usable(path.ReadChromaticity(code, &x, &y))) Require(x >= 0 && x <= 6.5535 && y >= 0 && y <= 6.5535);
    int32_t flag = 0;
    path.QueryChromaticityRange(code, &flag, &x, &y);
    x = NextDouble();
    y = NextDouble();
    path.WriteChromaticity(code, &x, &y);
}

void SmallBlocks(VarnHIDMonitor& path) {
    const uint32_t code = NextCode();
    uint16_t hours = 0;
    uint8_t minutes = 0;
    path.ReadUsageTime(code, &hours, &minutes);
    uint32_t value = 0;
    if (path.ReadSignal(code, &value) == DvOk && code == codes::kFlags) Require(value <= 1);
    const uint16_t signal = static_cast<uint16_t>(NextScriptByte());
    path.WriteSignal(code, &signal);
    path.ReadAudioVolume(code, &value);
    int on = 0;
    path.ReadThriftluxSense(code, &on);
    path.WriteThriftluxSense(code, NextScriptByte());
}

void RatiosAndBlocks(VarnHIDMonitor& path) {
    const uint32_t code = NextCode();
    double ratio = 0;
    uint32_t raw = 0;
    path.ReadBrightnessRatio(code, &ratio, &raw);
    path.ReadContrastRatio(code, &ratio, &raw);
    ratio = NextDouble();
    const int useRaw = NextScriptByte() & 1;
    path.WriteBrightnessRatio(code, &ratio, &raw, &useRaw);
    path.WriteContrastRatio(code, &ratio, &raw, &useRaw);
    std::vector<uint8_t> block(NextScriptByte(), kUntouched);
    auto size = static_cast<uint32_t>(block.size());
    path.ReadBlock(code, block.data(), &size);
    int32_t flag = 0;
    path.QueryBlockSize(code, &flag, &size);
}

// The tagged transfer's reads stay within the caller's buffer and leave it
// as it was when they fail; its writes end.
void TagCalls(VarnHIDMonitor& path) {
    static constexpr char kTag[] = "TAG001";
    uint16_t first = 0;
    uint16_t second = 0;
    paths::ReadTagInfo(path, kTag, &first, &second);
    paths::CheckTagInfo(path, kTag, &first, &second, NextScriptByte(), NextScriptByte());
    const uint32_t record = NextScriptByte();
    const uint32_t size = NextScriptByte() * 9u;  // up to five 512-byte blocks
    const uint32_t offset = NextScriptByte() * 13u;
    std::vector<uint8_t> buffer(size, kUntouched);
    if (!paths::Usable(paths::ReadTag(path, kTag, record, buffer.data(), size, offset))) Require(Untouched(buffer));
    paths::WriteTag(path, kTag, record, buffer.data(), size);
    paths::TagBlockSize(path);
}

// Checks every decoded report against its own shape.
void OnValue(const char* serial, const char* model, uint32_t value, void* context) {
    Require(serial != nullptr && model != nullptr && value <= *static_cast<uint32_t*>(context));
}
void OnKeys(const char* serial, const char* model, const uint32_t* keys, uint32_t count, void*) {
    Require(serial != nullptr && model != nullptr && count <= 16 && (count == 0) == (keys == nullptr));
    for (uint32_t i = 0; i < count; ++i) Require(keys[i] < 16 && (i == 0 || keys[i - 1] < keys[i]));
}
void OnSelection(const char* serial, const char* model, uint32_t first, uint32_t second, void*) {
    Require(serial != nullptr && model != nullptr && first <= 255 && second <= 255);
}
void OnEvent(const char* serial, const char* model, void*) { Require(serial != nullptr && model != nullptr); }

}  // namespace

int HidBlocks(const uint8_t* data, size_t size) {
    VarnHIDMonitor& path = Path(data, size);
    while (ScriptLeft()) {
        switch (NextScriptByte() % 6) {
        case 0: LutTransfer(path, true); break;
        case 1: LutTransfer(path, false); break;
        case 2: EdidRead(path); break;
        case 3: ChromaticityCalls(path); break;
        case 4: SmallBlocks(path); break;
        default: RatiosAndBlocks(path);
        }
    }
    return 0;
}

int TaggedTransfer(const uint8_t* data, size_t size) {
    VarnHIDMonitor& path = Path(data, size);
    while (ScriptLeft()) TagCalls(path);
    return 0;
}

// A monitor's report callbacks, all kinds registered; the input is a run of
// reports, each a code, a length and the bytes, with now and then a generic
// callback registered under a mask the input gives.
int HidReports(const uint8_t* data, size_t size) {
    using namespace VarnMonitorReport;
    static uint32_t byteLimit = 0xFF;
    static uint32_t wordLimit = 0xFFFF;
    CallbackManager manager;
    manager.Register(reports::kColorMode, std::make_shared<ModeReportCallback>(OnValue, &byteLimit));
    manager.Register(reports::kMonitorDirection, std::make_shared<DirectionReportCallback>(OnValue, &byteLimit));
    manager.Register(reports::kTonality, std::make_shared<TonalityReportCallback>(OnValue, &wordLimit));
    manager.Register(reports::kUSBSelection, std::make_shared<USBSelectionReportCallback>(OnSelection, nullptr));
    manager.Register(reports::kVirtualKey, std::make_shared<VirtualKeyReportCallback>(OnKeys, nullptr));
    manager.Register(reports::kVirtualKeyMF, std::make_shared<VirtualKeyMFReportCallback>(OnKeys, nullptr));
    manager.SetTeardown(std::make_shared<ReportTeardownCallback>(OnEvent, nullptr));
    constexpr int32_t kCodes[] = {
        reports::kColorMode,  reports::kMonitorDirection, reports::kTonality, reports::kUSBSelection,
        reports::kVirtualKey, reports::kVirtualKeyMF,     reports::kGeneric,  0x7F};
    Script(data, size);
    while (ScriptLeft()) {
        const uint8_t op = NextScriptByte();
        if (op >= 0xF0) {
            const uint32_t mask = NextScriptByte() | NextScriptByte() << 8;
            const bool remove = (op & 1) != 0;
            manager.RegisterGeneric(
                mask, remove ? nullptr : std::make_shared<GenericReportCallbackProcess>(OnEvent, nullptr));
            continue;
        }
        // An exact-size copy, so that reading past the report is caught.
        std::vector<uint8_t> report(NextScriptByte() % 8);
        for (uint8_t& b : report) b = NextScriptByte();
        const int32_t code = kCodes[op % std::size(kCodes)];
        const bool absent = (op & 0x80) != 0 && report.empty();
        manager.Dispatch("S0000001", "CG0000", code, absent ? nullptr : report.data(),
                         static_cast<uint32_t>(report.size()));
    }
    manager.DispatchTeardown("S0000001", "CG0000");
    return 0;
}

}  // namespace dvc::fuzz
