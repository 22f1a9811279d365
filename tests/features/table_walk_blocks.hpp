// Table walk checks of the data-block rows.
#pragma once

#include "features/table_walk_checks.hpp"

namespace dvc::test::walk {

using Bytes = std::vector<uint8_t>;

// Bytes 1, 2, 3, ... of the given length.
inline Bytes Counting(std::size_t length) {
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(i + 1);
    return bytes;
}

inline void BlockValueGet(Walk& w, Get fn, uint32_t code) {
    w.Fresh();
    w.path().At(code).data = {0x34, 0x12};
    int value = 0;
    EXPECT_EQ(fn(kSerial, kModel, &value), DvOk);
    EXPECT_EQ(value, 0x1234);
    EXPECT_EQ(w.Trace(), (std::vector<std::string>{TableTest::At("ReadFixedData", code), TableTest::At("ReadData", code)}));
    EXPECT_EQ(w.path().Calls()[1].size, 2u) << "the monitor's length";
    w.path().At(code).data = Counting(6);
    EXPECT_EQ(fn(kSerial, kModel, &value), DvOk);
    EXPECT_EQ(value, 0x04030201) << "the first four bytes of a longer block";
    w.Fresh();
    w.path().At(code);
    EXPECT_EQ(fn(kSerial, kModel, &value), DvErrNotSupported) << "an empty block";
    EXPECT_EQ(w.Trace(), Each("ReadFixedData", {code}));
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, &value); }, DvErrFailed, DvErrFailed);
}

inline void BlockValueSet(Walk& w, Set fn, uint32_t code) {
    w.Fresh();
    w.path().At(code).data = {9, 9};
    EXPECT_EQ(fn(kSerial, kModel, 0x1234), DvOk);
    EXPECT_EQ(w.path().At(code).data, (Bytes{0x34, 0x12}));
    EXPECT_EQ(w.Trace(), (std::vector<std::string>{TableTest::At("ReadFixedData", code), TableTest::At("WriteData", code)}));
    w.path().ClearCalls();
    EXPECT_EQ(fn(kSerial, kModel, 0x10000), DvErrInvalidParameter) << "too wide for a two-byte block";
    EXPECT_EQ(w.Trace(), Each("ReadFixedData", {code}));
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, 1); }, DvErrFailed, DvErrFailed);
}

inline void BlockFieldGet(Walk& w, Get fn, uint32_t code, uint32_t offset, uint32_t width) {
    w.Fresh();
    const Bytes block = Counting(offset + width + 1);
    w.path().At(code).data = block;
    int value = 0;
    EXPECT_EQ(fn(kSerial, kModel, &value), DvOk);
    EXPECT_EQ(static_cast<uint32_t>(value), paths::LittleField(block.data() + offset, width));
    w.path().At(code).data = Counting(offset + width - 1);
    EXPECT_EQ(fn(kSerial, kModel, &value), DvErrNotSupported) << "a block too short for the field";
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, &value); }, DvErrFailed, DvErrFailed);
}

template <Switch kSwitch>
void BlockFieldSet(Walk& w, Set fn, uint32_t code, uint32_t offset, uint32_t width) {
    for (int argument : {1, 2, 0}) {
        w.Fresh();
        Bytes block = Counting(offset + width + 2);
        w.path().At(code).data = block;
        EXPECT_EQ(fn(kSerial, kModel, argument), DvOk);
        paths::PutLittleField(block.data() + offset, width, paths::Switched(kSwitch, argument));
        EXPECT_EQ(w.path().At(code).data, block) << "only the field changes; argument " << argument;
        EXPECT_EQ(w.Trace(), (std::vector<std::string>{TableTest::At("ReadFixedData", code),
                                                       TableTest::At("ReadData", code),
                                                       TableTest::At("WriteData", code)}));
    }
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, 1); }, DvErrFailed, DvErrFailed);
}

inline void BlockItemGet(Walk& w, DvError (*fn)(const char*, const char*, int, int*), uint32_t code) {
    w.Fresh();
    w.path().At(code).data = {5, 6, 7};
    int value = 0;
    EXPECT_EQ(fn(kSerial, kModel, 1, &value), DvOk);
    EXPECT_EQ(value, 6);
    for (int index : {3, -1}) EXPECT_EQ(fn(kSerial, kModel, index, &value), DvErrInvalidParameter) << index;
    EXPECT_EQ(fn(kSerial, kModel, 0, nullptr), DvErrInvalidParameter);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, 0, &value); }, DvErrFailed, DvErrFailed);
}

inline void BlockItemSet(Walk& w, DvError (*fn)(const char*, const char*, int, int), uint32_t code) {
    w.Fresh();
    w.path().At(code).data = {5, 6, 7};
    EXPECT_EQ(fn(kSerial, kModel, 2, 9), DvOk);
    EXPECT_EQ(w.path().At(code).data, (Bytes{5, 6, 9}));
    w.path().ClearCalls();
    EXPECT_EQ(fn(kSerial, kModel, 3, 1), DvErrInvalidParameter);
    EXPECT_EQ(fn(kSerial, kModel, 0, 256), DvErrInvalidParameter) << "an item is one byte";
    for (const auto& call : w.path().Calls()) EXPECT_NE(call.op, "WriteData");
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, 0, 1); }, DvErrFailed, DvErrFailed);
}

