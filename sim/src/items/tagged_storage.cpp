// Tagged storage: named items ("BAK328", "AIC652", ...) with one or more
// records each, moved in blocks. The host latches a request header
// {name[6], record LE16, block LE16} on 0xFF0200C2, reads the tag's
// description from 0xFF0200C3, and moves record data through the block
// codes this model has: 0xFF0200C4 (128-byte blocks), 0xFF0200C7 (512),
// 0xFF0200FD (header + 512 bytes written, then read back with the data) and
// 0xFF0200FE (header + 512 bytes written). After a header, successive data
// transfers on 0xFF0200C4/C7 go on with the following blocks.
//
// State, on the header code: slot 0 holds the latched header (data) and the
// next block (value); record r of the i-th tag (tags sorted by name, from 0)
// is slot (i + 1) * 65536 + r, always `size` bytes long.
#include <algorithm>
#include <array>
#include <cstring>
#include <map>

#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

using json::Json;

constexpr uint32_t kHeaderCode = 0xFF0200C2;
constexpr uint32_t kDescriptionCode = 0xFF0200C3;
constexpr uint32_t kBlock128Code = 0xFF0200C4;
constexpr uint32_t kBlock512Code = 0xFF0200C7;
constexpr uint32_t kCombinedReadCode = 0xFF0200FD;
constexpr uint32_t kCombinedWriteCode = 0xFF0200FE;

constexpr uint32_t kNameBytes = 6;
constexpr uint32_t kHeaderBytes = 10;
constexpr uint32_t kDescriptionBytes = 16;
constexpr uint32_t kCombinedDataBytes = 512;
constexpr uint32_t kCombinedBytes = kHeaderBytes + kCombinedDataBytes;
constexpr uint32_t kMaxRecordBytes = 1u << 20;
constexpr uint32_t kMaxRecords = 256;

uint32_t Little16(const uint8_t* p) { return p[0] | (static_cast<uint32_t>(p[1]) << 8); }

// A key/value store as the host keeps it: "APP\0", a 16-bit sum of the
// payload's little-endian words, then records {key length, key, value
// length LE16, value} in key order and a zero key length.
std::vector<uint8_t> KeyValueBlock(const Json& entries, uint32_t size, const std::string& where) {
    json::RequireObject(entries, where);
    std::vector<uint8_t> block(size, 0);
    if (size < 7) throw ConfigError(where + ": a key/value store needs at least 7 bytes");
    std::copy_n("APP", 4, block.begin());
    std::size_t at = 6;
    for (auto it = entries.begin(); it != entries.end(); ++it) {  // sorted by key
        auto value = json::Bytes(it.value(), where + "." + it.key());
        if (it.key().empty() || it.key().size() > 255 || value.empty() || value.size() > 0xFFFF)
            throw ConfigError(where + "." + it.key() + ": keys 1..255 bytes, values 1..65535 bytes");
        if (at + 1 + it.key().size() + 2 + value.size() >= size)
            throw ConfigError(where + ": the records do not fit in \"size\"");
        block[at++] = static_cast<uint8_t>(it.key().size());
        at = static_cast<std::size_t>(
            std::copy(it.key().begin(), it.key().end(), block.begin() + static_cast<std::ptrdiff_t>(at)) -
            block.begin());
        block[at++] = static_cast<uint8_t>(value.size());
        block[at++] = static_cast<uint8_t>(value.size() >> 8);
        at = static_cast<std::size_t>(
            std::copy(value.begin(), value.end(), block.begin() + static_cast<std::ptrdiff_t>(at)) - block.begin());
    }
    uint32_t sum = 0;
    for (std::size_t i = 6; i < size; i += 2) sum += block[i] | (i + 1 < size ? block[i + 1] << 8 : 0);
    block[4] = static_cast<uint8_t>(sum);
    block[5] = static_cast<uint8_t>(sum >> 8);
    return block;
}

struct Tag {
    std::array<uint8_t, kNameBytes> name{};
    uint32_t size = 0;
    uint32_t records = 1;
    uint16_t first = 0, second = 1;  // the description values
    bool readonly = false;
    std::map<uint32_t, std::vector<uint8_t>> contents;  // record -> bytes (others zero)
};

