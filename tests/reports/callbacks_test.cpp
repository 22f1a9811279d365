// Decoding of every report kind and the routing rules of the managers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/callback_manager.hpp"
#include "reports/report_codes.hpp"

namespace report = VarnMonitorReport;
using Bytes = std::vector<uint8_t>;

namespace {
// What the host's functions saw, as text: "mode 3", "keys 0,2", ...
std::vector<std::string> g_calls;
void Value(const char*, const char*, uint32_t v, void* tag) {
    g_calls.push_back(*static_cast<std::string*>(tag) + " " + std::to_string(v));
}
void Keys(const char*, const char*, const uint32_t* keys, uint32_t n, void*) {
    std::string s = keys == nullptr ? "keys null" : "keys";
    for (uint32_t i = 0; i < n; ++i) s += (i ? "," : " ") + std::to_string(keys[i]);
    g_calls.push_back(s + " #" + std::to_string(n));
}
void Usb(const char*, const char*, uint32_t a, uint32_t b, void*) {
    g_calls.push_back("usb " + std::to_string(a) + "," + std::to_string(b));
}
void Event(const char* serial, const char*, void* tag) {
    g_calls.push_back(*static_cast<std::string*>(tag) + " " + serial);
}
}  // namespace

TEST(ReportCallbacks, DecodeEachKindAndRefuseShortData) {
    std::string tonality = "tonality", mode = "mode";
    struct Case {
        report::CallbackRef callback;
        Bytes data;
        DvError result;
        std::string call;  // empty: nothing called
    };
    const Case cases[] = {
        {std::make_shared<report::VirtualKeyReportCallback>(Keys, nullptr), {0x05, 0x00}, DvOk, "keys 0,2 #2"},
        {std::make_shared<report::VirtualKeyMFReportCallback>(Keys, nullptr), {0x00, 0x80, 9}, DvOk, "keys 15 #1"},
        {std::make_shared<report::VirtualKeyReportCallback>(Keys, nullptr), {0x00, 0x00}, DvOk, "keys null #0"},
        {std::make_shared<report::VirtualKeyReportCallback>(Keys, nullptr), {0x05}, DvErrFailed, ""},
        {std::make_shared<report::TonalityReportCallback>(Value, &tonality), {0x34, 0x12}, DvOk, "tonality 4660"},
        {std::make_shared<report::TonalityReportCallback>(Value, &tonality), {0x34}, DvErrFailed, ""},
        {std::make_shared<report::ModeReportCallback>(Value, &mode), {0xF3, 0x01}, DvOk, "mode 243"},
        {std::make_shared<report::DirectionReportCallback>(Value, &mode), {}, DvErrFailed, ""},
        {std::make_shared<report::USBSelectionReportCallback>(Usb, nullptr), {0x01}, DvOk, "usb 1,255"},
        {std::make_shared<report::USBSelectionReportCallback>(Usb, nullptr), {}, DvOk, "usb 255,255"},
        {std::make_shared<report::USBSelectionReportCallback>(Usb, nullptr), {2, 1, 7}, DvOk, "usb 2,1"},
        {std::make_shared<report::USBSelectionReportCallback>(nullptr, nullptr), {2, 1}, DvErrFailed, ""},
    };
    for (const auto& c : cases) {
        g_calls.clear();
        EXPECT_EQ(c.callback->OnReport("S", "M", c.data.empty() ? nullptr : c.data.data(), c.data.size()), c.result)
            << c.call;
        EXPECT_EQ(g_calls, c.call.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.call});
    }
}

TEST(ReportCallbacks, ManagerReplacesByCodeAndKeepsGenericMasksInOrder) {
    std::string first = "first", second = "second", one = "one", two = "two", all = "all";
    report::CallbackManager manager;
    const Bytes modeData{4}, word3{0x03, 0x00};
    const auto dispatch = [&](int32_t code, const Bytes& d) {
        g_calls.clear();
        return manager.Dispatch("S", "M", code, d.data(), d.size());
    };
    manager.Register(dvc::reports::kColorMode, std::make_shared<report::ModeReportCallback>(Value, &first));
    manager.Register(dvc::reports::kColorMode, std::make_shared<report::ModeReportCallback>(Value, &second));
    EXPECT_EQ(dispatch(dvc::reports::kColorMode, modeData), DvOk);
    EXPECT_EQ(g_calls, std::vector<std::string>{"second 4"});
    manager.Register(dvc::reports::kColorMode, std::make_shared<report::ModeReportCallback>(nullptr, &first));
    EXPECT_EQ(dispatch(dvc::reports::kColorMode, modeData), DvErrFailed);
    EXPECT_EQ(dispatch(dvc::reports::kTonality, modeData), DvOk) << "no callback: ignored";
    EXPECT_TRUE(g_calls.empty());

    const auto generic = [&](uint32_t mask, std::string* tag) {
        return manager.RegisterGeneric(mask, std::make_shared<report::GenericReportCallbackProcess>(Event, tag));
    };
    generic(0x1, &one);
    generic(0x2, &two);
    generic(0x1, &one);  // replaced, now last
    manager.Register(dvc::reports::kGeneric, std::make_shared<report::GenericReportCallbackProcess>(Event, &all));
    EXPECT_EQ(dispatch(dvc::reports::kGeneric, word3), DvOk);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"two S", "one S", "all S"}));
    EXPECT_EQ(dispatch(dvc::reports::kGeneric, Bytes{0x04, 0x00}), DvOk);
    EXPECT_EQ(g_calls, std::vector<std::string>{"all S"});
    EXPECT_EQ(dispatch(dvc::reports::kGeneric, Bytes{0x03}), DvErrFailed);

    manager.SetTeardown(std::make_shared<report::ReportTeardownCallback>(Event, &first));
    g_calls.clear();
    manager.DispatchTeardown("S", "M");
    EXPECT_EQ(g_calls, std::vector<std::string>{"first S"});
    manager.UnregisterAll();
    EXPECT_EQ(generic(0x1, &one), DvErrFailed) << "the generic manager is gone for good";
    EXPECT_EQ(dispatch(dvc::reports::kGeneric, word3), DvOk);
    EXPECT_EQ(manager.DispatchTeardown("S", "M"), DvOk);
    EXPECT_TRUE(g_calls.empty());
}
