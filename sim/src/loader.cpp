#include "loader.hpp"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "config_error.hpp"
#include "data_paths.hpp"
#include "json_read.hpp"
#include "platform/checked_convert.hpp"

namespace dvc::sim {
namespace {

using json::Json;
namespace fs = std::filesystem;

constexpr int kMaxBaseDepth = 8;
constexpr std::size_t kMaxMonitors = 64;

Json Parse(const std::string& text, const std::string& origin) {
    try {
        return Json::parse(text);
    } catch (const Json::exception& e) {
        throw ConfigError(origin + ": invalid JSON: " + e.what());
    }
}

Json ParseFile(const std::string& path) {
    std::string error;
    auto text = ReadFile(path, error);
    if (!text) throw ConfigError(error);
    return Parse(*text, path);
}

struct ProfileSource {
    Json doc;
    std::string origin;
};

// Profile files already read while loading one world: many monitors share
// a profile, and each file is read and parsed once.
using ParsedFiles = std::map<std::string, Json>;

const Json& ParseFileOnce(const std::string& path, ParsedFiles& parsed) {
    auto it = parsed.find(path);
    if (it == parsed.end()) it = parsed.emplace(path, ParseFile(path)).first;
    return it->second;
}

// The profile's document with its "base" chain folded in (later files
// patch earlier ones, feature by feature).
ProfileSource ResolveProfile(const std::string& ref, const Json& inline_profiles, const std::string& base_dir,
                             const std::string& asked_by, int depth, ParsedFiles& parsed) {
    if (depth > kMaxBaseDepth) throw ConfigError(asked_by + ": profile \"base\" chain deeper than 8 (a cycle?)");
    ProfileSource src;
    if (const Json* p = json::Find(inline_profiles, ref.c_str())) {
        src.doc = *p;
        src.origin = asked_by + " (profile \"" + ref + "\")";
    } else if (IsShortName(ref)) {
        auto path = FindDataFile("profiles", ref);
        if (!path) throw ConfigError(asked_by + ": unknown profile \"" + ref + "\"");
        src.doc = ParseFileOnce(*path, parsed);
        src.origin = *path;
    } else {
        fs::path file(ref);
        if (file.is_relative() && !base_dir.empty()) file = fs::path(base_dir) / file;
        src.doc = ParseFileOnce(file.string(), parsed);
        src.origin = file.string();
    }
    json::OnlyKeys(src.doc, {"model", "description", "comment", "base", "features", "device_lock"}, src.origin);
    if (const Json* base = json::Find(src.doc, "base")) {
        std::string name = json::String(*base, src.origin + ": base");
        ProfileSource parent = ResolveProfile(name, inline_profiles, base_dir, src.origin, depth + 1, parsed);
        Json merged = parent.doc;
        merged.erase("base");
        Json own = src.doc;
        own.erase("base");
        merged.merge_patch(own);
        src.doc = std::move(merged);
    }
    return src;
}

std::string CheckedText(const Json& j, const std::string& where, std::size_t min, std::size_t max) {
    std::string s = json::String(j, where);
    if (s.size() < min || s.size() > max)
        throw ConfigError(where + ": length " + std::to_string(s.size()) + " outside " + std::to_string(min) + ".." +
                          std::to_string(max));
    for (char c : s)
        if (c < 0x21 || c > 0x7E)
            if (c != ' ') throw ConfigError(where + ": only printable ASCII characters");
    return s;
}

std::string Padding(const Json& link, const std::string& where) {
    const Json* p = json::Find(link, "padding");
    if (p == nullptr) return {};
    std::string s = json::String(*p, where + ".padding");
    if (s.size() > 16) throw ConfigError(where + ".padding: at most 16 characters");
    for (char c : s)
        if (c != ' ' && c != '\0') throw ConfigError(where + ".padding: only spaces and NUL characters");
    return s;
}

constexpr const char* LinkKey(Link l) { return l == Link::DDCCI ? "ddcci" : "hid"; }

bool OnLink(const Json& entry, Link link, const std::string& where) {
    const Json* links = json::Find(entry, "links");
    if (links == nullptr) return true;
    if (!links->is_array()) throw ConfigError(where + ".links: expected an array of \"ddcci\"/\"hid\"");
    bool found = false;
    for (const Json& l : *links) {
        std::string s = json::String(l, where + ".links");
        if (s != "ddcci" && s != "hid") throw ConfigError(where + ".links: unknown link \"" + s + "\"");
        found = found || s == LinkKey(link);
    }
    return found;
}

void AddItem(VirtualMonitor& m, Link link, uint32_t code, const Json& entry, const std::string& where) {
    if (!OnLink(entry, link, where)) return;
    Json merged = entry;
    for (const char* k : {"ddcci", "hid", "links", "comment"}) merged.erase(k);
    Variant variant = Variant::Shared;
    if (const Json* over = json::Find(entry, LinkKey(link))) {
        if (over->is_boolean()) {
            if (!over->get<bool>()) return;
        } else {
            json::RequireObject(*over, where + "." + LinkKey(link));
            // An override of another kind is a feature of its own on this link.
            if (json::Find(*over, "kind")) merged = *over;
            else merged.merge_patch(*over);
            for (const char* k : {"value", "data", "tags", "flavors", "edid", "kind", "separate"})
                if (json::Find(*over, k)) variant = link == Link::DDCCI ? Variant::DDCCI : Variant::HID;
        }
    }
    merged.erase("separate");
    std::string kind = json::Find(merged, "data") ? "data" : "value";
    if (const Json* k = json::Find(merged, "kind")) kind = json::String(*k, where + ".kind");
    const ItemFactory* factory = FindItemKind(kind);
    if (factory == nullptr) throw ConfigError(where + ".kind: unknown handler \"" + kind + "\"");
    std::shared_ptr<const Item> item;
    try {
        item = (*factory)(ItemConfig{code, link, merged, where});
    } catch (const Json::exception& e) {
        throw ConfigError(where + ": " + e.what());
    }
    ItemTable& table = m.items[static_cast<std::size_t>(link)];
    std::vector<uint32_t> codes{code};
    for (uint32_t extra : item->ExtraCodes()) codes.push_back(extra);
    for (uint32_t c : codes)
        if (table.Find(c) != nullptr)
            throw ConfigError(where + ": code " + json::CodeName(c) + " is answered by another feature too");
    ItemTable::Entry e{item, variant};
    for (uint32_t c : codes) table.by_code[c] = e;
    table.items.push_back(e);
    Seeder seeder(m.state, variant, m.IdentityOn(link));
    item->Seed(seeder);
}

std::unique_ptr<VirtualMonitor> LoadMonitor(const Json& j, const std::string& where, const Json& inline_profiles,
                                            const std::string& base_dir, ParsedFiles& parsed) {
    json::OnlyKeys(j, {"serial", "model", "profile", "links", "features", "device_lock", "comment"}, where);
    auto m = std::make_unique<VirtualMonitor>();
    const Json* serial = json::Find(j, "serial");
    if (serial == nullptr) throw ConfigError(where + ": needs \"serial\"");
    m->serial = CheckedText(*serial, where + ".serial", 8, 8);

    std::string profile_ref;
    if (const Json* p = json::Find(j, "profile")) profile_ref = json::String(*p, where + ".profile");
    else if (const Json* mo = json::Find(j, "model")) profile_ref = json::String(*mo, where + ".model");
    else throw ConfigError(where + ": needs \"profile\" or \"model\"");
    ProfileSource profile = ResolveProfile(profile_ref, inline_profiles, base_dir, where, 0, parsed);
    m->profile = profile_ref;

    if (const Json* mo = json::Find(j, "model")) m->model = CheckedText(*mo, where + ".model", 1, 16);
    else if (const Json* pm = json::Find(profile.doc, "model"))
        m->model = CheckedText(*pm, profile.origin + ": model", 1, 16);
    else throw ConfigError(where + ": no model name (neither the monitor nor its profile gives one)");
    if (m->model.back() == ' ') throw ConfigError(where + ".model: trailing spaces belong in \"padding\"");

    m->device_lock_supported = json::BoolOr(profile.doc, "device_lock", true, profile.origin);
    m->device_lock_supported = json::BoolOr(j, "device_lock", m->device_lock_supported, where);

    const Json* links = json::Find(j, "links");
    if (links == nullptr) throw ConfigError(where + ": needs \"links\"");
    json::OnlyKeys(*links, {"ddcci", "hid"}, where + ".links");
    for (Link l : {Link::DDCCI, Link::HID}) {
        const Json* lj = json::Find(*links, LinkKey(l));
        std::string lw = where + ".links." + LinkKey(l);
        Identity& id = m->identity[static_cast<std::size_t>(l)];
        id.serial = m->serial;
        id.model = m->model;
        if (lj == nullptr || (lj->is_boolean() && !lj->get<bool>())) continue;
        if (l == Link::DDCCI) m->has_ddcci = true;
        else m->has_hid = true;
        if (lj->is_boolean()) {
            if (l == Link::DDCCI) m->ddcci_types = {0};
            continue;
        }
        json::OnlyKeys(*lj,
                       l == Link::DDCCI ? std::initializer_list<const char*>{"types", "padding"}
                                        : std::initializer_list<const char*>{"padding"},
                       lw);
        id.padding = Padding(*lj, lw);
        if (l == Link::DDCCI) {
            const Json* types = json::Find(*lj, "types");
            if (types == nullptr) {
                m->ddcci_types = {0};
            } else {
                if (!types->is_array() || types->empty() || types->size() > 2)
                    throw ConfigError(lw + ".types: expected [0], [1] or [0, 1]");
                for (const Json& t : *types) {
                    auto v = static_cast<int32_t>(json::Integer(t, 0, 1, lw + ".types"));
                    if (std::find(m->ddcci_types.begin(), m->ddcci_types.end(), v) == m->ddcci_types.end())
                        m->ddcci_types.push_back(v);
                }
            }
        }
    }
    if (!m->has_ddcci && !m->has_hid) throw ConfigError(where + ".links: a monitor needs at least one link");

    Json features = Json::object();
    if (const Json* f = json::Find(profile.doc, "features")) {
        json::RequireObject(*f, profile.origin + ": features");
        features = *f;
    }
    const Json* overrides = json::Find(j, "features");
    if (overrides != nullptr) {
        json::RequireObject(*overrides, where + ".features");
        features.merge_patch(*overrides);
    }
    if (!json::Find(features, "0x11")) features["0x11"] = Json{{"kind", "identification"}};
    std::set<uint32_t> seen;
    for (auto it = features.begin(); it != features.end(); ++it) {
        // Messages name the file the entry (or its override) came from.
        bool overridden = overrides != nullptr && json::Find(*overrides, it.key().c_str()) != nullptr;
        std::string fw =
            (overridden ? where + " (profile " + profile.origin + ")" : profile.origin) + ": features." + it.key();
        uint32_t code = json::ParseCode(it.key(), fw);
        if (!seen.insert(code).second) throw ConfigError(fw + ": code given twice");
        if (it.value().is_null()) continue;
        json::RequireObject(it.value(), fw);
        for (Link l : {Link::DDCCI, Link::HID})
            if (l == Link::DDCCI ? m->has_ddcci : m->has_hid) AddItem(*m, l, code, it.value(), fw);
    }
    return m;
}

void LoadTiming(World& w, const Json& t, const std::string& where) {
    json::OnlyKeys(t, {"enabled", "ddcci_reply_ms", "ddcci_post_write_ms", "hid_reply_ms"}, where);
    w.timing_given = true;
    w.timing.enabled = json::BoolOr(t, "enabled", true, where);
    auto ms = [&](const char* key, int64_t& us) {
        const Json* v = json::Find(t, key);
        if (v != nullptr && !CheckedToInt(json::Number(*v, where + "." + key) * 1000.0, us))
            throw ConfigError(where + "." + key + ": 0..10000 ms");
        if (us < 0 || us > 10'000'000) throw ConfigError(where + "." + key + ": 0..10000 ms");
    };
    ms("ddcci_reply_ms", w.timing.ddcci_reply_us);
    ms("ddcci_post_write_ms", w.timing.ddcci_post_write_us);
    ms("hid_reply_ms", w.timing.hid_reply_us);
}

std::unique_ptr<World> LoadWorldDocument(const Json& doc, const std::string& origin, const std::string& base_dir);

}  // namespace

std::unique_ptr<World> LoadWorldText(const std::string& text, const std::string& origin, const std::string& base_dir) {
    try {
        return LoadWorldDocument(Parse(text, origin), origin, base_dir);
    } catch (const Json::exception& e) {
        // A member of the wrong JSON type that a check above missed.
        throw ConfigError(origin + ": " + e.what());
    }
}

namespace {

std::unique_ptr<World> LoadWorldDocument(const Json& doc, const std::string& origin, const std::string& base_dir) {
    json::OnlyKeys(doc, {"description", "comment", "timing", "profiles", "monitors"}, origin);
    auto world = std::make_unique<World>();
    world->origin = origin;
    Json inline_profiles = Json::object();
    if (const Json* p = json::Find(doc, "profiles")) {
        json::RequireObject(*p, origin + ": profiles");
        inline_profiles = *p;
    }
    if (const Json* t = json::Find(doc, "timing")) LoadTiming(*world, *t, origin + ": timing");
    const Json* monitors = json::Find(doc, "monitors");
    if (monitors == nullptr || !monitors->is_array()) throw ConfigError(origin + ": monitors: expected an array");
    if (monitors->size() > kMaxMonitors) throw ConfigError(origin + ": monitors: at most 64");
    ParsedFiles parsed;
    for (std::size_t i = 0; i < monitors->size(); ++i) {
        std::string where = origin + ": monitors[" + std::to_string(i) + "]";
        auto m = LoadMonitor((*monitors)[i], where, inline_profiles, base_dir, parsed);
        if (world->BySerial(m->serial) != nullptr)
            throw ConfigError(where + ".serial: \"" + m->serial + "\" is used by another monitor");
        world->monitors.push_back(std::move(m));
    }
    return world;
}

}  // namespace

std::unique_ptr<World> LoadWorld(const std::string& name_or_path) {
    std::string path = name_or_path;
    if (IsShortName(name_or_path)) {
        auto found = FindDataFile("worlds", name_or_path);
        if (!found) throw ConfigError("world \"" + name_or_path + "\": no such built-in world (and not a path)");
        path = *found;
    }
    std::string error;
    auto text = ReadFile(path, error);
    if (!text) throw ConfigError(error);
    return LoadWorldText(*text, path, fs::path(path).parent_path().string());
}

}  // namespace dvc::sim
