#include "selfcal/keyed_item.hpp"

#include <algorithm>
#include <array>

namespace dvc::selfcal {
namespace {

// Field number, key, size; each table ends at a row of size 0.
constexpr std::array<KeyedField, 39> kCalResult{
    {{0, 1, 6},     {1, 2, 4},     {2, 3, 2},     {3, 16, 18},   {4, 17, 72},  {5, 18, 72},   {6, 19, 72},
     {7, 20, 72},   {8, 26, 4},    {9, 27, 4},    {10, 28, 1},   {11, 29, 12}, {12, 33, 256}, {13, 34, 256},
     {14, 35, 256}, {15, 36, 256}, {16, 37, 256}, {17, 38, 256}, {18, 4, 6},   {19, 5, 4},    {20, 6, 2},
     {21, 7, 6},    {22, 8, 4},    {23, 9, 2},    {24, 10, 6},   {25, 11, 4},  {26, 12, 2},   {27, 13, 6},
     {28, 14, 4},   {29, 15, 2},   {30, 30, 1},   {31, 31, 1},   {32, 32, 4},  {33, 21, 68},  {34, 22, 68},
     {35, 23, 68},  {36, 24, 68},  {37, 25, 68},  {0, 0, 0}}};
constexpr std::array<KeyedField, 19> kCalTarget{{{0, 1, 1},
                                                 {1, 2, 4},
                                                 {2, 3, 1},
                                                 {3, 4, 4},
                                                 {4, 5, 2},
                                                 {5, 6, 1},
                                                 {6, 7, 16},
                                                 {7, 8, 1},
                                                 {8, 9, 1},
                                                 {9, 10, 8},
                                                 {10, 15, 256},
                                                 {11, 16, 256},
                                                 {12, 17, 256},
                                                 {13, 18, 256},
                                                 {14, 11, 4},
                                                 {15, 12, 16},
                                                 {16, 13, 4},
                                                 {17, 14, 16},
                                                 {0, 0, 0}}};

constexpr uint32_t kHeaderBytes = 2;  // {0, field number} ahead of a value

bool Present(const std::vector<uint8_t>& reply, uint8_t field) {
    const uint32_t at = kHeaderBytes + field / 8;
    return at < reply.size() && at < kHeaderBytes + kPresenceBytes && ((reply[at] >> (field % 8)) & 1) != 0;
}

}  // namespace

DvError ReadKeyedItem(uint32_t length, std::span<const KeyedField> table, const KeyedExchange& exchange,
                      KeyedMap& out) {
    if (length < kHeaderBytes) return DvErrNotSupported;
    std::vector<uint8_t> request(length, 0);
    std::vector<uint8_t> presence(length, 0);
    request[1] = kPresenceRequest;
    const DvError asked = exchange(request, presence);
    if (asked < 0) return asked;
    DvError result = DvOk;
    std::vector<uint8_t> reply(length, 0);
    for (const KeyedField& row : table) {
        if (row.size == 0) break;
        if (!Present(presence, row.field)) continue;
        request[1] = row.field;
        std::fill(reply.begin(), reply.end(), 0);
        const DvError answered = exchange(request, reply);
        if (answered < 0) {
            result = answered;
            continue;
        }
        if (reply[1] != row.field) {  // the answer to another question
            result = DvErrFailed;
            continue;
        }
        const std::size_t n = std::min<std::size_t>(row.size, length - kHeaderBytes);
        out[row.key].assign(reply.begin() + kHeaderBytes,
                            reply.begin() + static_cast<std::ptrdiff_t>(kHeaderBytes + n));
    }
    return result;
}

std::span<const KeyedField> KeyedCalResultFields() { return kCalResult; }
std::span<const KeyedField> KeyedCalTargetFields() { return kCalTarget; }

}  // namespace dvc::selfcal
