// What the table walk checks for each row kind: the export, called as a
// host calls it, sends exactly the primitives and codes of its shape,
// passes the answer back, checks its arguments before any traffic, and
// answers a missing monitor (and one without paths) with its class value.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "features/table_fixture.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::test::walk {

using paths::ReadAs;
using paths::Switch;
using Flag = int (*)(const char*, const char*);
using Get = DvError (*)(const char*, const char*, int*);
using Set = DvError (*)(const char*, const char*, int);
using Range = DvError (*)(const char*, const char*, int*, int*);
using Command = DvError (*)(const char*, const char*);

// The fixture as the checks see it.
struct Walk : TableTest {
    ScriptedPath& path() { return first; }
    std::vector<std::string> Trace() const { return first.Trace(); }
    void Fresh() { first.Reset(); }
};

inline std::vector<std::string> Each(const char* op, std::initializer_list<uint32_t> codes) {
    std::vector<std::string> trace;
    for (uint32_t code : codes) trace.push_back(TableTest::At(op, code));
    return trace;
}
template <class C>
std::vector<std::string> EachOf(const char* op) {
    std::vector<std::string> trace;
    for (uint32_t code : C::kList) trace.push_back(TableTest::At(op, code));
    return trace;
}

// The class value for a monitor that is not there, and for one without
// paths; `call(serial, model)` makes the export's call.
template <class Call, class Result>
void MissingAndBare(Call&& call, Result missing, Result bare) {
    EXPECT_EQ(call("NOPE0000", "NOPE"), missing) << "unknown monitor";
    EXPECT_EQ(call(nullptr, kModel), missing) << "null serial number";
    EXPECT_EQ(call(kBareSerial, kBareModel), bare) << "monitor without paths";
}

template <class C>
void Supported(Walk& w, Flag fn) {
    w.Fresh();
    EXPECT_EQ(fn(kSerial, kModel), 0);
    EXPECT_EQ(w.Trace(), EachOf<C>("ReadFixedData"));
    w.Fresh();
    w.path().At(C::kList.back());
    EXPECT_NE(fn(kSerial, kModel), 0) << "the last code of the chain answers";
    EXPECT_EQ(w.Trace(), EachOf<C>("ReadFixedData"));
    if (C::kList.size() > 1) {
        w.Fresh();
        w.path().At(C::kList.front());
        EXPECT_NE(fn(kSerial, kModel), 0);
        EXPECT_EQ(w.Trace(), Each("ReadFixedData", {C::kList.front()}));
    }
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m); }, 0, 0);
}

template <class C>
void SupportedOut(Walk& w, Flag fn, const char* primitive, bool kept) {
    const uint32_t first = C::kList.front();
    w.Fresh();
    w.path().At(first);
    EXPECT_EQ(fn(kSerial, kModel), 1);
    EXPECT_EQ(w.Trace(), Each(primitive, {first}));
    w.Fresh();
    EXPECT_EQ(fn(kSerial, kModel), 0);
    EXPECT_EQ(w.Trace(), EachOf<C>(primitive)) << "an absent feature tries every code";
    if (C::kList.size() > 1) {
        w.Fresh();
        w.path().At(C::kList.back());
        EXPECT_EQ(fn(kSerial, kModel), 1);
    }
    w.Fresh();
    w.path().At(first);
    w.path().FailOn(primitive, first, DvErrInvalidParameter);
    EXPECT_EQ(fn(kSerial, kModel), 0) << (kept ? "flag kept" : "failure");
    EXPECT_EQ(w.Trace(), Each(primitive, {first})) << "0x80000001 is no reason to fall back";
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m); }, 0, 0);
}

// A Supported export answered by its older range operation: it asks the
// same primitives as that range export and reports the feature's presence.
template <class T>
void SupportedByRange(Walk& w, Flag fn, DvError (*rangeFn)(const char*, const char*, T*, T*)) {
    // Learn the codes the range export asks by giving it every code it
    // tries until it answers.
    std::vector<uint32_t> codes;
    T maximum{};
    T minimum{};
    for (int round = 0; round < 8; ++round) {
        w.Fresh();
        for (uint32_t code : codes) w.path().At(code).maximum = 90;
        if (rangeFn(kSerial, kModel, &maximum, &minimum) == DvOk) break;
        for (const auto& call : w.path().Calls()) codes.push_back(call.code);
    }
    const auto trace = w.Trace();
    ASSERT_FALSE(trace.empty());
    w.path().ClearCalls();
    EXPECT_EQ(fn(kSerial, kModel), 1);
    EXPECT_EQ(w.Trace(), trace) << "the same primitives as the range export";
    w.Fresh();
    EXPECT_EQ(fn(kSerial, kModel), 0);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m); }, 0, 0);
}