Tag ParseTag(const std::string& name, const Json& j, const std::string& where) {
    if (name.size() != kNameBytes) throw ConfigError(where + ": a tag name has exactly 6 characters");
    json::OnlyKeys(j, {"size", "records", "description", "readonly", "data", "key_values", "comment"}, where);
    Tag t;
    std::copy_n(name.begin(), kNameBytes, t.name.begin());  // exactly the name's size, checked above
    const Json* size = json::Find(j, "size");
    if (size == nullptr) throw ConfigError(where + ": needs \"size\" (bytes per record)");
    t.size = static_cast<uint32_t>(json::Integer(*size, 1, kMaxRecordBytes, where + ".size"));
    t.records = json::ValueOr(j, "records", 1, where);
    if (t.records == 0 || t.records > kMaxRecords) throw ConfigError(where + ".records: 1..256");
    t.first = static_cast<uint16_t>(std::min<uint32_t>(t.size, 0xFFFF));
    if (const Json* d = json::Find(j, "description")) {
        if (!d->is_array() || d->size() != 2) throw ConfigError(where + ".description: expected [first, second]");
        t.first = static_cast<uint16_t>(json::Integer((*d)[0], 0, 0xFFFF, where + ".description[0]"));
        t.second = static_cast<uint16_t>(json::Integer((*d)[1], 0, 0xFFFF, where + ".description[1]"));
    }
    t.readonly = json::BoolOr(j, "readonly", false, where);
    if (const Json* d = json::Find(j, "data")) {
        json::RequireObject(*d, where + ".data");
        for (auto it = d->begin(); it != d->end(); ++it) {
            std::string rw = where + ".data." + it.key();
            uint32_t record = json::ParseCode(it.key(), rw);
            if (record >= t.records) throw ConfigError(rw + ": beyond \"records\"");
            auto bytes = json::Bytes(it.value(), rw);
            if (bytes.size() > t.size) throw ConfigError(rw + ": longer than \"size\"");
            bytes.resize(t.size, 0);
            t.contents[record] = std::move(bytes);
        }
    }
    if (const Json* kv = json::Find(j, "key_values")) {
        if (t.contents.count(0) != 0) throw ConfigError(where + ": record 0 given by both \"data\" and \"key_values\"");
        t.contents[0] = KeyValueBlock(*kv, t.size, where + ".key_values");
    }
    return t;
}

// Where a latched header points: a tag of this model and one of its
// records (block bounds depend on the data code and are checked there).
struct Target {
    const Tag* tag = nullptr;
    uint32_t index = 0;
    uint32_t record = 0;
    uint32_t block = 0;
};

