// The exports answered from the model record, through the call frame.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "libdvc/dvc_model.h"
#include "registry/derived_tables.hpp"
#include "support/registry_seam.hpp"

using dvc::registry::FlavorEntry;
using dvc::registry::FlavorTable;
using dvc::registry::ModelRecord;

namespace {

constexpr const char* kSerial = "S0000001";
constexpr const char* kModel = "ZZ1000";

class ModelExports : public ::testing::Test {
protected:
    void SetUp() override { dvc::test::SeedMonitors({{kSerial, kModel}}); }
    void TearDown() override { dvc::test::ResetLibrary(); }

    VarnMonitor& Monitor() { return *dvc::registry::Registry::Instance().Find(kSerial, kModel); }
    ModelRecord& Record() {
        if (Monitor().Record() == nullptr) Monitor().SetRecord(std::make_unique<ModelRecord>());
        return const_cast<ModelRecord&>(*Monitor().Record());
    }
    void SetFlavors(std::vector<FlavorEntry> entries) {
        auto table = std::make_unique<FlavorTable>();
        table->model = kModel;
        table->entries = std::move(entries);
        Monitor().SetFlavors(std::move(table));
    }
};

}  // namespace

TEST_F(ModelExports, ModeAndMediaEmulationCounts) {
    Record().words[47] = 5;
    Record().mediaEmulationCount = 3;
    EXPECT_EQ(DvCtrlGetModeCount(kSerial, kModel), 5);
    EXPECT_EQ(DvCtrlGetMediaEmuCount(kSerial, kModel), 3);
    EXPECT_EQ(DvCtrlGetModeCount(kSerial, "nope"), 0);
    EXPECT_EQ(DvCtrlGetModeCount(nullptr, kModel), 0);
}

TEST_F(ModelExports, GammaEnumerationsWalkTheTable) {
    Record().words[28] = (1u << 4) | (1u << 8) | (1u << 29);
    Record().words[46] = 1u << 31;
    std::vector<double> values;
    std::vector<int> indices;
    double g = 0;
    int i = 0;
    for (int n = 0; DvCtrlEnumGamma(kSerial, kModel, n, &g) == DvOk; ++n) values.push_back(g);
    for (int n = 0; DvCtrlEnumGammaIndex(kSerial, kModel, n, &i) == DvOk; ++n) indices.push_back(i);
    ASSERT_EQ(values.size(), 4u);
    EXPECT_DOUBLE_EQ(values[0], 1.8);
    EXPECT_DOUBLE_EQ(values[1], 2.2);
    EXPECT_DOUBLE_EQ(values[2], -2.0);
    EXPECT_DOUBLE_EQ(values[3], -3.0);
    // Codes below 208 export as code + 1; 253 and 273 as they are.
    EXPECT_EQ(indices, (std::vector<int>{5, 9, 253, 273}));
    EXPECT_EQ(DvCtrlEnumGamma(kSerial, kModel, 4, &g), DvErrNoMoreItems);
    EXPECT_EQ(DvCtrlEnumGamma(kSerial, kModel, -1, &g), DvErrNoMoreItems);
    EXPECT_EQ(DvCtrlEnumGammaIndex(kSerial, kModel, 0, nullptr), DvErrInvalidParameter);
}

TEST_F(ModelExports, LutNamesFollowTheGammaEnumeration) {
    Record().words[6] = (1u << 0) | (1u << 1);
    Record().words[46] = 1u << 31;  // code 273
    std::vector<std::string> names;
    ASSERT_EQ(Monitor().LutNames(names), DvOk);
    ASSERT_EQ(names.size(), 23u);
    EXPECT_EQ(names[0], "LUT000");
    EXPECT_EQ(names[1], "LUT001");
    EXPECT_EQ(names[2], "LUT100");
    EXPECT_EQ(Monitor().AicNames(names), DvErrNotSupported);
}

TEST_F(ModelExports, ColourTemperatureValuesUnconverted) {
    Record().valueList = {5000, 6500, 0xFF01};
    std::vector<int> got;
    int v = 0;
    for (int n = 0; DvCtrlEnumColorTemperature(kSerial, kModel, n, &v) == DvOk; ++n) got.push_back(v);
    EXPECT_EQ(got, (std::vector<int>{5000, 6500, 0xFF01}));
    EXPECT_EQ(DvCtrlEnumColorTemperature(kSerial, kModel, 3, &v), DvErrNoMoreItems);
}

