#include "json_read.hpp"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "config_error.hpp"

namespace dvc::sim::json {
namespace {

[[noreturn]] void Fail(const std::string& where, const std::string& what) { throw ConfigError(where + ": " + what); }

std::string TypeOf(const Json& j) { return j.type_name(); }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int64_t ParseInteger(const std::string& text, const std::string& where) {
    std::string s = text;
    bool negative = false;
    if (!s.empty() && s[0] == '-') {
        negative = true;
        s.erase(0, 1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.erase(0, 2);
    }
    if (s.empty() || s.size() > 20) Fail(where, "not a number: \"" + text + "\"");
    uint64_t v = 0;
    for (char c : s) {
        int d = base == 16 ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0) Fail(where, "not a number: \"" + text + "\"");
        if (v > (std::numeric_limits<uint64_t>::max() - static_cast<uint64_t>(d)) / static_cast<uint64_t>(base))
            Fail(where, "number too large: \"" + text + "\"");
        v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    }
    if (v > (uint64_t{1} << 40)) Fail(where, "number too large: \"" + text + "\"");
    return negative ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
}

}  // namespace

int64_t Integer(const Json& j, int64_t lo, int64_t hi, const std::string& where) {
    int64_t v = 0;
    if (j.is_number_unsigned()) {
        uint64_t u = j.get<uint64_t>();
        if (u > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) Fail(where, "number too large");
        v = static_cast<int64_t>(u);
    } else if (j.is_number_integer()) {
        v = j.get<int64_t>();
    } else if (j.is_string()) {
        v = ParseInteger(j.get<std::string>(), where);
    } else {
        Fail(where, "expected an integer, got " + TypeOf(j));
    }
    if (v < lo || v > hi)
        Fail(where, "value " + std::to_string(v) + " outside " + std::to_string(lo) + ".." + std::to_string(hi));
    return v;
}

uint32_t Code(const Json& j, const std::string& where) {
    return static_cast<uint32_t>(Integer(j, 0, 0xFFFFFFFFll, where));
}

uint32_t ParseCode(const std::string& text, const std::string& where) {
    int64_t v = ParseInteger(text, where);
    if (v < 0 || v > 0xFFFFFFFFll) Fail(where, "feature code out of range: \"" + text + "\"");
    return static_cast<uint32_t>(v);
}

uint32_t Value(const Json& j, const std::string& where) {
    return static_cast<uint32_t>(Integer(j, std::numeric_limits<int32_t>::min(), 0xFFFFFFFFll, where));
}

int32_t Bound(const Json& j, const std::string& where) {
    return static_cast<int32_t>(
        static_cast<uint32_t>(Integer(j, std::numeric_limits<int32_t>::min(), 0xFFFFFFFFll, where)));
}

bool Bool(const Json& j, const std::string& where) {
    if (!j.is_boolean()) Fail(where, "expected true or false, got " + TypeOf(j));
    return j.get<bool>();
}

double Number(const Json& j, const std::string& where) {
    if (!j.is_number()) Fail(where, "expected a number, got " + TypeOf(j));
    double d = j.get<double>();
    if (!(d > -1e12 && d < 1e12)) Fail(where, "number out of range");
    return d;
}

std::string String(const Json& j, const std::string& where) {
    if (!j.is_string()) Fail(where, "expected a string, got " + TypeOf(j));
    return j.get<std::string>();
}

std::vector<uint8_t> Bytes(const Json& j, const std::string& where) {
    constexpr std::size_t kMax = 1 << 20;
    std::vector<uint8_t> out;
    if (j.is_array()) {
        if (j.size() > kMax) Fail(where, "byte list too long");
        for (std::size_t i = 0; i < j.size(); ++i)
            out.push_back(static_cast<uint8_t>(Integer(j[i], 0, 255, where + "[" + std::to_string(i) + "]")));
        return out;
    }
    if (j.is_string()) {
        std::string s = j.get<std::string>();
        if (s.rfind("hex:", 0) != 0) Fail(where, "a byte string must start with \"hex:\"");
        std::string digits;
        for (char c : s.substr(4))
            if (c != ' ' && c != ':' && c != '-') digits.push_back(c);
        if (digits.size() % 2 != 0 || digits.size() / 2 > kMax) Fail(where, "odd or too long hex string");
        for (std::size_t i = 0; i < digits.size(); i += 2) {
            int hi = HexDigit(digits[i]), lo = HexDigit(digits[i + 1]);
            if (hi < 0 || lo < 0) Fail(where, "bad hex digit");
            out.push_back(static_cast<uint8_t>(hi * 16 + lo));
        }
        return out;
    }
    if (!j.is_object()) Fail(where, "expected bytes (array, \"hex:..\" or object), got " + TypeOf(j));
    OnlyKeys(j, {"text", "u16", "u32", "fill", "length"}, where);
    if (const Json* t = Find(j, "text")) {
        std::string s = String(*t, where + ".text");
        out.assign(s.begin(), s.end());
    } else if (const Json* w = Find(j, "u16")) {
        if (!w->is_array() || w->size() > kMax / 2) Fail(where + ".u16", "expected an array");
        for (std::size_t i = 0; i < w->size(); ++i) {
            auto v = static_cast<uint32_t>(Integer((*w)[i], -32768, 0xFFFF, where + ".u16[" + std::to_string(i) + "]"));
            out.push_back(static_cast<uint8_t>(v));
            out.push_back(static_cast<uint8_t>(v >> 8));
        }
    } else if (const Json* d = Find(j, "u32")) {
        if (!d->is_array() || d->size() > kMax / 4) Fail(where + ".u32", "expected an array");
        for (std::size_t i = 0; i < d->size(); ++i) {
            uint32_t v = Value((*d)[i], where + ".u32[" + std::to_string(i) + "]");
            for (int b = 0; b < 4; ++b) out.push_back(static_cast<uint8_t>(v >> (8 * b)));
        }
    }
    uint8_t fill = 0;
    if (const Json* f = Find(j, "fill")) fill = static_cast<uint8_t>(Integer(*f, 0, 255, where + ".fill"));
    if (const Json* l = Find(j, "length")) {
        auto n = static_cast<std::size_t>(Integer(*l, 0, kMax, where + ".length"));
        if (out.size() > n) Fail(where, "contents longer than \"length\"");
        out.resize(n, fill);
    }
    return out;
}

const Json* Find(const Json& object, const char* key) {
    if (!object.is_object()) return nullptr;
    auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

uint32_t ValueOr(const Json& object, const char* key, uint32_t fallback, const std::string& where) {
    const Json* j = Find(object, key);
    return j ? Value(*j, where + "." + key) : fallback;
}

int32_t BoundOr(const Json& object, const char* key, int32_t fallback, const std::string& where) {
    const Json* j = Find(object, key);
    return j ? Bound(*j, where + "." + key) : fallback;
}

bool BoolOr(const Json& object, const char* key, bool fallback, const std::string& where) {
    const Json* j = Find(object, key);
    return j ? Bool(*j, where + "." + key) : fallback;
}

std::string StringOr(const Json& object, const char* key, const std::string& fallback, const std::string& where) {
    const Json* j = Find(object, key);
    return j ? String(*j, where + "." + key) : fallback;
}

void RequireObject(const Json& j, const std::string& where) {
    if (!j.is_object()) Fail(where, "expected an object, got " + TypeOf(j));
}

void OnlyKeys(const Json& object, std::initializer_list<const char*> allowed, const std::string& where) {
    RequireObject(object, where);
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool known = std::any_of(allowed.begin(), allowed.end(), [&](const char* a) { return it.key() == a; });
        if (!known) Fail(where, "unknown member \"" + it.key() + "\"");
    }
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string s;
    s.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        s.push_back(kDigits[b >> 4]);
        s.push_back(kDigits[b & 15]);
    }
    return s;
}

std::string CodeName(uint32_t code) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", code);
    return buf;
}

}  // namespace dvc::sim::json
