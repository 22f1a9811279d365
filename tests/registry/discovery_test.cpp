// Discovery through the public exports on the virtual monitors: kind lists,
// merging of paths, rediscovery, release, the settings file, monitors added
// and removed by handle, and monitors that fail to identify themselves.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "hidlink/hidlink.h"
#include "platform/executable_path.hpp"
#include "registry/discovery.hpp"
#include "registry/registry_world.hpp"
#include "registry/settings_file.hpp"

<<<<<<< HEAD
using dvc::test::DiscoveryWorld;
using dvc::sim::Link;
using dvc::sim::Op;
namespace t = dvc::test;
=======
using dvc::sim::Link;
using dvc::sim::Op;
using namespace dvc::test;
using Discovery = RegistryWorld;
>>>>>>> tests-registry

TEST(KindList, DefaultsDuplicatesOneDdcciTypeAndUnknownKinds) {
    const struct {
        std::vector<int> kinds;  // empty: a null array
        int count;
        std::vector<int> list;
    } rows[] = {{{}, 0, {0, 1}},        {{}, 3, {0, 1}},     {{2}, 0, {0, 1}},          {{2}, -4, {0, 1}},
                {{1, 1, 1}, 3, {1}},    {{1, 2}, 2, {1}},    {{2, 1, 0}, 3, {2, 0}},    {{0, 2, 0, 1}, 4, {0, 2}},
                {{1, 0, 2}, 1, {1}},    {{5, -1, 5, 0}, 4, {5, -1, 0}}};
    for (const auto& row : rows) {
        EXPECT_EQ(dvc::registry::BuildKindList(row.kinds.empty() ? nullptr : row.kinds.data(), row.count), row.list)
            << ::testing::PrintToString(row.kinds) << " count " << row.count;
    }
}

// Each discovery starts afresh; paths of one monitor join in the order of the kinds.
TEST_F(Discovery, KindsPickTheTransportsAndPathsMergeInDiscoveryOrder) {
    Activate();
<<<<<<< HEAD
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
=======
    const struct {
        std::vector<int> kinds;
        Serials found;
        int ddcciType;  // the communication type set, -1 for none
        std::string dual, grading;
        int gradingKind;
    } rows[] = {
        {{}, {kOffice.serial, kOffice2.serial, kDual.serial, kMedical.serial, kGrading.serial}, 0, "HID DDC",
         "HID DDC", 0},
        {{2, 1, 0}, {kDual.serial, kMedical.serial, kGrading.serial}, 1, "HID", "DDC HID", 2},
        {{1, 1, 1}, {kOffice.serial, kOffice2.serial, kDual.serial, kGrading.serial}, 0, "DDC", "DDC", 1},
        {{5}, {}, -1, "", "", -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.kinds));
        dvc::sim::ClearTransactions();
        const int count = static_cast<int>(row.kinds.size());
        EXPECT_EQ(DvCtrlFind(count == 0 ? nullptr : row.kinds.data(), count), static_cast<int>(row.found.size()));
        EXPECT_EQ(Registered(), row.found);
        EXPECT_EQ(Paths(kDual), row.dual);
        EXPECT_EQ(Paths(kGrading), row.grading);
        EXPECT_EQ(FirstKind(kGrading), row.gradingKind);
        EXPECT_EQ(Log(Op::SetCommunicationType).size(), row.ddcciType < 0 ? 0u : 1u);
        for (const auto& t : Log(Op::SetCommunicationType)) EXPECT_EQ(t.code, static_cast<uint32_t>(row.ddcciType));
>>>>>>> tests-registry
    }
}

// A monitor is skipped on each path whose identification fails. The
// transports are given back when anything was found, and only then.
TEST_F(Discovery, FailedIdentificationSkipsAPathAndReleaseGivesThePathsBackOnce) {
    Activate();
<<<<<<< HEAD
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
=======
    dvc::sim::AddFault(FailingRead(Link::DDCCI, 0x11, kOffice.serial));
    dvc::sim::AddFault(FailingRead(Link::HID, 0x11, kDual.serial));
    EXPECT_EQ(DvCtrlFind(nullptr, 0), 4);
    EXPECT_EQ(Registered(), (Serials{kOffice2.serial, kDual.serial, kMedical.serial, kGrading.serial}));
    EXPECT_EQ(Paths(kDual), "DDC");
    EXPECT_EQ(FirstKind(kDual), DvPathDDCCIType0);
    dvc::sim::ClearTransactions();
>>>>>>> tests-registry
    EXPECT_EQ(DvCtrlRelease(), DvOk);
    EXPECT_EQ(DvCtrlGetNumMonitors(), 0);
    EXPECT_EQ(FirstKind(kDual), -1);
    EXPECT_EQ(Log(Op::Release, Link::HID).size(), 1u);
    EXPECT_EQ(Log(Op::Release, Link::DDCCI).size(), 1u);
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlRelease(), DvOk);
    EXPECT_TRUE(Log(Op::Release).empty());
}

