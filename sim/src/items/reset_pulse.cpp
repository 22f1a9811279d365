// A reset driven by a pulse: the host writes the active level, then the
// idle level, and on that second write the monitor puts the listed
// features back to their initial state. Which level is idle follows
// another feature (a priority setting): idle is 1 while that feature holds
// `inverted_at`, else 0. A pulse in the wrong direction resets nothing.
//
// State: slot 0 the level, slot 1 the pulses completed, slot 2 set while a
// pulse is under way.
#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

using json::Json;

constexpr uint32_t kPulses = 1, kArmed = 2;

class ResetPulseItem final : public Item {
public:
    explicit ResetPulseItem(const ItemConfig& c) : Item(c.code) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry, {"kind", "links", "priority_code", "inverted_at", "resets", "comment"}, w);
        const Json* p = json::Find(c.entry, "priority_code");
        if (p == nullptr) throw ConfigError(w + ": a \"reset-pulse\" feature needs \"priority_code\"");
        priority_code_ = json::Code(*p, w + ".priority_code");
        inverted_at_ = json::ValueOr(c.entry, "inverted_at", 2, w);
        if (const Json* r = json::Find(c.entry, "resets")) {
            if (!r->is_array()) throw ConfigError(w + ".resets: expected a list of codes");
            for (const Json& code : *r) resets_.push_back(json::Code(code, w + ".resets"));
        }
    }

    void Seed(Seeder& s) const override { s.Seed(code(), Cell{0, {}}); }

    int32_t FixedData(Context&, uint32_t, Fixed& out) const override {
        out = Fixed{1, 0, 1, 0};
        return DvOk;
    }

    int32_t GetValue(Context& ctx, uint32_t code, uint32_t& value) const override {
        value = ctx.state().ValueOr(ctx.Key(code), 0);
        return DvOk;
    }

    int32_t SetValue(Context& ctx, uint32_t code, uint32_t value, uint32_t) const override {
        if (value > 1) return DvErrRefused;
        MonitorState& st = ctx.state();
        const uint32_t idle = st.ValueOr(ctx.Key(priority_code_), 0) == inverted_at_ ? 1 : 0;
        st.SetValue(ctx.Key(code), value);
        if (value != idle) {
            st.SetValue(ctx.Key(code, kArmed), 1);
            return DvOk;
        }
        if (st.ValueOr(ctx.Key(code, kArmed), 0) == 0) return DvOk;
        st.SetValue(ctx.Key(code, kArmed), 0);
        st.SetValue(ctx.Key(code, kPulses), st.ValueOr(ctx.Key(code, kPulses), 0) + 1);
        // Back to the profile's cells (every slot and link copy of each code).
        for (uint32_t reset : resets_)
            for (const auto& [key, cell] : st.Initial())
                if (key.code == reset) st.Put(key, cell);
        return DvOk;
    }

private:
    uint32_t priority_code_ = 0;
    uint32_t inverted_at_ = 2;
    std::vector<uint32_t> resets_;
};

const ItemKindRegistrar kResetPulse("reset-pulse",
                                    [](const ItemConfig& c) { return std::make_unique<ResetPulseItem>(c); });

}  // namespace
}  // namespace dvc::sim
