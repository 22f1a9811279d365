// Catalogue entries for the picture settings a colour person tunes by name:
// brightness and contrast in raw steps or in percent, gamma and colour
// temperature set to the nearest value the monitor has and printed back,
// and the six colours' hue, saturation and lightness as one table. A value
// the monitor refuses says which values it takes.
#include <fmt/format.h>

#include <array>
#include <cmath>

#include "failure.hpp"
#include "feature_catalog.hpp"
#include "value_text.hpp"

namespace dvc::cli {

namespace {

using Json = nlohmann::ordered_json;

struct LevelExports {
    const char* name;
    DvError (*getStep)(Id, Id, int*);
    DvError (*getRatio)(Id, Id, double*);
    DvError (*setStep)(Id, Id, int);
    DvError (*setRatio)(Id, Id, double);
    DvError (*range)(Id, Id, int*, int*);
};

DvError ContrastRange(Id id1, Id id2, int* maximum, int* minimum) {
    return DvCtrlGetRangeContrastForStep(id1, id2, maximum, minimum, nullptr);
}

constexpr LevelExports kBrightness{"brightness",
                                   DvCtrlGetBrightnessForStep,
                                   DvCtrlGetBrightnessForPercentage,
                                   DvCtrlSetBrightnessForStep,
                                   DvCtrlSetBrightnessForPercentage,
                                   DvCtrlGetRangeBrightnessForStep};
constexpr LevelExports kContrast{"contrast",
                                 DvCtrlGetContrastForStep,
                                 DvCtrlGetContrastForPercentage,
                                 DvCtrlSetContrastForStep,
                                 DvCtrlSetContrastForPercentage,
                                 ContrastRange};

Reading Level(const LevelExports& e, Id id1, Id id2) {
    int step = 0;
    double ratio = 0;
    Check(e.getStep(id1, id2, &step), fmt::format("reading {}", e.name));
    Check(e.getRatio(id1, id2, &ratio), fmt::format("reading {}", e.name));
    const double percent = std::round(ratio * 1000.0) / 10.0;
    Reading r;
    r.text = fmt::format("{} ({}%)", step, percent);
    r.fields["value"] = step;
    r.fields["percent"] = percent;
    return r;
}

// "40%" is a share of the maximum, "40" a raw step.
Reading SetLevel(const LevelExports& e, Id id1, Id id2, const std::vector<std::string>& words) {
    const std::string& word = words.front();
    const bool percent = !word.empty() && word.back() == '%';
    const DvError result = percent ? e.setRatio(id1, id2, ParseNumber(word.substr(0, word.size() - 1)) / 100.0)
                                   : e.setStep(id1, id2, ParseInt(word));
    if (result < 0) {
        int maximum = 0, minimum = 0;
        const bool known = e.range(id1, id2, &maximum, &minimum) >= 0;
        throw Failure(result, fmt::format("setting {} to {}{}", e.name, word,
                                          known ? fmt::format("; it takes {} to {}, or 0% to 100%", minimum, maximum)
                                                : std::string()));
    }
    return Level(e, id1, id2);
}

Reading Brightness(Id id1, Id id2, int) { return Level(kBrightness, id1, id2); }
Reading SetBrightness(Id id1, Id id2, const std::vector<std::string>& w) { return SetLevel(kBrightness, id1, id2, w); }
Reading Contrast(Id id1, Id id2, int) { return Level(kContrast, id1, id2); }
Reading SetContrast(Id id1, Id id2, const std::vector<std::string>& w) { return SetLevel(kContrast, id1, id2, w); }

// Gamma values are tenths; the table's arithmetic leaves noise past them.
double Tidy(double gamma) { return std::round(gamma * 1000.0) / 1000.0; }

Reading Gamma(Id id1, Id id2, int) {
    double gamma = 0;
    Check(DvCtrlGetGamma(id1, id2, &gamma), "reading gamma");
    Reading r;
    r.text = fmt::format("{}", Tidy(gamma));
    r.fields["value"] = Tidy(gamma);
    return r;
}

// The curves the model offers: "1.8, 2.2 and special curves -1".
std::string GammaValues(Id id1, Id id2) {
    std::vector<std::string> values;
    double gamma = 0;
    for (int i = 0; DvCtrlEnumGamma(id1, id2, i, &gamma) == DvOk; ++i) values.push_back(fmt::format("{}", Tidy(gamma)));
    return values.empty() ? "" : fmt::format("; it has {}", fmt::join(values, ", "));
}

// The model's nearest curve is set; the value read back is printed.
Reading SetGamma(Id id1, Id id2, const std::vector<std::string>& words) {
    const double gamma = ParseNumber(words.front());
    if (const DvError result = DvCtrlSetGamma(id1, id2, gamma); result < 0)
        throw Failure(result, fmt::format("setting gamma to {}{}", words.front(), GammaValues(id1, id2)));
    return Gamma(id1, id2, 0);
}

Reading ColorTemperature(Id id1, Id id2, int) {
    int kelvin = 0;
    Check(DvCtrlGetColorTemperature(id1, id2, &kelvin), "reading color-temperature");
    Reading r;
    r.text = fmt::format("{} K", kelvin);
    r.fields["kelvin"] = kelvin;
    return r;
}

std::string Temperatures(Id id1, Id id2) {
    std::vector<int> values;
    int kelvin = 0;
    for (int i = 0; DvCtrlEnumColorTemperature(id1, id2, i, &kelvin) == DvOk; ++i)
        if (kelvin > 0 && kelvin < 0xFF00) values.push_back(kelvin);
    return values.empty() ? "" : fmt::format("; it has {} K", fmt::join(values, ", "));
}

Reading SetColorTemperature(Id id1, Id id2, const std::vector<std::string>& words) {
    const int kelvin = ParseInt(words.front());
    if (const DvError result = DvCtrlSetColorTemperature(id1, id2, kelvin); result < 0)
        throw Failure(result, fmt::format("setting color-temperature to {}{}", words.front(), Temperatures(id1, id2)));
    return ColorTemperature(id1, id2, 0);
}

// The six colours, in the library's order.
constexpr std::array<const char*, 6> kColours{"red", "green", "blue", "cyan", "magenta", "yellow"};

struct SixColourProperty {
    const char* name;
    DvError (*getAll)(Id, Id, int*);
    std::array<DvError (*)(Id, Id, int), 6> set;  // by colour, in the order above
    DvError (*range)(Id, Id, int*, int*);
};

const std::array<SixColourProperty, 3> kProperties{{
    {"hue",
     DvCtrlGet6ColorsAllHue2,
     {DvCtrlSetRedHue2, DvCtrlSetGreenHue2, DvCtrlSetBlueHue2, DvCtrlSetCyanHue2, DvCtrlSetMagentaHue2,
      DvCtrlSetYellowHue2},
     DvCtrlGetRange6ColorsHue2},
    {"saturation",
     DvCtrlGet6ColorsAllSaturation2,
     {DvCtrlSetRedSaturation2, DvCtrlSetGreenSaturation2, DvCtrlSetBlueSaturation2, DvCtrlSetCyanSaturation2,
      DvCtrlSetMagentaSaturation2, DvCtrlSetYellowSaturation2},
     DvCtrlGetRange6ColorsSaturation2},
    {"lightness",
     DvCtrlGet6ColorsAllLightness,
     {DvCtrlSetRedLightness, DvCtrlSetGreenLightness, DvCtrlSetBlueLightness, DvCtrlSetCyanLightness,
      DvCtrlSetMagentaLightness, DvCtrlSetYellowLightness},
     DvCtrlGetRange6ColorsLightness},
}};

// One line per property the monitor has, a column per colour.
Reading SixColors(Id id1, Id id2, int) {
    Reading r;
    r.text = fmt::format("{:<10}", "");
    for (const char* colour : kColours) r.text += fmt::format(" {:>7}", colour);
    DvError first = DvOk;
    for (const auto& property : kProperties) {
        std::array<int, 6> values{};
        const DvError result = property.getAll(id1, id2, values.data());
        if (result < 0) {
            if (first == DvOk) first = result;
            continue;
        }
        r.text += fmt::format("\n{:<10}", property.name);
        Json row = Json::object();
        for (std::size_t i = 0; i < values.size(); ++i) {
            r.text += fmt::format(" {:>7}", values[i]);
            row[kColours[i]] = values[i];
        }
        r.fields[property.name] = std::move(row);
    }
    if (r.fields.empty()) throw Failure(first, "reading six-colors");
    return r;
}

template <class List, class Name>
std::size_t Named(const List& list, const std::string& word, Name name, const char* what) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (word == name(list[i])) return i;
    std::vector<std::string> names;
    for (const auto& item : list) names.emplace_back(name(item));
    throw UsageError(fmt::format("\"{}\" is not {}: {}", word, what, fmt::join(names, ", ")));
}

// COLOUR PROPERTY VALUE: "red hue 5".
Reading SetSixColors(Id id1, Id id2, const std::vector<std::string>& words) {
    const std::size_t colour = Named(
        kColours, words[0], [](const char* c) { return c; }, "a colour");
    const auto& property = kProperties[Named(
        kProperties, words[1], [](const SixColourProperty& p) { return p.name; }, "a property")];
    const int value = ParseInt(words[2]);
    if (const DvError result = property.set[colour](id1, id2, value); result < 0) {
        int maximum = 0, minimum = 0;
        const bool known = property.range(id1, id2, &maximum, &minimum) >= 0;
        throw Failure(result, fmt::format("setting the {} of {} to {}{}", property.name, kColours[colour], value,
                                          known ? fmt::format("; it takes {} to {}", minimum, maximum) : ""));
    }
    Reading r;
    r.text = fmt::format("{} {} {}", kColours[colour], property.name, value);
    r.fields["colour"] = kColours[colour];
    r.fields["property"] = property.name;
    r.fields["value"] = value;
    return r;
}

}  // namespace

