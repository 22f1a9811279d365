// The primitives of a communication path, one row per virtual operation in
// slot order: slot number, name, argument shape, and how the DDC/CI path and
// the HID path carry it. The interface and both path classes are generated
// from these rows, so a primitive is declared once and its per-path
// behaviour reads as one line.
//
// Behaviours (each path class's Wire has a member function of that name,
// overloaded by argument shape; "Custom" rows are written by hand in the
// class's .cpp):
//   Support       support query: is the feature there (flag out)
//   Range         support flag, and maximum and minimum only when supported
//   RangeAlways   maximum and minimum whatever the support flag says
//   ValueRead     the transport's value read, result passed back
//   ValueReadKeep value read into a zeroed word copied out even on failure
//   ValueWrite    the transport's value write (by value or through a pointer)
//   BoolRead      value read folded to 1/0 (written even on failure)
//   BoolWrite     writes 1 for a non-zero argument, else 0
//   IntWrite      writes the int argument unchanged
//   RatioRead*, RatioWrite*   value as a ratio of the control's maximum
//   Identifiers   copies the path's serial number and model name
//   NotSupported  0x80000007 without touching any argument
//   NotImplemented 0x80000009 without touching any argument
//
// Primitives that nothing in the library uses are not listed (the inverted
// switch on 0xA0 and the second LUT support query), and arguments that no
// path looks at (a channel number beside the gain code, a word beside the
// identification code) are not part of the signatures.
#pragma once

#include <cstdint>
#include <string>

#include "libdvc/dvc_types.h"

// Report callbacks handed through ReportOn; the same function types as the
// HID transport's, so the HID path passes them on unchanged.
using PathReportCallback = void (*)(uint32_t handle, uint32_t code, const void* data, uint32_t size, void* context);
using PathTeardownCallback = void (*)(uint32_t handle, void* context);

// clang-format off
// Argument shapes: parameter list and the matching argument list.
// In the feature-specific rows the code comes by reference to a constant;
// in the generic rows (ReadFixedData to WriteDataUnchecked) by value.
#define DVC_PARAMS_IDENT (const uint32_t& code, std::string& first, std::string& second)
#define DVC_ARGS_IDENT (code, first, second)
#define DVC_PARAMS_BLOCK_READ (const uint32_t& code, void* buffer, uint32_t* size)
#define DVC_ARGS_BLOCK_READ (code, buffer, size)
#define DVC_PARAMS_BLOCK_SIZE (const uint32_t& code, int32_t* flag, uint32_t* length)
#define DVC_ARGS_BLOCK_SIZE (code, flag, length)
#define DVC_PARAMS_FLAG (const uint32_t& code, int32_t* flag)
#define DVC_ARGS_FLAG (code, flag)
#define DVC_PARAMS_RANGE (const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum)
#define DVC_ARGS_RANGE (code, flag, maximum, minimum)
#define DVC_PARAMS_VALUE_READ (const uint32_t& code, uint32_t* value)
#define DVC_ARGS_VALUE_READ (code, value)
#define DVC_PARAMS_VALUE_WRITE (const uint32_t& code, uint32_t value)
#define DVC_ARGS_VALUE_WRITE (code, value)
#define DVC_PARAMS_VALUE_WRITE_PTR (const uint32_t& code, const uint32_t* value)
#define DVC_ARGS_VALUE_WRITE_PTR (code, value)
#define DVC_PARAMS_BOOL_READ (const uint32_t& code, int* out)
#define DVC_ARGS_BOOL_READ (code, out)
#define DVC_PARAMS_BOOL_WRITE (const uint32_t& code, int value)
#define DVC_ARGS_BOOL_WRITE (code, value)
#define DVC_PARAMS_BOOL_WRITE_PTR (const uint32_t& code, const int* value)
#define DVC_ARGS_BOOL_WRITE_PTR (code, value)
#define DVC_PARAMS_RATIO_READ (const uint32_t& code, double* ratio, uint32_t* raw)
#define DVC_ARGS_RATIO_READ (code, ratio, raw)
#define DVC_PARAMS_RATIO_WRITE \
    (const uint32_t& code, const double* ratio, const uint32_t* raw, const int* useRaw)
