// LUT blocks behind a select code and a data code (0x18/0x19, or 0x72/0x73):
// writing a block number to the select code chooses which 128-byte block
// the data code reads and writes. Models that take the selection only as a
// two-byte data write {block, 0} answer a HID value write with DvErrSizeMismatch.
#include <cmath>

#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

class LutSelectItem final : public Item {
public:
    explicit LutSelectItem(const ItemConfig& c) : Item(c.code), hid_(c.link == Link::HID) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry,
                       {"kind", "links", "data_code", "blocks", "block_size", "select_by", "fill", "entries",
                        "full_scale", "table_blocks", "comment"},
                       w);
        data_code_ = json::ValueOr(c.entry, "data_code", c.code + 1, w);
        if (data_code_ == c.code) throw ConfigError(w + ".data_code: must differ from the select code");
        blocks_ = json::ValueOr(c.entry, "blocks", 256, w);
        block_size_ = json::ValueOr(c.entry, "block_size", 128, w);
        if (blocks_ == 0 || blocks_ > 0x10000 || block_size_ == 0 || block_size_ > 4096)
            throw ConfigError(w + ": blocks must be 1..65536 and block_size 1..4096");
        std::string by = json::StringOr(c.entry, "select_by", "value", c.where);
        if (by != "value" && by != "data") throw ConfigError(w + ".select_by: expected \"value\" or \"data\"");
        data_select_ = by == "data";
        std::string fill = json::StringOr(c.entry, "fill", "ramp", c.where);
        if (fill == "ramp") fill_ = Fill::Ramp;
        else if (fill == "ramp-ff00") fill_ = Fill::RampFF00;
        else if (fill == "exponent") fill_ = Fill::Exponent;
        else if (fill == "zero") fill_ = Fill::Zero;
        else if (fill == "linear") fill_ = Fill::Linear;
        else throw ConfigError(w + ".fill: expected \"ramp\", \"ramp-ff00\", \"exponent\", \"linear\" or \"zero\"");
        entries_ = json::ValueOr(c.entry, "entries", 256, w);
        full_scale_ = json::ValueOr(c.entry, "full_scale", 0xFFFF, w);
        table_blocks_ = json::ValueOr(c.entry, "table_blocks", 4, w);
        if (entries_ < 2 || entries_ > 4096 || full_scale_ > 0xFFFF || table_blocks_ == 0)
            throw ConfigError(w + ": entries must be 2..4096, full_scale at most 0xFFFF, table_blocks at least 1");
    }

    std::vector<uint32_t> ExtraCodes() const override { return {data_code_}; }

    // Each group of four blocks holds one 256-entry table of 16-bit values,
    // least significant byte first; the default content is the identity in
    // the model's word form.
    void Seed(Seeder& s) const override {
        s.Seed(code(), Cell{0, {}});
        for (uint32_t b = 0; b < blocks_; ++b) {
            std::vector<uint8_t> block(block_size_, 0);
            for (uint32_t i = 0; fill_ != Fill::Zero && i + 1 < block_size_; i += 2) {
                const uint16_t v = IdentityWord(((b % table_blocks_) * block_size_ + i) / 2);
                block[i] = static_cast<uint8_t>(v);
                block[i + 1] = static_cast<uint8_t>(v >> 8);
            }
            s.Seed(data_code_, Cell{0, std::move(block)}, b);
        }
    }

    int32_t FixedData(Context&, uint32_t code, Fixed& out) const override {
        if (code == data_code_) out = Fixed{0, 0, 1, block_size_};
        else out = Fixed{static_cast<int32_t>(blocks_ - 1), 0, 1, data_select_ ? 2u : 0u};
        return DvOk;
    }

    int32_t GetValue(Context& ctx, uint32_t code, uint32_t& value) const override {
        if (code != this->code()) return DvErrNotSupported;
        value = ctx.state().ValueOr(ctx.Key(code), 0);
        return DvOk;
    }

    int32_t SetValue(Context& ctx, uint32_t code, uint32_t value, uint32_t) const override {
        if (code != this->code()) return hid_ ? DvErrSizeMismatch : DvErrNotSupported;
        if (data_select_ && hid_) return DvErrSizeMismatch;
        return Select(ctx, value);
    }

    int32_t GetData(Context& ctx, uint32_t code, uint8_t* out, uint32_t size) const override {
        if (code != data_code_) return DvErrNotSupported;
        const Cell* c = ctx.state().Get(ctx.Key(data_code_, Selected(ctx)));
        if (c == nullptr) return DvErrFailed;
        return CopyOut(c->data, out, size);
    }

    int32_t SetData(Context& ctx, uint32_t code, const uint8_t* in, uint32_t size, uint32_t) const override {
        if (code == this->code()) {
            if (size != 2) return DvErrSizeMismatch;
            return Select(ctx, in[0] | (static_cast<uint32_t>(in[1]) << 8));
        }
        if (size != block_size_) return DvErrSizeMismatch;
        ctx.state().SetData(ctx.Key(data_code_, Selected(ctx)), std::vector<uint8_t>(in, in + size));
        return DvOk;
    }

private:
    enum class Fill { Ramp, RampFF00, Exponent, Linear, Zero };

    // Entry `entry` of an identity table: 16-bit full scale, 8.8 fixed
    // point, or the exponent word (10-bit mantissa at 1020 full scale,
    // bits 10 to 13 the left shift) of the level raised to 1 / 2.2.
    uint16_t IdentityWord(uint32_t entry) const {
        // Linear: `entries` levels from 0 to `full_scale`, rounded half up; 0 past them.
        if (fill_ == Fill::Linear)
            return entry < entries_ ? static_cast<uint16_t>((uint64_t{entry} * full_scale_ * 2 + entries_ - 1) /
                                                            (2 * (entries_ - 1)))
                                    : 0;
        entry = std::min<uint32_t>(entry, 255);
        if (fill_ == Fill::Ramp) return static_cast<uint16_t>(entry * 257);
        if (fill_ == Fill::RampFF00) return static_cast<uint16_t>(entry * 256);
        double x = std::pow(entry / 255.0, 1.0 / 2.2) * 1020.0;
        uint32_t shift = 0;
        for (; x < 512.0 && shift < 15; ++shift) x *= 2.0;
        return static_cast<uint16_t>((shift << 10) + static_cast<uint32_t>(x));
    }

    uint32_t Selected(Context& ctx) const { return ctx.state().ValueOr(ctx.Key(code()), 0); }

    int32_t Select(Context& ctx, uint32_t block) const {
        if (block >= blocks_) return DvErrFailed;
        ctx.state().SetValue(ctx.Key(code()), block);
        return DvOk;
    }

    bool hid_;
    uint32_t data_code_ = 0, blocks_ = 256, block_size_ = 128;
    uint32_t entries_ = 256, full_scale_ = 0xFFFF, table_blocks_ = 4;
    bool data_select_ = false;
    Fill fill_ = Fill::Ramp;
};

const ItemKindRegistrar kLutSelect("lut-select",
                                   [](const ItemConfig& c) { return std::make_unique<LutSelectItem>(c); });

}  // namespace
}  // namespace dvc::sim
