// Plain stored features: "value" (a number with a range, optionally also
// seen as a little-endian data block of `length` bytes), "data" (a byte
// block), "mutex" (the process id of the owner, any value accepted) and
// "answer" (a feature that answers every transaction with one result).
#include <algorithm>

#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

using json::Json;

enum class Check { Refuse, Clamp, None };

Check ParseCheck(const Json& entry, const std::string& where) {
    const Json* j = json::Find(entry, "check");
    if (j == nullptr) return Check::Refuse;
    std::string s = json::String(*j, where + ".check");
    if (s == "refuse") return Check::Refuse;
    if (s == "clamp") return Check::Clamp;
    if (s == "none") return Check::None;
    throw ConfigError(where + ".check: expected \"refuse\", \"clamp\" or \"none\"");
}

class ValueItem final : public Item {
public:
    explicit ValueItem(const ItemConfig& c, bool any_value) : Item(c.code) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry,
                       {"kind", "links", "ddcci", "hid", "min", "max", "value", "values", "check", "readonly",
                        "writeonly", "length", "flag", "separate", "report", "comment"},
                       w);
        min_ = json::BoundOr(c.entry, "min", 0, w);
        max_ = json::BoundOr(c.entry, "max", any_value ? 0x7FFFFFFF : 0, w);
        initial_ = json::ValueOr(c.entry, "value", static_cast<uint32_t>(min_), w);
        flag_ = json::BoundOr(c.entry, "flag", 1, w);
        readonly_ = json::BoolOr(c.entry, "readonly", false, w);
        writeonly_ = json::BoolOr(c.entry, "writeonly", false, w);
        length_ = json::ValueOr(c.entry, "length", 0, w);
        if (length_ > 4) throw ConfigError(w + ".length: a value's data view holds at most 4 bytes");
        report_ = json::ValueOr(c.entry, "report", 0, w);
        if (report_ > 4) throw ConfigError(w + ".report: a value's report holds at most 4 bytes");
        check_ = any_value ? Check::None : ParseCheck(c.entry, w);
        if (const Json* v = json::Find(c.entry, "values")) {
            if (!v->is_array()) throw ConfigError(w + ".values: expected an array");
            for (std::size_t i = 0; i < v->size(); ++i)
                values_.push_back(json::Value((*v)[i], w + ".values[" + std::to_string(i) + "]"));
        }
        if (values_.empty() && check_ != Check::None && !InRange(initial_))
            throw ConfigError(w + ".value: initial value outside min..max");
    }

    void Seed(Seeder& s) const override { s.Seed(code(), Cell{initial_, {}}); }

    int32_t FixedData(Context&, uint32_t, Fixed& out) const override {
        out = Fixed{max_, min_, flag_, length_};
        return DvOk;
    }

    int32_t GetValue(Context& ctx, uint32_t code, uint32_t& value) const override {
        if (writeonly_) return DvErrNotSupported;
        value = ctx.state().ValueOr(ctx.Key(code), initial_);
        return DvOk;
    }

    int32_t SetValue(Context& ctx, uint32_t code, uint32_t value, uint32_t) const override {
        if (readonly_) return DvErrRefused;
        if (!Accept(value)) return DvErrRefused;
        ctx.state().SetValue(ctx.Key(code), value);
        // The monitor tells its HID host about the change, whichever link made it.
        if (report_ != 0) {
            std::vector<uint8_t> bytes(report_);
            for (uint32_t i = 0; i < report_; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
            ctx.SendReport(code, std::move(bytes));
        }
        return DvOk;
    }

    int32_t GetData(Context& ctx, uint32_t code, uint8_t* out, uint32_t size) const override {
        if (length_ == 0 || writeonly_) return DvErrNotSupported;
        uint32_t v = ctx.state().ValueOr(ctx.Key(code), initial_);
        std::vector<uint8_t> bytes(length_);
        for (uint32_t i = 0; i < length_; ++i) bytes[i] = static_cast<uint8_t>(v >> (8 * i));
        return CopyOut(bytes, out, size);
    }

    int32_t SetData(Context& ctx, uint32_t code, const uint8_t* in, uint32_t size, uint32_t option) const override {
        if (length_ == 0) return DvErrNotSupported;
        if (size != length_) return DvErrSizeMismatch;
        uint32_t v = 0;
        for (uint32_t i = 0; i < length_; ++i) v |= static_cast<uint32_t>(in[i]) << (8 * i);
        return SetValue(ctx, code, v, option);
    }

private:
    bool InRange(uint32_t v) const {
        if (min_ < 0) {
            auto s = static_cast<int32_t>(v);
            return s >= min_ && s <= max_;
        }
        return v >= static_cast<uint32_t>(min_) && v <= static_cast<uint32_t>(max_);
    }

    bool Accept(uint32_t& v) const {
        if (!values_.empty()) return std::find(values_.begin(), values_.end(), v) != values_.end();
        if (check_ == Check::None || InRange(v)) return true;
        if (check_ == Check::Refuse) return false;
        if (min_ < 0) {
            v = static_cast<uint32_t>(std::clamp(static_cast<int32_t>(v), min_, max_));
        } else {
            v = std::clamp(v, static_cast<uint32_t>(min_), static_cast<uint32_t>(max_));
        }
        return true;
    }

    int32_t min_ = 0, max_ = 0, flag_ = 1;
    uint32_t initial_ = 0, length_ = 0, report_ = 0;
    bool readonly_ = false, writeonly_ = false;
    Check check_ = Check::Refuse;
    std::vector<uint32_t> values_;
};