#define DVC_ARGS_RATIO_WRITE (code, ratio, raw, useRaw)
// The LUT transfer selects blocks with `code` and moves them with `dataCode`.
#define DVC_PARAMS_LUT_READ \
    (const uint32_t& code, const uint32_t& dataCode, uint8_t* table, uint32_t tableNumber, const uint32_t* bank)
#define DVC_ARGS_LUT_READ (code, dataCode, table, tableNumber, bank)
#define DVC_PARAMS_LUT_WRITE                                                                        \
    (const uint32_t& code, const uint32_t& dataCode, const uint8_t* table, uint32_t tableNumber, \
     const uint32_t* bank)
#define DVC_ARGS_LUT_WRITE (code, dataCode, table, tableNumber, bank)
#define DVC_PARAMS_USAGE (const uint32_t& code, uint16_t* hours, uint8_t* minutes)
#define DVC_ARGS_USAGE (code, hours, minutes)
#define DVC_PARAMS_SIGNAL_WRITE (const uint32_t& code, const uint16_t* value)
#define DVC_ARGS_SIGNAL_WRITE (code, value)
#define DVC_PARAMS_CHROMA_RANGE (const uint32_t& code, int32_t* flag, double* maximum, double* minimum)
#define DVC_ARGS_CHROMA_RANGE (code, flag, maximum, minimum)
#define DVC_PARAMS_CHROMA_READ (const uint32_t& code, double* x, double* y)
#define DVC_ARGS_CHROMA_READ (code, x, y)
#define DVC_PARAMS_CHROMA_WRITE (const uint32_t& code, const double* x, const double* y)
#define DVC_ARGS_CHROMA_WRITE (code, x, y)
#define DVC_PARAMS_INT_READ (const uint32_t& code, int32_t* value)
#define DVC_ARGS_INT_READ (code, value)
#define DVC_PARAMS_INT_WRITE_PTR (const uint32_t& code, const int32_t* value)
#define DVC_ARGS_INT_WRITE_PTR (code, value)
#define DVC_PARAMS_MUTEX (const uint32_t& code, int* done, int force)
#define DVC_ARGS_MUTEX (code, done, force)
#define DVC_PARAMS_EDID (uint8_t* buffer)
#define DVC_ARGS_EDID (buffer)
#define DVC_PARAMS_FIXED \
    (uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag, uint32_t* length)
#define DVC_ARGS_FIXED (code, maximum, minimum, flag, length)
#define DVC_PARAMS_GEN_VALUE_READ (uint32_t code, uint32_t* value)
#define DVC_ARGS_GEN_VALUE_READ (code, value)
#define DVC_PARAMS_GEN_VALUE_WRITE (uint32_t code, uint32_t value, uint32_t option)
#define DVC_ARGS_GEN_VALUE_WRITE (code, value, option)
#define DVC_PARAMS_GEN_DATA_READ (uint32_t code, void* buffer, uint32_t size)
#define DVC_ARGS_GEN_DATA_READ (code, buffer, size)
#define DVC_PARAMS_GEN_DATA_WRITE (uint32_t code, const void* buffer, uint32_t size, uint32_t option)
#define DVC_ARGS_GEN_DATA_WRITE (code, buffer, size, option)
#define DVC_PARAMS_REPORT_ON \
    (PathReportCallback report, PathTeardownCallback teardown, void* context)
#define DVC_ARGS_REPORT_ON (report, teardown, context)
#define DVC_PARAMS_NONE ()
#define DVC_ARGS_NONE ()
#define DVC_PARAMS_HANDLE (uint32_t* handle)
#define DVC_ARGS_HANDLE (handle)

