// A bank of 3x3 colour matrices behind a slot select (0x7C): the slot
// count (0x7B, read only), each slot's matrix in the 16-bit form (0x7D,
// 13 fraction bits) and the 32-bit form (0xFF0100D7, 29 fraction bits),
// the slot mask (0x7E, a set bit switches a slot off) and the chip's
// matrix in front of the bank (0xFF0100D8, or slot 255; read only). Both
// forms are views of one stored 32-bit matrix per slot, as in the monitor.
#include <cmath>

#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

constexpr uint32_t kCount = 0x7B, kForm16 = 0x7D, kMask = 0x7E, kForm32 = 0xFF0100D7, kChip = 0xFF0100D8;
constexpr uint32_t kChipSlot = 255;
constexpr uint32_t kBytes16 = 18, kBytes32 = 36;

using Raw = std::vector<int32_t>;  // nine 32-bit elements

std::vector<uint8_t> Pack32(const Raw& raw) {
    std::vector<uint8_t> bytes;
    for (int32_t v : raw)
        for (int b = 0; b < 4; ++b) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * b)));
    return bytes;
}
Raw Unpack(const uint8_t* in, int width) {
    Raw raw;
    for (int i = 0; i < 9; ++i) {
        uint32_t bits = 0;
        for (int b = 0; b < width; ++b) bits |= static_cast<uint32_t>(in[i * width + b]) << (8 * b);
        raw.push_back(width == 2 ? static_cast<int16_t>(bits) * 65536 : static_cast<int32_t>(bits));
    }
    return raw;
}
// The 16-bit view rounds the 32-bit matrix half up to 13 fraction bits.
std::vector<uint8_t> Pack16(const Raw& raw) {
    std::vector<uint8_t> bytes;
    for (int32_t v : raw) {
        int64_t r = (static_cast<int64_t>(v) + 0x8000) >> 16;
        r = r > 32767 ? 32767 : r;
        bytes.push_back(static_cast<uint8_t>(r));
        bytes.push_back(static_cast<uint8_t>(static_cast<uint64_t>(r) >> 8));
    }
    return bytes;
}

Raw Matrix(const json::Json& j, const std::string& w) {
    if (!j.is_array() || j.size() != 9) throw ConfigError(w + ": expected nine numbers");
    Raw raw;
    for (std::size_t i = 0; i < 9; ++i) {
        const double v = json::Number(j[i], w);
        if (!(std::abs(v) < 4.0)) throw ConfigError(w + ": elements lie within -4 to 4");
        raw.push_back(static_cast<int32_t>(std::trunc(v * 536870912.0)));
    }
    return raw;
}

const Raw kIdentity = {1 << 29, 0, 0, 0, 1 << 29, 0, 0, 0, 1 << 29};

