// EDID pages: a value write of the page number to the select code (0xB9),
// then a 256-byte data read of the data code (0xBA). One page holds the
// EDID (page 0 on some models); the others read as zeros. The EDID is given
// as bytes or built from the model's primaries, serial and name.
#include <array>
#include <cmath>

#include "../config_error.hpp"
#include "../item.hpp"
#include "selector.hpp"

namespace dvc::sim {
namespace {

using json::Json;

struct Primaries {
    std::array<double, 8> xy{0.640, 0.330, 0.300, 0.600, 0.150, 0.060, 0.3127, 0.3290};
};

void Descriptor(std::vector<uint8_t>& e, std::size_t at, uint8_t tag, const std::string& text) {
    e[at + 3] = tag;
    std::size_t n = 0;
    for (; n < text.size() && n < 13; ++n) e[at + 5 + n] = static_cast<uint8_t>(text[n]);
    if (n < 13) e[at + 5 + n++] = 0x0A;
    for (; n < 13; ++n) e[at + 5 + n] = 0x20;
}

// A 128-byte EDID 1.4 base block and an empty extension, with checksums.
std::vector<uint8_t> BuildEdid(const Identity& id, const Primaries& p, const std::string& maker) {
    std::vector<uint8_t> e(256, 0);
    const uint8_t header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    std::copy(header, header + 8, e.begin());
    auto letter = [&](std::size_t i) {
        return static_cast<uint16_t>((maker.size() > i ? maker[i] : 'A') - 'A' + 1) & 31;
    };
    uint16_t mfg = static_cast<uint16_t>(letter(0) << 10 | letter(1) << 5 | letter(2));
    e[8] = static_cast<uint8_t>(mfg >> 8);
    e[9] = static_cast<uint8_t>(mfg);
    uint16_t product = 0;
    for (char ch : id.model) product = static_cast<uint16_t>(product * 31 + static_cast<uint8_t>(ch));
    e[10] = static_cast<uint8_t>(product);
    e[11] = static_cast<uint8_t>(product >> 8);
    uint32_t serial = 0;
    for (char ch : id.serial)
        if (ch >= '0' && ch <= '9') serial = serial * 10 + static_cast<uint32_t>(ch - '0');
    for (int i = 0; i < 4; ++i) e[12 + i] = static_cast<uint8_t>(serial >> (8 * i));
    e[16] = 10;  // week
    e[17] = 33;  // 2023
    e[18] = 1;
    e[19] = 4;     // EDID 1.4
    e[20] = 0xA5;  // digital, 10 bits, DisplayPort
    e[21] = 60;    // cm
    e[22] = 34;
    e[23] = 120;  // gamma 2.2
    e[24] = 0x06;
    std::array<uint16_t, 8> v{};
    for (std::size_t i = 0; i < 8; ++i) v[i] = static_cast<uint16_t>(std::lround(p.xy[i] * 1024.0) & 0x3FF);
    e[25] = static_cast<uint8_t>((v[0] & 3) << 6 | (v[1] & 3) << 4 | (v[2] & 3) << 2 | (v[3] & 3));
    e[26] = static_cast<uint8_t>((v[4] & 3) << 6 | (v[5] & 3) << 4 | (v[6] & 3) << 2 | (v[7] & 3));
    for (std::size_t i = 0; i < 8; ++i) e[27 + i] = static_cast<uint8_t>(v[i] >> 2);
    e[38] = e[39] = 0x01;  // no standard timings
    for (std::size_t i = 40; i < 54; i += 2) e[i] = e[i + 1] = 0x01;
    Descriptor(e, 72, 0xFC, id.model);   // monitor name
    Descriptor(e, 90, 0xFF, id.serial);  // serial string
    Descriptor(e, 108, 0x10, "");        // dummy
    e[126] = 1;                          // one extension
    auto checksum = [&](std::size_t base) {
        uint32_t sum = 0;
        for (std::size_t i = base; i < base + 127; ++i) sum += e[i];
        e[base + 127] = static_cast<uint8_t>((256 - sum % 256) % 256);
    };
    checksum(0);
    e[128] = 0x02;  // CTA extension without data blocks
    e[129] = 0x03;
    e[130] = 0x04;
    checksum(128);
    return e;
}

class EdidPagesItem final : public Item {
public:
    explicit EdidPagesItem(const ItemConfig& c) : Item(c.code) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry,
                       {"kind", "links", "data_code", "page", "pages", "edid", "primaries", "maker", "comment"}, w);
        data_code_ = json::ValueOr(c.entry, "data_code", c.code + 1, w);
        pages_ = json::ValueOr(c.entry, "pages", 6, w);
        page_ = json::ValueOr(c.entry, "page", 1, w);
        if (pages_ == 0 || pages_ > 256 || page_ >= pages_) throw ConfigError(w + ": need page < pages <= 256");
        if (const Json* e = json::Find(c.entry, "edid")) {
            edid_ = json::Bytes(*e, w + ".edid");
            if (edid_.size() > 256) throw ConfigError(w + ".edid: more than 256 bytes");
            edid_.resize(256, 0);
        }
        maker_ = json::StringOr(c.entry, "maker", "VRN", c.where);
        if (maker_.size() != 3) throw ConfigError(w + ".maker: three letters");
        for (char ch : maker_)
            if (ch < 'A' || ch > 'Z') throw ConfigError(w + ".maker: three capital letters");
        if (const Json* p = json::Find(c.entry, "primaries")) {
            json::OnlyKeys(*p, {"red", "green", "blue", "white"}, w + ".primaries");
            const char* names[4] = {"red", "green", "blue", "white"};
            for (int i = 0; i < 4; ++i) {
                const Json* xy = json::Find(*p, names[i]);
                if (xy == nullptr) continue;
                std::string where = w + ".primaries." + names[i];
                if (!xy->is_array() || xy->size() != 2) throw ConfigError(where + ": expected [x, y]");
                for (int k = 0; k < 2; ++k) {
                    double d = json::Number((*xy)[static_cast<std::size_t>(k)], where);
                    if (d < 0.0 || d >= 1.0) throw ConfigError(where + ": chromaticity outside 0..1");
                    primaries_.xy[static_cast<std::size_t>(2 * i + k)] = d;
                }
            }
        }
    }

