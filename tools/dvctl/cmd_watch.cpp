// dvctl watch MONITOR: the monitor's reports as they arrive, until Ctrl-C.
#include <fmt/core.h>

#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>

#include "command.hpp"
#include "failure.hpp"
#include "session.hpp"

namespace dvc::cli {

namespace {

struct WatchOptions {
    std::string monitor;
    bool json = false;
};

// One line per report; reports arrive on the library's report thread.
struct Printer {
    bool json = false;
    std::mutex mutex;

    void Print(const char* serial, const char* model, const char* kind, nlohmann::json fields, std::string text) {
        std::lock_guard lock(mutex);
        if (json) {
            fields["serial"] = serial;
            fields["model"] = model;
            fields["kind"] = kind;
            fmt::print("{}\n", fields.dump());
        } else {
            fmt::print("{} {} {}{}\n", model, serial, kind, text);
        }
        std::fflush(stdout);
    }
};

Printer& Out(void* context) { return *static_cast<Printer*>(context); }

template <const char* kKind>
void Value(const char* serial, const char* model, uint32_t value, void* context) {
    Out(context).Print(serial, model, kKind, {{"value", value}}, fmt::format(" {}", value));
}

template <const char* kKind>
void Keys(const char* serial, const char* model, const uint32_t* keys, uint32_t count, void* context) {
    nlohmann::json list = nlohmann::json::array();
    std::string text;
    for (uint32_t i = 0; i < count; ++i) {
        list.push_back(keys[i]);
        text += fmt::format(" {}", keys[i]);
    }
    Out(context).Print(serial, model, kKind, {{"keys", list}}, count == 0 ? " none" : text);
}

void Usb(const char* serial, const char* model, uint32_t first, uint32_t second, void* context) {
    Out(context).Print(serial, model, "usb", {{"first", first}, {"second", second}},
                       fmt::format(" {} {}", first, second));
}

void Generic(const char* serial, const char* model, void* context) {
    Out(context).Print(serial, model, "generic", nlohmann::json::object(), "");
}

void End(const char* serial, const char* model, void* context) {
    Out(context).Print(serial, model, "end", nlohmann::json::object(), "");
    // The stream may end without the user: let the main thread finish.
    ::kill(::getpid(), SIGUSR1);
}

constexpr char kKey[] = "key", kKeyMF[] = "key-mf", kTonality[] = "tonality", kMode[] = "mode",
               kDirection[] = "direction";

void RunWatch(const GlobalOptions& global, const WatchOptions& options) {
    // Blocked before any thread starts, so that only sigwait below sees them.
    sigset_t stop;
    sigemptyset(&stop);
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGUSR1}) sigaddset(&stop, s);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);

    Session session(global, false);
    const Monitor& m = session.Find(options.monitor);
    const char* id1 = m.serial.c_str();
    const char* id2 = m.model.c_str();
    auto printer = std::make_unique<Printer>();
    printer->json = options.json;
    void* out = printer.get();
    const std::string what = fmt::format("registering report callbacks of {} {}", m.model, m.serial);
    Check(DvCtrlRegisterCallbackForVirtualKeyReport(id1, id2, Keys<kKey>, out), what);
    Check(DvCtrlRegisterCallbackForVirtualKeyMFReport(id1, id2, Keys<kKeyMF>, out), what);
    Check(DvCtrlRegisterCallbackForTonalityReport(id1, id2, Value<kTonality>, out), what);
    Check(DvCtrlRegisterCallbackForModeReport(id1, id2, Value<kMode>, out), what);
    Check(DvCtrlRegisterCallbackForMonitorDirectionReport(id1, id2, Value<kDirection>, out), what);
    Check(DvCtrlRegisterCallbackForUSBSelectionReport(id1, id2, Usb, out), what);
    Check(DvCtrlRegisterCallbackForGenericReport(id1, id2, 0xFFFFFFFFU, Generic, out), what);
    Check(DvCtrlRegisterCallbackForTeardownReport(id1, id2, End, out), what);
    Check(DvCtrlStartReport(id1, id2),
          fmt::format("{} {} sends no reports (they travel over USB HID only)", m.model, m.serial));
    if (!options.json) fmt::print(stderr, "watching {} {}; Ctrl-C stops\n", m.model, m.serial);

    int signal = 0;
    sigwait(&stop, &signal);
    // Waits for a report being printed, then ends the stream.
    DvCtrlStopReport(id1, id2);
    DvCtrlUnregisterCallbackAll(id1, id2);
}

}  // namespace

void AddWatchCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<WatchOptions>();
    auto* cmd = app.add_subcommand("watch", "print a monitor's reports (keys, mode, Tonality, ...) until Ctrl-C");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_flag("--json", options->json, "print one JSON object per report");
    cmd->callback([&global, options] { RunWatch(global, *options); });
}

}  // namespace dvc::cli
