// dvctl as a user runs it, on the built-in virtual worlds: exit status 0 done, 1 the library failed, 2 the
// command line was at fault; a success writes nothing on stderr (no progress line off a terminal), a failure
// nothing on stdout. What one process sets, the next one reads from DVC_SIM_STATE's file.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

std::string Slurp(const std::string& path) {
    const std::string text{std::istreambuf_iterator<char>(std::ifstream(path).rdbuf()), {}};
    std::remove(path.c_str());
    return text;
}

class Dvctl : public testing::Test {
protected:
    void TearDown() override { std::remove(state_.c_str()); }

    Outcome Run(const std::string& args) const {
        const int raw = std::system(("DVC_SIM_STATE=" + state_ + " timeout 120 " DVCTL_PATH " " + args + " >" + state_ +
                                     ".out 2>" + state_ + ".err </dev/null")
                                        .c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(state_ + ".out"), Slurp(state_ + ".err")};
    }

    const std::string state_ = testing::TempDir() + "dvctl_state_" + std::to_string(getpid()) + ".json";
};

// One session, in order, later steps reading what earlier ones set: the arguments, the exit status, the whole
// lines that stdout must hold (split at '\n'), and what stderr must hold.
const std::tuple<const char*, int, const char*, const char*> kSession[] = {
    {"--sim list", 0,
     "2     21409001  CX2740           HID       HID, DDC/CI\n"
     "4     23100077  CG3180           HID       HID, DDC/CI, DDC/CI-1",
     ""},
    {"--sim info 17200455", 0, "  colour temperature: native, 5000 K, 6500 K, 9300 K, preset 0xfffe", ""},
    {"--sim info 4", 0, "CG3180 23100077 (monitor 4, found over HID)", ""},
    {"--sim features CX2740", 0, "osd-language                       yes         yes       yes      language of the on-screen display", ""},
    {"--sim get CX2740", 0, "KeyLockState — key lock setting: get, set (key-lock-state, key-lock)", ""},
    {"--sim get CX2740 osd-language", 0, "0", ""},
    {"--sim set CX2740 osd-language 3", 0, "osd-language set to 3", ""},
    {"--sim set CX2740 osd-language 99", 1, "",
     "error: setting osd-language to 99: the monitor refused the request (DvErrRefused)"},
    {"--sim get CX2740 OSDLanguage", 0, "3", ""},
    {"--sim set CX2740 all-key-lock on", 0, "all-key-lock set to 1", ""},
    {"--sim get CX2740 all-key-lock", 0, "1", ""},
    {"--sim set 17200455 black-level -5", 0, "black-level set to -5", ""},
    {"--sim get 17200455 black-level", 0, "-5", ""},
    {"--sim set CX2740 gain 128 --channel 2", 0, "gain set to 128", ""},
    {"--sim get CX2740 gain --channel 2", 0, "128", ""},
    {"--sim set CX2740 auto-thriftlux-settings 00:00:10:0f:2c:01:00:00", 0, "", ""},
    {"--sim get CX2740 auto-thriftlux-settings", 0, "0000100f2c010000", ""},
    // The office model's automatic adjustment reads busy for a while, then done (6).
    {"--sim set 17200455 auto-adjust 4", 0, "auto-adjust set to 4", ""},
    {"--sim get 17200455 auto-adjust", 0, "6", ""},
    {"--sim run CX2740 edid-ddc-write", 0, "edid-ddc-write: done", ""},
    {"--sim run CX2740 edid-ddc-write 1", 2, "", "edid-ddc-write takes no arguments, not 1 word"},
    {"--sim run 17200455 edid-ddc-write", 1, "", "(DvErrNotSupported)"},
    {"--sim get CX2740 chromaticity", 0, "x 0.64 y 0.33", ""},
    {"--sim get CX2740 signal-info-frame", 0, "bitDepth 8\ntransferFunction -1", ""},
    {"--sim get CX2740 osd-langauge", 2, "", "no feature is called \"osd-langauge\"; did you mean osd-language?"},
    {"--sim set CX2740 power-save-state 1", 2, "", "power-save-state cannot be set"},
    {"--sim info 5", 1, "", "error: no monitor is named \"5\"; dvctl list shows them (DvErrFailed)"},
    {"--sim info OF2210", 1, "", "is the model of 2 monitors; name one by serial number (DvErrInvalidParameter)"},
    {"--sim info", 2, "", ""},
    // Picture settings by name: percent or raw steps, the nearest value printed back, the range of a refusal.
    {"--sim set CX2740 brightness 40%", 0, "brightness set to 40 (40%)", ""},
    {"--sim set CX2740 brightness 120", 1, "", "setting brightness to 120: the monitor refused the request; it takes 0 to 100, or 0% to 100%"},
    {"--sim get CX2740 contrast --range", 0, "min 0 max 100", ""},
    {"--sim set MX2420 gamma 2.0", 0, "gamma set to 1.5", ""},
    {"--sim set MX2420 color-temperature 6000", 0, "color-temperature set to 6500 K", ""},
    {"--sim set CX2740 gain g 200", 0, "gain set to 200", ""},
    {"--sim set CX2740 six-colors blue hue 3", 0, "six-colors set to blue hue 3", ""},
    {"--sim get CX2740 six-colors", 0, "hue              0       0       3       0       0       0", ""},
    {"--sim set CX2740 six-colors blue tint 3", 2, "", "\"tint\" is not a property: hue, saturation, lightness"},
    {"--sim picture CX2740", 0, "  brightness                         40 (40%)   (0 to 100)", ""},
    // Colour modes and inputs by the names the monitor gives them.
    {"--sim info CX2740", 0, "  native resolution:  2560 x 1440", ""},
    {"--sim set CX2740 mode paper", 0, "mode set to 1", ""},
    {"--sim modes CX2740", 0, "*  1  Paper", ""},
    {"--sim set CX2740 mode vivid", 2, "", "accepted: Standard, Paper, sRGB, Movie, User1, User2 or an index 0 to 5"},
    {"--sim modes 17200455", 1, "", "OF2210 has no colour modes"},
    {"--sim set CX2740 input hdmi2", 0, "input set to 2", ""},
    {"--sim get CX2740 input", 0, "hdmi2 (port 41, index 2)", ""},
    {"--sim set CX2740 input dvi1", 2, "", "accepted: dp1, hdmi1, hdmi2, usb-c1, usb-c2, thunderbolt1 or an index"},
    {"--sim set CX2740 power standby", 2, "", "accepted: on, off"},
    // Reports travel over HID only; a report kind and its value are checked before anything is sent.
    {"--sim watch 17200455", 1, "", "17200455 sends no reports (they travel over USB HID only)"},
    {"--sim sim report CX2740 beep", 2, "", "beep: no such report kind (kinds: key, key-mf,"},
    {"--sim sim report CX2740 mode 256", 2, "", "256: not a one-byte value (0 to 255)"},
};