inline void RangeOld(Walk& w, Range fn, uint32_t code, const char* primitive, bool refuseNull) {
    w.Fresh();
    auto& item = w.path().At(code);
    item.maximum = 80;
    item.minimum = 5;
    int maximum = 0;
    int minimum = 0;
    EXPECT_EQ(fn(kSerial, kModel, &maximum, &minimum), DvOk);
    EXPECT_EQ(maximum, 80);
    EXPECT_EQ(minimum, 5);
    EXPECT_EQ(w.Trace(), Each(primitive, {code}));
    w.Fresh();
    EXPECT_EQ(fn(kSerial, kModel, &maximum, &minimum), DvErrNotSupported);
    w.Fresh();
    w.path().At(code);
    w.path().FailOn(primitive, code, DvErrInvalidParameter);
    EXPECT_EQ(fn(kSerial, kModel, &maximum, &minimum), DvErrFailed) << "every failure folds into 0x80000000";
    if (refuseNull) {
        w.Fresh();
        EXPECT_EQ(fn(kSerial, kModel, nullptr, &minimum), DvErrInvalidParameter);
        EXPECT_EQ(fn(kSerial, kModel, &maximum, nullptr), DvErrInvalidParameter);
        EXPECT_TRUE(w.Trace().empty());
    }
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, &maximum, &minimum); }, DvErrFailed,
                   DvErrFailed);
}

template <class C, class T>
void RangeChannels(Walk& w, DvError (*fn)(const char*, const char*, T*, T*), const char* primitive) {
    w.Fresh();
    int32_t channel = 0;
    for (uint32_t code : C::kList) {
        auto& item = w.path().At(code);
        item.maximum = 9000 + channel;
        item.minimum = 100 + channel++;
    }
    T maximum{};
    T minimum{};
    EXPECT_EQ(fn(kSerial, kModel, &maximum, &minimum), DvOk);
    EXPECT_EQ(w.Trace(), EachOf<C>(primitive));
    const auto& last = w.path().At(C::kList.back());
    const double scale = std::is_floating_point_v<T> ? 10000.0 : 1.0;
    EXPECT_DOUBLE_EQ(static_cast<double>(maximum), last.maximum / scale) << "the last channel's range";
    EXPECT_DOUBLE_EQ(static_cast<double>(minimum), last.minimum / scale);
    w.path().ClearCalls();
    w.path().At(C::kList[1]).supported = false;
    EXPECT_EQ(fn(kSerial, kModel, &maximum, &minimum), DvErrFailed);
    EXPECT_EQ(w.Trace(), Each(primitive, {C::kList[0], C::kList[1]})) << "stops at the absent channel";
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, &maximum, &minimum); }, DvErrFailed,
                   DvErrFailed);
}

template <class C>
void RangeFixed(Walk& w, Range fn) {
    w.Fresh();
    auto& item = w.path().At(C::kList.front());
    item.maximum = 90;
    item.minimum = 10;
    int maximum = 0;
    int minimum = 0;
    EXPECT_EQ(fn(kSerial, kModel, &maximum, &minimum), DvOk);
    EXPECT_EQ(maximum, 90);
    EXPECT_EQ(minimum, 10);
    EXPECT_EQ(w.Trace(), Each("ReadFixedData", {C::kList.front()}));
    w.Fresh();
    EXPECT_EQ(fn(kSerial, kModel, nullptr, &minimum), DvErrInvalidParameter);
    EXPECT_TRUE(w.Trace().empty());
    if (C::kList.size() > 1) {
        auto& fallback = w.path().At(C::kList[1]);
        fallback.maximum = 3;
        fallback.minimum = 1;
        EXPECT_EQ(fn(kSerial, kModel, &maximum, &minimum), DvOk);
        EXPECT_EQ(maximum, 3);
        EXPECT_EQ(w.Trace(), EachOf<C>("ReadFixedData"));
    }
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, &maximum, &minimum); }, DvErrFailed,
                   DvErrFailed);
}

