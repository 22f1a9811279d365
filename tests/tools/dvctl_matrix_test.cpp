// dvctl matrix and profile on the default virtual world: what one process writes the
// next reads back through DVC_SIM_STATE; bad words exit 2 and name the word.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

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

class DvctlMatrix : public testing::Test {
protected:
    void TearDown() override { std::remove(state_.c_str()); }
    Outcome Run(const std::string& args) const {
        const int raw = std::system(("DVC_SIM_STATE=" + state_ + " timeout 120 " DVCTL_PATH " --sim " + args + " >" +
                                     state_ + ".out 2>" + state_ + ".err </dev/null")
                                        .c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(state_ + ".out"), Slurp(state_ + ".err")};
    }
    const std::string state_ = testing::TempDir() + "dvctl_matrix_" + std::to_string(getpid()) + ".json";
};

TEST_F(DvctlMatrix, WritesReadBackAndMistakesAreNamed) {
    const std::string file = testing::TempDir() + "matrix.txt";
    std::ofstream(file) << "# half green\n1, 0, 0\n0 0.5 0\n0 0 1\n";
    const struct {
        std::string args;
        int status;
        const char* out;
        const char* err;
    } steps[] = {
        {"matrix set CG3180 --slot 2 --enable -f " + file, 0,
         "matrix written to slot 2 (32-bit form), slot switched on", ""},
        {"matrix get CG3180 --slot 2", 0, "   0.000000000  0.500000000  0.000000000", ""},
        {"matrix get CG3180 --slot 2 --form 16 --json", 0, "\"form\": 16", ""},
        {"matrix get CG3180 --chip", 0, "   1.020000000 -0.014999999 -0.004999999", ""},
        {"matrix set CG3180 1 0 0 0 one 0 0 0 1", 2, "", "\"one\" is not a number (matrix element 5)"},
        {"matrix set CG3180 1 0 0 0 4 0 0 0 1", 2, "", "4 lies outside -4 to 4"},
        {"matrix set CG3180 1 0 0", 2, "", "a matrix takes nine numbers, row by row, not 3"},
        {"matrix set CG3180 -f " + testing::TempDir(), 2, "", "not a regular file"},
        {"matrix get 17200455", 1, "", "(DvErrNotSupported)"},
        // The profile data goes through the chip matrix, the luminance and the gamma of the same monitor.
        {"profile CG3180", 0, "  white  XYZ 0.9505 1.0000 1.0891   xy 0.3127 0.3290", ""},
        {"profile CG3180 --json", 0, "\"peakLuminance\": 120.0", ""},
        {"profile 17200455", 1, "", "error: reading the profile data: "},
        // The current self-calibration records: paged items, and the older blocks of the medical model.
        {"selfcal-records result CG3180", 0, "  luminance               120\n", ""},
        {"selfcal-records target CG3180 --json", 0, "\"gammaIndex\": 9,", ""},
        {"selfcal-records setting MX2420", 0, "  contrast                950\n", ""},
        {"selfcal-records black CG3180", 2, "", "black not in {target,result,setting}"},
        {"selfcal-records target 17200455", 1, "", "error: reading the current self-calibration target: "},
    };
    for (const auto& step : steps) {
        const Outcome run = Run(step.args);
        EXPECT_EQ(run.status, step.status) << step.args << "\n" << run.err;
        EXPECT_NE(run.out.find(step.out), std::string::npos) << step.args << "\n" << run.out;
        EXPECT_NE(run.err.find(step.err), std::string::npos) << step.args << "\n" << run.err;
        if (step.status == 0) EXPECT_EQ(run.err, "") << step.args;
        else EXPECT_EQ(run.out, "") << step.args;
    }
    std::remove(file.c_str());
}

}  // namespace
