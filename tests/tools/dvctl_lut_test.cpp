// dvctl lut: the CSV parser in process, and get, set and plot end to end on
// the grading model's virtual monitor.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

#include "lut_csv.hpp"

namespace {

using dvc::cli::FormatLutCsv;
using dvc::cli::LutLevels;
using dvc::cli::ParseLutCsv;

std::string Rows(std::size_t from, std::size_t to, const char* tail) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) text += std::to_string(i) + tail + "\n";
    return text;
}

TEST(LutCsv, ParsesOrNamesTheLine) {
    LutLevels ramp{};
    for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = i / 255.0;
    const auto round = ParseLutCsv("# from a file\n" + FormatLutCsv({ramp, ramp, ramp}, {"red", "green", "blue"}), 3);
    ASSERT_EQ(round.errorLine, 0u) << round.error;
    for (std::size_t i = 0; i < ramp.size(); ++i) EXPECT_NEAR(round.channels[2][i], ramp[i], 1e-6);
    EXPECT_EQ(ParseLutCsv(Rows(0, 256, ",0.5"), 1).errorLine, 0u);  // no header, one channel

    struct Bad {
        std::string text;
        std::size_t line;
    };
    const Bad bad[] = {
        {"index,v\n" + Rows(0, 3, ",0.5") + "3,0.5,0.5\n", 5},  // a field too many
        {Rows(0, 10, ",0.5") + "9,0.5\n", 11},                  // an index twice
        {Rows(0, 2, ",0.5") + "2,1.5\n", 3},                    // a level past 1.0
        {Rows(0, 2, ",0.5") + "2,nan\n", 3},
        {Rows(0, 2, ",0.5") + "256,0.5\n", 3},
        {Rows(0, 2, ",0.5") + "1.5,0.5\n", 3},
        {Rows(0, 255, ",0.5"), 255},  // a row missing
    };
    for (const Bad& b : bad) {
        const auto parsed = ParseLutCsv(b.text, 1);
        EXPECT_EQ(parsed.errorLine, b.line) << parsed.error;
        EXPECT_FALSE(parsed.error.empty());
    }
}

class DvctlLut : public testing::Test {
protected:
    void TearDown() override {
        for (const char* suffix : {"", ".csv", ".bad", ".svg", ".out", ".err"}) std::remove((base_ + suffix).c_str());
    }
    int Run(const std::string& args) {
        const int raw = std::system(("DVC_SIM_STATE=" + base_ + " timeout 120 " DVCTL_PATH " --sim " + args + " >" +
                                     base_ + ".out 2>" + base_ + ".err </dev/null")
                                        .c_str());
        out_ = Slurp(base_ + ".out");
        err_ = Slurp(base_ + ".err");
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    static std::string Slurp(const std::string& path) {
        return {std::istreambuf_iterator<char>(std::ifstream(path).rdbuf()), {}};
    }
    const std::string base_ = testing::TempDir() + "dvctl_lut_" + std::to_string(getpid());
    std::string out_, err_;
};

TEST_F(DvctlLut, GetSetAndPlot) {
    ASSERT_EQ(Run("lut get CG3180 " + base_ + ".csv"), 0) << err_;
    const std::string table = Slurp(base_ + ".csv");
    EXPECT_EQ(table.substr(0, 38), "index,red,green,blue\n0,0.000000,0.0000");

    std::ofstream(base_ + ".csv") << "index,green\n" << Rows(0, 256, ",0.25");
    ASSERT_EQ(Run("lut set CG3180 --channel g " + base_ + ".csv"), 0) << err_;
    ASSERT_EQ(Run("lut get CG3180 --channel green --json"), 0) << err_;
    const auto green = nlohmann::json::parse(out_)["channels"]["green"];
    ASSERT_EQ(green.size(), 256u);
    EXPECT_EQ(green[200].get<double>(), 0.25);

    std::ofstream(base_ + ".bad") << "index,green\n" << Rows(0, 3, ",0.75") << "3,seven\n" << Rows(4, 256, ",0.75");
    EXPECT_EQ(Run("lut set CG3180 --channel g " + base_ + ".bad"), 1);
    EXPECT_NE(err_.find(".bad:5: the level must be a number"), std::string::npos) << err_;
    ASSERT_EQ(Run("lut get CG3180 --channel g --json"), 0);
    EXPECT_EQ(nlohmann::json::parse(out_)["channels"]["green"][0].get<double>(), 0.25);  // nothing changed

    ASSERT_EQ(Run("lut plot CG3180 -o " + base_ + ".svg"), 0) << err_;
    const std::string svg = Slurp(base_ + ".svg");
    EXPECT_EQ(svg.rfind("<svg xmlns=", 0), 0u);
    std::size_t curves = 0;
    for (auto at = svg.find("<polyline"); at != std::string::npos; at = svg.find("<polyline", at + 1)) ++curves;
    EXPECT_EQ(curves, 3u);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    std::ofstream(base_ + ".csv") << "index,blue\n" << Rows(0, 256, ",0.25");
    ASSERT_EQ(Run("lut set CG3180 --front --channel b " + base_ + ".csv"), 0) << err_;
    ASSERT_EQ(Run("lut get CG3180 --front --json"), 0) << err_;
    EXPECT_EQ(nlohmann::json::parse(out_)["channels"]["blue"][9].get<double>(), 0.25);
    EXPECT_EQ(Run("lut get CX2740 --front"), 1);  // no front LUT
    EXPECT_EQ(Run("lut get CG3180 --channel x"), 2);
    EXPECT_EQ(Run("lut set CG3180 /nonexistent.csv"), 1);
    EXPECT_NE(err_.find("/nonexistent.csv: no such file"), std::string::npos) << err_;
}

}  // namespace