template <class C, ReadAs kRead>
void ValueGet(Walk& w, Get fn) {
    const uint32_t first = C::kList.front();
    const int expected = kRead == ReadAs::Bool ? 1 : 0x1234;
    w.Fresh();
    w.path().At(first).value = 0x1234;
    int value = 0;
    EXPECT_EQ(fn(kSerial, kModel, &value), DvOk);
    EXPECT_EQ(value, expected);
    EXPECT_EQ(w.Trace(), Each("ReadValue", {first}));
    w.Fresh();
    EXPECT_EQ(fn(kSerial, kModel, nullptr), DvErrInvalidParameter);
    EXPECT_TRUE(w.Trace().empty()) << "checked before any traffic";
    w.path().At(first).value = 0x1234;
    w.path().RefuseOn("ReadValue", first);
    value = 0;
    EXPECT_EQ(fn(kSerial, kModel, &value), DvErrRefused);
    EXPECT_EQ(value, expected) << "a refused read still delivers its value";
    if (C::kList.size() > 1) {
        w.Fresh();
        w.path().At(C::kList[1]).value = 7;
        EXPECT_EQ(fn(kSerial, kModel, &value), DvOk);
        EXPECT_EQ(value, kRead == ReadAs::Bool ? 1 : 7) << "falls back after 0x80000007";
        EXPECT_EQ(w.Trace(), EachOf<C>("ReadValue"));
        w.path().ClearCalls();
        w.path().At(first);
        w.path().FailOn("ReadValue", first, DvErrInvalidParameter);
        EXPECT_EQ(fn(kSerial, kModel, &value), DvErrInvalidParameter);
        EXPECT_EQ(w.Trace(), Each("ReadValue", {first})) << "no fallback after 0x80000001";
    }
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, &value); }, DvErrFailed, DvErrFailed);
}

template <class C, Switch kSwitch>
void ValueSet(Walk& w, Set fn) {
    const uint32_t first = C::kList.front();
    for (int argument : {0, 1, 2, -1, 0x12345}) {
        w.Fresh();
        w.path().At(first);
        EXPECT_EQ(fn(kSerial, kModel, argument), DvOk);
        ASSERT_EQ(w.Trace(), Each("WriteValue", {first}));
        EXPECT_EQ(w.path().Calls()[0].value, paths::Switched(kSwitch, argument)) << "argument " << argument;
    }
    if (C::kList.size() > 1) {
        w.Fresh();
        w.path().At(C::kList[1]);
        EXPECT_EQ(fn(kSerial, kModel, 1), DvOk);
        EXPECT_EQ(w.Trace(), EachOf<C>("WriteValue"));
    }
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, 1); }, DvErrFailed, DvErrFailed);
}

inline void CommandRow(Walk& w, Command fn, uint32_t code, uint32_t value) {
    w.Fresh();
    w.path().At(code);
    EXPECT_EQ(fn(kSerial, kModel), DvOk);
    ASSERT_EQ(w.Trace(), Each("WriteValue", {code}));
    EXPECT_EQ(w.path().Calls()[0].value, value);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m); }, DvErrFailed, DvErrFailed);
}

inline void ValueCopy(Walk& w, Command fn, uint32_t from, uint32_t to) {
    w.Fresh();
    w.path().At(from).value = 77;
    w.path().At(to).value = 3;
    EXPECT_EQ(fn(kSerial, kModel), DvOk);
    EXPECT_EQ(w.path().At(to).value, 77u);
    EXPECT_EQ(w.Trace(), (std::vector<std::string>{TableTest::At("ReadValue", from), TableTest::At("WriteValue", to)}));
    w.Fresh();
    w.path().At(to);
    EXPECT_EQ(fn(kSerial, kModel), DvErrNotSupported);
    EXPECT_EQ(w.Trace(), Each("ReadValue", {from})) << "nothing written without the kept value";
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m); }, DvErrFailed, DvErrFailed);
}

inline void ForwardGet(Walk& w, Get fn, uint32_t code, const char* primitive) {
    w.Fresh();
    w.path().At(code).value = 1;
    int value = 0;
    EXPECT_EQ(fn(kSerial, kModel, &value), DvOk);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(w.Trace(), Each(primitive, {code}));
    w.Fresh();
    EXPECT_EQ(fn(kSerial, kModel, nullptr), DvErrInvalidParameter);
    EXPECT_TRUE(w.Trace().empty());
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, &value); }, DvErrFailed, DvErrFailed);
}

inline void ForwardSet(Walk& w, Set fn, uint32_t code, const char* primitive) {
    w.Fresh();
    w.path().At(code);
    EXPECT_EQ(fn(kSerial, kModel, 1), DvOk);
    ASSERT_EQ(w.Trace(), Each(primitive, {code}));
    EXPECT_EQ(w.path().Calls()[0].value, 1u);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, 1); }, DvErrFailed, DvErrFailed);
}