// Slots 0 to 103; the destructor is slot 104 and GetHandle slot 105.
// X(slot, name, shape, DDC/CI behaviour, HID behaviour)
#define DVC_PATH_SLOTS(X)                                                               \
    X(0, GetIdentifiers, IDENT, Identifiers, Identifiers)                               \
    X(1, ReadBlock, BLOCK_READ, Custom, Custom)                                         \
    X(2, QueryBlockSize, BLOCK_SIZE, Custom, Custom)                                    \
    X(3, ReadBrightnessRatio, RATIO_READ, RatioRead, RatioReadStrict)                   \
    X(4, WriteBrightnessRatio, RATIO_WRITE, RatioWrite, RatioWriteUnchecked)            \
    X(5, QueryBrightnessRange, RANGE, Range, Range)                                     \
    X(6, ReadColorTemperature, VALUE_READ, ValueRead, ValueRead)                        \
    X(7, WriteColorTemperature, VALUE_WRITE, ValueWrite, ValueWrite)                    \
    X(8, QueryColorTemperature, FLAG, Support, Support)                                 \
    X(9, QueryTonality, FLAG, Support, Support)                                         \
    X(10, ReadTonality, VALUE_READ, ValueRead, ValueRead)                               \
    X(11, WriteTonality, VALUE_WRITE_PTR, ValueWrite, ValueWrite)                       \
    X(12, QueryHueRange, RANGE, Range, Range)                                           \
    X(13, ReadHue, VALUE_READ, ValueRead, ValueRead)                                    \
    X(14, WriteHue, VALUE_WRITE_PTR, ValueWrite, ValueWrite)                            \
    X(15, QuerySaturationRange, RANGE, Range, Range)                                    \
    X(16, ReadSaturation, VALUE_READ, ValueRead, ValueRead)                             \
    X(17, WriteSaturation, VALUE_WRITE_PTR, ValueWrite, ValueWrite)                     \
    X(18, ReadContrastRatio, RATIO_READ, RatioRead, RatioReadLenient)                   \
    X(19, WriteContrastRatio, RATIO_WRITE, RatioWrite, RatioWriteChecked)               \
    X(20, QueryContrastRange, RANGE, Range, Range)                                      \
    X(21, QueryGamma, FLAG, Support, Support)                                           \
    X(22, ReadGamma, VALUE_READ, ValueRead, ValueRead)                                  \
    X(23, WriteGamma, VALUE_WRITE, ValueWrite, ValueWrite)                              \
    X(24, QueryGainRange, RANGE, Range, Range)                                          \
    X(25, ReadGain, VALUE_READ, ValueRead, ValueRead)                                   \
    X(26, WriteGain, VALUE_WRITE_PTR, ValueWrite, ValueWrite)                           \
    X(27, QueryLUT, FLAG, NotSupported, Support)                                        \
    X(29, ReadLUT, LUT_READ, NotSupported, Custom)                                      \
    X(30, WriteLUT, LUT_WRITE, NotSupported, Custom)                                    \
    X(31, QueryVirtualKey, FLAG, NotImplemented, Support)                               \
    X(32, WriteVirtualKey, VALUE_WRITE_PTR, NotImplemented, ValueWrite)                 \
    X(33, QueryUsageTime, FLAG, Support, Support)                                       \
    X(34, ReadUsageTime, USAGE, Custom, Custom)                                         \
    X(35, QueryBrightRegulator, FLAG, Support, Support)                                 \
    X(36, ReadBrightRegulator, BOOL_READ, BoolRead, BoolRead)                           \
    X(37, WriteBrightRegulator, BOOL_WRITE_PTR, BoolWrite, BoolWrite)                   \
    X(38, QueryBrightRegOperation, FLAG, Support, Support)                              \
    X(39, ReadBrightRegOperation, VALUE_READ, ValueRead, ValueRead)                     \
    X(40, WriteBrightRegOperation, VALUE_WRITE_PTR, ValueWrite, ValueWrite)             \
    X(41, QueryContrastEnhancer, FLAG, Support, Support)                                \
    X(42, ReadContrastEnhancer, VALUE_READ, ValueReadKeep, ValueRead)                   \
    X(43, WriteContrastEnhancer, VALUE_WRITE_PTR, ValueWrite, ValueWrite)               \
    X(44, QuerySwitch, FLAG, Support, Support)                                          \
    X(45, ReadSwitch, BOOL_READ, BoolRead, BoolRead)                                    \
    X(46, WriteSwitch, BOOL_WRITE, BoolWrite, IntWrite)                                 \
    X(47, QuerySignal, FLAG, Support, Support)                                          \
    X(48, ReadSignal, VALUE_READ, Custom, Custom)                                       \
    X(49, WriteSignal, SIGNAL_WRITE, Custom, Custom)                                    \
    X(50, QueryKeyLock, FLAG, Support, Support)                                         \
    X(51, ReadKeyLock, BOOL_READ, BoolRead, BoolRead)                                   \
    X(52, WriteKeyLock, BOOL_WRITE, BoolWrite, IntWrite)                                \
    X(53, QueryClockRange, RANGE, RangeAlways, RangeAlways)                             \
    X(54, ReadClock, VALUE_READ, ValueRead, ValueRead)                                  \
    X(55, WriteClock, VALUE_WRITE_PTR, ValueWrite, ValueWrite)                          \
    X(56, QueryClockPhaseRange, RANGE, RangeAlways, RangeAlways)                        \
    X(57, ReadClockPhase, VALUE_READ, ValueRead, ValueRead)                             \
    X(58, WriteClockPhase, VALUE_WRITE_PTR, ValueWrite, ValueWrite)                     \
    X(59, QueryHPositionRange, RANGE, RangeAlways, RangeAlways)                         \
    X(60, ReadHPosition, VALUE_READ, ValueRead, ValueRead)                              \
    X(61, WriteHPosition, VALUE_WRITE_PTR, ValueWrite, ValueWrite)                      \
    X(62, QueryVPositionRange, RANGE, RangeAlways, RangeAlways)                         \
    X(63, ReadVPosition, VALUE_READ, ValueRead, ValueRead)                              \
    X(64, WriteVPosition, VALUE_WRITE_PTR, ValueWrite, ValueWrite)                      \
    X(65, QueryPowerSaveState, FLAG, Support, NotSupported)                             \
    X(66, ReadPowerSaveState, BOOL_READ, BoolRead, NotSupported)                        \
    X(67, QueryInputSignalMode, FLAG, Support, Support)                                 \
    X(68, ReadInputSignalMode, VALUE_READ, ValueRead, ValueRead)                        \
    X(69, QueryAudioVolumeRange, RANGE, RangeAlways, Range)                             \
    X(70, ReadAudioVolume, VALUE_READ, ValueRead, Custom)                               \
    X(71, WriteAudioVolume, VALUE_WRITE_PTR, ValueWrite, Custom)                        \
    X(75, QueryChromaticityRange, CHROMA_RANGE, NotImplemented, Custom)                 \
    X(76, ReadChromaticity, CHROMA_READ, NotImplemented, Custom)                        \
    X(77, WriteChromaticity, CHROMA_WRITE, NotImplemented, Custom)                      \
    X(78, QueryBlackLevelRange, RANGE, Custom, NotImplemented)                          \
    X(79, ReadBlackLevel, INT_READ, Custom, NotImplemented)                             \
    X(80, WriteBlackLevel, INT_WRITE_PTR, Custom, NotImplemented)                       \
    X(81, QueryPowerResolutionRange, RANGE, RangeAlways, NotImplemented)                \
    X(82, ReadPowerResolution, VALUE_READ, ValueRead, NotImplemented)                   \
    X(83, WritePowerResolution, VALUE_WRITE_PTR, ValueWrite, NotImplemented)            \
    X(84, QueryThriftluxSense, FLAG, Support, Custom)                                   \
    X(85, ReadThriftluxSense, BOOL_READ, BoolRead, Custom)                              \
    X(86, WriteThriftluxSense, BOOL_WRITE, BoolWrite, Custom)                           \
    X(87, QueryMonitorMutex, FLAG, Support, NotImplemented)                             \
    X(88, AcquireMonitorMutex, MUTEX, Custom, NotImplemented)                           \
    X(89, ReleaseMonitorMutex, MUTEX, Custom, NotImplemented)                           \
    X(90, WriteResetValue, VALUE_WRITE, ValueWrite, NotImplemented)                     \
    X(91, WriteSaveValue, VALUE_WRITE, Custom, Custom)                                  \
    X(92, ReadEDID, EDID, NotSupported, Custom)                                         \
    X(93, ReadFixedData, FIXED, Custom, Custom)                                         \
    X(94, ReadValue, GEN_VALUE_READ, ValueRead, ValueRead)                              \
    X(95, WriteValue, GEN_VALUE_WRITE, Custom, Custom)                                  \
    X(96, ReadData, GEN_DATA_READ, Custom, Custom)                                      \
    X(97, WriteData, GEN_DATA_WRITE, Custom, Custom)                                    \
    X(98, WriteDataUnchecked, GEN_DATA_WRITE, NotSupported, Custom)                     \
    X(99, ReportOn, REPORT_ON, NotImplemented, Custom)                                  \
    X(100, ReportOff, NONE, NotImplemented, Custom)                                     \
    X(101, SupportsCriticalSection, NONE, NotSupported, Custom)                         \
    X(102, EnterCriticalSection, NONE, NotSupported, Custom)                            \
    X(103, ExitCriticalSection, NONE, NotSupported, Custom)

