// The built-in models against the library's feature table.
//
// Criterion: every code of the table is assigned below to the built-in
// models that have it (O = OF2210, older office; C = CX2740, modern;
// G = CG3180, colour grading; M = MX2420, medical), or to none. Each model
// must answer, on at least one of its links, exactly the table codes
// assigned to it, in the form the table's row needs (a readable value, a
// block of the row's length, a count or range in the maximum). A code the
// table does not hold is answered only with a reason listed here. Beyond
// that, what a model claims in its property tags, as the library reads
// them into its model record, must be answered too: picture modes, a 3D
// LUT, a built-in sensor, LUT kinds, USB-C ports, tone data. (The feature
// mask's bits name picture modes, not codes, so they claim nothing here.)
// A new row in the table fails this test until its code is assigned.
#include <ddclink/ddclink.h>
#include <hidlink/hidlink.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "libdvc/libdvc.h"
#include "paths/feature_shapes.hpp"
#include "registry/registry.hpp"
#include "registry/model_record.hpp"
#include "registry/varn_monitor.hpp"
#include "sim_fixture.hpp"
#include "support/registry_seam.hpp"
#include "wire.hpp"

namespace {

using namespace simtest;

// What a table row needs of a code that a model has.
enum class Need { Answer, Value, Block, Length, Maximum };

struct Row {
    std::string name;
    std::vector<uint32_t> codes;
    Need need = Need::Answer;
    uint32_t length = 0;  // Need::Length
};

template <class C>
std::vector<uint32_t> Listed() {
    return {C::kList.begin(), C::kList.end()};
}

std::vector<Row> TableRows() {
    std::vector<Row> rows;
    auto add = [&rows](const char* name, std::vector<uint32_t> codes, Need need, uint32_t length = 0) {
        rows.push_back({name, std::move(codes), need, length});
    };
#define DVC_SUPPORTED(Name, CODES, Doc) add(#Name, Listed<CODES>(), Need::Answer);
#define DVC_SUPPORTED_OUT(Name, Primitive, CODES, Doc) add(#Name, Listed<CODES>(), Need::Answer);
#define DVC_SUPPORTED_KEPT(Name, Primitive, CODES, Doc) add(#Name, Listed<CODES>(), Need::Answer);
#define DVC_RANGE_OLD(Name, Rule, Code, Primitive, RefuseNull, Doc) add(#Name, {Code}, Need::Maximum);
#define DVC_RANGE_CHANNELS(Name, Primitive, T, CODES, Doc) add(#Name, Listed<CODES>(), Need::Answer);
#define DVC_RANGE_FIXED(Name, Rule, CODES, Doc) add(#Name, Listed<CODES>(), Need::Maximum);
#define DVC_VALUE_GET(Name, Rule, Read, CODES, Doc) add(#Name, Listed<CODES>(), Need::Value);
#define DVC_VALUE_SET(Name, Rule, Switch, CODES, Doc) add(#Name, Listed<CODES>(), Need::Answer);
#define DVC_COMMAND(Name, Rule, Code, Value, Doc) add(#Name, {Code}, Need::Answer);
#define DVC_VALUE_COPY(Name, Rule, From, To, Doc) add(#Name, {From, To}, Need::Value);
#define DVC_FORWARD_GET(Name, Rule, Code, Primitive, Doc) add(#Name, {Code}, Need::Answer);
#define DVC_FORWARD_SET(Name, Rule, Code, Primitive, Doc) add(#Name, {Code}, Need::Answer);
#define DVC_FORWARD_GET_XY(Name, Rule, Code, Primitive, Doc) add(#Name, {Code}, Need::Answer);
#define DVC_FORWARD_SET_XY(Name, Rule, Code, Primitive, Doc) add(#Name, {Code}, Need::Answer);
#define DVC_CHANNEL_GET(Name, Rule, Primitive, CODES, Doc) add(#Name, Listed<CODES>(), Need::Answer);
#define DVC_CHANNEL_SET(Name, Rule, Primitive, CODES, Doc) add(#Name, Listed<CODES>(), Need::Answer);
#define DVC_FIXED_MAX_GET(Name, Rule, Code, Doc) add(#Name, {Code}, Need::Maximum);
#define DVC_FIXED_MAX_COUNT(Name, Code, Doc) add(#Name, {Code}, Need::Maximum);
#define DVC_FIXED_LENGTH_GET(Name, Rule, Code, Doc) add(#Name, {Code}, Need::Block);
#define DVC_BLOCK_VALUE_GET(Name, Rule, Code, Doc) add(#Name, {Code}, Need::Block);
#define DVC_BLOCK_VALUE_SET(Name, Rule, Code, Doc) add(#Name, {Code}, Need::Block);
#define DVC_BLOCK_FIELD_GET(Name, Rule, Code, Offset, Width, Doc) add(#Name, {Code}, Need::Length, (Offset) + (Width));
#define DVC_BLOCK_FIELD_SET(Name, Rule, Code, Offset, Width, Switch, Doc) \
    add(#Name, {Code}, Need::Length, (Offset) + (Width));
#define DVC_BLOCK_ITEM_GET(Name, Rule, Code, Width, Doc) add(#Name, {Code}, Need::Block);
#define DVC_BLOCK_ITEM_SET(Name, Rule, Code, Width, Doc) add(#Name, {Code}, Need::Block);
#define DVC_BLOCK_RAW_GET(Name, Rule, Code, Doc) add(#Name, {Code}, Need::Block);
#define DVC_BLOCK_RAW_SET(Name, Rule, Code, Doc) add(#Name, {Code}, Need::Block);
#define DVC_BLOCK_FIXED_GET(Name, Rule, Code, Bytes, Doc) add(#Name, {Code}, Need::Length, Bytes);
#define DVC_BLOCK_FIXED_SET(Name, Rule, Code, Bytes, Doc) add(#Name, {Code}, Need::Length, Bytes);
#define DVC_BLOCK_XY_GET(Name, Rule, Code, Pairs, Doc) add(#Name, {Code}, Need::Length, 4 * (Pairs));
#define DVC_BLOCK_XY_SET(Name, Rule, Code, Pairs, Doc) add(#Name, {Code}, Need::Length, 4 * (Pairs));
#include "paths/feature_table.def"
    return rows;
}

struct Group {
    const char* models;
    std::vector<uint32_t> codes;
};

// Which models have each code of the table.
const Group kGroups[] = {
    {"OCGM",  // every model: basic VESA-like controls and the settings word
     {0x1, 0x40, 0x4A, 0x4C, 0x52, 0x66, 0x6F, 0x71, 0x8A, 0x8B, 0x8C, 0x9D, 0xB5, 0xB6}},
    {"CGM",  // the current firmware: power and energy, keys and OSD, inputs, signal description
     {0x2, 0x22, 0x4B, 0x4E, 0x4F, 0x51, 0x59, 0x6E, 0x70, 0x78, 0x7A, 0x82, 0xAA, 0xFF0000D3, 0xFF0000D4,
      0xFF0000D8, 0xFF010054, 0xFF010068, 0xFF01006D, 0xFF01006E, 0xFF01006F, 0xFF010115, 0xFF01010A}},
    {"O", {0x3, 0x24, 0x3C, 0x3D, 0x8D}},  // analog input: auto adjust, clock, phase, position; gamma on 0x24
    {"OC", {0x6A}},
    {"C",  // picture-by-picture, audio, USB hub and KVM, Thriftlux, direction sensor, front keys
     {0x6, 0x5B, 0x6B, 0xAB, 0xAD, 0xB0, 0xB2, 0xBB, 0xBC, 0xBD, 0xFF010031, 0xFF010057, 0xFF010072, 0xFF010073,
      0xFF010074, 0xFF010075, 0xFF0100F9, 0xFF0100FA, 0xFF0100FB, 0xFF010101, 0xFF010112, 0xFF100030, 0xFF100045}},
    {"CG", {0x44, 0x45, 0x46, 0xFF01004F, 0xFF010060, 0xFF020037}},  // chromaticity, gamut, signal information, EDID
    {"CM", {0xFF010100}},                                             // target selection
    {"G",  // grading: areas, segments, HDR and HLG, matrices, 3D LUT, tone curve, patches, rollbacks
     {0x21, 0x32, 0x77, 0xFF0000D9, 0xFF0000F5, 0xFF0000F6, 0xFF0000F7, 0xFF0000F8, 0xFF01003B, 0xFF010049,
      0xFF010050, 0xFF010051, 0xFF010052, 0xFF010064, 0xFF01006B, 0xFF01006C, 0xFF0100B0, 0xFF0100C6, 0xFF0100C7,
      0xFF0100CA, 0xFF0100CE, 0xFF010103, 0xFF01010B, 0xFF010110, 0xFF010114, 0xFF010117, 0xFF01011A, 0xFF01011B,
      0xFF01011E, 0xFF01011F, 0xFF010120, 0xFF02001F, 0xFF02002B, 0xFF020047, 0xFF020048, 0xFF0200DD}},
    {"GM",  // calibrated luminance, uniformity correction, factory luminance, calibration alert
     {0x58, 0xFF01005D, 0xFF010065, 0xFF010066, 0xFF010067, 0xFF010069, 0xFF01009D, 0xFF010109, 0xFF02000E,
      0xFF020049, 0xFF020055}},
    {"M",  // reading room: sensors, wall light, dimmer, quality checks, backlight booster, emergency power
     {0x5C, 0x5E, 0xFF0000C5, 0xFF010056, 0xFF010061, 0xFF010076, 0xFF010077, 0xFF0100C5, 0xFF0100FD, 0xFF010113,
      0xFF010119, 0xFF01011D, 0xFF010121, 0xFF230020, 0xFF230021}},
    {"",  // no built-in model: the second-generation automatic Thriftlux block is newer than all of them
     {0xFF010078}},
};

// Codes outside the table that the models answer, and why.
const std::pair<std::vector<uint32_t>, const char*> kOutsideTable[] = {
    {{0x0, 0xFF0100DF}, "colour temperature (preset and kelvin: conversions of their own)"},
    {{0x88, 0x89}, "brightness and contrast (ratio conversions)"},
    {{0x11, 0x50, 0xFF0000F1, 0xFF0000F3}, "identification, property tags, flavors, current colour mode"},
    {{0x12, 0x13, 0xFF000047, 0xFF0000E5}, "asset tag, usage time, unique device identifier"},
    {{0x18, 0x19, 0x72, 0x73, 0x1B, 0x1C}, "LUT blocks (two select/data pairs), 10-bit LUT and tone data"},
    {{0x47, 0xB9, 0xBA}, "white chromaticity and EDID pages (read with the primaries)"},
    {{0x3B, 0x74, 0x75, 0x99, 0x9A, 0xB8}, "cross marker, save and reset kinds, input switch, monitor mutex"},
    {{0x57, 0x5A}, "calibration execution time, self-calibration record"},
    {{0xFF00004E, 0xFF00004F, 0xFF000077, 0xFF000078, 0xFF01009B, 0xFF01009C, 0xFF1000F0},
     "self-QC, correlation sensor and built-in sensor"},
    {{0xFF0100CF, 0xFF010104, 0xFF010105, 0xFF010108, 0xFF0200DC},
     "colour reset pulse, output segment records, generic reports, gain definition request"},
    {{0xFF0200C2, 0xFF0200C3, 0xFF0200C4, 0xFF0200C7, 0xFF0200FD, 0xFF0200FE}, "tagged storage"},
};

bool OutsideWithReason(uint32_t code) {
    for (const auto& [codes, reason] : kOutsideTable)
        if (std::find(codes.begin(), codes.end(), code) != codes.end()) return true;
    return false;
}

struct Model {
    char letter;
    const char* serial;
    const char* name;
};
constexpr Model kModels[] = {{'O', kOF1, "OF2210"}, {'C', kCX, "CX2740"}, {'G', kCG, "CG3180"}, {'M', kMX, "MX2420"}};

class ProfileCoverage : public WorldTest {
protected:
    void SetUp() override {
        dvc::test::ResetLibrary();
        Activate();
        Relink();
    }
    // Links to every model: DDC/CI type 0 reaches all but the MX2420, which
    // answers on type 1 (after the CG3180).
    void Relink() {
        ASSERT_EQ(DvDDCCISetCommunicationType(0), 0);
        ASSERT_EQ(DvDDCCIFind(), 4);
        ASSERT_EQ(DvHIDFind(), 3);
        wires['O'] = {Wire{false, 1}};
        wires['C'] = {Wire{false, 0}, Wire{true, HidHandleOf(kCX)}};
        wires['G'] = {Wire{false, 3}, Wire{true, HidHandleOf(kCG)}};
        wires['M'] = {Wire{true, HidHandleOf(kMX)}};
    }
    void TearDown() override {
        DvHIDRelease();
        DvDDCCIRelease();
        DvDDCCISetCommunicationType(0);
        WorldTest::TearDown();
    }

    // The links of a model that answer `code`.
    std::vector<Wire> Answering(char model, uint32_t code) {
        std::vector<Wire> out;
        for (const Wire& w : wires[model])
            if (w.Supported(code)) out.push_back(w);
        if (model == 'M') {  // its DDC/CI link is on type 1
            DvDDCCISetCommunicationType(1);
            DvDDCCIFind();
            if (Wire{false, 1}.Supported(code)) out.push_back(Wire{false, 1});
            DvDDCCISetCommunicationType(0);
            DvDDCCIFind();
        }
        return out;
    }

    static bool Meets(const Wire& w, uint32_t code, Need need, uint32_t length) {
        int32_t max = 0;
        uint32_t have = 0;
        if (!w.Fixed(code, max, have)) return false;
        Bytes bytes;
        switch (need) {
            case Need::Answer: return true;
            case Need::Value: {
                uint32_t v = 0;
                return (w.hid ? DvHIDGetValue(w.target, code, &v) : DvDDCCIGetValue(w.target, code, &v)) == 0;
            }
            case Need::Block: return have > 0 && have <= 4096;
            case Need::Length: return have >= length && have <= 4096;
            case Need::Maximum: return max > 0;
        }
        return false;
    }

    std::map<char, std::vector<Wire>> wires;
};

std::map<uint32_t, std::string> Assigned() {
    std::map<uint32_t, std::string> out;
    for (const Group& g : kGroups)
        for (uint32_t code : g.codes) {
            EXPECT_EQ(out.count(code), 0u) << std::hex << "0x" << code << " is in two groups";
            out[code] = g.models;
        }
    return out;
}

TEST_F(ProfileCoverage, EveryTableCodeIsAssignedAndAnsweredExactlyByItsModels) {
    const auto assigned = Assigned();
    std::set<uint32_t> table;
    for (const Row& row : TableRows()) table.insert(row.codes.begin(), row.codes.end());
    ASSERT_GT(table.size(), 100u);
    for (uint32_t code : table) {
        auto it = assigned.find(code);
        if (it == assigned.end()) {
            ADD_FAILURE() << std::hex << "table code 0x" << code << " is not assigned to any group";
            continue;
        }
        for (const Model& m : kModels) {
            const bool should = it->second.find(m.letter) != std::string::npos;
            EXPECT_EQ(!Answering(m.letter, code).empty(), should)
                << m.name << (should ? " lacks" : " answers") << std::hex << " 0x" << code;
        }
    }
    for (const auto& [code, models] : assigned)
        EXPECT_TRUE(table.count(code)) << std::hex << "0x" << code << " is assigned but no longer in the table";
}

TEST_F(ProfileCoverage, AnsweredCodesHaveTheFormTheirRowNeeds) {
    const auto assigned = Assigned();
    for (const Row& row : TableRows()) {
        for (uint32_t code : row.codes) {
            auto it = assigned.find(code);
            if (it == assigned.end()) continue;
            for (const Model& m : kModels) {
                if (it->second.find(m.letter) == std::string::npos) continue;
                const auto links = Answering(m.letter, code);
                const bool met = std::any_of(links.begin(), links.end(),
                                             [&](const Wire& w) { return Meets(w, code, row.need, row.length); });
                EXPECT_TRUE(met) << m.name << ": " << row.name << std::hex << " on 0x" << code;
            }
        }
    }
}

TEST_F(ProfileCoverage, CodesOutsideTheTableHaveAReason) {
    std::set<uint32_t> table;
    for (const Row& row : TableRows()) table.insert(row.codes.begin(), row.codes.end());
    for (const dvcsim::MonitorInfo& m : dvcsim::Monitors())
        for (dvcsim::Link link : {dvcsim::Link::DDCCI, dvcsim::Link::HID})
            for (uint32_t code : dvcsim::FeatureCodes(m.serial, link))
                EXPECT_TRUE(table.count(code) || OutsideWithReason(code))
                    << m.model << " answers 0x" << std::hex << code << " outside the table without a reason";
}

// What the property tags claim, read by the library's own identification.
TEST_F(ProfileCoverage, WhatThePropertyTagsClaimIsAnswered) {
    std::map<char, dvc::registry::ModelRecord> records;
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 5);
    for (const Model& m : kModels) {
        const VarnMonitor* monitor = dvc::registry::Registry::Instance().Find(m.serial, m.name);
        ASSERT_NE(monitor, nullptr) << m.name;
        ASSERT_NE(monitor->Record(), nullptr) << m.name;
        records[m.letter] = *monitor->Record();
    }
    DvCtrlRelease();
    Relink();
    for (const Model& m : kModels) {
        if (Answering(m.letter, 0x50).empty()) continue;  // a record from the built-in tables claims nothing
        const dvc::registry::ModelRecord& record = records[m.letter];
        auto has = [&](uint32_t code) { return !Answering(m.letter, code).empty(); };
        if (record.ModeCount() > 0) {
            EXPECT_TRUE(has(0xFF0000F1)) << m.name << ": picture modes without a flavor block";
            EXPECT_TRUE(has(0xFF0000F3)) << m.name << ": picture modes without the current mode";
        }
        if (record.gridCount != 0) {
            EXPECT_TRUE(has(0xFF0100B0)) << m.name << ": 3D LUT";
        }
        if (record.sensorRect[2] != 0) {
            EXPECT_TRUE(has(0xFF1000F0)) << m.name << ": sensor rectangle without a sensor";
        }
        if (!record.lutKinds.empty()) {
            EXPECT_TRUE((has(0x18) && has(0x19)) || (has(0x72) && has(0x73))) << m.name << ": LUT kinds without LUT blocks";
        }
        if (!record.usbcAltModePorts.empty()) {
            EXPECT_TRUE(has(0xFF010073)) << m.name << ": USB-C ports";
        }
        if (record.Word(dvc::registry::word::kLutFlags) & 2) {
            EXPECT_TRUE(has(0x1B) && has(0x1C)) << m.name << ": tone data";
        }
    }
    EXPECT_GT(records['G'].gridCount, 0) << "the grading model claims a 3D LUT";
    EXPECT_FALSE(records['M'].lutKinds.empty()) << "the medical model claims LUT kinds";
}

}  // namespace