    std::vector<uint32_t> ExtraCodes() const override { return {data_code_}; }

    void Seed(Seeder& s) const override {
        s.Seed(code(), Cell{0, {}});
        s.Seed(data_code_, Cell{0, edid_.empty() ? BuildEdid(s.identity(), primaries_, maker_) : edid_}, page_);
    }

    int32_t FixedData(Context&, uint32_t code, Fixed& out) const override {
        if (code == data_code_) out = Fixed{0, 0, 1, 256};
        else out = Fixed{static_cast<int32_t>(pages_ - 1), 0, 1, 0};
        return DvOk;
    }

    int32_t GetValue(Context& ctx, uint32_t code, uint32_t& value) const override {
        return selector::Get(ctx, this->code(), code, value);
    }

    int32_t SetValue(Context& ctx, uint32_t code, uint32_t value, uint32_t) const override {
        return selector::Set(ctx, this->code(), pages_, code, value);
    }

    int32_t GetData(Context& ctx, uint32_t code, uint8_t* out, uint32_t size) const override {
        if (code != data_code_) return DvErrNotSupported;
        uint32_t page = ctx.state().ValueOr(ctx.Key(this->code()), 0);
        const Cell* c = ctx.state().Get(ctx.Key(data_code_, page));
        static const std::vector<uint8_t> kBlank(256, 0);
        return CopyOut(c ? c->data : kBlank, out, size);
    }

private:
    uint32_t data_code_ = 0xBA, pages_ = 6, page_ = 1;
    std::vector<uint8_t> edid_;
    std::string maker_;
    Primaries primaries_;
};

const ItemKindRegistrar kEdid("edid-pages", [](const ItemConfig& c) { return std::make_unique<EdidPagesItem>(c); });

}  // namespace
}  // namespace dvc::sim
