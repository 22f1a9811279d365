// Product data: every model group and the per-model values of the two
// built-in tables, in one place. Model names follow the family letters:
// OF office, CX creative, CG colour grading, MX medical, TP touch panel,
// LD large display.
#include "registry/builtin_table_data.hpp"

#include <array>

namespace dvc::registry::data {

namespace {

// ---- Input port lists (monitor port codes) ---------------------------------

// The oldest office models answer with two plain codes instead of ports.
constexpr std::array kPortsTwoCode{0, 1};
constexpr std::array kPortsAnalogDigital{0x100, 0x200};
constexpr std::array kPortsOffice{0x100, 0x300, 0x400};
constexpr std::array kPortsOfficeModern{0x300, 0x400, 0xA00, 0xA10};
constexpr std::array kPortsCreative{0x300, 0x400, 0x401, 0xA00, 0xA01, 0xA10};
constexpr std::array kPortsGradingClassic{0x300, 0x301, 0x400};
constexpr std::array kPortsGrading{0x300, 0x301, 0x400, 0x401, 0xA00};
constexpr std::array kPortsMedicalClassic{0x300, 0x301};
constexpr std::array kPortsMedical{0x300, 0x400, 0x401};
constexpr std::array kPortsTouch{0x100, 0x400, 0xA00};
constexpr std::array kPortsLarge{0x400, 0xA00, 0xA01, 0xA02, 0xA03, 0xA11};

// ---- First table: capability descriptions of the tagless families -----------

// Office models with three gamma curves numbered from 1.8 upwards, four
// picture modes and four colour temperatures.
constexpr std::array kOfficeRenumberedWords{WordValue{1, 0x0000000F}, WordValue{2, 0x80000049},
                                            WordValue{6, 0x00000007}, WordValue{75, 1}};
// Office models with gamma 1.8, 2.2 and 2.4, five picture modes and native,
// 5000 K, 6500 K, 9300 K and user colour temperatures.
constexpr std::array kOfficeWords{WordValue{1, 0x0000002F}, WordValue{2, 0x80001049}, WordValue{6, 0x00000034},
                                  WordValue{75, 1}};
// Office models with a wider gamma range (1.8 to 2.4), a paper mode and
// extra colour temperatures (5400 K among them).
constexpr std::array kOfficeWideWords{WordValue{1, 0x0000006F}, WordValue{2, 0x84001249}, WordValue{6, 0x0000003C},
                                      WordValue{75, 1}};
// Colour-grading models of the Tonality-menu generation: 10-bit LUT in the
// exponent encoding, calibration modes 7 and 11, gamma 1.8 to 2.6 in steps
// of 0.1 with two special curves, three LUT-backed special curves.
constexpr std::array kGradingClassicWords{WordValue{1, 0x10000C98},  WordValue{2, 0x8C001FFF},  WordValue{3, 10},
                                          WordValue{4, 1020},        WordValue{5, 0x03},        WordValue{7, 16},
                                          WordValue{28, 0xA0001FF0}, WordValue{46, 0x00070000}, WordValue{48, 0x0007},
                                          WordValue{76, 1},          WordValue{77, 4095},       WordValue{79, 10}};
// Medical models of the Tonality-menu generation: greyscale calibration
// modes 12 and 13, gamma 2.2 and 2.4 with the greyscale standard curve.
constexpr std::array kMedicalClassicWords{WordValue{1, 0x00003401}, WordValue{2, 0x80000141}, WordValue{3, 10},
                                          WordValue{4, 1020},       WordValue{7, 16},         WordValue{28, 0x20000500},
                                          WordValue{78, 1023},      WordValue{79, 10}};

constexpr std::array kLutKindsAll{1, 2, 3};
constexpr std::array kLutKindsColourOnly{1, 2};
constexpr std::array kGradingCalibration{CalibrationMode{7, 0}, CalibrationMode{11, 1}};
constexpr std::array kMedicalCalibration{CalibrationMode{12, 0}, CalibrationMode{13, 1}};

constexpr TaglessProfile kOfficeRenumbered{kOfficeRenumberedWords, {}, {}};
constexpr TaglessProfile kOffice{kOfficeWords, {}, {}};
constexpr TaglessProfile kOfficeWide{kOfficeWideWords, {}, {}};
constexpr TaglessProfile kGradingClassic{kGradingClassicWords, kLutKindsAll, kGradingCalibration};
constexpr TaglessProfile kMedicalClassic{kMedicalClassicWords, kLutKindsColourOnly, kMedicalCalibration};

// ModelGroupTagless: models without property tags (31).
constexpr std::array kTaglessRows{TaglessRow{"OF1700", &kOfficeRenumbered}, TaglessRow{"OF1710", &kOfficeRenumbered},
                                  TaglessRow{"OF1720", &kOfficeRenumbered}, TaglessRow{"OF1900", &kOffice},
                                  TaglessRow{"OF1910", &kOffice},           TaglessRow{"OF1920", &kOffice},
                                  TaglessRow{"OF2000", &kOffice},           TaglessRow{"OF2010", &kOffice},
                                  TaglessRow{"OF2200", &kOffice},           TaglessRow{"OF2210", &kOffice},
                                  TaglessRow{"OF2220", &kOffice},           TaglessRow{"OF2400", &kOffice},
                                  TaglessRow{"OF2410", &kOffice},           TaglessRow{"OF2420", &kOffice},
                                  TaglessRow{"OF2700", &kOffice},           TaglessRow{"OF2230", &kOfficeWide},
                                  TaglessRow{"OF2430", &kOfficeWide},       TaglessRow{"OF2710", &kOfficeWide},
                                  TaglessRow{"OF2720", &kOfficeWide},       TaglessRow{"CG2410", &kGradingClassic},
                                  TaglessRow{"CG2420", &kGradingClassic},   TaglessRow{"CG2430", &kGradingClassic},
                                  TaglessRow{"CG2700", &kGradingClassic},   TaglessRow{"CG2710", &kGradingClassic},
                                  TaglessRow{"CG2720", &kGradingClassic},   TaglessRow{"CG3000", &kGradingClassic},
                                  TaglessRow{"MX1900", &kMedicalClassic},   TaglessRow{"MX2100", &kMedicalClassic},
                                  TaglessRow{"MX2110", &kMedicalClassic},   TaglessRow{"MX3000", &kMedicalClassic},
                                  TaglessRow{"MX3010", &kMedicalClassic}};

// ---- Second table: model-specific values -------------------------------------

// This model's menu shows four modes whatever its firmware describes.
constexpr std::array kFourModes{WordValue{47, 4}};

constexpr DefaultsRow Row(std::string_view model, uint32_t contrast, std::span<const int> ports, uint16_t grid = 0,
                          uint32_t word0 = 0, std::span<const WordValue> words = {}) {
    return DefaultsRow{NameMatch{model, 0}, contrast, ports, grid, word0, words};
}
// Regional variants: the family's first four characters and one letter more.
constexpr DefaultsRow Variant(std::string_view prefix, uint32_t contrast, std::span<const int> ports) {
    return DefaultsRow{NameMatch{prefix, 7}, contrast, ports, 0, 0, {}};
}

// ModelGroupDefaults (83 entries; word 0 is the LUT and self-calibration
// generation of the model).
constexpr std::array kDefaultsRows{
    // Tagless office models.
    Row("OF1700", 50, kPortsTwoCode), Row("OF1710", 50, kPortsTwoCode), Row("OF1720", 50, kPortsTwoCode),
    Row("OF1900", 50, kPortsTwoCode), Row("OF1910", 50, kPortsTwoCode), Row("OF1920", 50, kPortsTwoCode),
    Row("OF2000", 50, kPortsTwoCode), Row("OF2010", 50, kPortsTwoCode), Row("OF2200", 50, kPortsAnalogDigital),
    Row("OF2210", 50, kPortsAnalogDigital), Row("OF2220", 50, kPortsAnalogDigital), Row("OF2230", 70, kPortsOffice),
    Row("OF2400", 50, kPortsAnalogDigital), Row("OF2410", 50, kPortsAnalogDigital), Row("OF2420", 50, kPortsOffice),
    Row("OF2430", 70, kPortsOffice), Row("OF2700", 70, kPortsOffice), Row("OF2710", 70, kPortsOffice),
    Row("OF2720", 70, kPortsOffice),
    // Tagless colour-grading and medical models.
    Row("CG2410", 100, kPortsGradingClassic, 0, 3), Row("CG2420", 100, kPortsGradingClassic, 0, 3),
    Row("CG2430", 100, kPortsGradingClassic, 0, 3), Row("CG2700", 100, kPortsGradingClassic, 0, 3),
    Row("CG2710", 100, kPortsGradingClassic, 0, 3), Row("CG2720", 100, kPortsGradingClassic, 0, 3),
    Row("CG3000", 100, kPortsGradingClassic, 0, 3), Row("MX1900", 70, kPortsMedicalClassic, 0, 2),
    Row("MX2100", 70, kPortsMedicalClassic, 0, 2), Row("MX2110", 70, kPortsMedicalClassic, 0, 2),
    Row("MX3000", 70, kPortsMedicalClassic, 0, 2), Row("MX3010", 70, kPortsMedicalClassic, 0, 2),
    // Office models with property tags.
    Row("OF2240", 100, kPortsOfficeModern), Row("OF2250", 100, kPortsOfficeModern),
    Row("OF2260", 100, kPortsOfficeModern), Row("OF2440", 100, kPortsOfficeModern),
    Row("OF2450", 100, kPortsOfficeModern), Row("OF2460", 100, kPortsOfficeModern),
    Row("OF2740", 100, kPortsOfficeModern), Row("OF2750", 100, kPortsOfficeModern),
    Row("OF2760", 100, kPortsOfficeModern),
    // Creative models.
    Row("CX2410", 100, kPortsCreative), Row("CX2420", 100, kPortsCreative), Row("CX2440", 100, kPortsCreative),
    Row("CX2700", 100, kPortsCreative), Row("CX2720", 100, kPortsCreative), Row("CX2740", 100, kPortsCreative),
    Row("CX2760", 100, kPortsCreative), Row("CX3200", 100, kPortsCreative, 0, 0, kFourModes),
    Row("CX3240", 100, kPortsCreative), Row("CX3400", 100, kPortsCreative),
    // Colour-grading models with 3D LUT and self-calibration.
    Row("CG2540", 100, kPortsGrading, 17, 5), Row("CG2560", 100, kPortsGrading, 10, 5),
    Row("CG2740", 100, kPortsGrading, 17, 5), Row("CG2760", 100, kPortsGrading, 17, 5),
    Row("CG3140", 100, kPortsGrading, 17, 5), Row("CG3160", 100, kPortsGrading, 17, 5),
    Row("CG3180", 100, kPortsGrading, 17, 5), Row("CG3200", 100, kPortsGrading, 17, 5),
    // Medical models with self-QC.
    Row("MX2420", 70, kPortsMedical, 0, 4), Row("MX2440", 70, kPortsMedical, 0, 4),
    Row("MX2460", 70, kPortsMedical, 0, 4), Row("MX2800", 70, kPortsMedical, 0, 4),
    Row("MX2820", 70, kPortsMedical, 0, 4), Row("MX3100", 70, kPortsMedical, 0, 4),
    Row("MX3120", 70, kPortsMedical, 0, 4), Row("MX3140", 70, kPortsMedical, 0, 4),
    Row("MX5100", 70, kPortsMedical, 0, 4), Row("MX5120", 70, kPortsMedical, 0, 4),
    // Touch panels and large displays.
    Row("TP1500", 50, kPortsTouch), Row("TP1700", 50, kPortsTouch), Row("TP2200", 70, kPortsTouch),
    Row("TP2400", 70, kPortsTouch), Row("LD4300", 100, kPortsLarge), Row("LD5000", 100, kPortsLarge),
    Row("LD5500", 100, kPortsLarge),
    // Regional variants.
    Variant("OF24", 100, kPortsOfficeModern), Variant("OF27", 100, kPortsOfficeModern),
    Variant("CX24", 100, kPortsCreative), Variant("CX27", 100, kPortsCreative), Variant("CX32", 100, kPortsCreative),
    Variant("MX24", 70, kPortsMedical), Variant("MX31", 70, kPortsMedical), Variant("TP22", 70, kPortsTouch)};

// ModelGroupDefaultsAlt: native resolution and, for models with a built-in
// sensor, the sensor measurement position (33 rows).
constexpr std::array kDefaultsAltRows{
    DefaultsAltRow{"OF2200", 1920, 1080, 0, 0},     DefaultsAltRow{"OF2210", 1920, 1080, 0, 0},
    DefaultsAltRow{"OF2220", 1920, 1080, 0, 0},     DefaultsAltRow{"OF2230", 1920, 1080, 0, 0},
    DefaultsAltRow{"OF2240", 1920, 1080, 0, 0},     DefaultsAltRow{"OF2250", 1920, 1080, 0, 0},
    DefaultsAltRow{"OF2260", 1920, 1080, 0, 0},     DefaultsAltRow{"OF2400", 1920, 1200, 0, 0},
    DefaultsAltRow{"OF2410", 1920, 1200, 0, 0},     DefaultsAltRow{"OF2420", 1920, 1200, 0, 0},
    DefaultsAltRow{"OF2430", 1920, 1200, 0, 0},     DefaultsAltRow{"OF2440", 1920, 1200, 0, 0},
    DefaultsAltRow{"OF2450", 1920, 1200, 0, 0},     DefaultsAltRow{"OF2460", 1920, 1200, 0, 0},
    DefaultsAltRow{"OF2700", 2560, 1440, 0, 0},     DefaultsAltRow{"OF2710", 2560, 1440, 0, 0},
    DefaultsAltRow{"OF2720", 2560, 1440, 0, 0},     DefaultsAltRow{"OF2740", 2560, 1440, 0, 0},
    DefaultsAltRow{"OF2750", 2560, 1440, 0, 0},     DefaultsAltRow{"OF2760", 2560, 1440, 0, 0},
    DefaultsAltRow{"CX2410", 1920, 1200, 0, 0},     DefaultsAltRow{"CX2420", 1920, 1200, 0, 0},
    DefaultsAltRow{"CX2440", 1920, 1200, 0, 0},     DefaultsAltRow{"CX2700", 2560, 1440, 0, 0},
    DefaultsAltRow{"CX2720", 2560, 1440, 0, 0},     DefaultsAltRow{"CX2740", 2560, 1440, 0, 0},
    DefaultsAltRow{"CX2760", 3840, 2160, 0, 0},     DefaultsAltRow{"CG2540", 1920, 1200, 960, 36},
    DefaultsAltRow{"CG2740", 2560, 1440, 1280, 40}, DefaultsAltRow{"CG3180", 3840, 2160, 1920, 56},
    DefaultsAltRow{"MX2420", 1920, 1200, 960, 36},  DefaultsAltRow{"MX2440", 1920, 1200, 960, 36},
    DefaultsAltRow{"MX3100", 3840, 2160, 1920, 56}};

// ---- Model groups that are plain lists --------------------------------------

// ModelGroupAtMode: the Tonality-menu colour-grading models, each with its
// fixed Tonality list and the set of "AIC" data names it stores (7).
constexpr std::array kTonalityCG2410{0, 3, 7, 10, 11};
constexpr std::array kTonalityCG2420{0, 3, 4, 7, 10, 11};
constexpr std::array kTonalityCG2430{0, 3, 4, 7, 10, 11, 28};
constexpr std::array kTonalityCG2700{0, 3, 4, 7, 11, 28};
constexpr std::array kTonalityCG2710{3, 4, 7, 11, 28};
constexpr std::array kTonalityCG2720{3, 4, 7, 10, 11, 28};
constexpr std::array kTonalityCG3000{3, 4, 7, 10, 11, 12, 28};
constexpr std::array kAtModeRows{
    AtModeRow{"CG2410", kTonalityCG2410, AicSet::Wide},   AtModeRow{"CG2420", kTonalityCG2420, AicSet::Wide},
    AtModeRow{"CG2430", kTonalityCG2430, AicSet::Wide},   AtModeRow{"CG2700", kTonalityCG2700, AicSet::Wide},
    AtModeRow{"CG2710", kTonalityCG2710, AicSet::Middle}, AtModeRow{"CG2720", kTonalityCG2720, AicSet::Middle},
    AtModeRow{"CG3000", kTonalityCG3000, AicSet::Narrow}};

// ModelGroupTonality: models whose Tonality operations work on fixed mode
// lists (16).
constexpr std::array<std::string_view, 16> kTonalityModels{"CG2410", "CG2420", "CG2430", "CG2700", "CG2710", "CG2720",
                                                           "CG3000", "MX1900", "MX2100", "MX2110", "MX3000", "MX3010",
                                                           "OF2230", "OF2430", "OF2710", "OF2720"};

// ModelGroupGamma: models numbering their gamma curves from 1.8 upwards (3).
constexpr std::array<std::string_view, 3> kGammaModels{"OF1700", "OF1710", "OF1720"};

// ModelGroupNoInputAuto: models without automatic input selection (15).
constexpr std::array<std::string_view, 15> kNoInputAutoModels{"OF1700", "OF1710", "OF1720", "OF1900", "OF1910",
                                                              "OF1920", "OF2000", "OF2010", "MX1900", "MX2100",
                                                              "MX2110", "MX3000", "MX3010", "TP1500", "TP1700"};

// ModelGroupTonalityIndexNames: Tonality names addressed by the value's
// position in the Tonality list (5, all of ModelGroupAtMode).
constexpr std::array<std::string_view, 5> kTonalityIndexNameModels{"CG2410", "CG2420", "CG2430", "CG2700", "CG2710"};

// ModelGroupTonalityName10: Tonality names of fixed size 10 (5).
constexpr std::array<std::string_view, 5> kTonalityName10Models{"CG2720", "CG3000", "MX3000", "MX3010", "OF2720"};

// ModelGroupNoSignalCount: two-code port list models without a signal
// count (7).
constexpr std::array<std::string_view, 7> kNoSignalCountModels{"OF1700", "OF1710", "OF1720", "OF1900",
                                                               "OF1910", "OF1920", "OF2000"};

// ModelGroupLegacyLutFamily: the colour-grading family writes its legacy
// tone LUT in any gamma setting.
constexpr std::string_view kLegacyLutFamilyPrefix = "CG";

static_assert(kTaglessRows.size() == 31);
static_assert(kDefaultsRows.size() == 83);
static_assert(kDefaultsAltRows.size() == 33);
static_assert(kAtModeRows.size() == 7);

}  // namespace

std::span<const TaglessRow> TaglessRows() { return kTaglessRows; }
std::span<const DefaultsRow> DefaultsRows() { return kDefaultsRows; }
std::span<const DefaultsAltRow> DefaultsAltRows() { return kDefaultsAltRows; }
std::span<const AtModeRow> AtModeRows() { return kAtModeRows; }
std::span<const std::string_view> TonalityModels() { return kTonalityModels; }
std::span<const std::string_view> GammaModels() { return kGammaModels; }
std::span<const std::string_view> NoInputAutoModels() { return kNoInputAutoModels; }
std::span<const std::string_view> TonalityIndexNameModels() { return kTonalityIndexNameModels; }
std::span<const std::string_view> TonalityName10Models() { return kTonalityName10Models; }
std::span<const std::string_view> NoSignalCountModels() { return kNoSignalCountModels; }
std::string_view LegacyLutFamilyPrefix() { return kLegacyLutFamilyPrefix; }

}  // namespace dvc::registry::data
