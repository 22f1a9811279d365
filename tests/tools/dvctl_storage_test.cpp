// dvctl store on the default virtual world: what one run sets the next reads
// back through DVC_SIM_STATE; bad words exit 2 and name the word.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Slurp(const std::string& path, bool remove = true) {
    const std::string text{std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
    if (remove) std::remove(path.c_str());
    return text;
}

TEST(DvctlStore, KeysRoundTripItemsDumpAndMistakesAreNamed) {
    const std::string state = testing::TempDir() + "dvctl_store_" + std::to_string(getpid()) + ".json";
    const std::string file = state + ".bin";
    const struct {
        std::string args;
        int status;
        const char* out;
        const char* err;
    } steps[] = {
        {"store set CG3180 owner 'Suite C'", 0, "", ""},
        {"store get CG3180 owner", 0, "Suite C\n", ""},
        {"store get CG3180 lut-set --json", 0, "\"hex\": \"03\"", ""},
        {"store set CG3180 blob --hex '00 ff'", 0, "", ""},
        {"store get CG3180 blob", 0, "00 ff\n", ""},
        {"store rm CG3180 blob", 0, "", ""},
        {"store get CG3180 blob", 1, "", "the key is not there"},
        {"store set CG3180 k --hex 0g", 2, "", "'0g' is not hex bytes"},
        {"store list CG3180 --json", 0, "\"calibration\": {\n      \"kept\": true,\n      \"size\": 4096", ""},
        {"store dump CG3180 calibration -o " + file, 0, "", ""},
        {"store dump CG3180 gamma -o " + file, 2, "", "unknown item 'gamma'"},
        {"store dump CG3180 rear-gamma -o " + file, 2, "", "give --length"},
        {"store get 17200455 owner", 1, "", "(DvErrNotSupported)"},
    };
    for (const auto& step : steps) {
        const int raw = std::system(("DVC_SIM_STATE=" + state + " timeout 120 " DVCTL_PATH " --sim " + step.args +
                                     " >" + state + ".out 2>" + state + ".err </dev/null")
                                        .c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        const std::string out = Slurp(state + ".out"), err = Slurp(state + ".err");
        EXPECT_EQ(status, step.status) << step.args << "\n" << err;
        EXPECT_NE(out.find(step.out), std::string::npos) << step.args << "\n" << out;
        EXPECT_NE(err.find(step.err), std::string::npos) << step.args << "\n" << err;
    }
    const std::string dumped = Slurp(file, false);
    ASSERT_EQ(dumped.size(), 4096u);
    EXPECT_EQ(dumped.substr(0, 2), "\xE0\x2E") << "12000, little-endian";
    std::remove(file.c_str());
    std::remove(state.c_str());
}

}  // namespace
