// The identification block (code 0x11): 8 bytes of serial number, then the
// model name with this link's padding. Read-only; built from the monitor's
// identity, so monitors of one profile answer with their own serial.
#include "../item.hpp"

namespace dvc::sim {
namespace {

std::vector<uint8_t> Block(const Identity& id) {
    std::string s = id.serial + id.model + id.padding;
    return {s.begin(), s.end()};
}

class IdentificationItem final : public Item {
public:
    explicit IdentificationItem(const ItemConfig& c) : Item(c.code) {
        json::OnlyKeys(c.entry, {"kind", "links", "comment"}, c.where);
    }
    int32_t FixedData(Context& ctx, uint32_t, Fixed& out) const override {
        out = Fixed{0, 0, 1, static_cast<uint32_t>(Block(ctx.identity()).size())};
        return DvOk;
    }
    int32_t GetData(Context& ctx, uint32_t, uint8_t* out, uint32_t size) const override {
        return CopyOut(Block(ctx.identity()), out, size);
    }
    int32_t SetData(Context&, uint32_t, const uint8_t*, uint32_t, uint32_t) const override { return DvErrRefused; }
};

const ItemKindRegistrar kIdentification("identification",
                                        [](const ItemConfig& c) { return std::make_unique<IdentificationItem>(c); });

}  // namespace
}  // namespace dvc::sim