inline void BlockRawGet(Walk& w, DvError (*fn)(const char*, const char*, uint8_t*, int*), uint32_t code) {
    w.Fresh();
    w.path().At(code).data = {1, 2, 3};
    Bytes buffer(8, 0xEE);
    int size = 8;
    EXPECT_EQ(fn(kSerial, kModel, buffer.data(), &size), DvOk);
    EXPECT_EQ(size, 3);
    EXPECT_EQ(buffer, (Bytes{1, 2, 3, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}));
    w.path().ClearCalls();
    size = 2;
    EXPECT_EQ(fn(kSerial, kModel, buffer.data(), &size), DvErrSizeMismatch);
    EXPECT_EQ(size, 3) << "the length the caller needs";
    EXPECT_EQ(w.Trace(), Each("ReadFixedData", {code})) << "nothing read into a short buffer";
    size = 0;
    EXPECT_EQ(fn(kSerial, kModel, nullptr, &size), DvErrSizeMismatch);
    EXPECT_EQ(size, 3) << "a null buffer of capacity 0 asks for the length";
    size = 4;
    EXPECT_EQ(fn(kSerial, kModel, nullptr, &size), DvErrInvalidParameter);
    EXPECT_EQ(fn(kSerial, kModel, buffer.data(), nullptr), DvErrInvalidParameter);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, buffer.data(), &size); }, DvErrFailed,
                   DvErrFailed);
}

inline void BlockRawSet(Walk& w, DvError (*fn)(const char*, const char*, const uint8_t*, int), uint32_t code) {
    w.Fresh();
    w.path().At(code).data = Bytes(4, 0xEE);
    const Bytes source{7, 8, 9, 10, 11};
    EXPECT_EQ(fn(kSerial, kModel, source.data(), 2), DvOk);
    EXPECT_EQ(w.path().At(code).data, (Bytes{7, 8, 0, 0})) << "zero-filled to the monitor's length";
    w.path().ClearCalls();
    EXPECT_EQ(fn(kSerial, kModel, source.data(), 5), DvErrSizeMismatch);
    EXPECT_EQ(w.Trace(), Each("ReadFixedData", {code}));
    EXPECT_EQ(fn(kSerial, kModel, nullptr, 2), DvErrInvalidParameter);
    EXPECT_EQ(fn(kSerial, kModel, source.data(), 0), DvErrInvalidParameter);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, source.data(), 1); }, DvErrFailed,
                   DvErrFailed);
}

inline void BlockFixedGet(Walk& w, DvError (*fn)(const char*, const char*, uint8_t*), uint32_t code,
                          uint32_t length) {
    w.Fresh();
    w.path().At(code).data = Counting(length);
    Bytes buffer(length, 0);
    EXPECT_EQ(fn(kSerial, kModel, buffer.data()), DvOk);
    EXPECT_EQ(buffer, Counting(length));
    ASSERT_EQ(w.Trace(), Each("ReadData", {code})) << "a fixed length needs no length query";
    EXPECT_EQ(w.path().Calls()[0].size, length);
    EXPECT_EQ(fn(kSerial, kModel, nullptr), DvErrInvalidParameter);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, buffer.data()); }, DvErrFailed, DvErrFailed);
}

inline void BlockFixedSet(Walk& w, DvError (*fn)(const char*, const char*, const uint8_t*), uint32_t code,
                          uint32_t length) {
    w.Fresh();
    w.path().At(code);
    const Bytes source = Counting(length);
    EXPECT_EQ(fn(kSerial, kModel, source.data()), DvOk);
    EXPECT_EQ(w.path().At(code).data, source);
    EXPECT_EQ(w.Trace(), Each("WriteData", {code}));
    EXPECT_EQ(fn(kSerial, kModel, nullptr), DvErrInvalidParameter);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, source.data()); }, DvErrFailed, DvErrFailed);
}

inline void BlockXYGet(Walk& w, DvError (*fn)(const char*, const char*, double*), uint32_t code, uint32_t pairs) {
    w.Fresh();
    Bytes block(pairs * 4);
    for (uint32_t i = 0; i < pairs * 2; ++i) paths::PutLittleField(block.data() + 2 * i, 2, 3000 + i);
    w.path().At(code).data = block;
    std::vector<double> xy(pairs * 2, -1.0);
    EXPECT_EQ(fn(kSerial, kModel, xy.data()), DvOk);
    for (uint32_t i = 0; i < pairs * 2; ++i) EXPECT_DOUBLE_EQ(xy[i], (3000 + i) / 10000.0);
    EXPECT_EQ(w.Trace(), Each("ReadData", {code}));
    EXPECT_EQ(fn(kSerial, kModel, nullptr), DvErrInvalidParameter);
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, xy.data()); }, DvErrFailed, DvErrFailed);
}

inline void BlockXYSet(Walk& w, DvError (*fn)(const char*, const char*, const double*), uint32_t code,
                       uint32_t pairs) {
    w.Fresh();
    w.path().At(code);
    std::vector<double> xy(pairs * 2, 0.3127);
    xy.back() = 0.329;
    EXPECT_EQ(fn(kSerial, kModel, xy.data()), DvOk);
    const Bytes& sent = w.path().At(code).data;
    ASSERT_EQ(sent.size(), pairs * 4);
    EXPECT_EQ(paths::LittleField(sent.data(), 2), 3127u) << "rounded to the nearest 0.0001";
    EXPECT_EQ(paths::LittleField(sent.data() + sent.size() - 2, 2), 3290u);
    w.path().ClearCalls();
    xy.front() = 6.6;
    EXPECT_EQ(fn(kSerial, kModel, xy.data()), DvErrInvalidParameter);
    xy.front() = -0.1;
    EXPECT_EQ(fn(kSerial, kModel, xy.data()), DvErrInvalidParameter);
    EXPECT_TRUE(w.Trace().empty()) << "coordinates are checked before anything is sent";
    xy.front() = 0.3;
    MissingAndBare([&](const char* s, const char* m) { return fn(s, m, xy.data()); }, DvErrFailed, DvErrFailed);
}

}  // namespace dvc::test::walk
