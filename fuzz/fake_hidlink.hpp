// A stand-in for hidlink whose one device answers from a script: the fuzz
// input. Linked into a program, its DvHID... functions take the place of
// hidlink's for every caller in it, so the library's HID path code runs
// unchanged against whatever a device might send. It never sleeps, opens
// nothing and starts no thread.
#pragma once

#include <cstddef>
#include <cstdint>

namespace dvc::fuzz {

// The handle of the scripted device (hidlink never hands out 0).
inline constexpr uint32_t kScriptedHandle = 1;

// The bytes the next calls answer from, front to back; the caller keeps them
// alive until the next Script. Once they run out, every call fails.
void Script(const uint8_t* data, size_t size);
// True while bytes are left.
bool ScriptLeft();
// The next byte of the script (0 once it has run out).
uint8_t NextScriptByte();

}  // namespace dvc::fuzz
