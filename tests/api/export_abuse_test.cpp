// Every export of the public headers, called the way a careless or hostile
// host might: every pointer null, every number at an extreme (NaN, ±inf,
// INT_MIN, INT_MAX, -1, huge sizes), on a real virtual monitor and on a pair
// that names none. Nothing may crash or trip a sanitizer, and the result is
// a failure of the export's class.
#include <cmath>
#include <cstdint>
#include <limits>
#include <regex>
#include <set>
#include <string>

#include "support/sim_world.hpp"

namespace dvc::test {
namespace {

enum class Class { Error, Number, Other };

struct Caller {
    const char* name;
    Class result;
    bool paired;   // takes the identifier pair
    bool pointer;  // passes a null pointer
    bool real;     // passes a double
    int64_t (*call)(const char* id1, const char* id2, int round);
};

constexpr int kRounds = 7;
int Int(int round) {
    constexpr int values[kRounds] = {INT32_MIN, INT32_MAX, -1, 1 << 30, 0x10000, -2, INT32_MIN + 1};
    return values[round];
}
double Real(int round) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double values[kRounds] = {std::nan(""), inf, -inf, 1e300, -0.5, 2.0, -1e300};
    return values[round];
}
template <class T>
T Value(int) {
    return T{};
}

const Caller kCallers[] = {
#include "export_abuse_calls.inc"
};

// Where a Part makes such a call succeed: releasing a null object; the older
// GetRange operations, which the Supported exports share with null maximum
// and minimum (only the audio volume's export refuses them); a capacity
// below 1, which writes min(count, capacity) = no entries; registering a
// null function, which registers a callback that calls nothing.
bool SucceedsByDesign(const std::string& name) {
    static const std::regex allowed(
        "DvCtrlRelease.*V5|DvCtrlGetRange(BlackLevel|Chromaticity|BrightnessForStep|ContrastForStep|Gain|"
        "PowerResolution|6ColorsLightness)|DvCtrlGetSupportedInputPort|DvCtrlRegisterCallbackFor.*");
    return std::regex_match(name, allowed);
}

class ExportAbuse : public SimWorld {};

TEST_F(ExportAbuse, NullPointersAndExtremeNumbersFailCleanly) {
    Discover();
    std::set<std::string> succeeded;
    for (const Caller& c : kCallers) {
        for (int round = 0; round < kRounds; ++round) {
            SCOPED_TRACE(std::string(c.name) + " round " + std::to_string(round));
            if (c.paired) {
                const int64_t unknown = c.call("nosuch", "MONITOR", round);
                if (c.result == Class::Error) {
                    EXPECT_LT(unknown, 0);
                } else if (c.result == Class::Number) {
                    EXPECT_EQ(unknown, 0);
                }
            }
            const int64_t r = c.call(kDual.serial, kDual.model, round);
            // Whole numbers are the monitor's to judge; nulls and NaN or
            // infinity are the library's to refuse.
            const bool refusable = c.pointer || (c.real && !std::isfinite(Real(round)));
            if (c.result == Class::Error && refusable && r >= 0 && !SucceedsByDesign(c.name)) succeeded.insert(c.name);
        }
    }
    EXPECT_TRUE(succeeded.empty()) << [&] {
        std::string list;
        for (const auto& n : succeeded) list += n + " ";
        return "succeeded with null pointers or extreme values: " + list;
    }();
    EXPECT_GT(DvCtrlGetNumMonitors(), 0) << "the registry is intact";
}

// Chromaticity travels as 16-bit numbers of 0.0001: the white point and the
// system primaries refuse alike what that cannot carry.
TEST_F(ExportAbuse, ChromaticityBeyondItsEncodingIsRefused) {
    Discover();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double v : {std::nan(""), inf, -inf, 1e300, -0.5, -1e-9, 6.5536, 2e9}) {
        EXPECT_EQ(DvCtrlSetChromaticity(kDual.serial, kDual.model, v, 0.329), DvErrInvalidParameter) << v;
        EXPECT_EQ(DvCtrlSetChromaticity(kDual.serial, kDual.model, 0.3127, v), DvErrInvalidParameter) << v;
    }
    for (const double v : {0.0, 0.3127, 6.5535}) {
        EXPECT_EQ(DvCtrlSetChromaticity(kDual.serial, kDual.model, v, v), DvOk) << v;
        double x = -1, y = -1;
        ASSERT_EQ(DvCtrlGetChromaticity(kDual.serial, kDual.model, &x, &y), DvOk);
        EXPECT_NEAR(x, v, 1e-4);
    }
}

}  // namespace
}  // namespace dvc::test
