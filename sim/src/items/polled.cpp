// Polled states: a value that, after the host writes a trigger, passes
// through a sequence of values over time or over reads (an auto adjust
// that reads "busy" for a while, then "done"). Progress is kept in the
// monitor's state so that it survives across processes.
#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

using json::Json;

// Slots of the item's cells: 0 the value, 1 the running sequence (trigger
// value + 1, or 0), 2 the step, 3 reads in the step, 4 the step's start.
constexpr uint32_t kSeq = 1, kStep = 2, kReads = 3, kStart = 4;

struct Step {
    uint32_t value = 0;
    uint32_t reads = 0;  // step ends after this many reads (0: not by reads)
    uint32_t ms = 0;     // or after this much time (0: not by time)
};

class PolledItem final : public Item {
public:
    explicit PolledItem(const ItemConfig& c) : Item(c.code) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry, {"kind", "links", "min", "max", "value", "sequences", "comment"}, w);
        min_ = json::BoundOr(c.entry, "min", 0, w);
        max_ = json::BoundOr(c.entry, "max", 0xFF, w);
        initial_ = json::ValueOr(c.entry, "value", 0, w);
        const Json* seqs = json::Find(c.entry, "sequences");
        if (seqs == nullptr) throw ConfigError(w + ": a \"polled\" feature needs \"sequences\"");
        json::RequireObject(*seqs, w + ".sequences");
        for (auto it = seqs->begin(); it != seqs->end(); ++it) {
            std::string sw = w + ".sequences." + it.key();
            uint32_t trigger = it.key() == "*" ? kAny : json::ParseCode(it.key(), sw);
            if (!it.value().is_array() || it.value().empty() || it.value().size() > 64)
                throw ConfigError(sw + ": expected 1..64 steps");
            std::vector<Step> steps;
            for (std::size_t i = 0; i < it.value().size(); ++i) {
                const Json& s = it.value()[i];
                std::string stw = sw + "[" + std::to_string(i) + "]";
                json::OnlyKeys(s, {"value", "reads", "ms"}, stw);
                Step st;
                const Json* v = json::Find(s, "value");
                if (v == nullptr) throw ConfigError(stw + ": needs \"value\"");
                st.value = json::Value(*v, stw + ".value");
                st.reads = json::ValueOr(s, "reads", 0, stw);
                st.ms = json::ValueOr(s, "ms", 0, stw);
                if (st.ms > 3600000) throw ConfigError(stw + ".ms: at most an hour");
                steps.push_back(st);
            }
            sequences_.emplace_back(trigger, std::move(steps));
        }
    }

    void Seed(Seeder& s) const override { s.Seed(code(), Cell{initial_, {}}); }

    int32_t FixedData(Context&, uint32_t, Fixed& out) const override {
        out = Fixed{max_, min_, 1, 0};
        return DvOk;
    }

    int32_t SetValue(Context& ctx, uint32_t code, uint32_t value, uint32_t) const override {
        MonitorState& st = ctx.state();
        st.SetValue(ctx.Key(code), value);
        // A sequence for the value written wins over the one for any value.
        for (uint32_t wanted : {value, kAny}) {
            for (std::size_t i = 0; i < sequences_.size(); ++i) {
                if (sequences_[i].first != wanted) continue;
                st.SetValue(ctx.Key(code, kSeq), static_cast<uint32_t>(i + 1));
                StartStep(ctx, 0);
                return DvOk;
            }
        }
        st.SetValue(ctx.Key(code, kSeq), 0);
        return DvOk;
    }

    int32_t GetValue(Context& ctx, uint32_t code, uint32_t& value) const override {
        MonitorState& st = ctx.state();
        uint32_t seq = st.ValueOr(ctx.Key(code, kSeq), 0);
        if (seq == 0 || seq > sequences_.size()) {
            value = st.ValueOr(ctx.Key(code), initial_);
            return DvOk;
        }
        const std::vector<Step>& steps = sequences_[seq - 1].second;
        uint32_t step = st.ValueOr(ctx.Key(code, kStep), 0);
        while (step + 1 < steps.size() && Finished(ctx, steps[step])) StartStep(ctx, ++step);
        if (step + 1 >= steps.size()) {
            // The last step is the state the monitor settles in.
            st.SetValue(ctx.Key(code), steps.back().value);
            st.SetValue(ctx.Key(code, kSeq), 0);
            value = steps.back().value;
            return DvOk;
        }
        st.SetValue(ctx.Key(code, kReads), st.ValueOr(ctx.Key(code, kReads), 0) + 1);
        value = steps[step].value;
        return DvOk;
    }

private:
    static constexpr uint32_t kAny = 0xFFFFFFFFu;

    void StartStep(Context& ctx, uint32_t step) const {
        MonitorState& st = ctx.state();
        st.SetValue(ctx.Key(code(), kStep), step);
        st.SetValue(ctx.Key(code(), kReads), 0);
        auto now = static_cast<uint64_t>(Context::NowMs());
        std::vector<uint8_t> bytes(8);
        for (int i = 0; i < 8; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<uint8_t>(now >> (8 * i));
        st.SetData(ctx.Key(code(), kStart), std::move(bytes));
    }

    bool Finished(Context& ctx, const Step& s) const {
        MonitorState& st = ctx.state();
        if (s.reads != 0 && st.ValueOr(ctx.Key(code(), kReads), 0) >= s.reads) return true;
        if (s.ms != 0) {
            const Cell* c = st.Get(ctx.Key(code(), kStart));
            uint64_t start = 0;
            if (c != nullptr)
                for (std::size_t i = 0; i < c->data.size() && i < 8; ++i)
                    start |= static_cast<uint64_t>(c->data[i]) << (8 * i);
            if (static_cast<uint64_t>(Context::NowMs()) >= start + s.ms) return true;
        }
        return s.reads == 0 && s.ms == 0;
    }

    int32_t min_ = 0, max_ = 0xFF;
    uint32_t initial_ = 0;
    std::vector<std::pair<uint32_t, std::vector<Step>>> sequences_;
};

const ItemKindRegistrar kPolled("polled", [](const ItemConfig& c) { return std::make_unique<PolledItem>(c); });

}  // namespace
}  // namespace dvc::sim
