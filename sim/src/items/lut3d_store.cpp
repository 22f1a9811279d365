// "lut3d-store": a monitor's 3D LUT tables as the library moves them, in
// 24 parity-class blocks per table (see FORMAT.md). The item sits on the
// 128-byte select code; its data code follows, and with `large_chunks` the
// 512-byte select and data codes too. Blocks never written read as the
// identity table, and the factory copy always does (it is read-only).
#include <algorithm>

#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

constexpr uint32_t kSmall = 128, kLarge = 512;

// What a select word names.
struct Block {
    uint32_t table = 0, component = 0, parity = 0, chunk = 0;
    bool factory = false;
};

class Lut3dStoreItem final : public Item {
public:
    explicit Lut3dStoreItem(const ItemConfig& c) : Item(c.code) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry, {"kind", "links", "grid", "levels", "tables", "large_chunks", "comment"}, w);
        grid_ = json::ValueOr(c.entry, "grid", 17, w);
        if (grid_ < 2 || grid_ > 62) throw ConfigError(w + ".grid: 2..62");
        tables_ = json::ValueOr(c.entry, "tables", 1, w);
        if (tables_ == 0 || tables_ > 128) throw ConfigError(w + ".tables: 1..128");
        large_ = json::BoolOr(c.entry, "large_chunks", false, w);
        if (const json::Json* l = json::Find(c.entry, "levels")) {
            const auto bytes = json::Bytes(*l, w + ".levels");
            levels_.assign(bytes.begin(), bytes.end());
            if (levels_.size() != grid_) throw ConfigError(w + ".levels: one level per node");
        } else {
            for (uint32_t i = 0; i < grid_; ++i) levels_.push_back(DefaultLevel(i));
        }
        const uint32_t m = (grid_ + 1) / 2;
        block_bytes_ = m * m * m * 2;
    }

    std::vector<uint32_t> ExtraCodes() const override {
        if (large_) return {code() + 1, kSelectLarge, kSelectLarge + 1};
        return {code() + 1};
    }

    int32_t FixedData(Context&, uint32_t code, Fixed& out) const override {
        const bool data = code == this->code() + 1 || code == kSelectLarge + 1;
        out = Fixed{0, 0, 1, data ? (code == this->code() + 1 ? kSmall : kLarge) : 0u};
        return DvOk;
    }

    int32_t SetValue(Context& ctx, uint32_t code, uint32_t word, uint32_t) const override {
        if (code != this->code() && code != kSelectLarge) return DvErrNotSupported;
        const Block b = code == kSelectLarge ? Large(word) : Small(word);
        const uint32_t chunk = code == kSelectLarge ? 0 : b.chunk * kSmall;
        if (b.table >= tables_ || b.component > 2 || b.parity > 7 || chunk >= block_bytes_) return DvErrFailed;
        ctx.state().SetValue(ctx.Key(code), word);
        if (code == kSelectLarge) ctx.state().SetValue(ctx.Key(kSelectLarge + 1), 0);  // first chunk next
        return DvOk;
    }

    int32_t GetData(Context& ctx, uint32_t code, uint8_t* out, uint32_t size) const override {
        uint32_t at = 0, length = 0;
        Block b;
        if (const int32_t r = Chunk(ctx, code, size, b, at, length); r != DvOk) return r;
        const std::vector<uint8_t> block = Contents(ctx, b);
        std::copy_n(block.begin() + at, std::min(length, block_bytes_ - at), out);
        return DvOk;
    }

    int32_t SetData(Context& ctx, uint32_t dataCode, const uint8_t* in, uint32_t size, uint32_t) const override {
        uint32_t at = 0, length = 0;
        Block b;
        if (const int32_t r = Chunk(ctx, dataCode, size, b, at, length); r != DvOk) return r;
        if (b.factory) return DvErrNotSupported;
        std::vector<uint8_t> block = Contents(ctx, b);
        std::copy_n(in, std::min(length, block_bytes_ - at), block.begin() + at);  // the padding past the end drops
        ctx.state().SetData(ctx.Key(code(), Slot(b)), std::move(block));
        return DvOk;
    }

