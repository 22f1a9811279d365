// dvctl store: the key/value stores inside a monitor (the SDK store, or with
// --app the application store) and the raw data items it keeps.
//   store list MONITOR               which stores and items the monitor keeps
//   store get MONITOR KEY            a value, as text or (--hex) bytes
//   store set MONITOR KEY VALUE      sets a value, the other keys kept
//   store rm MONITOR KEY             removes a key
//   store dump MONITOR ITEM -o FILE  a raw item's bytes into FILE
// The library offers no way to enumerate keys, so `list` names the items.
#include <fmt/format.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "command.hpp"
#include "failure.hpp"
#include "libdvc/dvc_storage.h"
#include "progress.hpp"
#include "session.hpp"

namespace dvc::cli {
namespace {

using Json = nlohmann::ordered_json;

struct StoreOptions {
    std::string monitor, key, value, item, output;
    bool hex = false, app = false, json = false;
    int record = 0, length = 0;
};

// The two stores share one shape of export.
struct Store {
    const char* name;
    DvError (*get)(const char*, const char*, const char*, uint8_t*, int*);
    DvError (*set)(const char*, const char*, const char*, const uint8_t*, int);
    int (*supported)(const char*, const char*);
};
constexpr Store kSdk{"SDK store", DvCtrlFSGetSDKDataForKey, DvCtrlFSSetSDKDataForKey, DvCtrlFSSupportedSDKData};
constexpr Store kApp{"application store", DvCtrlPrivateFSGetApplicationDataForKey,
                     DvCtrlPrivateFSSetApplicationDataForKey, DvCtrlPrivateFSSupportedApplicationData};

// The raw items: the export that reads them, and the one that gives their
// size (null when only the caller knows it).
struct RawItem {
    const char* word;
    const char* name;
    DvError (*read)(const char*, const char*, int, uint8_t*, int);
    DvError (*size)(const char*, const char*, int*, int*);
    int (*supported)(const char*, const char*);
};
const RawItem kItems[] = {
    {"calibration", "calibration data", DvCtrlFSGetCalDataData, DvCtrlFSGetCalDataSize, nullptr},
    {"egd", "EGD data", DvCtrlFSGetEGDData, DvCtrlFSGetEGDSize, nullptr},
    {"rear-gamma", "rear gamma", DvCtrlFSGetRearGamma, nullptr, DvCtrlFSSupportedRearGamma},
    {"rear-gamma-mono", "monochrome rear gamma", DvCtrlFSGetRearGammaMono, nullptr, DvCtrlFSSupportedRearGammaMono},
    {"usage-per-brightness", "usage time per brightness", DvCtrlFSGetUsageTimeEachBrightness, nullptr,
     DvCtrlFSSupportedUsageTimeEachBrightness},
};

const RawItem& FindItem(const std::string& word) {
    for (const RawItem& item : kItems)
        if (word == item.word) return item;
    std::string known;
    for (const RawItem& item : kItems) known += std::string(known.empty() ? "" : ", ") + item.word;
    throw UsageError(fmt::format("unknown item '{}': it is one of {}", word, known));
}

std::vector<uint8_t> ParseHex(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)) && c != ':') digits += c;
    if (digits.size() % 2 != 0 || digits.empty() ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        throw UsageError(fmt::format("'{}' is not hex bytes (two digits each)", text));
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < digits.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::string HexText(const std::vector<uint8_t>& bytes) {
    std::string out;
    for (uint8_t b : bytes) out += fmt::format("{}{:02x}", out.empty() ? "" : " ", b);
    return out;
}

bool Printable(const std::vector<uint8_t>& bytes) {
    for (uint8_t b : bytes)
        if (b < 0x20 || b > 0x7E) return false;
    return true;
}

void List(const Monitor& m, const StoreOptions& o) {
    const char* s = m.serial.c_str();
    const char* n = m.model.c_str();
    Json out{{"serial", m.serial}, {"model", m.model}};
    out["sdkStore"] = DvCtrlFSSupportedSDKData(s, n) != 0;
    out["applicationStore"] = DvCtrlPrivateFSSupportedApplicationData(s, n) != 0;
    Json items = Json::object();
    for (const RawItem& item : kItems) {
        int size = 0, support = 0;
        const bool kept = item.size ? item.size(s, n, &size, &support) >= 0 && support > 0 : item.supported(s, n) != 0;
        items[item.word] = item.size && kept ? Json{{"kept", true}, {"size", size}} : Json{{"kept", kept}};
    }
    out["items"] = items;
    if (o.json) {
        fmt::print("{}\n", out.dump(2));
        return;
    }
    fmt::print("{} {}\n", m.model, m.serial);
    fmt::print("  SDK store             {}\n", out["sdkStore"].get<bool>() ? "kept" : "not kept");
    fmt::print("  application store     {}\n", out["applicationStore"].get<bool>() ? "kept" : "not kept");
    for (const RawItem& item : kItems) {
        const Json& i = items[item.word];
        if (!i["kept"].get<bool>()) fmt::print("  {:<22}not kept\n", item.word);
        else if (i.contains("size")) fmt::print("  {:<22}{} bytes\n", item.word, i["size"].get<int>());
        else fmt::print("  {:<22}kept\n", item.word);
    }
}

void RequireKey(const StoreOptions& o) {
    if (o.key.empty()) throw UsageError("an empty KEY: keys are 1 to 255 bytes");
}

void Get(const Monitor& m, const StoreOptions& o, const Store& store) {
    RequireKey(o);
    int size = 0;
    const std::string what = fmt::format("reading '{}' from the {} of {}", o.key, store.name, m.model);
    Check(store.get(m.serial.c_str(), m.model.c_str(), o.key.c_str(), nullptr, &size), what);
    std::vector<uint8_t> value(static_cast<size_t>(size));
    if (size > 0) Check(store.get(m.serial.c_str(), m.model.c_str(), o.key.c_str(), value.data(), &size), what);
    value.resize(static_cast<size_t>(size));
    if (size == 0) throw Failure(DvErrNoData, fmt::format("{}: the key is not there", what), true);
    const bool asText = !o.hex && Printable(value);
    if (o.json) {
        Json out{{"key", o.key}, {"hex", HexText(value)}};
        if (asText) out["text"] = std::string(value.begin(), value.end());
        fmt::print("{}\n", out.dump(2));
    } else {
        fmt::print("{}\n", asText ? std::string(value.begin(), value.end()) : HexText(value));
    }
}

void Change(const Monitor& m, const StoreOptions& o, const Store& store, bool remove) {
    RequireKey(o);
    std::vector<uint8_t> value;
    if (!remove) value = o.hex ? ParseHex(o.value) : std::vector<uint8_t>(o.value.begin(), o.value.end());
    if (!remove && value.empty()) throw UsageError("an empty VALUE: use 'dvctl store rm' to remove a key");
    const std::string what = fmt::format("{} '{}' {} the {} of {}", remove ? "removing" : "setting", o.key,
                                         remove ? "from" : "in", store.name, m.model);
    const DvError result = store.set(m.serial.c_str(), m.model.c_str(), o.key.c_str(), remove ? nullptr : value.data(),
                                     static_cast<int>(value.size()));
    if (result == DvErrDataTruncated) throw Failure(result, what + "; the store has no room left (remove keys first)");
    Check(result, what);
    if (o.json) fmt::print("{}\n", Json{{"key", o.key}, {"removed", remove}, {"bytes", value.size()}}.dump(2));
}

void Dump(const Monitor& m, const StoreOptions& o) {
    const RawItem& item = FindItem(o.item);
    const char* s = m.serial.c_str();
    const char* n = m.model.c_str();
    int length = o.length;
    if (item.size != nullptr && length == 0) {
        int support = 0;
        Check(item.size(s, n, &length, &support), fmt::format("reading the size of the {} of {}", item.name, m.model));
        if (support <= 0) throw Failure(DvErrNotSupported, fmt::format("reading the {} of {}", item.name, m.model));
    }
    if (length <= 0)
        throw UsageError(fmt::format("the size of item '{}' is not known to the monitor: give --length", o.item));
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    const std::string label = fmt::format("reading {} bytes of the {}", length, item.name);
    Check(RunWithProgress(label, [&] { return item.read(s, n, o.record, bytes.data(), length); }),
          fmt::format("reading the {} of {}", item.name, m.model));
    std::ofstream file(o.output, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file.good()) throw Failure(DvErrFailed, fmt::format("cannot write '{}'", o.output), true);
    if (o.json)
        fmt::print("{}\n", Json{{"item", o.item}, {"record", o.record}, {"bytes", length}, {"file", o.output}}.dump(2));
}

}  // namespace