const std::vector<Feature>& PictureFeatures() {
    static const std::vector<Feature> features{
        {"brightness",
         "Brightness",
         "brightness in raw steps, or in percent of the maximum (40%)",
         Ask{DvCtrlSupportedBrightness, "DvCtrlSupportedBrightness"},
         CustomGet{Brightness, Selector::None},
         WordsSet{SetBrightness, 1, 1, "STEPS or PERCENT%"},
         IntRange{DvCtrlGetRangeBrightnessForStep},
         {}},
        {"contrast",
         "Contrast",
         "contrast in raw steps, or in percent of the maximum (40%)",
         Ask{DvCtrlSupportedContrast, "DvCtrlSupportedContrast"},
         CustomGet{Contrast, Selector::None},
         WordsSet{SetContrast, 1, 1, "STEPS or PERCENT%"},
         IntRange{ContrastRange},
         {}},
        {"gamma",
         "Gamma",
         "gamma; a value sets the model's nearest curve",
         {},
         CustomGet{Gamma, Selector::None},
         WordsSet{SetGamma, 1, 1, "GAMMA (2.2)"},
         {},
         {}},
        {"color-temperature",
         "ColorTemperature",
         "colour temperature in kelvin; a value sets the model's nearest",
         Ask{DvCtrlSupportedColorTemperature, "DvCtrlSupportedColorTemperature"},
         CustomGet{ColorTemperature, Selector::None},
         WordsSet{SetColorTemperature, 1, 1, "KELVIN"},
         {},
         {}},
        {"six-colors",
         "SixColors",
         "hue, saturation and lightness of red, green, blue, cyan, magenta and yellow",
         {},
         CustomGet{SixColors, Selector::None},
         WordsSet{SetSixColors, 3, 3, "COLOUR PROPERTY VALUE (red hue 5)"},
         {},
         {}},
        {"gamma-adjustment-state",
         "GammaAdjustmentState",
         "gamma adjustment state",
         {},
         ValueGet{DvCtrlGetGammaAdjustmentState},
         {},
         {},
         {}},
    };
    return features;
}

}  // namespace dvc::cli