TEST_F(Dvctl, ASessionOnTheDefaultWorld) {
    for (const auto& [args, status, expected, err] : kSession) {
        SCOPED_TRACE(args);
        const Outcome run = Run(args);
        EXPECT_EQ(run.status, status) << run.err;
        EXPECT_NE(run.err.find(err), std::string::npos) << run.err;
        EXPECT_TRUE(status == 0 ? run.err.empty() : run.out.empty()) << run.out << run.err;
        std::istringstream lines(expected);
        for (std::string line; std::getline(lines, line);)
            EXPECT_NE(("\n" + run.out).find("\n" + line + "\n"), std::string::npos) << line << " in:\n" << run.out;
    }
}

// A watch in one process sees the reports that `sim report` sends from others, and stops cleanly on SIGINT.
TEST_F(Dvctl, WatchPrintsReportsSentFromAnotherProcessUntilInterrupted) {
    const std::string box = "DVC_SIM_REPORTS=" + state_ + ".box ";
    const std::string watch = "exec env " + box + DVCTL_PATH " --sim watch CX2740 --json >" + state_ + ".watch 2>&1";
    const pid_t pid = fork();
    if (pid == 0) execl("/bin/sh", "sh", "-c", watch.c_str(), static_cast<char*>(nullptr));
    // Generic events until the watch prints one: its reports are on.
    const std::string post = box + DVCTL_PATH " sim report ";
    for (int i = 0; i < 100 && std::system(("grep -q generic " + state_ + ".watch").c_str()) != 0; ++i) {
        std::system((post + "CX2740 generic >/dev/null").c_str());
        usleep(100000);
    }
    for (const char* args : {"CX2740 key 0,2", "21409001 usb 1", "CX2740 tonality 300"})
        EXPECT_EQ(std::system((post + args + " >/dev/null").c_str()), 0) << args;
    usleep(300000);
    kill(pid, SIGINT);
    int raw = 0;
    waitpid(pid, &raw, 0);
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0);
    std::system(("rm -rf " + state_ + ".box").c_str());
    std::istringstream lines(Slurp(state_ + ".watch"));
    std::vector<std::string> seen;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("generic") != std::string::npos) continue;
        const auto j = nlohmann::json::parse(line);
        seen.push_back(j["kind"].get<std::string>() + (j.contains("keys") ? j["keys"].dump() : "") +
                       (j.contains("value") ? j["value"].dump() : "") +
                       (j.contains("second") ? j["second"].dump() : ""));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"key[0,2]", "usb255", "tonality300", "end"}));
}

