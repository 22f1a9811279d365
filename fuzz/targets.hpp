// The fuzz targets: one entry per parser of data that a monitor or a file
// supplies. Each takes any bytes, must not crash, hang or leak, and aborts
// when the parser breaks a rule of its own format. libfuzzer_main.cpp turns
// one entry into a libFuzzer program; tests/fuzz replays every corpus
// through all of them in every build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace dvc::fuzz {

using Entry = int (*)(const uint8_t* data, size_t size);

// libdvc
int IdentificationBlock(const uint8_t* data, size_t size);
int SignalInfoFrame(const uint8_t* data, size_t size);
int ModelRecord(const uint8_t* data, size_t size);
int SettingsFile(const uint8_t* data, size_t size);
int EdidPage(const uint8_t* data, size_t size);
int KvBlock(const uint8_t* data, size_t size);
int SelfcalPaged(const uint8_t* data, size_t size);
int SelfqcKeyed(const uint8_t* data, size_t size);
// libdvc's HID path, against fake_hidlink's scripted device
int HidBlocks(const uint8_t* data, size_t size);
int TaggedTransfer(const uint8_t* data, size_t size);
int HidReports(const uint8_t* data, size_t size);
// ddclink
int Capabilities(const uint8_t* data, size_t size);
int DdcReply(const uint8_t* data, size_t size);
// libdvcsim
int WorldJson(const uint8_t* data, size_t size);
int StateJson(const uint8_t* data, size_t size);
// dvctl
int ValueText(const uint8_t* data, size_t size);

// Aborts when a parser's own rule is broken (a fuzzer counts it a crash).
inline void Require(bool ok) {
    if (!ok) std::abort();
}

}  // namespace dvc::fuzz
