// The incoming signal's description block (0xFF01010A), written from a
// readable description of the signal:
//
//   bytes 0-1    port code (LE16)             "port"
//   bytes 2-3    stream attribute word (LE16) "stream_attribute", with the
//                bit depth in bits 5-7 on DisplayPort inputs (0x03xx)
//   byte 18      bit-depth byte (low nibble)  "bits_per_component"
//   bytes 34-50  AVI InfoFrame: type 2, version, length, payload (no
//                checksum)                    "avi"
//   bytes 79-107 dynamic range and mastering InfoFrame: type 7, version 1,
//                length 26, payload           "drm"
//
// An absent "avi" or "drm" leaves its bytes zero (no such InfoFrame).
#include <cmath>

#include "../config_error.hpp"
#include "../item.hpp"

namespace dvc::sim {
namespace {

using json::Json;

constexpr std::size_t kMinimumLength = 108;
constexpr std::size_t kStreamAt = 2, kDepthAt = 18, kAviAt = 34, kDrmAt = 79;

struct Named {
    const char* name;
    uint32_t value;
};

uint32_t Pick(const Json& j, std::initializer_list<Named> names, const std::string& where) {
    std::string s = json::String(j, where);
    std::string known;
    for (const Named& n : names) {
        if (s == n.name) return n.value;
        known += std::string(known.empty() ? "" : ", ") + "\"" + n.name + "\"";
    }
    throw ConfigError(where + ": expected one of " + known);
}

void Put16(std::vector<uint8_t>& b, std::size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

// Colorimetry by name: C (2 bits), EC (3 bits) and ACE (4 bits, -1: none).
struct Colorimetry {
    uint8_t c = 0, ec = 0;
    int ace = -1;
};

Colorimetry ParseColorimetry(const Json& j, const std::string& where) {
    const uint32_t v = Pick(j,
                            {{"none", 0x000},
                             {"bt601", 0x100},
                             {"bt709", 0x200},
                             {"xvycc601", 0x300},
                             {"xvycc709", 0x310},
                             {"sycc601", 0x320},
                             {"opycc601", 0x330},
                             {"oprgb", 0x340},
                             {"bt2020cycc", 0x350},
                             {"bt2020", 0x360},
                             {"dci-p3-d65", 0x370},
                             {"dci-p3-theater", 0x371}},
                            where);
    Colorimetry c;
    c.c = static_cast<uint8_t>(v >> 8);
    c.ec = static_cast<uint8_t>((v >> 4) & 7);
    if (c.ec == 7) c.ace = static_cast<int>(v & 0xF);
    return c;
}

void WriteAvi(std::vector<uint8_t>& b, const Json& avi, const std::string& w) {
    json::OnlyKeys(avi, {"colour_format", "colorimetry", "range", "vic", "picture_aspect", "comment"}, w);
    const uint32_t y = json::Find(avi, "colour_format")
                           ? Pick(avi["colour_format"], {{"rgb", 0}, {"ycbcr422", 1}, {"ycbcr444", 2}, {"ycbcr420", 3}},
                                  w + ".colour_format")
                           : 0;
    Colorimetry col;
    if (const Json* c = json::Find(avi, "colorimetry")) col = ParseColorimetry(*c, w + ".colorimetry");
    // RGB says its range in Q (1 limited, 2 full), YCbCr in YQ (0 limited, 1 full).
    uint32_t q = 0, yq = 0;
    if (const Json* r = json::Find(avi, "range")) {
        const uint32_t range = Pick(*r, {{"default", 0}, {"limited", 1}, {"full", 2}}, w + ".range");
        if (y == 0) q = range;
        else if (range == 0) throw ConfigError(w + ".range: a YCbCr signal is \"limited\" or \"full\"");
        else yq = range - 1;
    }
    const uint32_t vic =
        json::Find(avi, "vic") ? static_cast<uint32_t>(json::Integer(avi["vic"], 0, 255, w + ".vic")) : 0;
    const uint32_t aspect =
        json::Find(avi, "picture_aspect")
            ? Pick(avi["picture_aspect"], {{"none", 0}, {"4:3", 1}, {"16:9", 2}}, w + ".picture_aspect")
            : 0;
    const bool ace = col.ace >= 0;
    uint8_t* a = b.data() + kAviAt;
    a[0] = 2;                                                   // AVI
    a[1] = ace ? 4 : 2;                                         // version 4 carries the additional colorimetry
    a[2] = ace ? 14 : 13;                                       // payload length
    a[3] = static_cast<uint8_t>(y << 5 | 0x10);                 // Y, active format present
    a[4] = static_cast<uint8_t>(col.c << 6 | aspect << 4 | 8);  // C, M, R = as the picture
    a[5] = static_cast<uint8_t>(col.ec << 4 | q << 2);
    a[6] = static_cast<uint8_t>(vic);
    a[7] = static_cast<uint8_t>(yq << 6);
    if (ace) a[16] = static_cast<uint8_t>(col.ace << 4);
}

void WriteDrm(std::vector<uint8_t>& b, const Json& drm, const std::string& w) {
    json::OnlyKeys(drm, {"eotf", "primaries", "max_luminance", "min_luminance", "max_cll", "max_fall", "comment"}, w);
    const Json* e = json::Find(drm, "eotf");
    if (e == nullptr) throw ConfigError(w + ": needs \"eotf\"");
    const uint32_t eotf = Pick(*e, {{"sdr", 0}, {"hdr", 1}, {"pq", 2}, {"hlg", 3}}, w + ".eotf");
    // Mastering display primaries (red, green, blue, white; x, y).
    static constexpr double kBt709[8] = {0.640, 0.330, 0.300, 0.600, 0.150, 0.060, 0.3127, 0.3290};
    static constexpr double kP3[8] = {0.680, 0.320, 0.265, 0.690, 0.150, 0.060, 0.3127, 0.3290};
    static constexpr double kBt2020[8] = {0.708, 0.292, 0.170, 0.797, 0.131, 0.046, 0.3127, 0.3290};
    const double* primaries = kBt2020;
    if (const Json* p = json::Find(drm, "primaries")) {
        const uint32_t which = Pick(*p, {{"bt709", 0}, {"p3", 1}, {"bt2020", 2}}, w + ".primaries");
        primaries = which == 0 ? kBt709 : which == 1 ? kP3 : kBt2020;
    }
    auto number = [&](const char* key, double fallback, double max) {
        const Json* v = json::Find(drm, key);
        double d = v ? json::Number(*v, w + "." + key) : fallback;
        if (!(d >= 0 && d <= max)) throw ConfigError(w + "." + key + ": 0.." + std::to_string(static_cast<int>(max)));
        return d;
    };
    const double maxLum = number("max_luminance", 1000, 65535);
    const double minLum = number("min_luminance", 0.005, 6.5535);
    const double cll = number("max_cll", 1000, 65535);
    const double fall = number("max_fall", 400, 65535);
    uint8_t* d = b.data() + kDrmAt;
    d[0] = 7;  // dynamic range and mastering
    d[1] = 1;
    d[2] = 26;
    d[3] = static_cast<uint8_t>(eotf);
    d[4] = 0;  // static metadata type 1
    for (int i = 0; i < 8; ++i)
        Put16(b, kDrmAt + 5 + 2 * static_cast<std::size_t>(i),
              static_cast<uint32_t>(std::lround(primaries[i] / 0.00002)));
    Put16(b, kDrmAt + 21, static_cast<uint32_t>(std::lround(maxLum)));
    Put16(b, kDrmAt + 23, static_cast<uint32_t>(std::lround(minLum * 10000)));
    Put16(b, kDrmAt + 25, static_cast<uint32_t>(std::lround(cll)));
    Put16(b, kDrmAt + 27, static_cast<uint32_t>(std::lround(fall)));
}

std::vector<uint8_t> BuildBlock(const ItemConfig& c) {
    const std::string& w = c.where;
    json::OnlyKeys(
        c.entry, {"kind", "links", "length", "port", "stream_attribute", "bits_per_component", "avi", "drm", "comment"},
        w);
    const uint32_t length = json::ValueOr(c.entry, "length", kMinimumLength, w);
    if (length < kMinimumLength || length > 4096) throw ConfigError(w + ".length: 108..4096");
    std::vector<uint8_t> b(length, 0);
    const Json* port = json::Find(c.entry, "port");
    if (port == nullptr) throw ConfigError(w + ": needs \"port\" (the input's port code)");
    const auto code = static_cast<uint32_t>(json::Integer(*port, 0, 0xFFFF, w + ".port"));
    Put16(b, 0, code);
    uint32_t stream = 0;
    if (const Json* s = json::Find(c.entry, "stream_attribute"))
        stream = static_cast<uint32_t>(json::Integer(*s, 0, 0xFFFF, w + ".stream_attribute"));
    if (const Json* bits = json::Find(c.entry, "bits_per_component")) {
        // Depth codes: 6, 8, 10, 12, 16 bits are 0 to 4 in the stream word.
        const int64_t depth = json::Integer(*bits, 6, 16, w + ".bits_per_component");
        const uint32_t n = depth == 6 ? 0 : depth == 8 ? 1 : depth == 10 ? 2 : depth == 12 ? 3 : depth == 16 ? 4 : 9;
        if (n == 9) throw ConfigError(w + ".bits_per_component: 6, 8, 10, 12 or 16");
        if ((code & 0xFF00) == 0x0300) stream = (stream & ~0xE0u) | n << 5;
        b[kDepthAt] = n == 0 ? 0 : static_cast<uint8_t>(n + 3);  // 8, 10, 12, 16 bits: 4, 5, 6, 7
    }
    Put16(b, kStreamAt, stream);
    if (const Json* avi = json::Find(c.entry, "avi")) WriteAvi(b, *avi, w + ".avi");
    if (const Json* drm = json::Find(c.entry, "drm")) WriteDrm(b, *drm, w + ".drm");
    return b;
}

class SignalInfoFrameItem final : public Item {
public:
    explicit SignalInfoFrameItem(const ItemConfig& c) : Item(c.code), block_(BuildBlock(c)) {}

    void Seed(Seeder& s) const override { s.Seed(code(), Cell{0, block_}); }

    int32_t FixedData(Context&, uint32_t, Fixed& out) const override {
        out = Fixed{0, 0, 1, static_cast<uint32_t>(block_.size())};
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

const ItemKindRegistrar kSignalInfoFrame("signal-infoframe",
                                         [](const ItemConfig& c) { return std::make_unique<SignalInfoFrameItem>(c); });

}  // namespace
}  // namespace dvc::sim
