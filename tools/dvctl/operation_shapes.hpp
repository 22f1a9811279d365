// The shapes of the exports that dvctl calls for a feature, one small
// struct per C signature, so that one catalogue entry can hold the address
// of each of a feature's exports whatever its family. Every function takes
// the monitor's identifier pair first.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "libdvc/libdvc.h"

namespace dvc::cli {

using Id = const char*;

// What a read gave: the text to print and the fields of its JSON object.
struct Reading {
    std::string text;
    nlohmann::ordered_json fields = nlohmann::ordered_json::object();
};

// Which number a call needs beside its value: none, a colour channel, or
// the index of an item (a key, an area, a segment).
enum class Selector { None, Channel, Index };

// The Supported export asked for a feature, with its name for JSON.
struct Ask {
    int (*fn)(Id, Id) = nullptr;
    const char* name = nullptr;
};

struct ValueGet {
    DvError (*fn)(Id, Id, int*);
};
struct ChannelGet {
    DvError (*fn)(Id, Id, int*, int channel);
};
struct ItemGet {
    DvError (*fn)(Id, Id, int index, int*);
};
struct CountGet {
    int (*fn)(Id, Id);
};
struct BlockGet {
    DvError (*fn)(Id, Id, uint8_t*, int* size);
};
struct FixedGet {
    DvError (*fn)(Id, Id, uint8_t*);
    int length;
};
struct XyGet {
    DvError (*fn)(Id, Id, double* x, double* y);
};
struct PairsGet {
    DvError (*fn)(Id, Id, double* xy);
    int pairs;
};
// A read of a shape of its own; throws a Failure when the export fails.
struct CustomGet {
    Reading (*fn)(Id, Id, int selected);
    Selector selector;
};

using Getter = std::variant<std::monostate, ValueGet, ChannelGet, ItemGet, CountGet, BlockGet, FixedGet, XyGet,
                            PairsGet, CustomGet>;

struct ValueSet {
    DvError (*fn)(Id, Id, int);
};
struct ChannelSet {
    DvError (*fn)(Id, Id, int value, int channel);
};
struct ItemSet {
    DvError (*fn)(Id, Id, int index, int value);
};
struct BlockSet {
    DvError (*fn)(Id, Id, const uint8_t*, int size);
};
struct FixedSet {
    DvError (*fn)(Id, Id, const uint8_t*);
    int length;
};
struct XySet {
    DvError (*fn)(Id, Id, double x, double y);
};
struct PairsSet {
    DvError (*fn)(Id, Id, const double* xy);
    int pairs;
};

// A write of a shape of its own, from `fewest` to `most` words of the
// command line (`shape` names them for help): it parses them, calls the
// library, says what it set, and throws a UsageError or a Failure.
struct WordsSet {
    Reading (*fn)(Id, Id, const std::vector<std::string>& words);
    int fewest;
    int most;
    const char* shape;
};

using Setter =
    std::variant<std::monostate, ValueSet, ChannelSet, ItemSet, BlockSet, FixedSet, XySet, PairsSet, WordsSet>;

struct IntRange {
    DvError (*fn)(Id, Id, int* maximum, int* minimum);
};
struct DoubleRange {
    DvError (*fn)(Id, Id, double* maximum, double* minimum);
};

using Ranger = std::variant<std::monostate, IntRange, DoubleRange>;

struct Command {
    DvError (*fn)(Id, Id);
};
// An action that takes whole numbers: `arguments` names them for help.
struct ArgsCommand {
    DvError (*fn)(Id, Id, const std::vector<int>&);
    int count;
    const char* arguments;
};

using Runner = std::variant<std::monostate, Command, ArgsCommand>;

// The number a getter or setter needs beside its value.
Selector SelectorOf(const Getter& get);
Selector SelectorOf(const Setter& set);
// How many words of the command line a setter takes as its value.
int ValueCount(const Setter& set);
// What the value words are, for help and errors: "N", "HEX", "X Y", ...
std::string ValueShape(const Setter& set);

}  // namespace dvc::cli