private:
    static constexpr uint32_t kSelectLarge = 0xFF0100B8;

    uint16_t DefaultLevel(uint32_t i) const {
        static constexpr uint16_t k10[] = {0, 16, 32, 64, 96, 128, 160, 192, 224, 255};
        if (grid_ == 10) return k10[i];
        if (grid_ == 17) return static_cast<uint16_t>(std::min(i * 16, 255u));
        return static_cast<uint16_t>((510 * i + grid_ - 1) / (2 * (grid_ - 1)));
    }

    static Block Small(uint32_t w) { return {w >> 16, (w >> 13) & 3, (w >> 8) & 0x1F, w & 0xFF, ((w >> 15) & 1) != 0}; }
    static Block Large(uint32_t w) {
        return {(w & 0x80) ? (w >> 8) & 0x7F : 0, (w >> 3) & 3, w & 7, 0, ((w >> 15) & 1) != 0};
    }
    static uint32_t Slot(const Block& b) { return (b.table << 5) | (b.component << 3) | b.parity; }

    // The block and byte range that a data transfer on `code` reaches: the
    // chunk the 128-byte select names, or the 512-byte mode's next one.
    int32_t Chunk(Context& ctx, uint32_t code, uint32_t size, Block& b, uint32_t& at, uint32_t& length) const {
        if (code == this->code() + 1) {
            if (size != kSmall) return DvErrSizeMismatch;
            b = Small(ctx.state().ValueOr(ctx.Key(this->code()), 0));
            at = b.chunk * kSmall;
        } else if (code == kSelectLarge + 1 && large_) {
            if (size != kLarge) return DvErrSizeMismatch;
            b = Large(ctx.state().ValueOr(ctx.Key(kSelectLarge), 0));
            const uint32_t next = ctx.state().ValueOr(ctx.Key(code), 0);
            at = next * kLarge;
            ctx.state().SetValue(ctx.Key(code), next + 1);
        } else {
            return DvErrNotSupported;
        }
        if (b.table >= tables_ || b.component > 2 || b.parity > 7 || at >= block_bytes_) return DvErrFailed;
        length = size;
        return DvOk;
    }

    // A stored block, or the identity: component c of node (i, j, k) is the
    // level of its c-th index at full scale.
    std::vector<uint8_t> Contents(Context& ctx, const Block& b) const {
        if (!b.factory) {
            if (const Cell* stored = ctx.state().Get(ctx.Key(code(), Slot(b))); stored && !stored->data.empty())
                return stored->data;
        }
        std::vector<uint8_t> block(block_bytes_, 0);
        const uint32_t m = (grid_ + 1) / 2;
        const uint32_t bit = (b.parity >> (2 - b.component)) & 1;
        for (uint32_t i = 0; i < m; ++i)
            for (uint32_t j = 0; j < m; ++j)
                for (uint32_t k = 0; k < m; ++k) {
                    const uint32_t index = 2 * (b.component == 0 ? i : b.component == 1 ? j : k) + bit;
                    if (index >= grid_) continue;
                    const uint32_t v = levels_[index] * 257u;
                    const uint32_t at = ((i * m + j) * m + k) * 2;
                    block[at] = static_cast<uint8_t>(v);
                    block[at + 1] = static_cast<uint8_t>(v >> 8);
                }
        return block;
    }

    uint32_t grid_ = 17, tables_ = 1, block_bytes_ = 0;
    bool large_ = false;
    std::vector<uint16_t> levels_;
};

const ItemKindRegistrar kLut3dStore("lut3d-store",
                                    [](const ItemConfig& c) { return std::make_unique<Lut3dStoreItem>(c); });

}  // namespace
}  // namespace dvc::sim
