// Request and reply items: the host writes a request block whose first
// bytes name an item (a key number, a channel), then reads the reply for
// it. An unknown key gets the "unknown" reply (first byte 0xFF by default).
#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

using json::Json;

class RequestReplyItem final : public Item {
public:
    explicit RequestReplyItem(const ItemConfig& c) : Item(c.code) {
        const std::string& w = c.where;
        json::OnlyKeys(c.entry,
                       {"kind", "links", "reply_code", "request_length", "reply_length", "key_bytes", "replies",
                        "unknown", "comment"},
                       w);
        reply_code_ = json::ValueOr(c.entry, "reply_code", c.code, w);
        request_length_ = json::ValueOr(c.entry, "request_length", 1, w);
        reply_length_ = json::ValueOr(c.entry, "reply_length", 1, w);
        key_bytes_ = json::ValueOr(c.entry, "key_bytes", 1, w);
        if (request_length_ == 0 || request_length_ > 4096 || reply_length_ == 0 || reply_length_ > 4096 ||
            key_bytes_ == 0 || key_bytes_ > 4 || key_bytes_ > request_length_)
            throw ConfigError(w + ": lengths 1..4096 and key_bytes 1..4 within the request");
        unknown_.assign(reply_length_, 0);
        unknown_[0] = 0xFF;
        if (const Json* u = json::Find(c.entry, "unknown"))
            unknown_ = Sized(json::Bytes(*u, w + ".unknown"), w + ".unknown");
        if (const Json* r = json::Find(c.entry, "replies")) {
            json::RequireObject(*r, w + ".replies");
            for (auto it = r->begin(); it != r->end(); ++it) {
                std::string rw = w + ".replies." + it.key();
                uint32_t key = json::ParseCode(it.key(), rw);
                if (key == 0xFFFFFFFFu) throw ConfigError(rw + ": key too large");
                replies_.emplace_back(key, Sized(json::Bytes(it.value(), rw), rw));
            }
        }
    }

    std::vector<uint32_t> ExtraCodes() const override {
        return reply_code_ == code() ? std::vector<uint32_t>{} : std::vector<uint32_t>{reply_code_};
    }

    // The last key asked for is kept in slot 0; replies in slot key + 1.
    void Seed(Seeder& s) const override {
        s.Seed(code(), Cell{0xFFFFFFFFu, {}});
        for (const auto& [key, bytes] : replies_) s.Seed(reply_code_, Cell{0, bytes}, key + 1);
    }

    int32_t FixedData(Context&, uint32_t code, Fixed& out) const override {
        out = Fixed{0, 0, 1, code == reply_code_ ? reply_length_ : request_length_};
        return DvOk;
    }

    int32_t GetData(Context& ctx, uint32_t code, uint8_t* out, uint32_t size) const override {
        if (code != reply_code_) return DvErrNotSupported;
        uint32_t key = ctx.state().ValueOr(ctx.Key(this->code()), 0xFFFFFFFFu);
        const Cell* c = key == 0xFFFFFFFFu ? nullptr : ctx.state().Get(ctx.Key(reply_code_, key + 1));
        return CopyOut(c ? c->data : unknown_, out, size);
    }

    int32_t SetData(Context& ctx, uint32_t code, const uint8_t* in, uint32_t size, uint32_t) const override {
        if (code != this->code()) return DvErrNotSupported;
        if (size != request_length_) return DvErrSizeMismatch;
        uint32_t key = 0;
        for (uint32_t i = 0; i < key_bytes_; ++i) key |= static_cast<uint32_t>(in[i]) << (8 * i);
        if (key == 0xFFFFFFFFu) key = 0xFFFFFFFEu;
        ctx.state().SetValue(ctx.Key(this->code()), key);
        return DvOk;
    }

private:
    std::vector<uint8_t> Sized(std::vector<uint8_t> bytes, const std::string& where) const {
        if (bytes.size() > reply_length_) throw ConfigError(where + ": longer than reply_length");
        bytes.resize(reply_length_, 0);
        return bytes;
    }

    uint32_t reply_code_ = 0, request_length_ = 1, reply_length_ = 1, key_bytes_ = 1;
    std::vector<uint8_t> unknown_;
    std::vector<std::pair<uint32_t, std::vector<uint8_t>>> replies_;
};

const ItemKindRegistrar kRequestReply("request-reply",
                                      [](const ItemConfig& c) { return std::make_unique<RequestReplyItem>(c); });

}  // namespace
}  // namespace dvc::sim
