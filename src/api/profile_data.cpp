#include "api/profile_data.hpp"

#include <cmath>

#include "chromalib/chromalib.h"
#include "colour/dense_matrix.hpp"
#include "libdvc/dvc_luts.h"
#include "libdvc/dvc_picture.h"
#include "paths/varn_monitor_interface.hpp"

namespace dvc::api {
namespace {

using colour_math::DenseMatrix;

constexpr int kGammaIndexFirst = 1, kGammaIndexLast = 17;

colour Chromaticity(double x, double y, double Y) {
    colour c{};
    c.x = x, c.y = y, c.Y = Y;
    return c;
}

// The colour library's RGB-to-XYZ matrix of the system primaries and white.
DvError SystemMatrix(const char* id1, const char* id2, double (&m)[9]) {
    double xy[8] = {};
    const DvError read = DvCtrlGetSystemChromaticity(id1, id2, xy);
    if (!paths::Usable(read)) return read;
    void* handle = nullptr;
    DvError result =
        static_cast<DvError>(Colour_GetMatrix(&handle, 0, Chromaticity(xy[0], xy[1], 0), Chromaticity(xy[2], xy[3], 0),
                                              Chromaticity(xy[4], xy[5], 0), Chromaticity(xy[6], xy[7], 1)));
    for (int i = 0; i < 9 && paths::Usable(result); ++i)
        result = static_cast<DvError>(Colour_GetMatrixValue(&m[i], handle, i / 3, i % 3));
    Colour_ReleaseMatrix(&handle);
    return paths::Usable(result) ? DvOk : result;
}

double PeakLuminance(const char* id1, const char* id2) {
    double candela = 0.0;
    int status = DvErrNotImplemented;
    return DvCtrlGetCandela(id1, id2, &candela, &status) >= 0 && status == 0 ? candela : 0.0;
}

void ToneCurves(const char* id1, const char* id2, DvToneCurve (&curves)[3], ToneLutReader readLut) {
    int index = 0;
    const bool gamma =
        DvCtrlGetGammaIndex(id1, id2, &index) >= 0 && index >= kGammaIndexFirst && index <= kGammaIndexLast;
    const int bank = 0;
    for (int channel = 0; channel < 3; ++channel) {
        DvToneCurve& curve = curves[channel];
        curve = DvToneCurve{};
        curve.kind = gamma ? 1 : 2;
        if (gamma) curve.data.gamma = 1.3 + 0.1 * index;
        else readLut(id1, id2, channel + 1, curve.data.lut, &bank);  // its result is not weighed
    }
}

}  // namespace

DvError AssembleProfileData(const char* id1, const char* id2, DvProfileData* out, ToneLutReader readLut) {
    if (out == nullptr) return DvErrInvalidParameter;
    double system[9] = {};
    if (const DvError result = SystemMatrix(id1, id2, system); result < 0) return result;
    double chip[9] = {};
    if (const DvError result = DvCtrlGetAsicMatrix32(id1, id2, chip); !paths::Usable(result)) return result;
    DenseMatrix m = DenseMatrix(3, 3, system).Times(DenseMatrix(3, 3, chip));
    const double whiteY = m.At(1, 0) + m.At(1, 1) + m.At(1, 2);
    if (!std::isfinite(whiteY) || whiteY == 0.0) return DvErrFailed;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) m.At(r, c) /= whiteY;

    DvToneCurve curves[3];
    const double peak = PeakLuminance(id1, id2);
    ToneCurves(id1, id2, curves, readLut);

    out->peakLuminance = peak;
    const struct {
        double rgb[3];
        colour* place;
    } devices[] = {{{1, 1, 1}, &out->white},
                   {{0, 0, 0}, &out->black},
                   {{1, 0, 0}, &out->red},
                   {{0, 1, 0}, &out->green},
                   {{0, 0, 1}, &out->blue}};
    for (const auto& device : devices) {
        colour xyz{};
        double* tristimulus[3] = {&xyz.X, &xyz.Y, &xyz.Z};
        for (int r = 0; r < 3; ++r)
            *tristimulus[r] = m.At(r, 0) * device.rgb[0] + m.At(r, 1) * device.rgb[1] + m.At(r, 2) * device.rgb[2];
        *device.place = Colour_XYZ2xy(xyz);
    }
    for (int i = 0; i < 3; ++i) out->curves[i] = curves[i];
    return DvOk;
}

}  // namespace dvc::api
