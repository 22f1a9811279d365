#include "feature_access.hpp"

#include <fmt/format.h>

#include <array>

#include "failure.hpp"
#include "progress.hpp"
#include "value_text.hpp"

namespace dvc::cli {

namespace {

using Json = nlohmann::ordered_json;

// A block read starts with this much room and grows once to the length the
// monitor reports; no block of the library is near the limit.
constexpr int kFirstBlockRoom = 256;
constexpr int kLargestBlock = 1 << 20;

template <class... F>
struct Overload : F... {
    using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;

const char* SelectorWord(Selector s) { return s == Selector::Channel ? "--channel" : "--index"; }

// The one number the export takes beside its value, or -1 when it takes
// none; a missing or surplus option is the caller's mistake.
int Selected(const Feature& feature, Selector wanted, const Selection& selection) {
    const bool channel = selection.channel.has_value();
    const bool index = selection.index.has_value();
    if (wanted == Selector::None) {
        if (channel || index)
            throw UsageError(fmt::format("{} takes no {}", feature.name, channel ? "--channel" : "--index"));
        return -1;
    }
    const auto& given = wanted == Selector::Channel ? selection.channel : selection.index;
    const auto& other = wanted == Selector::Channel ? selection.index : selection.channel;
    if (other.has_value())
        throw UsageError(fmt::format("{} takes {} N, not {}", feature.name, SelectorWord(wanted),
                                     SelectorWord(wanted == Selector::Channel ? Selector::Index : Selector::Channel)));
    if (!given.has_value()) throw UsageError(fmt::format("{} needs {} N", feature.name, SelectorWord(wanted)));
    return *given;
}

Reading Number(const char* field, int value) {
    Reading r;
    r.text = std::to_string(value);
    r.fields[field] = value;
    return r;
}

Reading Bytes(std::vector<uint8_t> bytes) {
    Reading r;
    r.text = Hex(bytes);
    r.fields["hex"] = r.text;
    r.fields["bytes"] = std::move(bytes);
    return r;
}

Reading Doubles(const double* values, std::size_t count) {
    Reading r;
    Json list = Json::array();
    for (std::size_t i = 0; i < count; ++i) {
        r.text += (i == 0 ? "" : " ") + fmt::format("{}", values[i]);
        list.push_back(values[i]);
    }
    r.fields["values"] = std::move(list);
    return r;
}

Reading Xy(double x, double y) {
    Reading r;
    r.text = fmt::format("x {} y {}", x, y);
    r.fields["x"] = x;
    r.fields["y"] = y;
    return r;
}

template <class T>
Reading Range(T maximum, T minimum) {
    Reading r;
    r.text = fmt::format("min {} max {}", minimum, maximum);
    r.fields["min"] = minimum;
    r.fields["max"] = maximum;
    return r;
}

std::vector<uint8_t> ReadBlock(const BlockGet& get, Id id1, Id id2, const std::string& what) {
    std::vector<uint8_t> data(kFirstBlockRoom);
    int size = kFirstBlockRoom;
    DvError r = get.fn(id1, id2, data.data(), &size);
    if (r == DvErrSizeMismatch && size > static_cast<int>(data.size()) && size <= kLargestBlock) {
        data.resize(static_cast<std::size_t>(size));
        r = get.fn(id1, id2, data.data(), &size);
    }
    Check(r, what);
    if (size < 0 || size > static_cast<int>(data.size()))
        throw Failure(DvErrDataTruncated, fmt::format("{}: the library reported {} bytes", what, size));
    data.resize(static_cast<std::size_t>(size));
    return data;
}

Reading ReadRange(const Feature& feature, Id id1, Id id2) {
    const std::string what = "reading the range of " + std::string(feature.name);
    return std::visit(Overload{[&](const IntRange& g) {
                                   int maximum = 0, minimum = 0;
                                   Check(g.fn(id1, id2, &maximum, &minimum), what);
                                   return Range(maximum, minimum);
                               },
                               [&](const DoubleRange& g) {
                                   double maximum = 0, minimum = 0;
                                   Check(g.fn(id1, id2, &maximum, &minimum), what);
                                   return Range(maximum, minimum);
                               },
                               [&](const std::monostate&) -> Reading {
                                   throw UsageError(fmt::format("{} has no range", feature.name));
                               }},
                      feature.range);
}

Reading ReadValue(const Feature& feature, Id id1, Id id2, int selected) {
    const std::string what = "reading " + std::string(feature.name);
    return std::visit(Overload{[&](const ValueGet& g) {
                                   int value = 0;
                                   Check(g.fn(id1, id2, &value), what);
                                   return Number("value", value);
                               },
                               [&](const ChannelGet& g) {
                                   int value = 0;
                                   Check(g.fn(id1, id2, &value, selected), what);
                                   return Number("value", value);
                               },
                               [&](const ItemGet& g) {
                                   int value = 0;
                                   Check(g.fn(id1, id2, selected, &value), what);
                                   return Number("value", value);
                               },
                               [&](const CountGet& g) { return Number("count", g.fn(id1, id2)); },
                               [&](const BlockGet& g) { return Bytes(ReadBlock(g, id1, id2, what)); },
                               [&](const FixedGet& g) {
                                   std::vector<uint8_t> data(static_cast<std::size_t>(g.length));
                                   Check(g.fn(id1, id2, data.data()), what);
                                   return Bytes(std::move(data));
                               },
                               [&](const XyGet& g) {
                                   double x = 0, y = 0;
                                   Check(g.fn(id1, id2, &x, &y), what);
                                   return Xy(x, y);
                               },
                               [&](const PairsGet& g) {
                                   std::vector<double> xy(2 * static_cast<std::size_t>(g.pairs));
                                   Check(g.fn(id1, id2, xy.data()), what);
                                   return Doubles(xy.data(), xy.size());
                               },
                               [&](const CustomGet& g) { return g.fn(id1, id2, selected); },
                               [&](const std::monostate&) -> Reading {
                                   throw UsageError(fmt::format("{} cannot be read", feature.name));
                               }},
                      feature.get);
}

// What a refused write adds to its message: the range the feature takes,
// when it has one that can be read.
std::string Accepted(const Feature& feature, Id id1, Id id2) {
    const auto* range = std::get_if<IntRange>(&feature.range);
    int maximum = 0, minimum = 0;
    if (range == nullptr || range->fn(id1, id2, &maximum, &minimum) < 0) return "";
    return fmt::format("; it takes {} to {}", minimum, maximum);
}

// A value as an error message quotes it: long blocks cut short.
std::string Shortened(const std::string& text) {
    constexpr std::size_t kShown = 48;
    if (text.size() <= kShown) return text;
    return text.substr(0, kShown) + fmt::format("... ({} characters)", text.size());
}

// Runs the call, with a progress line when the feature's calls are long.
DvError Call(const Feature& feature, const std::function<DvError()>& call) {
    if (feature.progress == nullptr) return call();
    return RunWithProgress(feature.progress, call);
}

std::vector<double> Numbers(const std::vector<std::string>& words) {
    std::vector<double> values;
    for (const auto& w : words) values.push_back(ParseNumber(w));
    return values;
}

std::vector<uint8_t> FixedBytes(const std::string& word, int length) {
    std::vector<uint8_t> bytes = ParseHex(word);
    if (static_cast<int>(bytes.size()) != length)
        throw UsageError(fmt::format("\"{}\" is {} bytes; this block is exactly {}", word, bytes.size(), length));
    return bytes;
}

}  // namespace

Reading ReadFeature(const Feature& feature, const Monitor& monitor, const Selection& selection, bool range) {
    const char* id1 = monitor.serial.c_str();
    const char* id2 = monitor.model.c_str();
    const bool onlyRange =
        std::holds_alternative<std::monostate>(feature.get) && !std::holds_alternative<std::monostate>(feature.range);
    if (range || onlyRange) {
        Selected(feature, Selector::None, selection);
        return ReadRange(feature, id1, id2);
    }
    return ReadValue(feature, id1, id2, Selected(feature, SelectorOf(feature.get), selection));
}

Reading WriteFeature(const Feature& feature, const Monitor& monitor, const Selection& selection,
                     const std::vector<std::string>& words) {
    const char* id1 = monitor.serial.c_str();
    const char* id2 = monitor.model.c_str();
    if (std::holds_alternative<std::monostate>(feature.set))
        throw UsageError(fmt::format("{} cannot be set", feature.name));
    const int selected = Selected(feature, SelectorOf(feature.set), selection);
    if (const auto* own = std::get_if<WordsSet>(&feature.set)) {
        if (static_cast<int>(words.size()) < own->fewest || static_cast<int>(words.size()) > own->most)
            throw UsageError(fmt::format("{} takes {} as its value, not {} word{}", feature.name, own->shape,
                                         words.size(), words.size() == 1 ? "" : "s"));
        return own->fn(id1, id2, words);
    }
    const int wanted = ValueCount(feature.set);
    if (static_cast<int>(words.size()) != wanted)
        throw UsageError(fmt::format("{} takes {} as its value, not {} word{}", feature.name, ValueShape(feature.set),
                                     words.size(), words.size() == 1 ? "" : "s"));
    // Parse everything before the first call, so that a bad word changes nothing.
    Reading done;
    std::function<DvError()> call = std::visit(
        Overload{
            [&](const ValueSet& s) -> std::function<DvError()> {
                const int v = ParseInt(words[0]);
                done = Number("value", v);
                return [=] { return s.fn(id1, id2, v); };
            },
            [&](const ChannelSet& s) -> std::function<DvError()> {
                const int v = ParseInt(words[0]);
                done = Number("value", v);
                return [=] { return s.fn(id1, id2, v, selected); };
            },
            [&](const ItemSet& s) -> std::function<DvError()> {
                const int v = ParseInt(words[0]);
                done = Number("value", v);
                return [=] { return s.fn(id1, id2, selected, v); };
            },
            [&](const BlockSet& s) -> std::function<DvError()> {
                auto bytes = ParseHex(words[0]);
                done = Bytes(bytes);
                return [=] { return s.fn(id1, id2, bytes.data(), static_cast<int>(bytes.size())); };
            },
            [&](const FixedSet& s) -> std::function<DvError()> {
                auto bytes = FixedBytes(words[0], s.length);
                done = Bytes(bytes);
                return [=] { return s.fn(id1, id2, bytes.data()); };
            },
            [&](const XySet& s) -> std::function<DvError()> {
                const auto v = Numbers(words);
                done = Xy(v[0], v[1]);
                return [=] { return s.fn(id1, id2, v[0], v[1]); };
            },
            [&](const PairsSet& s) -> std::function<DvError()> {
                const auto v = Numbers(words);
                done = Doubles(v.data(), v.size());
                return [=] { return s.fn(id1, id2, v.data()); };
            },
            // Free-form values were handled above.
            [&](const WordsSet&) -> std::function<DvError()> { return [] { return DvErrInvalidParameter; }; },
            [&](const std::monostate&) -> std::function<DvError()> { return [] { return DvErrInvalidParameter; }; }},
        feature.set);
    const std::string what = fmt::format("setting {} to {}", feature.name, Shortened(done.text));
    const DvError result = Call(feature, call);
    if (result == DvErrRefused) throw Failure(result, what + Accepted(feature, id1, id2));
    Check(result, what);
    return done;
}

Reading RunFeature(const Feature& feature, const Monitor& monitor, const std::vector<std::string>& words) {
    const char* id1 = monitor.serial.c_str();
    const char* id2 = monitor.model.c_str();
    const auto wrongCount = [&](int wanted, const char* shape) {
        return UsageError(fmt::format("{} takes {}{}, not {} word{}", feature.name, wanted == 0 ? "no arguments" : "",
                                      shape, words.size(), words.size() == 1 ? "" : "s"));
    };
    Reading done;
    const DvError result = std::visit(Overload{[&](const Command& c) {
                                                   if (!words.empty()) throw wrongCount(0, "");
                                                   return Call(feature, [=] { return c.fn(id1, id2); });
                                               },
                                               [&](const ArgsCommand& c) {
                                                   if (static_cast<int>(words.size()) != c.count)
                                                       throw wrongCount(c.count, c.arguments);
                                                   std::vector<int> arguments;
                                                   for (const auto& w : words) arguments.push_back(ParseInt(w));
                                                   done.fields["arguments"] = arguments;
                                                   return Call(feature, [=] { return c.fn(id1, id2, arguments); });
                                               },
                                               [&](const std::monostate&) -> DvError {
                                                   throw UsageError(fmt::format("{} is not an action", feature.name));
                                               }},
                                      feature.run);
    Check(result, "running " + std::string(feature.name));
    done.text = "done";
    return done;
}

bool CanRead(const Feature& feature) {
    return !std::holds_alternative<std::monostate>(feature.get) ||
           !std::holds_alternative<std::monostate>(feature.range);
}

bool CanSet(const Feature& feature) { return !std::holds_alternative<std::monostate>(feature.set); }

bool CanRun(const Feature& feature) { return !std::holds_alternative<std::monostate>(feature.run); }

std::vector<std::string> Operations(const Feature& feature) {
    std::vector<std::string> ops;
    if (!std::holds_alternative<std::monostate>(feature.get)) ops.emplace_back("get");
    if (!std::holds_alternative<std::monostate>(feature.set)) ops.emplace_back("set");
    if (!std::holds_alternative<std::monostate>(feature.range)) ops.emplace_back("range");
    if (!std::holds_alternative<std::monostate>(feature.run)) ops.emplace_back("run");
    return ops;
}

}  // namespace dvc::cli
