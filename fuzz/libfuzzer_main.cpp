// The libFuzzer entry of one target; DVC_FUZZ_ENTRY names it (CMakeLists).
#include "targets.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return DVC_FUZZ_ENTRY(data, size); }
