// dvctl selfcal on the default virtual world: the status in text and JSON,
// the lock taken, refused to another owner and given back across processes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Slurp(const std::string& path) {
    const std::string text{std::istreambuf_iterator<char>(std::ifstream(path).rdbuf()), {}};
    std::remove(path.c_str());
    return text;
}

TEST(DvctlSelfCal, StatusAndTheLockBetweenProcesses) {
    const std::string state = testing::TempDir() + "dvctl_selfcal_" + std::to_string(getpid()) + ".json";
    const struct {
        const char* args;
        int status;
        const char* out;
        const char* err;
    } steps[] = {
        {"selfcal status CG3180", 0, "  lock                 free", ""},
        {"selfcal lock CG3180 5", 0, "", ""},
        {"selfcal lock CG3180 7", 1, "", "error: locking self-calibration as owner 7: owner 5 holds the lock"},
        {"selfcal status CG3180 --json", 0, "\"lockOwner\": 5", ""},
        {"selfcal unlock CG3180 5 --json", 0, "\"locked\": false", ""},
        {"selfcal lock CG3180 300", 2, "", "300"},
        {"selfcal status MX2420", 0, "self-QC", ""},
    };
    for (const auto& step : steps) {
        const int raw = std::system(("DVC_SIM_STATE=" + state + " timeout 120 " DVCTL_PATH " --sim " + step.args +
                                     " >" + state + ".out 2>" + state + ".err </dev/null")
                                        .c_str());
        const std::string out = Slurp(state + ".out"), err = Slurp(state + ".err");
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, step.status) << step.args << "\n" << err;
        EXPECT_NE(out.find(step.out), std::string::npos) << step.args << "\n" << out;
        EXPECT_NE(err.find(step.err), std::string::npos) << step.args << "\n" << err;
    }
    std::remove(state.c_str());
}

}  // namespace
