// DvCtrlFind and its kind lists, merging, ordering and identification,
// through the real transports and virtual monitors.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "registry/discovery_world.hpp"

using dvc::test::DiscoveryWorld;
using dvc::sim::Link;
using dvc::sim::Op;
namespace t = dvc::test;

using Discovery = DiscoveryWorld;

TEST_F(Discovery, DefaultWorldMergesTheDualLinkMonitorHidFirst) {
    Activate();
    const int kinds[] = {0, 1};
    for (const int count : {0, 2}) {  // the default, then the same kinds named
        dvc::sim::ClearTransactions();
        ASSERT_EQ(DvCtrlFind(count == 0 ? nullptr : kinds, count), 5);
        EXPECT_EQ(Registered(), (std::vector<std::string>{"17200455/OF2210", "17200456/OF2210", "21409001/CX2740",
                                                         "22050012/MX2420", "23100077/CG3180"}));
        EXPECT_EQ(PathKinds(t::kDual, "CX2740"), (std::vector<int>{0, 1}));
        EXPECT_EQ(FirstKind(t::kDual, "CX2740"), 0);
        EXPECT_EQ(FirstKind(t::kOffice1, "OF2210"), 1);
        EXPECT_EQ(PathKinds(t::kMedical, "MX2420"), (std::vector<int>{0}));  // its DDC/CI speaks type 1 only
        const auto types = Log(Op::SetCommunicationType);
        ASSERT_EQ(types.size(), 1u);
        EXPECT_EQ(types[0].code, 0u);
    }
}

TEST_F(Discovery, FirstDdcciTypeNamedWinsAndOrdersThePaths) {
    Activate();
    const int kinds[] = {2, 1, 0};
    ASSERT_EQ(DvCtrlFind(kinds, 3), 3);
    EXPECT_EQ(Registered(), (std::vector<std::string>{"21409001/CX2740", "22050012/MX2420", "23100077/CG3180"}));
    const auto types = Log(Op::SetCommunicationType);
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0].code, 1u);
    EXPECT_EQ(PathKinds(t::kGrading, "CG3180"), (std::vector<int>{1, 0}));
    EXPECT_EQ(FirstKind(t::kGrading, "CG3180"), 2);
    EXPECT_EQ(FirstKind(t::kDual, "CX2740"), 0);
}

TEST_F(Discovery, RepeatedKindRunsOneDiscovery) {
    Activate();
    const int kinds[] = {1, 1, 1};
    ASSERT_EQ(DvCtrlFind(kinds, 3), 4);
    std::size_t ddcciFinds = 0, hidFinds = 0;
    for (const auto& tx : Log(Op::Find)) (tx.link == Link::DDCCI ? ddcciFinds : hidFinds)++;
    EXPECT_EQ(ddcciFinds, 1u);
    EXPECT_EQ(hidFinds, 0u);
}

TEST_F(Discovery, UnknownKindDiscoversNothingAndDropsEverything) {
    Activate();
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 5);
    dvc::sim::ClearTransactions();
    const int kinds[] = {5};
    EXPECT_EQ(DvCtrlFind(kinds, 1), 0);
    EXPECT_EQ(DvCtrlGetNumMonitors(), 0);
    EXPECT_TRUE(Log(Op::Find).empty());
    EXPECT_EQ(Log(Op::Release).size(), 2u);  // the previous paths were given back
    int kind = 7;
    EXPECT_EQ(DvCtrlGetCommunicationPath(t::kDual, "CX2740", &kind), DvErrFailed);
    EXPECT_EQ(kind, -1);
}

// Each link of MERGE001 names the model its own way; only padding is
// forgiven. ORDER002 sorts before ORDER010, and a shorter model name before
// a longer one that it begins.
TEST_F(Discovery, PairsMergeOnlyWhenEqualAfterPaddingAndSortByteWise) {
    ActivateJson(R"({
      "profiles": {"p": {"model": "Dual Model", "features": {}}},
      "monitors": [
        {"serial": "ORDER010", "profile": "p", "links": {"ddcci": true}},
        {"serial": "MERGE001", "profile": "p",
         "links": {"ddcci": {"padding": "   "}, "hid": {"padding": "\u0000\u0000"}}},
        {"serial": "MERGE002", "profile": "p", "links": {"ddcci": true, "hid": true},
         "features": {"0x11": {"kind": "identification",
                              "hid": {"kind": "data", "data": {"text": "MERGE002dual model"}, "readonly": true}}}},
        {"serial": "MERGE003", "profile": "p", "links": {"ddcci": true, "hid": true},
         "features": {"0x11": {"kind": "identification",
                              "hid": {"kind": "data", "data": {"text": "MERGE003Dual"}, "readonly": true}}}},
        {"serial": "ORDER002", "profile": "p", "links": {"hid": true}}
      ]})");
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 7);
    EXPECT_EQ(Registered(), (std::vector<std::string>{"MERGE001/Dual Model", "MERGE002/Dual Model",
                                                     "MERGE002/dual model", "MERGE003/Dual",
                                                     "MERGE003/Dual Model", "ORDER002/Dual Model",
                                                     "ORDER010/Dual Model"}));
    EXPECT_EQ(PathKinds("MERGE001", "Dual Model"), (std::vector<int>{0, 1}));
    EXPECT_EQ(FirstKind("MERGE002", "Dual Model"), 1);
    EXPECT_EQ(FirstKind("MERGE002", "dual model"), 0);
}

