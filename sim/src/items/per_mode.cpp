// "per-mode": a setting that each colour mode keeps for itself. Value reads
// and writes reach the current mode's setting (the current mode is the
// value of `mode_code`); a data read gives every mode's, one byte each.
#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

class PerModeItem final : public Item {
public:
    explicit PerModeItem(const ItemConfig& c) : Item(c.code) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry, {"kind", "links", "mode_code", "values", "max", "comment"}, w);
        const json::Json* mode = json::Find(c.entry, "mode_code");
        const json::Json* values = json::Find(c.entry, "values");
        if (mode == nullptr || values == nullptr)
            throw ConfigError(w + ": a \"per-mode\" feature needs \"mode_code\" and \"values\"");
        mode_code_ = json::ParseCode(json::String(*mode, w + ".mode_code"), w + ".mode_code");
        initial_ = json::Bytes(*values, w + ".values");
        if (initial_.empty()) throw ConfigError(w + ".values: one value per mode");
        max_ = json::ValueOr(c.entry, "max", 0xFFu, w);
    }

    void Seed(Seeder& s) const override {
        for (uint32_t m = 0; m < initial_.size(); ++m) s.Seed(code(), Cell{initial_[m], {}}, m);
    }

    int32_t FixedData(Context&, uint32_t, Fixed& out) const override {
        out = Fixed{static_cast<int32_t>(max_), 0, 1, static_cast<uint32_t>(initial_.size())};
        return DvOk;
    }

    int32_t GetValue(Context& ctx, uint32_t, uint32_t& value) const override {
        const uint32_t mode = Current(ctx);
        if (mode >= initial_.size()) return DvErrRefused;
        value = At(ctx, mode);
        return DvOk;
    }

    int32_t SetValue(Context& ctx, uint32_t, uint32_t value, uint32_t) const override {
        const uint32_t mode = Current(ctx);
        if (mode >= initial_.size() || value > max_) return DvErrRefused;
        ctx.state().SetValue(ctx.Key(code(), mode), value);
        return DvOk;
    }

    int32_t GetData(Context& ctx, uint32_t, uint8_t* out, uint32_t size) const override {
        std::vector<uint8_t> block;
        for (uint32_t m = 0; m < initial_.size(); ++m) block.push_back(static_cast<uint8_t>(At(ctx, m)));
        return CopyOut(block, out, size);
    }

private:
    uint32_t Current(Context& ctx) const { return ctx.state().ValueOr(ctx.Key(mode_code_), 0); }
    uint32_t At(Context& ctx, uint32_t mode) const {
        return ctx.state().ValueOr(ctx.Key(code(), mode), initial_[mode]);
    }

    uint32_t mode_code_ = 0;
    uint32_t max_ = 0xFF;
    std::vector<uint8_t> initial_;
};

const ItemKindRegistrar kPerMode("per-mode", [](const ItemConfig& c) { return std::make_unique<PerModeItem>(c); });

}  // namespace
}  // namespace dvc::sim