class TaggedStorageItem final : public Item {
public:
    explicit TaggedStorageItem(const ItemConfig& c) : Item(c.code) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry, {"kind", "links", "codes", "tags", "comment"}, w);
        if (c.code != kHeaderCode) throw ConfigError(w + ": tagged storage answers on 0xFF0200C2");
        const Json* codes = json::Find(c.entry, "codes");
        if (codes == nullptr || !codes->is_array()) throw ConfigError(w + ".codes: expected the list of block codes");
        for (const Json& code : *codes) {
            uint32_t v = json::Code(code, w + ".codes");
            if (v != kBlock128Code && v != kBlock512Code && v != kCombinedReadCode && v != kCombinedWriteCode)
                throw ConfigError(w + ".codes: only 0xFF0200C4, 0xFF0200C7, 0xFF0200FD and 0xFF0200FE move blocks");
            if (std::find(block_codes_.begin(), block_codes_.end(), v) == block_codes_.end()) block_codes_.push_back(v);
        }
        const Json* tags = json::Find(c.entry, "tags");
        if (tags == nullptr) throw ConfigError(w + ": a \"tagged\" feature needs \"tags\"");
        json::RequireObject(*tags, w + ".tags");
        if (tags->size() > 0xFFFE) throw ConfigError(w + ".tags: too many");
        for (auto it = tags->begin(); it != tags->end(); ++it)
            tags_.push_back(ParseTag(it.key(), it.value(), w + ".tags." + it.key()));
    }

    std::vector<uint32_t> ExtraCodes() const override {
        std::vector<uint32_t> out{kDescriptionCode};
        out.insert(out.end(), block_codes_.begin(), block_codes_.end());
        return out;
    }

    void Seed(Seeder& s) const override {
        s.Seed(kHeaderCode, Cell{0, {}});
        for (uint32_t i = 0; i < tags_.size(); ++i) {
            const Tag& t = tags_[i];
            for (uint32_t r = 0; r < t.records; ++r) {
                auto it = t.contents.find(r);
                s.Seed(kHeaderCode, Cell{0, it != t.contents.end() ? it->second : std::vector<uint8_t>(t.size, 0)},
                       Slot(i, r));
            }
        }
    }

    int32_t FixedData(Context&, uint32_t code, Fixed& out) const override {
        out = Fixed{0, 0, 1, LengthOf(code)};
        return DvOk;
    }

    int32_t GetData(Context& ctx, uint32_t code, uint8_t* out, uint32_t size) const override {
        switch (code) {
        case kDescriptionCode: return CopyOut(Description(ctx), out, size);
        case kBlock128Code:
        case kBlock512Code: return ReadNextBlock(ctx, LengthOf(code), out, size);
        case kCombinedReadCode: return CopyOut(CombinedReply(ctx), out, size);
        default: return DvErrNotSupported;
        }
    }

    int32_t SetData(Context& ctx, uint32_t code, const uint8_t* in, uint32_t size, uint32_t) const override {
        switch (code) {
        case kHeaderCode:
            if (size != kHeaderBytes) return DvErrSizeMismatch;
            Latch(ctx, in);
            return DvOk;
        case kBlock128Code:
        case kBlock512Code: return WriteNextBlock(ctx, LengthOf(code), in, size);
        case kCombinedReadCode:
            if (size != kCombinedBytes) return DvErrSizeMismatch;
            Latch(ctx, in);
            return DvOk;
        case kCombinedWriteCode:
            if (size != kCombinedBytes) return DvErrSizeMismatch;
            Latch(ctx, in);
            return WriteNextBlock(ctx, kCombinedDataBytes, in + kHeaderBytes, kCombinedDataBytes);
        default: return DvErrNotSupported;
        }
    }

