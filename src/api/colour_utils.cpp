// Exports of the colour utilities that serve a measuring client.
#include "api/call_frame.hpp"
#include "api/profile_data.hpp"
#include "features/colour_patch.hpp"
#include "libdvc/dvc_luts.h"
#include "libdvc/dvc_profile.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlGenerateColorPatch(const char* id1, const char* id2, int show, const DvColorPatchRequest* request) {
    return CallMonitor<ErrorResult>(id1, id2, features::GenerateColorPatch, show, request);
}

// Built on other exports, each of which takes its own locks, so it takes none.
DvError DvCtrlProfGetData(const char* id1, const char* id2, DvProfileData* profile) {
    return dvc::api::AssembleProfileData(id1, id2, profile, DvCtrlGetLUT);
}

}  // extern "C"