inline void ForwardXY(Walk& w, DvError (*get)(const char*, const char*, double*, double*),
                      DvError (*set)(const char*, const char*, double, double), uint32_t code, const char* primitive) {
    w.Fresh();
    auto& item = w.path().At(code);
    if (get != nullptr) {
        item.x = 0.3127;
        item.y = 0.329;
        double x = 0;
        double y = 0;
        EXPECT_EQ(get(kSerial, kModel, &x, &y), DvOk);
        EXPECT_DOUBLE_EQ(x, 0.3127);
        EXPECT_DOUBLE_EQ(y, 0.329);
        EXPECT_EQ(get(kSerial, kModel, &x, nullptr), DvErrInvalidParameter);
        MissingAndBare([&](const char* s, const char* m) { return get(s, m, &x, &y); }, DvErrFailed, DvErrFailed);
    } else {
        EXPECT_EQ(set(kSerial, kModel, 0.28, 0.29), DvOk);
        EXPECT_DOUBLE_EQ(item.x, 0.28);
        EXPECT_DOUBLE_EQ(item.y, 0.29);
        MissingAndBare([&](const char* s, const char* m) { return set(s, m, 0.3, 0.3); }, DvErrFailed, DvErrFailed);
    }
    EXPECT_EQ(w.Trace().front(), TableTest::At(primitive, code));
}

template <class C>
void ChannelGet(Walk& w, DvError (*fn)(const char*, const char*, int*, int), const char* primitive) {
    int value = 0;
    for (int channel = 0; channel < static_cast<int>(C::kList.size()); ++channel) {
        w.Fresh();
        w.path().At(C::kList[channel]).value = 1;
        EXPECT_EQ(fn(kSerial, kModel, &value, channel), DvOk);
        EXPECT_EQ(value, 1);
        EXPECT_EQ(w.Trace(), Each(primitive, {C::kList[channel]}));
    }
    w.Fresh();
    for (int channel : {static_cast<int>(C::kList.size()), -1}) {
        EXPECT_EQ(fn(kSerial, kModel, &value, channel), DvErrFailed) << "channel " << channel;
    }
    EXPECT_TRUE(w.Trace().empty()) << "a channel outside the table sends nothing";
    EXPECT_EQ(fn(kSerial, kModel, nullptr, 0), DvErrInvalidParameter);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, &value, 0); }, DvErrFailed, DvErrFailed);
}

template <class C>
void ChannelSet(Walk& w, DvError (*fn)(const char*, const char*, int, int), const char* primitive) {
    for (int channel = 0; channel < static_cast<int>(C::kList.size()); ++channel) {
        w.Fresh();
        w.path().At(C::kList[channel]);
        EXPECT_EQ(fn(kSerial, kModel, 40 + channel, channel), DvOk);
        ASSERT_EQ(w.Trace(), Each(primitive, {C::kList[channel]}));
        EXPECT_EQ(w.path().Calls()[0].value, static_cast<uint32_t>(40 + channel));
    }
    w.Fresh();
    EXPECT_EQ(fn(kSerial, kModel, 1, static_cast<int>(C::kList.size())), DvErrFailed);
    EXPECT_TRUE(w.Trace().empty());
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, 1, 0); }, DvErrFailed, DvErrFailed);
}

inline void FixedMaximumGet(Walk& w, Get fn, uint32_t code) {
    w.Fresh();
    w.path().At(code).maximum = 7;
    int value = 0;
    EXPECT_EQ(fn(kSerial, kModel, &value), DvOk);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(w.Trace(), Each("ReadFixedData", {code}));
    EXPECT_EQ(fn(kSerial, kModel, nullptr), DvErrInvalidParameter);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, &value); }, DvErrFailed, DvErrFailed);
}

inline void Count(Walk& w, Flag fn, uint32_t code) {
    w.Fresh();
    w.path().At(code).maximum = 7;
    EXPECT_EQ(fn(kSerial, kModel), 7);
    EXPECT_EQ(w.Trace(), Each("ReadFixedData", {code}));
    w.path().At(code).maximum = -3;
    EXPECT_EQ(fn(kSerial, kModel), 0) << "a negative count is no count";
    w.path().FailOn("ReadFixedData", code, DvErrFailed);
    EXPECT_EQ(fn(kSerial, kModel), 0);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m); }, 0, 0);
}

inline void FixedLength(Walk& w, Get fn, uint32_t code) {
    w.Fresh();
    w.path().At(code).data = {1, 2, 3, 4, 5};
    int size = 0;
    EXPECT_EQ(fn(kSerial, kModel, &size), DvOk);
    EXPECT_EQ(size, 5);
    EXPECT_EQ(w.Trace(), Each("ReadFixedData", {code}));
    EXPECT_EQ(fn(kSerial, kModel, nullptr), DvErrInvalidParameter);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, &size); }, DvErrFailed, DvErrFailed);
}

}  // namespace dvc::test::walk