#define DVC_PATH_SLOTS_AFTER_DESTRUCTOR(X) X(105, GetHandle, HANDLE, NotImplemented, Custom)

// The overrides of a path class: DVC_PATH_SLOTS(DVC_PATH_DECLARE) in its
// class body, and DVC_PATH_SLOTS(DVC_PATH_DEFINE_DDCCI) (or _HID) in its
// .cpp, which defines every primitive whose behaviour is not "Custom" as a
// call of that behaviour on the class's `Wire` (a class of the .cpp that
// holds the transport calls behind each behaviour).
#define DVC_PATH_DECLARE(slot, name, shape, ddcci, hid) DvError name DVC_PARAMS_##shape override;
#define DVC_PATH_DEFINE_DDCCI(slot, name, shape, ddcci, hid) DVC_PATH_DEFINE_##ddcci(VarnDDCCIMonitor, name, shape)
#define DVC_PATH_DEFINE_HID(slot, name, shape, ddcci, hid) DVC_PATH_DEFINE_##hid(VarnHIDMonitor, name, shape)

#define DVC_PATH_DEFINE_Custom(Class, name, shape)
#define DVC_PATH_DEFINE_ANSWER(Class, name, shape, result) \
    DvError Class::name DVC_PARAMS_##shape { return ::dvc::paths::Answer<result> DVC_ARGS_##shape; }
