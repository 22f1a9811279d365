// Identification end to end: discovery over the virtual monitors of the
// default world, whose profiles carry property-tag and flavor blocks.
#include <gtest/gtest.h>

#include <dvcsim/dvcsim.hpp>

#include "libdvc/dvc_discovery.h"
#include "registry/identification_record.hpp"
#include "registry/registry.hpp"

using dvc::registry::ModelRecord;

namespace {

constexpr const char* kCX = "21409001";
constexpr const char* kOF = "17200455";
constexpr const char* kCG = "23100077";

class IdentifySim : public ::testing::Test {
protected:
    void SetUp() override {
        const auto status = dvc::sim::ActivateWorld("default");
        ASSERT_TRUE(status.ok) << status.message;
    }
    void TearDown() override {
        DvCtrlRelease();
        dvc::sim::DeactivateWorld();
    }

    static void Discover() { ASSERT_EQ(DvCtrlFind(nullptr, 0), 5); }
    static VarnMonitor& Monitor(const char* serial, const char* model) {
        VarnMonitor* m = dvc::registry::Registry::Instance().Find(serial, model);
        EXPECT_NE(m, nullptr) << serial;
        return *m;
    }
    static const ModelRecord& Record(const char* serial, const char* model) {
        const ModelRecord* r = Monitor(serial, model).Record();
        EXPECT_NE(r, nullptr) << serial;
        return *r;
    }
    static dvc::sim::FaultRule TagReadFault(dvc::sim::Link link) {
        dvc::sim::FaultRule rule;
        rule.link = link;
        rule.serial = kCX;
        rule.op = dvc::sim::Op::GetData;
        rule.code = 0x50;
        rule.count = 0;
        return rule;
    }
};

}  // namespace

TEST_F(IdentifySim, TaggedModelFromItsBlocks) {
    Discover();
    const ModelRecord& r = Record(kCX, "CX2740");
    EXPECT_EQ(r.ModeCount(), 6u);
    EXPECT_EQ(r.FeatureMask(), 0x0F8Fu);
    EXPECT_EQ(r.panelRevision, 3);
    EXPECT_EQ(r.usbcAltModePorts, (std::vector<int>{3, 4}));
    EXPECT_EQ(r.flag, 1);
    // From the second built-in table.
    EXPECT_EQ(r.contrastScale, 100u);
    EXPECT_EQ(r.nativeWidth, 2560u);
    EXPECT_FALSE(r.inputPorts.empty());
    EXPECT_EQ(r.lutKinds, (std::vector<int>{1, 2, 3}));

    const auto* flavors = Monitor(kCX, "CX2740").Flavors();
    ASSERT_NE(flavors, nullptr);
    ASSERT_EQ(flavors->entries.size(), 4u);
    EXPECT_EQ(flavors->entries[1].modes, (std::vector<int>{2, 3}));
    EXPECT_EQ(flavors->entries[1].flavor, 2);
    EXPECT_EQ(flavors->entries[1].features[3], 1);
    EXPECT_EQ(flavors->entries[1].features[1], 0);
}

TEST_F(IdentifySim, GradingModelWithGridSensorAndNoLutKinds) {
    Discover();
    const ModelRecord& r = Record(kCG, "CG3180");
    EXPECT_EQ(r.gridCount, 17);
    EXPECT_EQ(r.gridLevels.size(), 17u);
    EXPECT_EQ(r.mediaEmulationCount, 4u);
    EXPECT_EQ(r.sensorRect, (std::array<uint16_t, 4>{1920, 1080, 64, 64}));
    // Its mask marks all three LUT-less bits.
    EXPECT_TRUE(r.lutKinds.empty());
    EXPECT_NE(r.sensorX, 0u);
}

TEST_F(IdentifySim, TaglessModelFromTheTables) {
    Discover();
    VarnMonitor& m = Monitor(kOF, "OF2210");
    EXPECT_EQ(m.Record()->words, dvc::registry::RecordFromTables("OF2210").words);
    EXPECT_EQ(m.Record()->inputPorts, (std::vector<int>{0x100, 0x200}));
    ASSERT_NE(m.Flavors(), nullptr);
    EXPECT_TRUE(m.Flavors()->entries.empty());
    EXPECT_EQ(m.ReadModelRecord(), DvOk);
    EXPECT_EQ(m.ReadFlavorTable(), DvOk);
}

TEST_F(IdentifySim, SecondPathDeliversWhenTheFirstFails) {
    dvc::sim::AddFault(TagReadFault(dvc::sim::Link::HID));
    Discover();
    EXPECT_EQ(Record(kCX, "CX2740").ModeCount(), 6u);
    EXPECT_EQ(Monitor(kCX, "CX2740").ReadModelRecord(), DvOk);
}

TEST_F(IdentifySim, NoPathDeliversTheTablesAreUsed) {
    dvc::sim::AddFault(TagReadFault(dvc::sim::Link::HID));
    dvc::sim::AddFault(TagReadFault(dvc::sim::Link::DDCCI));
    Discover();
    VarnMonitor& m = Monitor(kCX, "CX2740");
    EXPECT_EQ(m.Record()->ModeCount(), 0u);
    EXPECT_EQ(m.Record()->contrastScale, 100u);
    EXPECT_EQ(m.ReadModelRecord(), DvErrFailed);
}