class DataItem final : public Item {
public:
    explicit DataItem(const ItemConfig& c) : Item(c.code), hid_(c.link == Link::HID) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry,
                       {"kind", "links", "ddcci", "hid", "data", "length", "min", "max", "flag", "readonly",
                        "writeonly", "partial", "separate", "comment"},
                       w);
        if (const Json* d = json::Find(c.entry, "data")) initial_ = json::Bytes(*d, w + ".data");
        length_ = json::ValueOr(c.entry, "length", static_cast<uint32_t>(initial_.size()), w);
        if (length_ > (1u << 20)) throw ConfigError(w + ".length: too large");
        if (initial_.size() > length_) throw ConfigError(w + ".data: longer than \"length\"");
        initial_.resize(length_, 0);
        min_ = json::BoundOr(c.entry, "min", 0, w);
        max_ = json::BoundOr(c.entry, "max", 0, w);
        flag_ = json::BoundOr(c.entry, "flag", 1, w);
        readonly_ = json::BoolOr(c.entry, "readonly", false, w);
        writeonly_ = json::BoolOr(c.entry, "writeonly", false, w);
        partial_ = json::BoolOr(c.entry, "partial", false, w);
    }

    void Seed(Seeder& s) const override { s.Seed(code(), Cell{0, initial_}); }

    int32_t FixedData(Context&, uint32_t, Fixed& out) const override {
        out = Fixed{max_, min_, flag_, length_};
        return DvOk;
    }

    // A value write to a data item does not fit: HID says so with the size
    // mismatch answer (the host may retry as a data write).
    int32_t SetValue(Context&, uint32_t, uint32_t, uint32_t) const override {
        return hid_ ? DvErrSizeMismatch : DvErrNotSupported;
    }

    int32_t GetData(Context& ctx, uint32_t code, uint8_t* out, uint32_t size) const override {
        if (writeonly_) return DvErrNotSupported;
        const Cell* c = ctx.state().Get(ctx.Key(code));
        return CopyOut(c ? c->data : initial_, out, size);
    }

    int32_t SetData(Context& ctx, uint32_t code, const uint8_t* in, uint32_t size, uint32_t) const override {
        if (readonly_) return DvErrRefused;
        if (size != length_ && !(partial_ && size < length_)) return DvErrSizeMismatch;
        const Cell* c = ctx.state().Get(ctx.Key(code));
        std::vector<uint8_t> data = c ? c->data : initial_;
        data.resize(length_, 0);
        std::copy(in, in + size, data.begin());
        ctx.state().SetData(ctx.Key(code), std::move(data));
        return DvOk;
    }

private:
    bool hid_;
    std::vector<uint8_t> initial_;
    uint32_t length_ = 0;
    int32_t min_ = 0, max_ = 0, flag_ = 1;
    bool readonly_ = false, writeonly_ = false, partial_ = false;
};

class AnswerItem final : public Item {
public:
    explicit AnswerItem(const ItemConfig& c) : Item(c.code) {
        json::OnlyKeys(c.entry, {"kind", "links", "ddcci", "hid", "result", "flag", "length", "comment"}, c.where);
        const Json* r = json::Find(c.entry, "result");
        if (r == nullptr) throw ConfigError(c.where + ": an \"answer\" feature needs \"result\"");
        result_ = json::Bound(*r, c.where + ".result");
        flag_ = json::BoundOr(c.entry, "flag", 1, c.where);
        length_ = json::ValueOr(c.entry, "length", 0, c.where);
    }
    int32_t FixedData(Context&, uint32_t, Fixed& out) const override {
        out = Fixed{0, 0, flag_, length_};
        return DvOk;
    }
    int32_t GetValue(Context&, uint32_t, uint32_t&) const override { return result_; }
    int32_t SetValue(Context&, uint32_t, uint32_t, uint32_t) const override { return result_; }
    int32_t GetData(Context&, uint32_t, uint8_t*, uint32_t) const override { return result_; }
    int32_t SetData(Context&, uint32_t, const uint8_t*, uint32_t, uint32_t) const override { return result_; }

private:
    int32_t result_ = 0, flag_ = 1;
    uint32_t length_ = 0;
};

const ItemKindRegistrar kValue("value", [](const ItemConfig& c) { return std::make_unique<ValueItem>(c, false); });
const ItemKindRegistrar kMutex("mutex", [](const ItemConfig& c) { return std::make_unique<ValueItem>(c, true); });
const ItemKindRegistrar kData("data", [](const ItemConfig& c) { return std::make_unique<DataItem>(c); });
const ItemKindRegistrar kAnswer("answer", [](const ItemConfig& c) { return std::make_unique<AnswerItem>(c); });

}  // namespace
}  // namespace dvc::sim
