// Paged record items: the monitor keeps a set of pages, each one block of
// the item's length: {page index, page count, records..., zeros}, a record
// being {key, length LE16, value}. Each read answers the page under the
// cursor and moves the cursor on (wrapping); a written block whose page
// count is 0 moves the cursor to its page index, any other replaces the page
// it names (its count must be the item's) and moves the cursor past it.
#include <map>

#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

using json::Json;

class PagedItem final : public Item {
public:
    explicit PagedItem(const ItemConfig& c) : Item(c.code) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry, {"kind", "links", "length", "pages", "records", "comment"}, w);
        length_ = json::ValueOr(c.entry, "length", 256, w);
        pages_ = json::ValueOr(c.entry, "pages", 1, w);
        if (length_ < 8 || length_ > 4096) throw ConfigError(w + ".length: 8..4096");
        if (pages_ == 0 || pages_ > 255) throw ConfigError(w + ".pages: 1..255");
        blocks_.assign(pages_, std::vector<uint8_t>(length_, 0));
        for (uint32_t p = 0; p < pages_; ++p) {
            blocks_[p][0] = static_cast<uint8_t>(p);
            blocks_[p][1] = static_cast<uint8_t>(pages_);
        }
        if (const Json* r = json::Find(c.entry, "records")) {
            json::RequireObject(*r, w + ".records");
            for (auto page = r->begin(); page != r->end(); ++page) {
                const std::string pw = w + ".records." + page.key();
                const uint32_t p = json::ParseCode(page.key(), pw);
                if (p >= pages_) throw ConfigError(pw + ": page past the page count");
                json::RequireObject(page.value(), pw);
                std::size_t at = 2;
                // Records in ascending key order, as the monitor keeps them.
                std::map<uint32_t, std::vector<uint8_t>> records;
                for (auto rec = page.value().begin(); rec != page.value().end(); ++rec) {
                    const uint32_t key = json::ParseCode(rec.key(), pw + "." + rec.key());
                    if (key == 0 || key > 255) throw ConfigError(pw + "." + rec.key() + ": keys 1..255");
                    records[key] = json::Bytes(rec.value(), pw + "." + rec.key());
                }
                for (const auto& [key, value] : records) {
                    if (at + 3 + value.size() > length_) throw ConfigError(pw + ": records longer than the page");
                    blocks_[p][at++] = static_cast<uint8_t>(key);
                    blocks_[p][at++] = static_cast<uint8_t>(value.size() & 0xFF);
                    blocks_[p][at++] = static_cast<uint8_t>(value.size() >> 8);
                    for (uint8_t b : value) blocks_[p][at++] = b;
                }
            }
        }
    }

    // Slot 0: the cursor; slot p + 1: page p.
    void Seed(Seeder& s) const override {
        s.Seed(code(), Cell{0, {}});
        for (uint32_t p = 0; p < pages_; ++p) s.Seed(code(), Cell{0, blocks_[p]}, p + 1);
    }

    int32_t FixedData(Context&, uint32_t, Fixed& out) const override {
        out = Fixed{0, 0, 1, length_};
        return DvOk;
    }

    int32_t GetData(Context& ctx, uint32_t code, uint8_t* out, uint32_t size) const override {
        const uint32_t cursor = ctx.state().ValueOr(ctx.Key(code), 0) % pages_;
        const Cell* page = ctx.state().Get(ctx.Key(code, cursor + 1));
        const int32_t result = CopyOut(page != nullptr ? page->data : blocks_[cursor], out, size);
        if (result >= 0) ctx.state().SetValue(ctx.Key(code), (cursor + 1) % pages_);
        return result;
    }

    int32_t SetData(Context& ctx, uint32_t code, const uint8_t* in, uint32_t size, uint32_t) const override {
        if (size != length_) return DvErrSizeMismatch;
        const uint32_t page = in[0];
        if (page >= pages_) return DvErrRefused;
        if (in[1] == 0) {
            ctx.state().SetValue(ctx.Key(code), page);
            return DvOk;
        }
        if (in[1] != pages_) return DvErrRefused;
        ctx.state().SetData(ctx.Key(code, page + 1), std::vector<uint8_t>(in, in + size));
        ctx.state().SetValue(ctx.Key(code), (page + 1) % pages_);
        return DvOk;
    }

private:
    uint32_t length_ = 256;
    uint32_t pages_ = 1;
    std::vector<std::vector<uint8_t>> blocks_;
};

const ItemKindRegistrar kPaged("paged", [](const ItemConfig& c) { return std::make_unique<PagedItem>(c); });

}  // namespace
}  // namespace dvc::sim
