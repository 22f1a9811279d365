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

using dvc::sim::Link;
using dvc::sim::Op;
using namespace dvc::test;
using Discovery = RegistryWorld;

TEST(KindList, DefaultsDuplicatesOneDdcciTypeAndUnknownKinds) {
    const struct {
        std::vector<int> kinds;  // empty: a null array
        int count;
        std::vector<int> list;
    } rows[] = {{{}, 0, {0, 1}},        {{}, 3, {0, 1}},
                {{2}, 0, {0, 1}},       {{2}, -4, {0, 1}},
                {{1, 1, 1}, 3, {1}},    {{1, 2}, 2, {1}},
                {{2, 1, 0}, 3, {2, 0}}, {{0, 2, 0, 1}, 4, {0, 2}},
                {{1, 0, 2}, 1, {1}},    {{5, -1, 5, 0}, 4, {5, -1, 0}}};
    for (const auto& row : rows) {
        EXPECT_EQ(dvc::registry::BuildKindList(row.kinds.empty() ? nullptr : row.kinds.data(), row.count), row.list)
            << ::testing::PrintToString(row.kinds) << " count " << row.count;
    }
}

// Each discovery starts afresh; paths of one monitor join in the order of the kinds.
TEST_F(Discovery, KindsPickTheTransportsAndPathsMergeInDiscoveryOrder) {
    Activate();
    const struct {
        std::vector<int> kinds;
        Serials found;
        int ddcciType;  // the communication type set, -1 for none
        std::string dual, grading;
        int gradingKind;
    } rows[] = {
        {{},
         {kOffice.serial, kOffice2.serial, kDual.serial, kMedical.serial, kGrading.serial},
         0,
         "HID DDC",
         "HID DDC",
         0},
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
    }
}

// A monitor is skipped on each path whose identification fails. The
// transports are given back when anything was found, and only then.
TEST_F(Discovery, FailedIdentificationSkipsAPathAndReleaseGivesThePathsBackOnce) {
    Activate();
    dvc::sim::AddFault(FailingRead(Link::DDCCI, 0x11, kOffice.serial));
    dvc::sim::AddFault(FailingRead(Link::HID, 0x11, kDual.serial));
    EXPECT_EQ(DvCtrlFind(nullptr, 0), 4);
    EXPECT_EQ(Registered(), (Serials{kOffice2.serial, kDual.serial, kMedical.serial, kGrading.serial}));
    EXPECT_EQ(Paths(kDual), "DDC");
    EXPECT_EQ(FirstKind(kDual), DvPathDDCCIType0);
    dvc::sim::ClearTransactions();
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
    const std::string key = "CommunicationPath = 1\n";
    const std::string afterBlanks = std::string(250, ' ').append(key);
    const std::string afterHashes = std::string(255, '#').append(key);
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
        {afterBlanks, {}},
        {afterHashes, {1}},
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
    // hidlink reads each device's identification at its discovery.
    const uint32_t silent = dvc::sim::AddFault(FailingRead(Link::HID, 0x11, kMedical.serial));
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