#define DVC_PATH_DEFINE_NotSupported(Class, name, shape) DVC_PATH_DEFINE_ANSWER(Class, name, shape, DvErrNotSupported)
#define DVC_PATH_DEFINE_NotImplemented(Class, name, shape) \
    DVC_PATH_DEFINE_ANSWER(Class, name, shape, DvErrNotImplemented)
#define DVC_PATH_DEFINE_Identifiers(Class, name, shape) \
    DvError Class::name DVC_PARAMS_##shape { return Identifiers DVC_ARGS_##shape; }
#define DVC_PATH_DEFINE_WIRE(Class, name, shape, how) \
    DvError Class::name DVC_PARAMS_##shape { return Wire(handle_).how DVC_ARGS_##shape; }
#define DVC_PATH_DEFINE_Support(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, Support)
#define DVC_PATH_DEFINE_Range(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, Range)
#define DVC_PATH_DEFINE_RangeAlways(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, RangeAlways)
#define DVC_PATH_DEFINE_ValueRead(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, ValueRead)
#define DVC_PATH_DEFINE_ValueReadKeep(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, ValueReadKeep)
#define DVC_PATH_DEFINE_ValueWrite(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, ValueWrite)
#define DVC_PATH_DEFINE_BoolRead(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, BoolRead)
#define DVC_PATH_DEFINE_BoolWrite(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, BoolWrite)
#define DVC_PATH_DEFINE_IntWrite(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, IntWrite)
#define DVC_PATH_DEFINE_RatioRead(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, RatioRead)
#define DVC_PATH_DEFINE_RatioReadStrict(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, RatioReadStrict)
#define DVC_PATH_DEFINE_RatioReadLenient(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, RatioReadLenient)
#define DVC_PATH_DEFINE_RatioWrite(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, RatioWrite)
#define DVC_PATH_DEFINE_RatioWriteChecked(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, RatioWriteChecked)
#define DVC_PATH_DEFINE_RatioWriteUnchecked(C, n, s) DVC_PATH_DEFINE_WIRE(C, n, s, RatioWriteUnchecked)

// clang-format on

namespace dvc::paths {

// The fixed answer of a primitive that a path does not carry; it looks at
// none of its arguments.
template <DvError kResult, class... Args>
constexpr DvError Answer(const Args&...) noexcept {
    return kResult;
}

}  // namespace dvc::paths