TEST_F(Discovery, ShortIdentificationBlockIsSkippedOnBothLinks) {
    ActivateJson(R"({
      "profiles": {"p": {"model": "Short", "features": {}}},
      "monitors": [
        {"serial": "GOOD0001", "profile": "p", "links": {"ddcci": true, "hid": true}},
        {"serial": "SHORT001", "profile": "p", "links": {"ddcci": true, "hid": true},
         "features": {"0x11": {"data": [83, 72, 79, 82, 84], "readonly": true}}}
      ]})");
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 1);
    EXPECT_EQ(Registered(), (std::vector<std::string>{"GOOD0001/Short"}));
    EXPECT_EQ(PathKinds("GOOD0001", "Short"), (std::vector<int>{0, 1}));
}

// A transport that fails half-way through discovery costs only the
// monitors it could not identify; what is registered is whole and usable.
TEST_F(Discovery, TransportFailingMidwayLeavesAConsistentRegistry) {
    Activate();
    dvc::sim::FaultRule identification;
    identification.link = Link::DDCCI;
    identification.op = Op::GetData;
    identification.code = 0x11;
    identification.skip = 1;  // the second monitor's block
    dvc::sim::AddFault(identification);
    dvc::sim::FaultRule size;
    size.link = Link::HID;
    size.op = Op::GetFixedData;
    size.code = 0x11;
    size.skip = 2;  // the third device's block size
    dvc::sim::AddFault(size);
    dvc::sim::FaultRule tags;  // identification of the monitors
    tags.op = Op::GetData;
    tags.code = 0x50;
    tags.count = 0;
    dvc::sim::AddFault(tags);

    const int found = DvCtrlFind(nullptr, 0);
    const auto registered = Registered();
    EXPECT_EQ(found, 3);
    EXPECT_EQ(static_cast<int>(registered.size()), found);
    EXPECT_EQ(DvCtrlGetNumMonitors(), found);
    for (const auto& entry : registered) {
        const auto slash = entry.find('/');
        const std::string serial = entry.substr(0, slash), model = entry.substr(slash + 1);
        int kind = -1;
        EXPECT_EQ(DvCtrlGetCommunicationPath(serial.c_str(), model.c_str(), &kind), DvOk) << entry;
        EXPECT_FALSE(PathKinds(serial, model).empty()) << entry;
        EXPECT_NE(dvc::registry::Registry::Instance().Find(serial, model)->Record(), nullptr) << entry;
    }

    dvc::sim::ClearFaults();
    EXPECT_EQ(DvCtrlFind(nullptr, 0), 5);
}

TEST_F(Discovery, ReleaseEmptiesTheRegistryAndGivesThePathsBack) {
    Activate();
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 5);
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlRelease(), DvOk);
    EXPECT_EQ(DvCtrlGetNumMonitors(), 0);
    EXPECT_EQ(Log(Op::Release).size(), 2u);
    char serial[9], model[17];
    EXPECT_EQ(DvCtrlGetSerialProduct(0, serial, model), DvErrFailed);
    uint32_t handle = 0;
    EXPECT_EQ(DvCtrlGetHIDHandle(t::kDual, "CX2740", &handle), DvErrFailed);
    EXPECT_EQ(DvCtrlRelease(), DvOk);
}

class DiscoveryWithFile : public DiscoveryWorld {
protected:
    void TearDown() override {
        std::filesystem::remove(file_);
        DiscoveryWorld::TearDown();
    }
    std::string Write(const std::string& text) {
        file_ = std::filesystem::temp_directory_path() /
                ("dvc_find_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::ofstream(file_) << text;
        return file_.string();
    }
    std::filesystem::path file_;
};

TEST_F(DiscoveryWithFile, KindsComeFromTheKeyLine) {
    Activate();
    const std::string path = Write("# which paths\nCommunicationPath = 2 , 0\nCommunicationPath = 1\n");
    EXPECT_EQ(DvCtrlFindWithFile(path.c_str()), 3);
    EXPECT_EQ(FirstKind(t::kGrading, "CG3180"), 2);
}

TEST_F(DiscoveryWithFile, MissingFileOrNoAcceptedKindGivesTheDefault) {
    Activate();
    EXPECT_EQ(DvCtrlFindWithFile("/nonexistent/libdvc_setting"), 5);
    EXPECT_EQ(DvCtrlFindWithFile(Write("CommunicationPath = 3, x\n").c_str()), 5);
    EXPECT_EQ(DvCtrlFindWithFile(nullptr), 5);  // nothing beside the test program
}
