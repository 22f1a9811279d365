// Exports of the 3D LUT: transfers, grid and media-emulation tables.
#include "features/lut3d.hpp"
#include "api/call_frame.hpp"
#include "libdvc/dvc_luts.h"

using dvc::api::CallMonitor;
using dvc::api::CountResult;
using dvc::api::ErrorResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlGet3DLUTDirect(const char* id1, const char* id2, uint16_t* image, uint16_t gridCount) {
    return CallMonitor<ErrorResult>(id1, id2, features::Get3DLUTDirect, image, gridCount);
}

DvError DvCtrlSet3DLUTDirect(const char* id1, const char* id2, const uint16_t* image, uint16_t gridCount) {
    return CallMonitor<ErrorResult>(id1, id2, features::Set3DLUTDirect, image, gridCount);
}

DvError DvCtrlGet3DLUTFactory(const char* id1, const char* id2, uint16_t* image, uint16_t gridCount) {
    return CallMonitor<ErrorResult>(id1, id2, features::Get3DLUTFactory, image, gridCount);
}

DvError DvCtrlGetMediaEmu3DLUTDirect(const char* id1, const char* id2, int index, uint16_t* image, uint16_t gridCount) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetMediaEmu3DLUTDirect, index, image, gridCount);
}

DvError DvCtrlSetMediaEmu3DLUTDirect(const char* id1, const char* id2, int index, const uint16_t* image,
                                     uint16_t gridCount) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetMediaEmu3DLUTDirect, index, image, gridCount);
}

int DvCtrlGet3DLUTGridCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, features::Get3DLUTGridCount);
}

int DvCtrlGetMediaEmu3DLUTGridCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, features::GetMediaEmu3DLUTGridCount);
}

DvError DvCtrlGet3DLUTGridLevels(const char* id1, const char* id2, uint16_t* levels, uint16_t count) {
    return CallMonitor<ErrorResult>(id1, id2, features::Get3DLUTGridLevels, levels, count);
}

}  // extern "C"