TEST(SettingsFile, TheFirstPieceWithTheKeyGivesTheKinds) {
    const struct {
        std::string text;
        std::vector<int> kinds;
    } rows[] = {
        {"# paths\nCommunicationPath = 0, 2\nCommunicationPath = 1\n", {0, 2}},
        {"\t CommunicationPath\t=\t1 ,\t0,0 \r\n", {1, 0, 0}},  // repeats are for the kind list to drop
        {"my CommunicationPath setting = 1 = 2\n", {1}},
        {"CommunicationPath = -1, 1abc, , +0, 3, x, 99999999999999999999\n", {1, 0}},
        {"CommunicationPath 1\n", {}},  // without "=" the whole piece is the value
        {"2 CommunicationPath\n", {2}},
        {"communicationpath = 1\nPath = 0\n", {}},
        // Pieces of 255 characters: a key cut in two is no key.
        {std::string(250, ' ') + "CommunicationPath = 1\n", {}},
        {std::string(255, '#') + "CommunicationPath = 1\n", {1}},
    };
    for (const auto& row : rows) {
        std::istringstream text(row.text);
        EXPECT_EQ(dvc::registry::ParseSettings(text), row.kinds) << row.text;
    }
}

TEST_F(Discovery, FindWithFileTakesItsKindsFromTheGivenFileOrTheOneBesideTheProgram) {
    Activate();
    const auto given = std::filesystem::temp_directory_path() / "dvc_registry_settings";
    const auto beside = std::filesystem::path(dvc::platform::ExecutableDirectory()) / "libdvc_setting";
    std::ofstream(given) << "[dvc]\r\nCommunicationPath = 2 , 0\r\n";
    EXPECT_EQ(DvCtrlFindWithFile(given.c_str()), 3);
    EXPECT_EQ(FirstKind(kGrading), DvPathDDCCIType1);
    std::filesystem::remove(given);
    EXPECT_EQ(DvCtrlFindWithFile(given.c_str()), 5) << "missing file: the default";
    std::ofstream(beside) << "CommunicationPath = 1\n";
    EXPECT_EQ(DvCtrlFindWithFile(nullptr), 4);
    std::filesystem::remove(beside);
    EXPECT_EQ(DvCtrlFindWithFile(nullptr), 5);
}

TEST_F(Discovery, MonitorsAddedAndRemovedByHidHandle) {
    Activate();
    const int ddcciOnly[] = {DvPathDDCCIType0};
    ASSERT_EQ(DvCtrlFind(ddcciOnly, 1), 4);
    ASSERT_GT(DvHIDFind(), 0);  // a host learns its handles from the HID transport
    char serial[9] = "unset", model[17] = "unset";
    EXPECT_EQ(DvCtrlAddMonitorInstance(0, serial, model), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlAddMonitorInstance(0x7FFF0000u, serial, model), DvErrDeviceNotUsable);
    EXPECT_STREQ(serial, "unset");
    ASSERT_EQ(DvCtrlAddMonitorInstance(HandleOf(kDual), serial, model), DvOk);
    EXPECT_STREQ(serial, kDual.serial);
    EXPECT_STREQ(model, kDual.model);
    EXPECT_EQ(Paths(kDual), "DDC HID");
    EXPECT_EQ(FirstKind(kDual), DvPathDDCCIType0);
    EXPECT_EQ(DvCtrlAddMonitorInstance(HandleOf(kDual), nullptr, nullptr), DvErrDeviceNotUsable) << "a duplicate";
    const uint32_t silent = dvc::sim::AddFault(FailingRead(Link::HID, 0x11, kMedical.serial));
    EXPECT_EQ(DvCtrlAddMonitorInstance(HandleOf(kMedical), nullptr, nullptr), DvErrDeviceNotUsable);
    dvc::sim::RemoveFault(silent);
    ASSERT_EQ(DvCtrlAddMonitorInstance(HandleOf(kMedical), nullptr, nullptr), DvOk);
    EXPECT_EQ(Registered(), (Serials{kOffice.serial, kOffice2.serial, kDual.serial, kMedical.serial, kGrading.serial}));
    EXPECT_EQ(FirstKind(kMedical), DvPathHID);
    EXPECT_EQ(DvCtrlGetModeCount(kMedical.serial, kMedical.model), 5) << "identified from its tags";

    EXPECT_EQ(DvCtrlRemoveMonitorInstance(nullptr, kDual.model), DvErrInvalidParameter);
    EXPECT_EQ(DvCtrlRemoveMonitorInstance(kOffice.serial, kOffice.model), DvErrFailed) << "no HID path";
    EXPECT_EQ(DvCtrlRemoveMonitorInstance(kDual.serial, kDual.model), DvOk);
    EXPECT_EQ(Registered(), (Serials{kOffice.serial, kOffice2.serial, kMedical.serial, kGrading.serial}));
    EXPECT_EQ(DvCtrlRemoveMonitorInstance(kDual.serial, kDual.model), DvErrFailed);
}
