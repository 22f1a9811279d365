// Typed reading of JSON configuration with error messages that say where
// the bad value is ("features.0x88.max: expected an integer").
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace dvc::sim::json {

using Json = nlohmann::json;

// A feature code or number written as a JSON integer or a string "0x88" /
// "136". Rejects anything outside 0..0xFFFFFFFF.
uint32_t Code(const Json& j, const std::string& where);
uint32_t ParseCode(const std::string& text, const std::string& where);
// A 32-bit value: -2^31 .. 2^32-1, stored as its 32-bit pattern.
uint32_t Value(const Json& j, const std::string& where);
// A range bound: -2^31 .. 2^32-1, kept as the signed 32-bit pattern.
int32_t Bound(const Json& j, const std::string& where);
int64_t Integer(const Json& j, int64_t lo, int64_t hi, const std::string& where);
bool Bool(const Json& j, const std::string& where);
double Number(const Json& j, const std::string& where);
std::string String(const Json& j, const std::string& where);
// Bytes from: an array of 0..255, a string "hex:0a0b..", {"text": "...",
// "length": n}, {"u16": [...]}, {"u32": [...]}, {"fill": b, "length": n}.
std::vector<uint8_t> Bytes(const Json& j, const std::string& where);

// Member lookup helpers; `where` names the object.
const Json* Find(const Json& object, const char* key);
uint32_t ValueOr(const Json& object, const char* key, uint32_t fallback, const std::string& where);
int32_t BoundOr(const Json& object, const char* key, int32_t fallback, const std::string& where);
bool BoolOr(const Json& object, const char* key, bool fallback, const std::string& where);
std::string StringOr(const Json& object, const char* key, const std::string& fallback, const std::string& where);
// Fails on members other than `allowed` (typos in data files are bugs).
void OnlyKeys(const Json& object, std::initializer_list<const char*> allowed, const std::string& where);
void RequireObject(const Json& j, const std::string& where);

std::string Hex(const std::vector<uint8_t>& bytes);
std::string CodeName(uint32_t code);  // "0x88"

}  // namespace dvc::sim::json
