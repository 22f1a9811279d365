/* Compiled as C99: the public header must serve C hosts. */
#include <stdio.h>

#include "libdvc/libdvc.h"

int main(void) {
    uint32_t version = DvCtrlVersion();
    char serial[9] = {0};
    char model[17] = {0};
    int kind = 7;
    if (version != 0x01440000u) {
        fprintf(stderr, "DvCtrlVersion gave 0x%08x\n", (unsigned)version);
        return 1;
    }
    if (DvCtrlGetNumMonitors() != 0) return 2;
    if (DvCtrlGetSerialProduct(0, serial, model) != DvErrFailed) return 3;
    if (DvCtrlGetCommunicationPath("ABC", "Model", &kind) != DvErrFailed || kind != -1) return 4;
    printf("libdvc %u.%u.%u.%u from C: %s\n", version >> 24, (version >> 16) & 0xFFu, (version >> 8) & 0xFFu,
           version & 0xFFu, DvErrorName(DvErrFailed));
    return 0;
}
