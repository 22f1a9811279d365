// The record that DvCtrlDisableColorForCandelaUpdate hands to its caller:
// what to put back afterwards.
#pragma once

#include <cstdint>

struct DvColorDisableState {
    uint32_t colourWasDisabled; // 1: colour processing was already off
    uint32_t lutWasOn;          // 1: the 3D LUT was on (or could not be asked)
};
