#include "selfcal/v5_records.hpp"

#include <algorithm>
#include <cstring>

#include "chromalib/chromalib.h"
#include "selfcal/codes_tables.hpp"
#include "selfcal/v5_fixed_point.hpp"

namespace dvc::selfcal {
namespace {

using paged::Bytes;
using paged::Pages;
namespace ct = codes_table;

// Reading: a number of `width` bytes under (page, key); false when the
// record is missing or too short (the field then stays as it was).
bool Number(const Pages& pages, uint32_t page, uint8_t key, std::size_t width, uint32_t& out) {
    const Bytes* value = paged::Find(pages, page, key);
    if (value == nullptr || value->size() < width) return false;
    out = paged::ReadLE(*value, 0, width);
    return true;
}

// Writing: every conversion is checked; the first failure is kept.
class Writer {
public:
    explicit Writer(Pages& pages) : pages_(pages) {}
    void Raw(uint32_t page, uint8_t key, Bytes value) { pages_[page][key] = std::move(value); }
    void Number(uint32_t page, uint8_t key, uint32_t value, std::size_t width) {
        Raw(page, key, paged::LE(value, width));
    }
    void Scaled(uint32_t page, uint8_t key, double value, double scale) {
        uint16_t wire = 0;
        if (!fixed::RoundHalfUp(value, scale, wire)) ok_ = false;
        Number(page, key, wire, 2);
    }
    void Fail() { ok_ = false; }
    DvError Result() const { return ok_ ? DvOk : DvErrInvalidParameter; }

private:
    Pages& pages_;
    bool ok_ = true;
};

constexpr double kChroma = fixed::kChromaticityScale;

void ReadXY(const Pages& pages, uint8_t keyX, colour& c) {
    uint32_t v = 0;
    if (Number(pages, 0, keyX, 2, v)) c.x = v / kChroma;
    if (Number(pages, 0, keyX + 1, 2, v)) c.y = v / kChroma;
}
void WriteXY(Writer& w, uint8_t keyX, const colour& c) {
    w.Scaled(0, keyX, c.x, kChroma);
    w.Scaled(0, keyX + 1, c.y, kChroma);
}

// LUT arrays as chunked records: `width` bytes per entry.
template <class T, class FromWire>
void ReadArray(const Pages& pages, uint32_t page, uint8_t key, uint32_t entries, std::size_t width, std::vector<T>& out,
               FromWire from) {
    const auto bytes = paged::GetChunked(pages, page, key, entries * width / paged::kChunkBytes);
    if (!bytes) return;
    out.resize(entries);
    for (uint32_t i = 0; i < entries; ++i) out[i] = from(paged::ReadLE(*bytes, i * width, width));
}
template <class T, class ToWire>
void WriteArray(Writer& w, Pages& pages, uint32_t page, uint8_t key, std::size_t width, const std::vector<T>& in,
                ToWire to) {
    Bytes bytes;
    bytes.reserve(in.size() * width);
    for (const T& v : in) {
        uint32_t wire = 0;
        if (!to(v, wire)) w.Fail();
        paged::AppendLE(bytes, wire, width);
    }
    paged::PutChunked(pages, page, key, bytes);
}

// Where the LUT arrays of a target lie: first page and key of each.
struct TargetLutPlace {
    uint32_t size, adjustablePage, thresholdPage, valuePage;
    uint8_t adjustableKey, thresholdKey, valueKey;
    std::size_t valueWidth;
};
constexpr TargetLutPlace kTargetLut[] = {{256, 1, 2, 4, 18, 19, 21, 2}, {1024, 6, 10, 18, 23, 27, 35, 4}};

// Where each channel of a result setting's LUT lies.
struct SettingLutPlace {
    uint32_t size;
    uint32_t page[3];
    uint8_t key[3];
    std::size_t width;
};
constexpr SettingLutPlace kSettingLut[] = {{256, {1, 3, 5}, {8, 10, 12}, 2}, {1024, {7, 23, 39}, {14, 30, 46}, 4}};

template <class Place, std::size_t N>
const Place* PlaceFor(const Place (&places)[N], const LutScale& lut) {
    for (const Place& p : places)
        if (p.size == lut.size && lut.divisor > 0) return &p;
    return nullptr;
}

// LUT values as fractions of the full scale, rounded half up on the way out.
auto ValueFromWire(const LutScale& lut) {
    return [&lut](uint32_t wire) { return wire / lut.divisor; };
}
auto ValueToWire(const LutScale& lut, std::size_t width) {
    return [&lut, width](double v, uint32_t& wire) {
        if (width == 2) {
            uint16_t narrow = 0;
            const bool ok = fixed::RoundHalfUp(v, lut.divisor, narrow);
            wire = narrow;
            return ok;
        }
        return fixed::RoundHalfUp(v, lut.divisor, wire);
    };
}

colour Complete(colour c) { return Colour_Yxy2XZ(c); }

}  // namespace

LutScale LutScaleFor(uint32_t lutSize, uint32_t fullScale) {
    LutScale scale{lutSize, 0.0};
    if (fullScale == 0) return scale;
    uint32_t divisor = fullScale;
    if (lutSize == 1024 && (divisor & 0xFFFFFFu) != 0)
        while ((divisor & 0x800000u) == 0) divisor <<= 1;
    scale.divisor = divisor;
    return scale;
}

void DecodeTarget(const Pages& pages, const LutScale& lut, TargetV5& t) {
    if (const Bytes* id = paged::Find(pages, 0, 1); id != nullptr && id->size() >= t.id.size())
        std::copy_n(id->begin(), t.id.size(), t.id.begin());
    uint32_t v = 0;
    if (Number(pages, 0, 2, 2, v)) t.luminance = v;
    ReadXY(pages, 3, t.white);
    if (Number(pages, 0, 5, 2, v)) t.colorTemperature = ct::ColorTemperatureFromCode(static_cast<uint16_t>(v));
    if (Number(pages, 0, 6, 2, v)) t.blackLuminance = v / 100.0;
    if (Number(pages, 0, 7, 1, v)) t.colorGamut = ct::ColorGamutFromCode(static_cast<uint8_t>(v));
    ReadXY(pages, 8, t.red);
    ReadXY(pages, 10, t.green);
    ReadXY(pages, 12, t.blue);
    if (Number(pages, 0, 14, 2, v)) {
        const ct::Gamma g = ct::GammaFromCode(static_cast<uint16_t>(v));
        t.gammaType = g.type, t.gammaIndex = g.index, t.gammaValue = g.value;
    }
    if (Number(pages, 0, 15, 1, v)) t.gamutClipping = v == 1 ? 1 : 0;
    if (Number(pages, 0, 16, 1, v)) t.calPriority = v;
    if (Number(pages, 0, 17, 1, v)) ct::HlgFromCode(static_cast<uint8_t>(v), t.hlgSystemGamma, t.hlgClipping);
    if (Number(pages, 0, 51, 1, v)) t.limited109Optimization = v != 0 ? 1 : 0;
    t.enable = 1;
    const TargetLutPlace* place = PlaceFor(kTargetLut, lut);
    if (place == nullptr) return;
    ReadArray(pages, place->adjustablePage, place->adjustableKey, lut.size, 1, t.lutAdjustable,
              [](uint32_t b) { return b != 0 ? 1u : 0u; });
    ReadArray(pages, place->thresholdPage, place->thresholdKey, lut.size, 2, t.lutThreshold,
              [](uint32_t w) { return w / 1000.0; });
    ReadArray(pages, place->valuePage, place->valueKey, lut.size, place->valueWidth, t.lutValue, ValueFromWire(lut));
}

DvError EncodeTarget(const TargetV5& t, const LutScale& lut, Pages& pages) {
    Writer w(pages);
    w.Raw(0, 1, Bytes(t.id.begin(), t.id.end()));
    w.Scaled(0, 2, t.luminance, 1.0);
    WriteXY(w, 3, t.white);
    uint16_t temperature = 0;
    if (!ct::ColorTemperatureToCode(t.colorTemperature, temperature)) w.Fail();
    w.Number(0, 5, temperature, 2);
    w.Scaled(0, 6, t.blackLuminance, 100.0);
    w.Number(0, 7, ct::ColorGamutToCode(t.colorGamut), 1);
    WriteXY(w, 8, t.red);
    WriteXY(w, 10, t.green);
    WriteXY(w, 12, t.blue);
    uint16_t gamma = 0;
    if (!ct::GammaToCode({t.gammaType, t.gammaIndex, t.gammaValue}, gamma)) w.Fail();
    w.Number(0, 14, gamma, 2);
    w.Number(0, 15, t.gamutClipping == 1 ? 1 : 0, 1);
    if (t.calPriority > 0xFF) w.Fail();
    w.Number(0, 16, t.calPriority, 1);
    w.Number(0, 17, ct::HlgToCode(t.hlgSystemGamma, t.hlgClipping), 1);
    if (t.flags[kTgLimited109] != 0) w.Number(0, 51, t.limited109Optimization != 0 ? 1 : 0, 1);
    const TargetLutPlace* place = PlaceFor(kTargetLut, lut);
    if (place == nullptr) return w.Result();
    if (t.lutAdjustable.size() == lut.size)
        WriteArray(w, pages, place->adjustablePage, place->adjustableKey, 1, t.lutAdjustable,
                   [](uint32_t v, uint32_t& wire) {
                       wire = v == 1 ? 1 : 0;
                       return true;
                   });
    if (t.lutThreshold.size() == lut.size)
        WriteArray(w, pages, place->thresholdPage, place->thresholdKey, 2, t.lutThreshold,
                   [](double v, uint32_t& wire) {
                       uint16_t narrow = 0;
                       const bool ok = fixed::RoundHalfUp(v, 1000.0, narrow);
                       wire = narrow;
                       return ok;
                   });
    if (t.lutValue.size() == lut.size)
        WriteArray(w, pages, place->valuePage, place->valueKey, place->valueWidth, t.lutValue,
                   ValueToWire(lut, place->valueWidth));
    return w.Result();
}

void DecodeResult(const Pages& pages, ResultV5& r) {
    uint32_t v = 0;
    if (Number(pages, 0, 1, 4, v)) r.error = v;
    // Y, x and y of one colour from three keys (Y in `unit`), then X and Z.
    auto colourAt = [&](uint8_t keyY, double unit, colour& c) {
        bool any = false;
        if (Number(pages, 0, keyY, 2, v)) c.Y = v * unit, any = true;
        if (Number(pages, 0, keyY + 1, 2, v)) c.x = v / kChroma, any = true;
        if (Number(pages, 0, keyY + 2, 2, v)) c.y = v / kChroma, any = true;
        if (any) c = Complete(c);
    };
    if (Number(pages, 0, 2, 2, v)) r.luminance = v * 0.1;
    colourAt(2, 0.1, r.white);
    colourAt(5, 0.1, r.red);
    colourAt(8, 0.1, r.green);
    colourAt(11, 0.1, r.blue);
    colourAt(14, 0.001, r.black);
    if (Number(pages, 0, 17, 1, v)) r.hasMeasuredBlack = v != 0 ? 1 : 0;
    // The Limited109 colours count only with all three of their records.
    colour* limited[] = {&r.limited109White, &r.limited109Red, &r.limited109Green, &r.limited109Blue};
    for (int i = 0; i < 4; ++i) {
        const uint8_t key = static_cast<uint8_t>(18 + 3 * i);
        uint32_t y = 0, x = 0, yy = 0;
        if (!Number(pages, 0, key, 2, y) || !Number(pages, 0, key + 1, 2, x) || !Number(pages, 0, key + 2, 2, yy))
            continue;
        colour c = *limited[i];
        c.Y = y * 0.1, c.x = x / kChroma, c.y = yy / kChroma;
        *limited[i] = Complete(c);
    }
}

DvError EncodeResult(const ResultV5& r, Pages& pages) {
    Writer w(pages);
    w.Number(0, 1, r.error, 4);
    auto colourAt = [&](uint8_t keyY, double scale, double luminance, const colour& c) {
        w.Scaled(0, keyY, luminance, scale);
        WriteXY(w, static_cast<uint8_t>(keyY + 1), c);
    };
    // White travels as the luminance and the white chromaticity.
    colourAt(2, 10.0, r.luminance, r.white);
    colourAt(5, 10.0, r.red.Y, r.red);
    colourAt(8, 10.0, r.green.Y, r.green);
    colourAt(11, 10.0, r.blue.Y, r.blue);
    colourAt(14, 1000.0, r.black.Y, r.black);
    if (r.flags[kRsMeasuredBlack] != 0) {
        w.Number(0, 17, r.hasMeasuredBlack != 0 ? 1 : 0, 1);
        const colour* limited[] = {&r.limited109White, &r.limited109Red, &r.limited109Green, &r.limited109Blue};
        for (int i = 0; i < 4; ++i) colourAt(static_cast<uint8_t>(18 + 3 * i), 10.0, limited[i]->Y, *limited[i]);
    }
    return w.Result();
}

void DecodeSetting(const Pages& pages, const LutScale& lut, SettingV5& s) {
    uint32_t v = 0;
    if (Number(pages, 0, 1, 2, v)) s.recordTag = static_cast<uint16_t>(v);
    if (Number(pages, 0, 2, 2, v)) s.contrast = v;
    for (auto [key, matrix] : {std::pair{uint8_t{3}, &s.gainMatrix}, std::pair{uint8_t{4}, &s.emulationMatrix}}) {
        const Bytes* value = paged::Find(pages, 0, key);
        if (value == nullptr || value->size() < 36) continue;
        for (std::size_t i = 0; i < 9; ++i) (*matrix)[i] = fixed::FromMatrixElement(paged::ReadLE(*value, 4 * i, 4));
    }
    if (Number(pages, 0, 5, 2, v)) s.gammaArea = v <= 16 ? v + 1 : v;
    if (Number(pages, 0, 6, 2, v)) {
        const ct::Gamma g = ct::GammaFromCode(static_cast<uint16_t>(v));
        s.targetGammaType = g.type, s.targetGammaIndex = g.index, s.targetGammaValue = g.value;
    }
    if (Number(pages, 0, 7, 1, v)) ct::HlgFromCode(static_cast<uint8_t>(v), s.hlgSystemGamma, s.hlgClipping);
    if (Number(pages, 0, 62, 1, v)) s.limited109Setting = v;
    const SettingLutPlace* place = PlaceFor(kSettingLut, lut);
    if (place == nullptr) return;
    for (int c = 0; c < 3; ++c)
        ReadArray(pages, place->page[c], place->key[c], lut.size, place->width, s.lut[c], ValueFromWire(lut));
}

DvError EncodeSetting(const SettingV5& s, const LutScale& lut, Pages& pages) {
    Writer w(pages);
    w.Number(0, 1, s.recordTag, 2);
    if (s.contrast > 0xFFFF) w.Fail();
    w.Number(0, 2, s.contrast, 2);
    for (auto [key, matrix] : {std::pair{uint8_t{3}, &s.gainMatrix}, std::pair{uint8_t{4}, &s.emulationMatrix}}) {
        Bytes bytes;
        for (double e : *matrix) {
            int32_t wire = 0;
            if (!fixed::MatrixElement(e, wire)) w.Fail();
            paged::AppendLE(bytes, static_cast<uint32_t>(wire), 4);
        }
        w.Raw(0, key, std::move(bytes));
    }
    const uint32_t area = s.gammaArea >= 1 && s.gammaArea <= 17 ? s.gammaArea - 1 : s.gammaArea;
    if (area > 0xFFFF) w.Fail();
    w.Number(0, 5, area, 2);
    uint16_t gamma = 0;
    if (!ct::GammaToCode({s.targetGammaType, s.targetGammaIndex, s.targetGammaValue}, gamma)) w.Fail();
    w.Number(0, 6, gamma, 2);
    w.Number(0, 7, ct::HlgToCode(s.hlgSystemGamma, s.hlgClipping), 1);
    if (s.flags[kStLimited109] != 0) {
        if (s.limited109Setting > 0xFF) w.Fail();
        w.Number(0, 62, s.limited109Setting, 1);
    }
    const SettingLutPlace* place = PlaceFor(kSettingLut, lut);
    if (place == nullptr) return w.Result();
    for (int c = 0; c < 3; ++c)
        if (s.lut[c].size() == lut.size)
            WriteArray(w, pages, place->page[c], place->key[c], place->width, s.lut[c], ValueToWire(lut, place->width));
    return w.Result();
}

DvError CheckTarget(const TargetV5& t) {
    if (t.colorTemperature == ct::kNativeWhite && !(t.white.x > 0) && !(t.white.y > 0)) return DvErrInvalidParameter;
    const bool anyPrimary =
        t.red.x > 0 || t.red.y > 0 || t.green.x > 0 || t.green.y > 0 || t.blue.x > 0 || t.blue.y > 0;
    if (t.flags[kTgColorGamut] != 0 && t.colorGamut == 255 && !anyPrimary) return DvErrInvalidParameter;
    if (t.flags[kTgLutValue] != 0 && t.gammaType == 0 && t.gammaIndex == 254 && t.lutValue.size() != t.lutSize)
        return DvErrInvalidParameter;
    if (t.flags[kTgLutAdjustable] != 0 && t.flags[kTgLutThreshold] != 0 &&
        t.lutAdjustable.size() != t.lutThreshold.size())
        return DvErrInvalidParameter;
    return DvOk;
}

}  // namespace dvc::selfcal
