// Blocks in the property-tag format (proptag/FORMAT.md), written from a
// readable description: "tags" (tag id -> integer or bytes), used for the
// property-tag block (0x50), and "flavors" (preset modes with their flavor
// number and feature flags), used for the flavor block (0xFF0000F1). The
// block is seeded as the feature's data, so a test may replace it.
#include <proptag/block_writer.hpp>

#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

using json::Json;

class BlockItem final : public Item {
public:
    BlockItem(uint32_t code, std::vector<uint8_t> block) : Item(code), block_(std::move(block)) {}

    void Seed(Seeder& s) const override { s.Seed(code(), Cell{0, block_}); }

    int32_t FixedData(Context& ctx, uint32_t code, Fixed& out) const override {
        const Cell* c = ctx.state().Get(ctx.Key(code));
        out = Fixed{0, 0, 1, static_cast<uint32_t>((c ? c->data : block_).size())};
        return DvOk;
    }
    int32_t GetData(Context& ctx, uint32_t code, uint8_t* out, uint32_t size) const override {
        const Cell* c = ctx.state().Get(ctx.Key(code));
        return CopyOut(c ? c->data : block_, out, size);
    }
    int32_t SetData(Context&, uint32_t, const uint8_t*, uint32_t, uint32_t) const override { return DvErrRefused; }

private:
    std::vector<uint8_t> block_;
};

uint16_t TagId(const std::string& text, const std::string& where) {
    uint32_t id = json::ParseCode(text, where);
    if (id > 0xFFFF) throw ConfigError(where + ": tag id above 0xFFFF");
    return static_cast<uint16_t>(id);
}

std::unique_ptr<Item> MakeTags(const ItemConfig& c) {
    json::OnlyKeys(c.entry, {"kind", "links", "tags", "comment"}, c.where);
    const Json* tags = json::Find(c.entry, "tags");
    if (tags == nullptr) throw ConfigError(c.where + ": a \"tags\" feature needs \"tags\"");
    json::RequireObject(*tags, c.where + ".tags");
    proptag::BlockWriter writer;
    std::size_t total = 8;
    for (auto it = tags->begin(); it != tags->end(); ++it) {
        std::string where = c.where + ".tags." + it.key();
        uint16_t id = TagId(it.key(), where);
        const Json& v = it.value();
        std::vector<uint8_t> bytes;
        if (v.is_number() || (v.is_string() && v.get<std::string>().rfind("hex:", 0) != 0)) {
            uint32_t n = json::Value(v, where);
            for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(n >> (8 * i)));
        } else if (v.is_object() && json::Find(v, "int")) {
            json::OnlyKeys(v, {"int", "width"}, where);
            uint32_t n = json::Value(v["int"], where + ".int");
            auto width = static_cast<unsigned>(json::Integer(v.value("width", Json(4)), 1, 4, where + ".width"));
            for (unsigned i = 0; i < width; ++i) bytes.push_back(static_cast<uint8_t>(n >> (8 * i)));
        } else {
            bytes = json::Bytes(v, where);
        }
        if (bytes.size() > 0xFFFF) throw ConfigError(where + ": item longer than 65535 bytes");
        total += 4 + bytes.size();
        writer.Bytes(id, bytes);
    }
    if (total > 0xFFFF) throw ConfigError(c.where + ".tags: block longer than 65535 bytes");
    return std::make_unique<BlockItem>(c.code, writer.Build());
}

// Flavor entry i is the integer tags 8i+1 (mode bits), 8i+2 (flavor number
// minus one) and 8i+3 (feature flags).
std::unique_ptr<Item> MakeFlavors(const ItemConfig& c) {
    json::OnlyKeys(c.entry, {"kind", "links", "flavors", "comment"}, c.where);
    const Json* list = json::Find(c.entry, "flavors");
    if (list == nullptr || !list->is_array()) throw ConfigError(c.where + ".flavors: expected an array");
    if (list->size() > 31) throw ConfigError(c.where + ".flavors: at most 31 entries");
    proptag::BlockWriter writer;
    for (std::size_t i = 0; i < list->size(); ++i) {
        std::string where = c.where + ".flavors[" + std::to_string(i) + "]";
        const Json& e = (*list)[i];
        json::OnlyKeys(e, {"modes", "flavor", "features", "comment"}, where);
        uint32_t modes = 0, features = 0;
        const Json* m = json::Find(e, "modes");
        if (m == nullptr || !m->is_array() || m->empty())
            throw ConfigError(where + ".modes: expected a non-empty array");
        for (const Json& mode : *m) modes |= 1u << (json::Integer(mode, 1, 8, where + ".modes") - 1);
        if (const Json* f = json::Find(e, "features")) {
            if (!f->is_array()) throw ConfigError(where + ".features: expected an array");
            for (const Json& bit : *f) features |= 1u << json::Integer(bit, 0, 31, where + ".features");
        }
        const Json* fl = json::Find(e, "flavor");
        if (fl == nullptr) throw ConfigError(where + ": needs \"flavor\"");
        auto flavor = static_cast<uint32_t>(json::Integer(*fl, 1, 0xFFFF, where + ".flavor"));
        auto id = static_cast<uint16_t>(8 * i + 1);
        writer.Integer(id, modes)
            .Integer(static_cast<uint16_t>(id + 1), flavor - 1)
            .Integer(static_cast<uint16_t>(id + 2), features);
    }
    return std::make_unique<BlockItem>(c.code, writer.Build());
}

const ItemKindRegistrar kTags("tags", MakeTags);
const ItemKindRegistrar kFlavors("flavors", MakeFlavors);

}  // namespace
}  // namespace dvc::sim