class MatrixBankItem final : public Item {
public:
    explicit MatrixBankItem(const ItemConfig& c) : Item(c.code) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry, {"kind", "links", "slots", "mask", "chip", "matrices", "comment"}, w);
        slots_ = json::ValueOr(c.entry, "slots", 8, w);
        if (slots_ == 0 || slots_ > 32) throw ConfigError(w + ".slots: 1..32");
        mask_ = json::ValueOr(c.entry, "mask", 0, w);
        if (const json::Json* chip = json::Find(c.entry, "chip")) chip_ = Matrix(*chip, w + ".chip");
        if (const json::Json* m = json::Find(c.entry, "matrices")) {
            json::RequireObject(*m, w + ".matrices");
            for (auto it = m->begin(); it != m->end(); ++it) {
                const uint32_t slot = json::ParseCode(it.key(), w + ".matrices");
                if (slot >= slots_) throw ConfigError(w + ".matrices." + it.key() + ": beyond \"slots\"");
                matrices_.emplace_back(slot, Matrix(it.value(), w + ".matrices." + it.key()));
            }
        }
    }

    std::vector<uint32_t> ExtraCodes() const override { return {kCount, kForm16, kMask, kForm32, kChip}; }

    void Seed(Seeder& s) const override {
        s.Seed(code(), Cell{0, {}});
        s.Seed(kMask, Cell{mask_, {}});
        for (uint32_t slot = 0; slot < slots_; ++slot) s.Seed(kForm32, Cell{0, Pack32(kIdentity)}, slot);
        for (const auto& [slot, raw] : matrices_) s.Seed(kForm32, Cell{0, Pack32(raw)}, slot);
    }

    int32_t FixedData(Context&, uint32_t code, Fixed& out) const override {
        if (code == kForm16) out = Fixed{0, 0, 1, kBytes16};
        else if (code == kForm32 || code == kChip) out = Fixed{0, 0, 1, kBytes32};
        else if (code == kMask) out = Fixed{static_cast<int32_t>((1u << slots_) - 1), 0, 1, 0};
        else if (code == kCount) out = Fixed{static_cast<int32_t>(slots_), 0, 1, 0};
        else out = Fixed{static_cast<int32_t>(kChipSlot), 0, 1, 0};
        return DvOk;
    }

    int32_t GetValue(Context& ctx, uint32_t code, uint32_t& value) const override {
        if (code == kCount) value = slots_;
        else if (code == kMask) value = ctx.state().ValueOr(ctx.Key(kMask), mask_);
        else if (code == this->code()) value = Selected(ctx);
        else return DvErrNotSupported;
        return DvOk;
    }

    int32_t SetValue(Context& ctx, uint32_t code, uint32_t value, uint32_t) const override {
        if (code == kMask) {
            ctx.state().SetValue(ctx.Key(kMask), value & 0xFFFF);
            return DvOk;
        }
        if (code != this->code()) return code == kCount ? DvErrRefused : DvErrNotSupported;
        if (value >= slots_ && value != kChipSlot) return DvErrRefused;
        ctx.state().SetValue(ctx.Key(code), value);
        return DvOk;
    }

    int32_t GetData(Context& ctx, uint32_t code, uint8_t* out, uint32_t size) const override {
        if (code == kChip) return CopyOut(Pack32(chip_), out, size);
        if (code != kForm16 && code != kForm32) return DvErrNotSupported;
        const Raw raw = Stored(ctx, Selected(ctx));
        return CopyOut(code == kForm16 ? Pack16(raw) : Pack32(raw), out, size);
    }

    int32_t SetData(Context& ctx, uint32_t code, const uint8_t* in, uint32_t size, uint32_t) const override {
        if (code == kChip) return DvErrRefused;
        if (code != kForm16 && code != kForm32) return DvErrNotSupported;
        if (size != (code == kForm16 ? kBytes16 : kBytes32)) return DvErrSizeMismatch;
        const uint32_t slot = Selected(ctx);
        if (slot == kChipSlot) return DvErrRefused;
        ctx.state().SetData(ctx.Key(kForm32, slot), Pack32(Unpack(in, code == kForm16 ? 2 : 4)));
        return DvOk;
    }

private:
    uint32_t Selected(Context& ctx) const { return ctx.state().ValueOr(ctx.Key(code()), 0); }
    Raw Stored(Context& ctx, uint32_t slot) const {
        if (slot == kChipSlot) return chip_;
        const Cell* c = ctx.state().Get(ctx.Key(kForm32, slot));
        return c != nullptr && c->data.size() == kBytes32 ? Unpack(c->data.data(), 4) : kIdentity;
    }

    uint32_t slots_ = 8;
    uint32_t mask_ = 0;
    Raw chip_ = kIdentity;
    std::vector<std::pair<uint32_t, Raw>> matrices_;
};

const ItemKindRegistrar kMatrixBank("matrix-bank",
                                    [](const ItemConfig& c) { return std::make_unique<MatrixBankItem>(c); });

}  // namespace
}  // namespace dvc::sim
