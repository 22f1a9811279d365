#include "selfcal/schedule_record.hpp"

namespace dvc::selfcal {
namespace {

constexpr uint32_t kUnset = 0xFFFFFFFF;

void Put16(uint8_t* at, uint32_t value) noexcept {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}
constexpr uint32_t Get16(const uint8_t* at) noexcept { return at[0] | (at[1] << 8); }
constexpr uint32_t Get32(const uint8_t* at) noexcept {
    return Get16(at) | (static_cast<uint32_t>(Get16(at + 2)) << 16);
}

// Which fields a type carries, and where.
enum Field : unsigned { kDateHigh = 1, kE2 = 2, kE3 = 4, kF = 8, kG = 16, kH16 = 32, kH32 = 64, kDate = 128 };
constexpr unsigned FieldsOf(uint32_t type) noexcept {
    switch (type) {
    case 0:
    case 51:
    case 52:
    case 53: return kDateHigh | kE3 | kF | kG;
    case 1: return kE2 | kF | kG;
    case 2:
    case 31: return kH16;
    case 16: return kH32;
    case 17: return kG | kDate;
    case 32: return kG;
    case 33: return kF | kG;
    case 50: return kE3 | kF | kG;
    default: return 0;  // types the monitor knows without fields, and newer ones
    }
}

}  // namespace

ScheduleBytes EncodeScheduleV2(const DvSelfCalScheduleV2& s) noexcept {
    ScheduleBytes b{};
    b[0] = static_cast<uint8_t>(s.first);
    b[1] = static_cast<uint8_t>(s.type);
    const unsigned fields = FieldsOf(s.type);
    if (fields & kDateHigh) b[2] = static_cast<uint8_t>(s.date >> 16);
    if (fields & kE2) b[2] = static_cast<uint8_t>(s.e);
    if (fields & kE3) b[3] = static_cast<uint8_t>(s.e);
    if (fields & kF) b[4] = static_cast<uint8_t>(s.f);
    if (fields & kG) Put16(&b[5], s.g);
    if (fields & kH16) Put16(&b[2], s.h);
    if (fields & kH32) {
        Put16(&b[2], s.h);
        Put16(&b[4], s.h >> 16);
    }
    if (fields & kDate) {
        b[7] = static_cast<uint8_t>(s.date >> 24);
        b[8] = static_cast<uint8_t>(s.date >> 16);
        Put16(&b[9], s.date);
    }
    return b;
}

DvSelfCalScheduleV2 DecodeScheduleV2(const ScheduleBytes& b) noexcept {
    DvSelfCalScheduleV2 s{b[0], b[1], kUnset, kUnset, kUnset, kUnset, kUnset};
    const unsigned fields = FieldsOf(s.type);
    if (fields & kDateHigh) s.date = static_cast<uint32_t>(b[2]) << 16;
    if (fields & kE2) s.e = b[2];
    if (fields & kE3) s.e = b[3];
    if (fields & kF) s.f = b[4];
    if (fields & kG) s.g = Get16(&b[5]);
    if (fields & kH16) s.h = Get16(&b[2]);
    if (fields & kH32) s.h = Get32(&b[2]);
    if (fields & kDate)
        s.date = (static_cast<uint32_t>(b[7]) << 24) | (static_cast<uint32_t>(b[8]) << 16) | Get16(&b[9]);
    return s;
}

bool EncodeScheduleV1(uint8_t first, uint32_t p, uint32_t q, ScheduleBytes& b) noexcept {
    b = {};
    b[0] = first;
    b[1] = static_cast<uint8_t>(p);
    switch (b[1]) {
    case 0:
        b[2] = static_cast<uint8_t>(p >> 16);
        b[3] = static_cast<uint8_t>(p >> 24);
        Put16(&b[4], q);
        b[6] = static_cast<uint8_t>(q >> 16);
        return true;
    case 1:
        b[2] = static_cast<uint8_t>(p >> 16);
        b[4] = static_cast<uint8_t>(p >> 24);
        Put16(&b[5], q);
        return true;
    case 2: Put16(&b[2], p >> 16); return true;
    default: return false;
    }
}

void DecodeScheduleV1(const ScheduleBytes& b, uint8_t* first, uint32_t* p, uint32_t* q) noexcept {
    *first = b[0];
    *p = b[1];
    *q = 0;
    switch (b[1]) {
    case 0:
        *p |= (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
        *q = Get16(&b[4]) | (static_cast<uint32_t>(b[6]) << 16);
        break;
    case 1:
        *p |= (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[4]) << 24);
        *q = Get16(&b[5]);
        break;
    case 2: *p |= Get16(&b[2]) << 16; break;
    default: break;  // a type this form does not know: the type alone
    }
}

}  // namespace dvc::selfcal
