#include "ddc/identity.hpp"

#include <cstdio>

namespace dvc::ddc {
namespace {

constexpr size_t kSerialSize = 8;
constexpr size_t kModelSize = 16;

// 64-bit FNV-1a: stable across builds and machines, which std::hash is not.
uint64_t Fnv1a(std::span<const uint8_t> bytes) {
    uint64_t h = 0xcbf29ce484222325ULL;
    for (const uint8_t b : bytes) h = (h ^ b) * 0x100000001b3ULL;
    return h;
}

// 40 bits as 8 characters of a base-32 alphabet without I, L, O and U, so
// that the result is easy to read aloud and to type.
std::string Base32(uint64_t v) {
    static constexpr char kDigits[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    std::string s(kSerialSize, '0');
    for (size_t i = kSerialSize; i-- > 0; v >>= 5) s[i] = kDigits[v & 0x1F];
    return s;
}

std::span<const uint8_t> Bytes(const std::string& s) { return {reinterpret_cast<const uint8_t*>(s.data()), s.size()}; }

}  // namespace

// The identifier pair holds 8 characters of serial number, while displays
// report up to 13. A serial that fits is kept as it is, left-filled with
// zeros; a longer one becomes a 40-bit digest of the whole serial in
// 8 base-32 characters: it depends only on what the display reports, so it
// is the same after a reboot and on any port, and two serials share it only
// by a one-in-a-trillion accident (the model name, the pair's second half,
// separates different models anyway). The full serial stays available
// beside it.
std::string ShortSerial(const std::string& serial) {
    if (serial.size() <= kSerialSize) return std::string(kSerialSize - serial.size(), '0') + serial;
    return Base32(Fnv1a(Bytes(serial)));
}

Identity IdentityFromEdid(const Edid& edid, std::span<const uint8_t> block) {
    Identity id;
    if (!edid.serialText.empty()) {
        id.fullSerial = edid.serialText;
    } else if (edid.serialNumber != 0) {
        id.fullSerial = std::to_string(edid.serialNumber);
    }
    // A display without any serial number: the digest of its whole EDID,
    // which at least keeps it stable and apart from other models' units.
    id.serial = id.fullSerial.empty() ? Base32(Fnv1a(block.first(std::min<size_t>(block.size(), 128))))
                                      : ShortSerial(id.fullSerial);
    if (!edid.name.empty()) {
        id.model = edid.name.substr(0, kModelSize);
    } else {
        char code[8];
        std::snprintf(code, sizeof code, "%04X", edid.productCode);
        id.model = edid.manufacturer + code;
    }
    return id;
}

std::vector<uint8_t> Identity::Block() const {
    std::vector<uint8_t> b(serial.begin(), serial.end());
    b.resize(kSerialSize, '0');
    b.insert(b.end(), model.begin(), model.end());
    return b;
}

}  // namespace dvc::ddc