void AddStoreCommand(CLI::App& app, const GlobalOptions& global) {
    auto o = std::make_shared<StoreOptions>();
    auto* cmd = app.add_subcommand("store", "read and change the data a monitor keeps: key/value stores, raw items");
    cmd->require_subcommand(1);
    const auto common = [&](CLI::App* sub, bool keyed) {
        sub->add_option("monitor", o->monitor, "index, serial number or model name")->required();
        if (keyed) {
            sub->add_option("key", o->key, "the key (1 to 255 bytes)")->required();
            sub->add_flag("--app", o->app, "the application store instead of the SDK store");
        }
        sub->add_flag("--json", o->json, "print JSON");
    };
    const auto run = [&global, o](auto action) {
        return [&global, o, action] {
            if (o->key.size() > 255) throw UsageError(fmt::format("the key '{}' is longer than 255 bytes", o->key));
            Session session(global, false);
            action(session.Find(o->monitor), *o, o->app ? kApp : kSdk);
        };
    };
    auto* list = cmd->add_subcommand("list", "which stores and raw items the monitor keeps");
    common(list, false);
    list->callback(run([](const Monitor& m, const StoreOptions& opts, const Store&) { List(m, opts); }));
    auto* get = cmd->add_subcommand("get", "print the value of a key (as text when it is printable)");
    common(get, true);
    get->add_flag("--hex", o->hex, "print the value as hex bytes");
    get->callback(run(Get));
    auto* set = cmd->add_subcommand("set", "set the value of a key; the other keys stay");
    common(set, true);
    set->add_option("value", o->value, "the value: text, or with --hex bytes such as '01 02 ff'")->required();
    set->add_flag("--hex", o->hex, "VALUE is hex bytes");
    set->callback(run([](const Monitor& m, const StoreOptions& opts, const Store& s) { Change(m, opts, s, false); }));
    auto* rm = cmd->add_subcommand("rm", "remove a key");
    common(rm, true);
    rm->callback(run([](const Monitor& m, const StoreOptions& opts, const Store& s) { Change(m, opts, s, true); }));
    auto* dump = cmd->add_subcommand("dump", "write a raw item's bytes to a file");
    common(dump, false);
    dump->add_option("item", o->item, "calibration, egd, rear-gamma, rear-gamma-mono or usage-per-brightness")
        ->required();
    dump->add_option("-o,--output", o->output, "the file to write")->required();
    dump->add_option("--record", o->record, "the item's record")->check(CLI::Range(0, 65535));
    dump->add_option("--length", o->length, "bytes to read (default: the item's size, where the monitor gives it)")
        ->check(CLI::Range(1, 65535));
    dump->callback(run([](const Monitor& m, const StoreOptions& opts, const Store&) { Dump(m, opts); }));
}

}  // namespace dvc::cli
