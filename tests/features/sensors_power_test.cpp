// Sensors and the Thriftlux sense settings through their exports.
#include <cmath>

#include "features/handwritten.hpp"
#include "libdvc/libdvc.h"
#include "paths/feature_codes.hpp"
#include "support/wait_recorder.hpp"

namespace dvc::test {
namespace {

using namespace dvc::codes;

class SensorsPower : public SimWorld {
protected:
    WaitRecorder waits;
};

// CX2740 reads whole degrees, CG3180 a block in hundredths, MX2420 tenths.
TEST_F(SensorsPower, TemperatureSensorAndCalibrationTimeOnEachForm) {
    Discover();
    const struct {
        WorldMonitor monitor;
        double celsius;
        int hasSensor;
    } cases[] = {{kDual, 35.0, 0}, {kGrading, 31.5, 1}, {kMedical, 41.2, 1}};
    for (const auto& c : cases) {
        double celsius = 0;
        EXPECT_EQ(DvCtrlGetTemperature(c.monitor.serial, c.monitor.model, &celsius), DvOk) << c.monitor.model;
        EXPECT_NEAR(celsius, c.celsius, 1e-9) << c.monitor.model;
        EXPECT_EQ(DvCtrlHasSensor(c.monitor.serial, c.monitor.model), c.hasSensor) << c.monitor.model;
    }
    double value = 0;
    EXPECT_EQ(DvCtrlGetTemperature(kOffice.serial, kOffice.model, &value), DvErrNotSupported);
    EXPECT_EQ(DvCtrlSupportedTemperature(kOffice.serial, kOffice.model), 0);

    int hours = 0;
    EXPECT_EQ(DvCtrlSetCalibrationExecutionTime(kGrading.serial, kGrading.model, 250), DvOk);
    EXPECT_EQ(DvCtrlGetCalibrationExecutionTime(kGrading.serial, kGrading.model, &hours), DvOk);
    EXPECT_EQ(hours, 250);
    EXPECT_EQ(DvCtrlGetCalibrationExecutionTimeForR9(kGrading.serial, kGrading.model, &hours), DvErrNotSupported);
    EXPECT_EQ(DvCtrlGetCalibrationExecutionTimeForR9(kMedical.serial, kMedical.model, &hours), DvOk);
    EXPECT_EQ(hours, 300) << "the 4-byte form";

    EXPECT_EQ(DvCtrlMeasureAmbientLight(kMedical.serial, kMedical.model, &value), DvOk);
    EXPECT_DOUBLE_EQ(value, 450.0);
    EXPECT_EQ(waits.pauses.size(), 2u) << "polled while busy";
}

TEST_F(SensorsPower, MeasurementPositionFromTheModel) {
    Discover();
    const char* gs = kGrading.serial;
    const char* gm = kGrading.model;
    int x = 0, y = 0, w = 0, h = 0;
    EXPECT_EQ(DvCtrlGetSensorMeasurementPosition(gs, gm, &x, &y), DvOk);
    double px = 0, py = 0;
    EXPECT_EQ(DvCtrlGetSensorMeasurementPositionPercent(gs, gm, &px, &py), DvOk);
    EXPECT_DOUBLE_EQ(px, x * 100.0 / 4096) << "of the native width the monitor reports";
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlGetSensorMeasurementRect(gs, gm, &x, &y, &w, &h), DvOk);
    EXPECT_EQ(std::vector<int>({x, y, w, h}), std::vector<int>({1920, 1080, 64, 64}));
    EXPECT_EQ(DvCtrlSupportedCenterCrossMarker(gs, gm), 1);
    EXPECT_EQ(DvCtrlSupportedCenterCrossMarker(kDual.serial, kDual.model), 0);
    EXPECT_EQ(DvCtrlGetSensorMeasurementRect(kDual.serial, kDual.model, &x, &y, &w, &h), DvErrFailed);
    EXPECT_TRUE(dvc::sim::Transactions().empty()) << "answered from the model alone";
}

TEST_F(SensorsPower, ThriftluxSenseSettings) {
    Discover();
    const char* cs = kDual.serial;
    const char* cm = kDual.model;
    int value = -1;
    const struct {
        DvError (*get)(const char*, const char*, int*);
        int expected;
    } reads[] = {{DvCtrlGetThriftluxSenseLevel, 2},
                 {DvCtrlGetThriftluxSenseSensitivity, 1},
                 {DvCtrlGetThriftluxSenseTimeIndex, 1},
                 {DvCtrlGetThriftluxSenseTime, 60}};
    for (const auto& r : reads) {
        EXPECT_EQ(r.get(cs, cm, &value), DvOk);
        EXPECT_EQ(value, r.expected);
    }
    EXPECT_EQ(DvCtrlSetThriftluxSenseSensitivity(cs, cm, 3), DvOk);
    EXPECT_EQ(Writes().back().data, std::vector<uint8_t>({2, 3}));
    EXPECT_EQ(DvCtrlSetThriftluxSenseTimeIndex(cs, cm, 2), DvOk);
    EXPECT_EQ(DvCtrlGetThriftluxSenseTime(cs, cm, &value), DvOk);
    EXPECT_EQ(value, 120);
    EXPECT_EQ(DvCtrlSetThriftluxSenseTimeIndex(cs, cm, 3), DvErrInvalidParameter) << "three times";
    EXPECT_EQ(DvCtrlSupportedThriftluxSenseV2(cs, cm), 1);
    EXPECT_EQ(DvCtrlSupportedThriftluxSenseLevel(kGrading.serial, kGrading.model), 0);
    EXPECT_EQ(DvCtrlGetThriftluxSenseLevel(kGrading.serial, kGrading.model, &value), DvErrNotSupported);
}

}  // namespace
}  // namespace dvc::test