// A field of JSON output by pointer ("byStem": the "features" keyed by stem); a null field: absent.
const std::tuple<const char*, const char*, const char*> kJson[] = {
    {"--sim=default list --json", "/2",
     R"({"index":2,"serial":"21409001","model":"CX2740","pathKind":0,"pathKindName":"HID","paths":["HID","DDC/CI"]})"},
    {"--sim=default list --json", "/5", nullptr},
    {"--sim info CG3180 --json", "/flavors/3", R"({"flavor": 6, "modes": [7, 8], "features": [0, 8, 9, 14]})"},
    {"--sim features CX2740 --json", "/byStem/AudioVolume",
     R"({"stem": "AudioVolume", "name": "audio-volume", "aliases": [], "description": "audio volume",
         "operations": ["get", "set", "range"], "supported": true, "canRead": true, "canSet": true,
         "askedBy": "DvCtrlSupportedAudioVolume"})"},
    {"--sim features CX2740 --json", "/byStem/Clock", nullptr},
    {"--sim features CX2740 --all --json", "/byStem/Clock/supported", "false"},
    {"--sim features 17200455 --json", "/byStem/Clock/supported", "true"},
    {"--sim get CX2740 gain --channel 1 --json", "",
     R"({"serial": "21409001", "model": "CX2740", "feature": "gain", "channel": 1, "value": 255})"},
    {"--sim get CX2740 auto-thriftlux-settings --json", "/bytes", "[0, 0, 160, 15, 44, 1, 1, 0]"},
    {"--sim get CG3180 iis-area --index 0 --json", "/geometry", "[0, 0, 3840, 2160]"},
    {"--sim picture CX2740 --json", "/settings/2", R"({"name": "gamma", "value": 2.2})"},
};

TEST_F(Dvctl, JsonOutputHoldsItsFields) {
    for (const auto& [args, pointer, json] : kJson) {
        SCOPED_TRACE(std::string(args) + " " + pointer);
        const Outcome run = Run(args);
        ASSERT_EQ(run.status, 0) << run.err;
        nlohmann::json out = nlohmann::json::parse(run.out);
        if (out.contains("features"))
            for (const auto& f : nlohmann::json(out["features"])) out["byStem"][f["stem"].get<std::string>()] = f;
        const nlohmann::json::json_pointer at(pointer);
        EXPECT_EQ(out.contains(at) ? out.at(at) : "(absent)", json ? nlohmann::json::parse(json) : "(absent)");
    }
}

}  // namespace
