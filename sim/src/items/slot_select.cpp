// Slot-selected items: a value written to the select code chooses the slot
// that the data codes read and write (areas, output segments, banks). The
// select code's fixed-data maximum is the number of slots.
#include "../config_error.hpp"
#include "../item.hpp"
#include "selector.hpp"

namespace dvc::sim {
namespace {

using json::Json;

class SlotSelectItem final : public Item {
public:
    explicit SlotSelectItem(const ItemConfig& c) : Item(c.code) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry, {"kind", "links", "slots", "data", "writable", "comment"}, w);
        slots_ = json::ValueOr(c.entry, "slots", 1, w);
        if (slots_ == 0 || slots_ > 4096) throw ConfigError(w + ".slots: 1..4096");
        writable_ = json::BoolOr(c.entry, "writable", false, w);
        const Json* data = json::Find(c.entry, "data");
        if (data == nullptr) throw ConfigError(w + ": a \"slot-select\" feature needs \"data\"");
        json::RequireObject(*data, w + ".data");
        // "data": {"0xFF0000F8": {"length": 12, "default": bytes, "slots": {"1": bytes}}}
        for (auto it = data->begin(); it != data->end(); ++it) {
            std::string dw = w + ".data." + it.key();
            Code d;
            d.code = json::ParseCode(it.key(), dw);
            if (d.code == c.code) throw ConfigError(dw + ": the data code must differ from the select code");
            json::OnlyKeys(it.value(), {"length", "default", "slots"}, dw);
            if (const Json* def = json::Find(it.value(), "default")) d.fallback = json::Bytes(*def, dw + ".default");
            d.length = json::ValueOr(it.value(), "length", static_cast<uint32_t>(d.fallback.size()), dw);
            if (d.length == 0 || d.length > 65536) throw ConfigError(dw + ".length: 1..65536");
            d.fallback.resize(d.length, 0);
            if (const Json* per = json::Find(it.value(), "slots")) {
                json::RequireObject(*per, dw + ".slots");
                for (auto s = per->begin(); s != per->end(); ++s) {
                    uint32_t slot = json::ParseCode(s.key(), dw + ".slots");
                    if (slot >= slots_) throw ConfigError(dw + ".slots." + s.key() + ": beyond \"slots\"");
                    auto bytes = json::Bytes(s.value(), dw + ".slots." + s.key());
                    if (bytes.size() > d.length) throw ConfigError(dw + ".slots." + s.key() + ": longer than length");
                    bytes.resize(d.length, 0);
                    d.per_slot.emplace_back(slot, std::move(bytes));
                }
            }
            codes_.push_back(std::move(d));
        }
    }

    std::vector<uint32_t> ExtraCodes() const override {
        std::vector<uint32_t> out;
        for (const auto& d : codes_) out.push_back(d.code);
        return out;
    }

    void Seed(Seeder& s) const override {
        s.Seed(code(), Cell{0, {}});
        for (const auto& d : codes_) {
            for (uint32_t slot = 0; slot < slots_; ++slot) s.Seed(d.code, Cell{0, d.fallback}, slot);
            for (const auto& [slot, bytes] : d.per_slot) s.Seed(d.code, Cell{0, bytes}, slot);
        }
    }

    int32_t FixedData(Context&, uint32_t code, Fixed& out) const override {
        if (const Code* d = Find(code)) out = Fixed{0, 0, 1, d->length};
        else out = Fixed{static_cast<int32_t>(slots_), 0, 1, 0};
        return DvOk;
    }

    int32_t GetValue(Context& ctx, uint32_t code, uint32_t& value) const override {
        return selector::Get(ctx, this->code(), code, value);
    }

    int32_t SetValue(Context& ctx, uint32_t code, uint32_t value, uint32_t) const override {
        return selector::Set(ctx, this->code(), slots_, code, value);
    }

    int32_t GetData(Context& ctx, uint32_t code, uint8_t* out, uint32_t size) const override {
        const Code* d = Find(code);
        if (d == nullptr) return DvErrNotSupported;
        const Cell* c = ctx.state().Get(ctx.Key(code, Selected(ctx)));
        return CopyOut(c ? c->data : d->fallback, out, size);
    }

    int32_t SetData(Context& ctx, uint32_t code, const uint8_t* in, uint32_t size, uint32_t) const override {
        const Code* d = Find(code);
        if (d == nullptr) return DvErrNotSupported;
        if (!writable_) return DvErrRefused;
        if (size != d->length) return DvErrSizeMismatch;
        ctx.state().SetData(ctx.Key(code, Selected(ctx)), std::vector<uint8_t>(in, in + size));
        return DvOk;
    }

private:
    struct Code {
        uint32_t code = 0;
        uint32_t length = 0;
        std::vector<uint8_t> fallback;
        std::vector<std::pair<uint32_t, std::vector<uint8_t>>> per_slot;
    };
    const Code* Find(uint32_t code) const {
        for (const auto& d : codes_)
            if (d.code == code) return &d;
        return nullptr;
    }
    uint32_t Selected(Context& ctx) const { return ctx.state().ValueOr(ctx.Key(code()), 0); }

    uint32_t slots_ = 1;
    bool writable_ = false;
    std::vector<Code> codes_;
};

const ItemKindRegistrar kSlotSelect("slot-select",
                                    [](const ItemConfig& c) { return std::make_unique<SlotSelectItem>(c); });

}  // namespace
}  // namespace dvc::sim