TEST_F(ModelExports, WithoutRecordTheTablesFailToLoad) {
    double g = 0;
    int v = 0;
    EXPECT_EQ(DvCtrlEnumGamma(kSerial, kModel, 0, &g), DvErrFailed);
    EXPECT_EQ(DvCtrlEnumColorTemperature(kSerial, kModel, 0, &v), DvErrFailed);
    EXPECT_EQ(DvCtrlGetModeCount(kSerial, kModel), 0);
    EXPECT_EQ(DvCtrlGetSupportedInputPort(kSerial, kModel, &v, 1), DvErrFailed);
}

TEST_F(ModelExports, NativeLutDepthAndPanelRevision) {
    int depth = 0;
    Record();
    EXPECT_EQ(DvCtrlGetNativeLUTBitDepth(kSerial, kModel, &depth), DvErrNotSupported);
    EXPECT_EQ(depth, -1);
    Record().words[3] = 10;
    EXPECT_EQ(DvCtrlGetNativeLUTBitDepth(kSerial, kModel, &depth), DvOk);
    EXPECT_EQ(depth, 10);
    EXPECT_EQ(DvCtrlGetNativeLUTBitDepth(kSerial, kModel, nullptr), DvErrInvalidParameter);
    Record().panelRevision = 0x0102;
    int revision = 0;
    EXPECT_EQ(DvCtrlGetPanelRevision(kSerial, kModel, &revision), DvOk);
    EXPECT_EQ(revision, 0x0102);
    EXPECT_EQ(DvCtrlGetPanelRevision(kSerial, kModel, nullptr), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetPanelRevision("S9", kModel, &revision), DvErrFailed);
}

TEST_F(ModelExports, FlavorQueriesCheckTheListThenTheIndex) {
    int out = 77;
    int flags[32];
    EXPECT_EQ(DvCtrlGetPresetFlavor(kSerial, kModel, 0, &out), DvErrNotSupported);
    SetFlavors({});
    EXPECT_EQ(DvCtrlGetPresetFlavor(kSerial, kModel, 0, &out), DvErrNotSupported);
    EXPECT_EQ(DvCtrlEnumSupportedFlavor(kSerial, kModel, 0, 0, &out), DvErrNotSupported);
    EXPECT_EQ(DvCtrlGetSupportedFeature(kSerial, kModel, 0, flags), DvErrNotSupported);

    FlavorEntry entry;
    entry.modes = {1, 3};
    entry.flavor = 3;
    entry.features[0] = entry.features[1] = 1;
    SetFlavors({entry});
    EXPECT_EQ(DvCtrlGetPresetFlavor(kSerial, kModel, 0, &out), DvOk);
    EXPECT_EQ(out, 3);
    EXPECT_EQ(DvCtrlGetPresetFlavor(kSerial, kModel, 1, &out), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlGetPresetFlavor(kSerial, kModel, -1, &out), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlEnumSupportedFlavor(kSerial, kModel, 0, 1, &out), DvOk);
    EXPECT_EQ(out, 3);
    EXPECT_EQ(DvCtrlEnumSupportedFlavor(kSerial, kModel, 0, 2, &out), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlEnumSupportedFlavor(kSerial, kModel, 1, 0, &out), DvErrInvalidParameter);
    std::fill(std::begin(flags), std::end(flags), 9);
    EXPECT_EQ(DvCtrlGetSupportedFeature(kSerial, kModel, 0, flags), DvOk);
    for (int k = 0; k < 32; ++k) EXPECT_EQ(flags[k], k < 2 ? 1 : 0) << k;
    EXPECT_EQ(DvCtrlGetSupportedFeature(kSerial, kModel, 0, nullptr), DvErrInvalidParameter);
}

TEST_F(ModelExports, SupportedInputPortsExportTheirNumbers) {
    Record().inputPorts = {0x100, 0x301, 0x502, 0xA10, 0x600};
    EXPECT_EQ(DvCtrlGetSupportedInputPortCount(kSerial, kModel), 5);
    int ports[6] = {-1, -1, -1, -1, -1, -1};
    EXPECT_EQ(DvCtrlGetSupportedInputPort(kSerial, kModel, ports, 6), DvOk);
    EXPECT_EQ(std::vector<int>(ports, ports + 6), (std::vector<int>{10, 31, 52, 2576, 0, -1}));
    int two[3] = {-1, -1, -1};
    EXPECT_EQ(DvCtrlGetSupportedInputPort(kSerial, kModel, two, 2), DvOk);
    EXPECT_EQ(std::vector<int>(two, two + 3), (std::vector<int>{10, 31, -1}));
    EXPECT_EQ(DvCtrlGetSupportedInputPort(kSerial, kModel, nullptr, 0), DvOk);
    EXPECT_EQ(DvCtrlGetSupportedInputPort(kSerial, kModel, nullptr, 2), DvErrInvalidParameter);
}
