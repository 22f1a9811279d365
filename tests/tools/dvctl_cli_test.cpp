// dvctl's exit statuses and the first line it prints, for command lines a new user types: 0 done, 1 the monitor
// or library said no, 2 the command line was wrong. Settings of the virtual monitors persist per user (here in a
// scratch XDG_STATE_HOME) unless --sim-fresh.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "value_text.hpp"

namespace {

struct Outcome {
    int status;
    std::string first;  // stdout's first line on success, stderr's otherwise
};

class DvctlCli : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(home_);
        std::ofstream(home_ + "/broken.json") << "{";
    }
    void TearDown() override { std::filesystem::remove_all(home_); }

    Outcome Run(const std::string& args) const {
        const std::string out = home_ + "/out", err = home_ + "/err";
        const int raw = std::system(("cd " + home_ + " && env -u DVC_SIM -u DVC_SIM_STATE XDG_STATE_HOME=" + home_ +
                                     "/state timeout 120 " DVCTL_PATH " " + args + " >out 2>err </dev/null")
                                        .c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::ifstream in(status == 0 ? out : err);
        std::string first;
        std::getline(in, first);
        return {status, first};
    }

    const std::string home_ = testing::TempDir() + "dvctl_cli_" + std::to_string(getpid());
};

// In order: later lines read what earlier ones set.
const std::tuple<const char*, int, const char*> kLines[] = {
    {"", 2, "usage: dvctl [--sim[=WORLD]] COMMAND MONITOR [ARGUMENTS] [--json]"},
    {"--version", 0, "dvctl 1.68.0 (libdvc 1.68.0)"},
    {"help", 0, "dvctl: the monitors attached over DDC/CI and USB HID, and their settings"},
    {"frobnicate", 2, "error: no command is called \"frobnicate\"; the commands: list, info, features, get, set,"},
    {"--sim get CX2740 volume --bogus", 2, "error: dvctl get: the following argument was not expected: --bogus"},
    {"--sim=nosuch list", 2, "error: --sim: no virtual world is called \"nosuch\"; the worlds: default, empty,"},
    {"--sim=nosuch.json list", 2, "error: --sim: the world file nosuch.json does not exist"},
    {"--sim=broken.json list", 1, "dvcsim: DVC_SIM=broken.json: broken.json: invalid JSON"},
    {"--sim=empty list", 0, "no monitors in this virtual world"},
    {"--sim info nosuch", 1, "error: no monitor is named \"nosuch\"; dvctl list shows them (DvErrFailed)"},
    {"--sim get cx2740 audio-volume", 0, "30"},
    {"--sim set Cx2740 audio-volume 50", 0, "audio-volume set to 50"},
    {"--sim get CX2740 audio-volume", 0, "50"},
    {"--sim=single get CX2740 audio-volume", 0, "30"},
    {"--sim set CX2740 audio-volume 500", 1,
     "error: setting audio-volume to 500: the monitor refused the request; it takes 0 to 100 (DvErrRefused)"},
    {"--sim set CX2740 power 7", 2, "error: power: \"7\" is not a state of this switch; accepted: on, off"},
    {"--sim features CX2740", 0, "CX2740 21409001 (monitor 2): 86 of 230 features supported"},
    {"--sim get CX2740 --all", 0, "2nd-power-off-time: 0"},
    {"--sim dump CX2740 >dump.json && cat dump.json", 0, "{"},
    {"--sim --sim-fresh get CX2740 audio-volume", 0, "30"},
    {"--sim load CX2740 dump.json --dry-run", 0, "would set audio-volume: 30 -> 50"},
    {"--sim load CX2740 dump.json", 0, "audio-volume: 30 -> 50"},
    {"--sim load CX2740 dump.json", 0, "0 settings changed, 58 already so"},
    {"--sim load CX2740 broken.json", 2, "error: broken.json: not JSON ([json.exception.parse_error.101] parse error "},
    {"--sim load CX2740 nosuch.json", 2, "error: nosuch.json: cannot be opened"},
};

TEST_F(DvctlCli, ExitStatusAndFirstLine) {
    for (const auto& [args, status, first] : kLines) {
        SCOPED_TRACE(args);
        const Outcome run = Run(args);
        EXPECT_EQ(run.status, status);
        EXPECT_EQ(run.first.substr(0, std::string(first).size()), first);
    }
}

// Without --sim on a machine without display buses or HID devices, dvctl says why and names --sim.
TEST_F(DvctlCli, NoRealMonitorsSaysWhy) {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator("/dev", ec))
        if (e.path().filename().string().rfind("i2c-", 0) == 0 || e.path().filename().string().rfind("hidraw", 0) == 0)
            GTEST_SKIP() << "this machine has display buses or HID devices";
    for (const char* args : {"list", "get 0 brightness"}) {
        const Outcome run = Run(args);
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_NE(run.first.find("i2c-dev"), std::string::npos) << run.first;
        EXPECT_NE(run.first.find("dvctl --sim uses virtual monitors instead"), std::string::npos) << run.first;
    }
}

TEST_F(DvctlCli, StateThatCannotBeKeptFails) {
    const Outcome run = Run("--sim list; XDG_STATE_HOME=/proc/none " DVCTL_PATH " --sim list");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.first,
              "error: the settings of the virtual monitors cannot be kept in /proc/none/dvctl/default.json: "
              "No such file or directory (DvErrFailed)");
}

TEST(DvctlText, MonitorTextIsPrintedEscaped) {
    EXPECT_EQ(dvc::cli::Printable("AB\x07"
                                  "C\\\xe9"),
              "AB\\x07C\\x5c\\xe9");
    EXPECT_TRUE(dvc::cli::SameText("cx2740", "CX2740"));
    EXPECT_FALSE(dvc::cli::SameText("cx274", "CX2740"));
}

}  // namespace