private:
    static uint32_t Slot(uint32_t index, uint32_t record) { return (index + 1) << 16 | record; }

    static uint32_t LengthOf(uint32_t code) {
        switch (code) {
        case kDescriptionCode: return kDescriptionBytes;
        case kBlock128Code: return 128;
        case kBlock512Code: return 512;
        case kCombinedReadCode:
        case kCombinedWriteCode: return kCombinedBytes;
        default: return kHeaderBytes;
        }
    }

    // The header is latched whatever it names: only the transfers that
    // follow find out whether it names something.
    void Latch(Context& ctx, const uint8_t* header) const {
        ctx.state().Put(ctx.Key(kHeaderCode),
                        Cell{Little16(header + 8), std::vector<uint8_t>(header, header + kHeaderBytes)});
    }

    std::vector<uint8_t> Header(Context& ctx) const {
        const Cell* c = ctx.state().Get(ctx.Key(kHeaderCode));
        return c != nullptr && c->data.size() == kHeaderBytes ? c->data : std::vector<uint8_t>{};
    }

    // The latched header's tag and record (null tag when it names none),
    // with the block the next transfer moves.
    Target Resolve(Context& ctx) const {
        Target t;
        const std::vector<uint8_t> header = Header(ctx);
        if (header.empty()) return t;
        for (uint32_t i = 0; i < tags_.size(); ++i) {
            if (!std::equal(tags_[i].name.begin(), tags_[i].name.end(), header.begin())) continue;
            t.record = Little16(header.data() + 6);
            if (t.record >= tags_[i].records) return t;
            t.tag = &tags_[i];
            t.index = i;
            t.block = ctx.state().ValueOr(ctx.Key(kHeaderCode), 0);
            return t;
        }
        return t;
    }

    // Echoed name and the two description values; a name this model does
    // not keep gets a reply that echoes nothing.
    std::vector<uint8_t> Description(Context& ctx) const {
        std::vector<uint8_t> reply(kDescriptionBytes, 0);
        std::fill_n(reply.begin(), kNameBytes, 0xFF);
        const std::vector<uint8_t> header = Header(ctx);
        for (const Tag& t : tags_) {
            if (header.empty() || !std::equal(t.name.begin(), t.name.end(), header.begin())) continue;
            std::copy(t.name.begin(), t.name.end(), reply.begin());
            reply[6] = static_cast<uint8_t>(t.first);
            reply[7] = static_cast<uint8_t>(t.first >> 8);
            reply[8] = static_cast<uint8_t>(t.second);
            reply[9] = static_cast<uint8_t>(t.second >> 8);
        }
        return reply;
    }

    // The bytes of block `block` (of `blockSize`) of the target's record,
    // zero past the record's end; false when the block starts past it.
    bool BlockOf(Context& ctx, const Target& t, uint32_t blockSize, std::vector<uint8_t>& out) const {
        const uint64_t offset = static_cast<uint64_t>(t.block) * blockSize;
        if (t.tag == nullptr || offset >= t.tag->size) return false;
        const Cell* c = ctx.state().Get(ctx.Key(kHeaderCode, Slot(t.index, t.record)));
        out.assign(blockSize, 0);
        if (c == nullptr) return true;
        const auto from = static_cast<std::size_t>(std::min<uint64_t>(offset, c->data.size()));
        const std::size_t n = std::min<std::size_t>(blockSize, c->data.size() - from);
        std::copy_n(c->data.begin() + static_cast<std::ptrdiff_t>(from), n, out.begin());
        return true;
    }

    std::vector<uint8_t> CombinedReply(Context& ctx) const {
        std::vector<uint8_t> reply(kCombinedBytes, 0);
        std::vector<uint8_t> block;
        const Target t = Resolve(ctx);
        if (!BlockOf(ctx, t, kCombinedDataBytes, block)) {
            std::fill_n(reply.begin(), kNameBytes, 0xFF);
            return reply;
        }
        const std::vector<uint8_t> header = Header(ctx);
        std::copy(header.begin(), header.end(), reply.begin());
        std::copy(block.begin(), block.end(), reply.begin() + kHeaderBytes);
        return reply;
    }

    int32_t ReadNextBlock(Context& ctx, uint32_t blockSize, uint8_t* out, uint32_t size) const {
        if (size > blockSize) return DvErrSizeMismatch;
        const Target t = Resolve(ctx);
        std::vector<uint8_t> block;
        if (!BlockOf(ctx, t, blockSize, block)) return DvErrFailed;
        std::copy_n(block.begin(), size, out);
        ctx.state().SetValue(ctx.Key(kHeaderCode), t.block + 1);
        return DvOk;
    }

    int32_t WriteNextBlock(Context& ctx, uint32_t blockSize, const uint8_t* in, uint32_t size) const {
        if (size != blockSize) return DvErrSizeMismatch;
        const Target t = Resolve(ctx);
        const uint64_t offset = static_cast<uint64_t>(t.block) * blockSize;
        if (t.tag == nullptr || offset >= t.tag->size) return DvErrFailed;
        if (t.tag->readonly) return DvErrRefused;
        const StateKey key = ctx.Key(kHeaderCode, Slot(t.index, t.record));
        const Cell* c = ctx.state().Get(key);
        std::vector<uint8_t> record = c != nullptr ? c->data : std::vector<uint8_t>{};
        record.resize(t.tag->size, 0);
        // The tail of the last block beyond the record is padding: dropped.
        const auto n = static_cast<std::size_t>(std::min<uint64_t>(blockSize, t.tag->size - offset));
        std::copy_n(in, n, record.begin() + static_cast<std::ptrdiff_t>(offset));
        ctx.state().SetData(key, std::move(record));
        ctx.state().SetValue(ctx.Key(kHeaderCode), t.block + 1);
        return DvOk;
    }

    std::vector<uint32_t> block_codes_;
    std::vector<Tag> tags_;
};

const ItemKindRegistrar kTagged("tagged", [](const ItemConfig& c) { return std::make_unique<TaggedStorageItem>(c); });

}  // namespace
}  // namespace dvc::sim
