// Catalogue entries for exports that the feature table does not describe:
// operations with an encoding of their own that still read as a get, a
// set or an action. An entry whose stem the table knows adds to the
// table's entry (which keeps its Supported export and words).
#include <fmt/format.h>

#include <array>
#include <initializer_list>
#include <utility>

#include "failure.hpp"
#include "feature_catalog.hpp"
#include "port_names.hpp"

namespace dvc::cli {

namespace {

using Json = nlohmann::ordered_json;

// A reading of named fields: one "name value" line each.
Reading Fields(std::initializer_list<std::pair<const char*, Json>> fields) {
    Reading r;
    for (const auto& [name, value] : fields) {
        std::string shown;
        if (value.is_array()) {
            for (const auto& v : value) {
                if (!shown.empty()) shown += ' ';
                shown += v.dump();
            }
        } else {
            shown = value.is_string() ? value.get<std::string>() : value.dump();
        }
        r.text += fmt::format("{} {}\n", name, shown);
        r.fields[name] = value;
    }
    if (!r.text.empty()) r.text.pop_back();
    return r;
}

template <class T, std::size_t N>
Json Numbers(const T (&values)[N]) {
    Json out = Json::array();
    for (const T& v : values) out.push_back(v);
    return out;
}

Reading AssetTag(Id id1, Id id2, int) {
    // The tag holds at most 16 characters; one more for the NUL.
    std::array<char, 17> text{};
    Check(DvCtrlGetAssetTag(id1, id2, text.data(), static_cast<int>(text.size())), "reading asset-tag");
    Reading r;
    r.text.assign(text.data());
    r.fields["text"] = r.text;
    return r;
}

Reading SignalInfoFrame(Id id1, Id id2, int) {
    DvSignalInfoFrame info{};
    Check(DvCtrlGetSignalInfoFrame(id1, id2, &info), "reading signal-info-frame");
    return Fields({{"portType", info.portType},
                   {"quantizationRange", info.quantizationRange},
                   {"bitDepth", info.bitDepth},
                   {"colorFormat", info.colorFormat},
                   {"colorimetry", info.colorimetry},
                   {"transferFunction", info.transferFunction}});
}

Reading IISArea(Id id1, Id id2, int index) {
    DvIISArea area{};
    Check(DvCtrlGetIISArea(id1, id2, index, &area), "reading iis-area");
    return Fields({{"setting", Numbers(area.setting)}, {"geometry", Numbers(area.geometry)}});
}

Reading SegmentFields(const DvOutputSegmentProperty& p) {
    return Fields({{"values", Numbers(p.values)}, {"flag", p.flag}, {"bytes", Numbers(p.bytes)}, {"kind", p.kind}});
}

Reading OutputSegmentProperty(Id id1, Id id2, int segment) {
    DvOutputSegmentProperty property{};
    Check(DvCtrlGetOutputSegmentProperty(id1, id2, segment, &property), "reading output-segment-property");
    return SegmentFields(property);
}

Reading OutputSegmentPropertyConstant(Id id1, Id id2, int segment) {
    DvOutputSegmentProperty property{};
    Check(DvCtrlGetOutputSegmentPropertyConstant(id1, id2, segment, &property),
          "reading output-segment-property-constant");
    return SegmentFields(property);
}

Reading RGBWChromaticities(Id id1, Id id2, int) {
    colour red{}, green{}, blue{}, white{};
    Check(DvCtrlGetRGBWChromaticities(id1, id2, &red, &green, &blue, &white), "reading rgbw-chromaticities");
    auto xy = [](const colour& c) { return Json::array({c.x, c.y}); };
    return Fields({{"red", xy(red)}, {"green", xy(green)}, {"blue", xy(blue)}, {"white", xy(white)}});
}

// The shown input: its index in the model's port list, its number and name.
Reading Input(Id id1, Id id2, int) {
    int index = 0;
    Check(DvCtrlGetSignal(id1, id2, &index), "reading input");
    std::vector<int> ports(static_cast<std::size_t>(DvCtrlGetSupportedInputPortCount(id1, id2)));
    if (!ports.empty())
        Check(DvCtrlGetSupportedInputPort(id1, id2, ports.data(), static_cast<int>(ports.size())),
              "reading input ports");
    const int number = static_cast<std::size_t>(index) < ports.size() ? ports[static_cast<std::size_t>(index)] : 0;
    Reading r = Fields({{"port", PortName(number)}, {"number", number}, {"index", index}});
    r.text = fmt::format("{} (port {}, index {})", PortName(number), number, index);
    return r;
}

DvError AutoAdjustAndWait(Id id1, Id id2, int kind) { return DvCtrlSetAutoAdjust(id1, id2, kind, 1); }

DvError ColorDisable(Id id1, Id id2, int value) { return DvCtrlSetColorDisable(id1, id2, value, nullptr, 0); }

DvError Reset(Id id1, Id id2, const std::vector<int>& a) { return DvCtrlReset(id1, id2, a.at(0)); }
DvError EachReset(Id id1, Id id2, const std::vector<int>& a) { return DvCtrlEachReset(id1, id2, a.at(0)); }
DvError CurrentSave(Id id1, Id id2, const std::vector<int>& a) { return DvCtrlCurrentSave(id1, id2, a.at(0), a.at(1)); }

std::vector<Feature> WithPictureFeatures(std::vector<Feature> features) {
    features.insert(features.end(), PictureFeatures().begin(), PictureFeatures().end());
    return features;
}

}  // namespace

const std::vector<Feature>& HandWrittenFeatures() {
    static const std::vector<Feature> features = WithPictureFeatures({
        {"auto-adjust",
         "AutoAdjust",
         "automatic adjustment (set KIND 1 to 4 runs it and waits)",
         {},
         {},
         ValueSet{AutoAdjustAndWait},
         {},
         {},
         "automatic adjustment"},
        {"edid-ddc-write",
         "EDIDDDCWrite",
         "write the EDID to the monitor's DDC and wait until it is done",
         {},
         {},
         {},
         {},
         Command{DvCtrlExecuteEDIDDDCWrite},
         "writing the EDID"},
        {"asset-tag", "AssetTag", "asset tag text", {}, CustomGet{AssetTag, Selector::None}, {}, {}, {}},
        {"enable-asset-tag",
         "EnableAssetTag",
         "asset tag shown (1) or hidden",
         {},
         {},
         ValueSet{DvCtrlSetEnableAssetTag},
         {},
         {}},
        {"key-push-count",
         "KeyPushCount",
         "how often front key N has been pressed",
         {},
         ItemGet{DvCtrlGetKeyPushCount},
         {},
         {},
         {}},
        {"usb-selection",
         "USBSelection",
         "selected USB upstream port",
         {},
         {},
         ValueSet{DvCtrlSetUSBSelection},
         {},
         {}},
        {"color-disable",
         "ColorDisable",
         "colour processing off (1) or on (0)",
         {},
         {},
         ValueSet{ColorDisable},
         {},
         {}},
        {"signal-info-frame",
         "SignalInfoFrame",
         "what the monitor knows of the incoming signal",
         {},
         CustomGet{SignalInfoFrame, Selector::None},
         {},
         {},
         {}},
        {"iis-area", "IISArea", "image-in-image area N", {}, CustomGet{IISArea, Selector::Index}, {}, {}, {}},
        {"front-lut-enabled",
         "FrontLUTEnabled",
         "front LUT in use (1) or passed by (0)",
         Ask{DvCtrlSupportedFrontLUTEnabled, "DvCtrlSupportedFrontLUTEnabled"},
         ValueGet{DvCtrlGetFrontLUTEnabled},
         ValueSet{DvCtrlSetFrontLUTEnabled},
         {},
         {}},
        {"media-emu-selection-at-mode",
         "MediaEmuSelectionAtMode",
         "media emulation that colour mode N uses",
         {},
         ItemGet{DvCtrlGetMediaEmuSelectionAtMode},
         {},
         {},
         {}},
        {"input",
         "Signal",
         "shown input: a port name (dp1, hdmi1, usb-c1, ...) or its index",
         Ask{DvCtrlSupportedPortSelect, "DvCtrlSupportedPortSelect"},
         CustomGet{Input, Selector::None},
         ValueSet{DvCtrlSetSignal},
         {},
         {}},
        {"output-segment-property",
         "OutputSegmentProperty",
         "current properties of output segment N",
         Ask{DvCtrlSupportedOutputSegment, "DvCtrlSupportedOutputSegment"},
         CustomGet{OutputSegmentProperty, Selector::Index},
         {},
         {},
         {}},
        {"output-segment-property-constant",
         "OutputSegmentPropertyConstant",
         "fixed properties of output segment N",
         Ask{DvCtrlSupportedOutputSegment, "DvCtrlSupportedOutputSegment"},
         CustomGet{OutputSegmentPropertyConstant, Selector::Index},
         {},
         {},
         {}},
        {"rgbw-chromaticities",
         "RGBWChromaticities",
         "x, y of the red, green and blue primaries and of white",
         {},
         CustomGet{RGBWChromaticities, Selector::None},
         {},
         {},
         {}},
        {"show-center-cross-marker",
         "ShowCenterCrossMarker",
         "shows the centre cross marker",
         {},
         {},
         {},
         {},
         Command{DvCtrlShowCenterCrossMarker}},
        {"hide-center-cross-marker",
         "HideCenterCrossMarker",
         "hides the centre cross marker",
         {},
         {},
         {},
         {},
         Command{DvCtrlHideCenterCrossMarker}},
        {"clear-target-selection",
         "ClearTargetSelection",
         "clears the target that target-selection calls address",
         Ask{DvCtrlSupportedTargetSelection, "DvCtrlSupportedTargetSelection"},
         {},
         {},
         {},
         Command{DvCtrlClearTargetSelection}},
        {"reset",
         "Reset",
         "resets settings: KIND 1 all settings, 3 the colour adjustment",
         {},
         {},
         {},
         {},
         ArgsCommand{Reset, 1, "KIND"}},
        {"each-reset",
         "EachReset",
         "resets the setting group the monitor numbers VALUE",
         {},
         {},
         {},
         {},
         ArgsCommand{EachReset, 1, "VALUE"}},
        {"current-save",
         "CurrentSave",
         "saves the current settings: KIND 0 to 2 what, VALUE where",
         {},
         {},
         {},
         {},
         ArgsCommand{CurrentSave, 2, "KIND VALUE"}},
    });
    return features;
}

}  // namespace dvc::cli
