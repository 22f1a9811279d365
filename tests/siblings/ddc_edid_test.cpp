// EDID parsing against real displays' EDIDs: each file holds the bytes and
// their decoded text, which gives the expected values. Also the
// identification built from an EDID.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "ddc/identity.hpp"

namespace dvc::ddc {
namespace {

namespace fs = std::filesystem;

struct Sample {
    std::vector<uint8_t> bytes;  // the base block
    std::string text;            // the decoded text of the base block
};

Sample Load(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream all;
    all << in.rdbuf();
    const std::string s = all.str();
    Sample out;
    // Bytes written apart or run together, in lines.
    std::string digits;
    for (size_t i = s.find("(hex):") + 6; i < s.find("----") && digits.size() < 256; ++i)
        if (std::isxdigit(static_cast<unsigned char>(s[i]))) digits.push_back(s[i]);
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        out.bytes.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    const size_t base = s.find("Block 0");
    out.text = s.substr(base, s.find("----", base) - base);
    return out;
}

std::string Field(const std::string& text, const char* pattern) {
    std::smatch m;
    return std::regex_search(text, m, std::regex(pattern)) ? m[1].str() : std::string();
}

TEST(DdcEdid, AgreesWithTheDecodedTextOfRealDisplays) {
    const fs::path dir = fs::path(DVC_SHARED_DATA_DIR) / "edid";
    if (!fs::exists(dir)) GTEST_SKIP() << "no real EDIDs at " << dir;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() != ".txt") continue;
        const Sample s = Load(entry.path());
        const std::string name = entry.path().filename().string();
        ASSERT_EQ(s.bytes.size(), 128u) << name;
        const auto e = ParseEdid(s.bytes);
        ASSERT_TRUE(e) << name;
        ++files;
        EXPECT_EQ(e->manufacturer, Field(s.text, R"(Manufacturer: (\w+))")) << name;
        EXPECT_EQ(std::to_string(e->productCode), Field(s.text, R"(\n    Model: (\d+))")) << name;
        EXPECT_EQ(e->name, Field(s.text, R"(Display Product Name: '\s*(.*?)\s*'\n)")) << name;
        const std::string serialText = Field(s.text, R"(Display Product Serial Number: (.*)\n)");
        EXPECT_TRUE(e->serialText.empty() || !serialText.empty()) << name;  // a blank one is none
        if (!serialText.empty() && serialText != "...") {
            EXPECT_EQ("'" + e->serialText, serialText.substr(0, e->serialText.size() + 1)) << name;
        }
        const std::string serial = Field(s.text, R"(\n    Serial Number: (.*)\n)");
        EXPECT_EQ(e->serialNumber != 0, !serial.empty()) << name;
        if (!serial.empty() && serial != "...") {
            EXPECT_EQ(std::to_string(e->serialNumber), serial) << name;
        }
        const std::pair<const char*, Chromaticity> primaries[] = {
            {"Red  ", e->red}, {"Green", e->green}, {"Blue ", e->blue}, {"White", e->white}};
        for (const auto& [label, c] : primaries) {
            const std::string xy = Field(s.text, (std::string(label) + R"(: ([\d.]+, [\d.]+))").c_str());
            ASSERT_FALSE(xy.empty()) << name << label;
            // Printed cut to four decimals.
            EXPECT_NEAR(c.x - 0.00005, std::stod(xy), 0.000051) << name << label;
            EXPECT_NEAR(c.y - 0.00005, std::stod(xy.substr(xy.find(',') + 1)), 0.000051) << name << label;
        }
        const std::string dtd = Field(s.text, R"(DTD 1: +(\d+x\d+i? +[\d.]+ Hz))");
        ASSERT_TRUE(e->preferred) << name;
        char expected[64];
        const bool interlaced = e->preferred->interlaced;
        std::snprintf(expected, sizeof expected, "%ux%u%s", e->preferred->width,
                      e->preferred->height * (interlaced ? 2 : 1), interlaced ? "i" : "");
        EXPECT_EQ(dtd.substr(0, dtd.find(' ')), expected) << name;
        if (!interlaced) {
            const double hz = std::stod(dtd.substr(dtd.find_last_of(' ', dtd.size() - 4)));
            EXPECT_NEAR(e->preferred->refreshHz(), hz, 0.001) << name;
        }
    }
    EXPECT_GE(files, 100);
}

TEST(DdcIdentity, KeepsSerialsApartInEightCharacters) {
    EXPECT_EQ(ShortSerial("6V824341"), "6V824341");
    EXPECT_EQ(ShortSerial("1507956"), "01507956");
    // Thirteen characters: a digest, the same every time, different for
    // serials that share their first or last eight characters.
    const std::string a = ShortSerial("BA7T020B00595"), b = ShortSerial("BA7T020B00596"),
                      c = ShortSerial("XA7T020B00595");
    EXPECT_EQ(a.size(), 8u);
    EXPECT_EQ(a, ShortSerial("BA7T020B00595"));
    EXPECT_NE(a, b);
    EXPECT_NE(a, c);
    EXPECT_EQ(a.find_first_of("ILOU"), std::string::npos);

    Edid e;
    e.manufacturer = "ACR";
    e.productCode = 0x050D;
    e.serialNumber = 295;
    const std::vector<uint8_t> block(128, 0);
    Identity id = IdentityFromEdid(e, block);
    EXPECT_EQ(id.serial, "00000295");
    EXPECT_EQ(id.model, "ACR050D");  // no name descriptor: maker and product code
    e.serialText = "T5EEE0014201";
    e.name = "Acer CB271H";
    id = IdentityFromEdid(e, block);
    EXPECT_EQ(id.fullSerial, "T5EEE0014201");
    const auto bytes = id.Block();
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), id.serial + "Acer CB271H");
}

}  // namespace
}  // namespace dvc::ddc
