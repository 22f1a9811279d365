// dvctl sim report MONITOR KIND [VALUE]: a virtual monitor sends a report,
// as if a key were pressed or a setting changed on the monitor itself. The
// report reaches the process watching that monitor (`dvctl watch`).
#include <dlfcn.h>
#include <fmt/core.h>

#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>

#include "command.hpp"
#include "failure.hpp"
#include "report_kinds.hpp"
#include "session.hpp"
#include "value_text.hpp"

namespace dvc::cli {

namespace {

struct SimReportOptions {
    std::string monitor;
    std::string kind;
    std::string value;
    bool json = false;
};

using PostReport = int32_t (*)(const char* serial, uint32_t code, const uint8_t* data, uint32_t size);

// The simulator's post function: from the copy the session loaded, else
// from beside libdvc.
PostReport FindPost() {
    constexpr const char* kSoname = "libdvcsim.so.1";
    void* lib = dlopen(kSoname, RTLD_NOW | RTLD_NOLOAD);
    if (Dl_info info{}; lib == nullptr && dladdr(reinterpret_cast<void*>(&DvCtrlVersion), &info) != 0) {
        std::string beside = info.dli_fname != nullptr ? info.dli_fname : "";
        beside = beside.substr(0, beside.rfind('/') + 1) + kSoname;
        lib = dlopen(beside.c_str(), RTLD_NOW);
    }
    if (lib == nullptr) lib = dlopen(kSoname, RTLD_NOW);
    return lib != nullptr ? reinterpret_cast<PostReport>(dlsym(lib, "dvcsim_post_report")) : nullptr;
}

void RunSimReport(const GlobalOptions& global, const SimReportOptions& options) {
    uint32_t code = 0;
    const std::vector<uint8_t> data = EncodeReport(options.kind, options.value, code);
    // Virtual monitors only: the default world unless one is named.
    GlobalOptions sim = global;
    if (sim.simWorld.empty()) {
        const char* env = std::getenv("DVC_SIM");
        sim.simWorld = env != nullptr && *env != '\0' ? env : "default";
    }
    Session session(sim, false);
    const Monitor& m = session.Find(options.monitor);
    const PostReport post = FindPost();
    if (post == nullptr) throw Failure(DvErrFailed, "the simulator library libdvcsim.so.1 was not found", true);
    if (post(m.serial.c_str(), code, data.data(), static_cast<uint32_t>(data.size())) != 0) {
        throw Failure(DvErrFailed, fmt::format("the report could not be posted to {} {}", m.model, m.serial), true);
    }
    if (options.json) {
        const nlohmann::json out{{"serial", m.serial}, {"model", m.model}, {"code", code}, {"data", Hex(data)}};
        fmt::print("{}\n", out.dump());
    } else {
        fmt::print("{} {}: report 0x{:08X} [{}] sent\n", m.model, m.serial, code, Hex(data));
    }
}

}  // namespace

void AddSimCommand(CLI::App& app, const GlobalOptions& global) {
    auto* sim = app.add_subcommand("sim", "act on the virtual monitors themselves");
    sim->require_subcommand(1);
    auto options = std::make_shared<SimReportOptions>();
    std::string kinds;
    for (const auto& k : ReportKinds()) kinds += fmt::format("\n  {:<10} VALUE: {}", k.name, k.value);
    auto* cmd = sim->add_subcommand("report", "make a virtual monitor send a report; KIND is one of:" + kinds +
                                                  "\n  or a report code, VALUE: the data as hex bytes");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_option("kind", options->kind, "the report kind")->required();
    cmd->add_option("value", options->value, "the report's value");
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { RunSimReport(global, *options); });
}

}  // namespace dvc::cli
